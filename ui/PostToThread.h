// Handing a call from a worker thread (a link, a port watcher) to the thread
// of a Qt object, through Qt's event queue.
//
// Qt orders what it posts with locks the thread checker cannot see, since
// its libraries are not built with it; the call's captures, written on one
// thread and read or destroyed on the other, would look like a race. In the
// thread checker's builds the call carries a token of its own that states
// Qt's order: the posting thread releases it once the call is in place, the
// receiving thread acquires it before the call runs and releases it after.
// Whichever thread lets go of the call last (Qt counts its references, and
// the posting thread may be the one) acquires it before the call is
// destroyed. Other builds post the call as it is.
#pragma once

#include "ThreadSanitizerHints.h"

#include <QMetaObject>
#include <QObject>

#include <memory>
#include <utility>

#ifdef KEROVANT_THREAD_SANITIZER
namespace post_detail {

template <class Call> class Handover {
public:
    explicit Handover(Call call) : call_(std::move(call)), token_(std::make_unique<char>()) { }
    // Qt moves the call into place on the posting thread: what it wrote by
    // then is the receiving thread's to read.
    Handover(Handover&& other) : call_(std::move(other.call_)), token_(std::move(other.token_))
    {
        tsan_hints::ReleaseTo(token_.get());
    }
    Handover& operator=(Handover&&) = delete;
    Handover(const Handover&) = delete;
    Handover& operator=(const Handover&) = delete;
    // On the thread that lets go last; also when Qt drops the call (its
    // object went first). The captures are destroyed after this body.
    ~Handover()
    {
        if (token_)
            tsan_hints::AcquireFrom(token_.get());
    }

    void operator()()
    {
        tsan_hints::AcquireFrom(token_.get());
        call_();
        tsan_hints::ReleaseTo(token_.get());
    }

private:
    Call call_;
    std::unique_ptr<char> token_;  // null once moved from
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
