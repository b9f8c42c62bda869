#include "WindowConnection.h"

#include "EventLoopWait.h"

#include <QCoreApplication>

#include <cstdio>

CWindowConnection::CWindowConnection(const LinkSettings& settings, QObject* parent)
    : CWindowConnection(
          [settings](LinkMessageHandler handler, std::shared_ptr<ILinkObserver> observer) {
              return std::make_shared<CClockDevice>(settings, std::move(handler), std::move(observer));
          },
          parent)
{
}

CWindowConnection::CWindowConnection(DeviceMaker maker, QObject* parent)
    : QObject(parent),
      maker_(std::move(maker)),
      self_(this),
      pause_([](std::chrono::milliseconds time) { PauseEvents(static_cast<int>(time.count())); }),
      connection_([this] { return maker_(HandlerFor(++made_), observer_); },
                  [this] {
                      QMetaObject::invokeMethod(
                          this, [this] { emit deviceChanged(); }, Qt::QueuedConnection);
                  })
{
}

CWindowConnection::~CWindowConnection()
{
    connection_.Shutdown();
}

void CWindowConnection::AddObserver(std::shared_ptr<ILinkObserver> observer)
{
    observer_ = CombineObservers({observer_, std::move(observer)});
}

void CWindowConnection::Start()
{
    connection_.Start();
}

std::shared_ptr<CClockDevice> CWindowConnection::WaitForClock()
{
    BusyScope busy;
    return connection_.WaitUntilReady(pause_);
}

void CWindowConnection::SetPause(Pause pause)
{
    pause_ = std::move(pause);
}

LinkMessageHandler CWindowConnection::HandlerFor(uint64_t generation)
{
    // Called on a link thread: only posts. The application object outlives
    // every device object; this object may not, hence the guarded pointer,
    // read on the user-interface thread only.
    return [self = self_, generation](std::shared_ptr<LinkMessage> message) {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app) {
            message->Dismiss();
            return;
        }
        QMetaObject::invokeMethod(
            app,
            [self, generation, message] {
                if (self)
                    self->Present(generation, message);
                else
                    message->Dismiss();
            },
            Qt::QueuedConnection);
    };
}

void CWindowConnection::Present(uint64_t generation, const std::shared_ptr<LinkMessage>& message)
{
    // The device object may have been shut down while this was on its way.
    if (message->IsCancelled() || message->IsDismissed())
        return;
    if (!filter_.ShouldShow(generation, message->Text())) {
        message->Dismiss();
        return;
    }
    if (!presenter_) {
        std::fprintf(stderr, "%s: %s\n", message->Caption().c_str(), message->Text().c_str());
        message->Dismiss();
        return;
    }
    presenter_(message);
}
