#include "WindowConnection.h"

#include "EventLoopWait.h"
#include "PostToThread.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <mutex>

CWindowConnection::CWindowConnection(const LinkSettings& settings, QObject* parent)
    : CWindowConnection(
          [](const LinkSettings& made, LinkMessageHandler handler, std::shared_ptr<ILinkObserver> observer) {
              return std::make_shared<CClockDevice>(made, std::move(handler), std::move(observer));
          },
          settings, parent)
{
}

CWindowConnection::CWindowConnection(DeviceMaker maker, QObject* parent)
    : CWindowConnection(
          [maker = std::move(maker)](const LinkSettings&, LinkMessageHandler handler,
                                     std::shared_ptr<ILinkObserver> observer) {
              return maker(std::move(handler), std::move(observer));
          },
          LinkSettings{}, parent)
{
}

namespace {

// Hears the link move from its identification read to idle, once per
// device object, and says so (on the link thread). Only one object's link
// runs at a time: the old one is shut down before the next is made.
class CIdentifiedObserver final : public ILinkObserver {
public:
    explicit CIdentifiedObserver(std::function<void()> identified) : identified_(std::move(identified)) { }
    void OnLinkEvent(const LinkEvent& event) override
    {
        if (event.kind != LinkEvent::Kind::StateChanged)
            return;
        const uint8_t before = last_.exchange(event.code, std::memory_order_acq_rel);
        if (event.code == LinkStateCode(LinkState::Idle) && before == LinkStateCode(LinkState::Identify))
            identified_();
    }

private:
    const std::function<void()> identified_;
    std::atomic<uint8_t> last_{0};
};

}  // namespace

CWindowConnection::CWindowConnection(SettingsDeviceMaker maker, const LinkSettings& settings, QObject* parent)
    : QObject(parent),
      maker_(std::move(maker)),
      settings_(settings),
      observer_(CombineObservers({traceRing_, std::make_shared<CIdentifiedObserver>([this] {
                                      PostToThread(this, [this] { emit clockIdentified(); });
                                  })})),
      self_(this),
      pause_([](std::chrono::milliseconds time) { PauseEvents(static_cast<int>(time.count())); }),
      connection_([this] { return Make(); }, [this] { PostToThread(this, [this] { OnReplaced(); }); })
{
}

CWindowConnection::~CWindowConnection()
{
    watcher_.reset();
    connection_.Shutdown();
}

void CWindowConnection::AddObserver(std::shared_ptr<ILinkObserver> observer)
{
    observer_ = CombineObservers({observer_, std::move(observer)});
}

void CWindowConnection::Start()
{
    // Before the first object: a port that appears while it opens is news.
    started_ = true;
    WatchPort();
    connection_.Start();
}

void CWindowConnection::SetLinkSettings(const LinkSettings& settings)
{
    {
        std::lock_guard<std::mutex> lock(settingsMutex_);
        settings_ = settings;
        ++settingsChanges_;
    }
    if (started_)
        WatchPort();
}

void CWindowConnection::WatchPort()
{
    watcher_.reset();
    if (!watcherMaker_)
        return;
    const LinkSettings settings = CurrentLinkSettings();
    const std::string path(settings.deviceName, strnlen(settings.deviceName, sizeof settings.deviceName));
    // On the watcher's thread: the connection takes the news on any thread;
    // the window hears of it on its own. The watcher goes before this
    // object, and Qt drops what was posted to an object that is gone.
    watcher_ = watcherMaker_(path, [this](const PortEvent& event) {
        connection_.OnPortEvent(event);
        PostToThread(this, [this] { emit portChanged(); });
    });
}

LinkSettings CWindowConnection::CurrentLinkSettings() const
{
    std::lock_guard<std::mutex> lock(settingsMutex_);
    return settings_;
}

std::shared_ptr<CClockDevice> CWindowConnection::Make()
{
    LinkSettings settings;
    {
        std::lock_guard<std::mutex> lock(settingsMutex_);
        settings = settings_;
        madeAtChange_ = settingsChanges_;
    }
    return maker_(settings, HandlerFor(++made_), observer_);
}

bool CWindowConnection::MadeFromOldSettings() const
{
    std::lock_guard<std::mutex> lock(settingsMutex_);
    return madeAtChange_ != settingsChanges_;
}

void CWindowConnection::OnReplaced()
{
    // The settings changed while a replacement was already making its object
    // from the old ones, and the request that came with the change found it
    // under way and was dropped. Without one more round the user's choice
    // would not land until the clock next went offline.
    if (MadeFromOldSettings() && !connection_.ReplacementPending()) {
        connection_.Replace();
        return;
    }
    emit deviceChanged();
}

std::shared_ptr<CClockDevice> CWindowConnection::WaitForClock()
{
    CBusyScope busy;
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
    return [self = self_, generation](std::shared_ptr<CLinkMessage> message) {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app) {
            message->Dismiss();
            return;
        }
        PostToThread(app, [self, generation, message] {
            if (self)
                self->Present(generation, message);
            else
                message->Dismiss();
        });
    };
}

void CWindowConnection::Present(uint64_t generation, const std::shared_ptr<CLinkMessage>& message)
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
