// Handing a call from a worker thread (a link, a port watcher) to the thread
// of a Qt object, through Qt's event queue.
//
// Qt orders what it posts with locks the thread checker cannot see, since
// its libraries are not built with it; the call's captures, written on one
// thread and read or destroyed on the other, would look like a race. In the
// thread checker's builds the call states Qt's order itself, on its own
// address (which the receiving thread knows without reading anything the
// posting thread wrote): Qt moves it into place on the posting thread, which
// releases it there; the receiving thread acquires it before the call runs
// and releases it after. Whichever thread lets go of the call last (Qt
// counts its references, and the posting thread may be the one) acquires it
// before the call is destroyed. Other builds post the call as it is.
#pragma once

#include "ThreadSanitizerHints.h"

#include <QMetaObject>
#include <QObject>

#include <utility>

#ifdef KEROVANT_THREAD_SANITIZER
namespace post_detail {

template <class Call> class Handover {
public:
    explicit Handover(Call call) : call_(std::move(call)) { }
    // What the posting thread wrote by the end of the move that puts the
    // call in place is the receiving thread's to read.
    Handover(Handover&& other) : call_(std::move(other.call_)) { tsan_hints::ReleaseTo(this); }
    Handover& operator=(Handover&&) = delete;
    Handover(const Handover&) = delete;
    Handover& operator=(const Handover&) = delete;
    // On the thread that lets go last; also when Qt drops the call (its
    // object went first). The captures are destroyed after this body.
    ~Handover() { tsan_hints::AcquireFrom(this); }

    void operator()()
    {
        tsan_hints::AcquireFrom(this);
        call_();
        tsan_hints::ReleaseTo(this);
    }

private:
    Call call_;
};

}  // namespace post_detail
#endif

// Runs call on context's thread once its event loop gets to it; dropped when
// context is destroyed first. Callable from any thread.
template <class Call> void PostToThread(QObject* context, Call call)
{
#ifdef KEROVANT_THREAD_SANITIZER
    QMetaObject::invokeMethod(context, post_detail::Handover<Call>(std::move(call)), Qt::QueuedConnection);
#else
    QMetaObject::invokeMethod(context, std::move(call), Qt::QueuedConnection);
#endif
}
