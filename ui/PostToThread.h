// Handing a call from a worker thread (a link, a port watcher) to the thread
// of a Qt object, through Qt's event queue.
//
// Qt orders what it posts with locks the thread checker cannot see, since
// its libraries are not built with it; the call's captures, written on one
// thread and read or destroyed on the other, would look like a race. One
// lock, taken around the post and again before the call runs or is dropped,
// shows it the order Qt keeps anyway.
#pragma once

#include <QMetaObject>
#include <QObject>

#include <mutex>
#include <utility>

namespace post_detail {

// Recursive: the posting thread holds it while Qt moves and destroys the
// temporaries of the call it posts.
inline std::recursive_mutex& HandoverMutex()
{
    static std::recursive_mutex mutex;
    return mutex;
}

template <class Call> class Handover {
public:
    explicit Handover(Call call) : call_(std::move(call)) { }
    Handover(Handover&&) = default;
    Handover& operator=(Handover&&) = delete;
    Handover(const Handover&) = delete;
    Handover& operator=(const Handover&) = delete;
    // Also when Qt drops the call (its object went first): the captures are
    // destroyed after this body.
    ~Handover() { Synchronise(); }

    void operator()()
    {
        Synchronise();
        call_();
    }

private:
    static void Synchronise() { std::lock_guard<std::recursive_mutex> received(HandoverMutex()); }

    Call call_;
};

}  // namespace post_detail

// Runs call on context's thread once its event loop gets to it; dropped when
// context is destroyed first. Callable from any thread.
template <class Call> void PostToThread(QObject* context, Call call)
{
    std::lock_guard<std::recursive_mutex> posting(post_detail::HandoverMutex());
    QMetaObject::invokeMethod(context, post_detail::Handover<Call>(std::move(call)), Qt::QueuedConnection);
}
