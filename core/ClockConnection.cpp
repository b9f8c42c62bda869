#include "ClockConnection.h"

#include <utility>

CClockConnection::Hold& CClockConnection::Hold::operator=(Hold&& other) noexcept
{
    if (this != &other) {
        Release();
        owner_ = other.owner_;
        device_ = std::move(other.device_);
        other.owner_ = nullptr;
    }
    return *this;
}

void CClockConnection::Hold::Release()
{
    // The object is let go before the count drops, so a replacement that
    // starts now can shut it down.
    device_.reset();
    if (CClockConnection* owner = owner_) {
        owner_ = nullptr;
        owner->ReleaseHold();
    }
}

CClockConnection::CClockConnection(Factory factory, ChangedHandler changed)
    : factory_(std::move(factory)), changed_(std::move(changed))
{
}

CClockConnection::~CClockConnection()
{
    Shutdown();
}

void CClockConnection::Start()
{
    std::shared_ptr<CClockDevice> first = factory_();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (started_ || stopping_)
            return;
        started_ = true;
        device_ = std::move(first);
        ++generation_;
        replacer_ = std::thread(&CClockConnection::ReplacementThread, this);
    }
}

std::shared_ptr<CClockDevice> CClockConnection::Device() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return device_;
}

uint64_t CClockConnection::Generation() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return generation_;
}

void CClockConnection::Replace()
{
    std::lock_guard<std::mutex> lock(mutex_);
    ReplaceLocked();
}

void CClockConnection::ReplaceLocked()
{
    if (!started_ || stopping_ || suspended_ || replacing_ || deferred_)
        return;
    if (holds_ > 0) {
        deferred_ = true;
        return;
    }
    RequestReplacementLocked();
}

bool CClockConnection::OfflineLocked() const
{
    if (!device_)
        return false;
    const PortState port = device_->GetPortState();
    // NotOpened: an object without a port of its own (a test's byte source
    // reports Open); it is greeting, not offline.
    return (port != PortState::Open && port != PortState::NotOpened) || device_->GetState() == LinkState::Failed;
}

void CClockConnection::PortAppeared()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!started_ || stopping_ || suspended_)
        return;
    if (replacing_ || deferred_) {
        lookAgain_ = true;
        return;
    }
    if (OfflineLocked()) {
        ++hotPlugs_;
        ReplaceLocked();
    }
}

void CClockConnection::PortVanished(const std::string& path)
{
    std::shared_ptr<CClockDevice> device = Device();
    if (!device || (!path.empty() && path != device->GetDevicePath()))
        return;
    device->PortVanished();
    // Returns once the link has given up (a few milliseconds), so whoever
    // shows the news next finds the object offline.
    const auto until = std::chrono::steady_clock::now() + kVanishWait;
    while (device->GetState() != LinkState::Failed && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void CClockConnection::OnPortEvent(const PortEvent& event)
{
    if (event.kind == PortEvent::Kind::Appeared)
        PortAppeared();
    else
        PortVanished(event.path);
}

uint64_t CClockConnection::HotPlugReplacements() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return hotPlugs_;
}

bool CClockConnection::Suspend()
{
    std::shared_ptr<CClockDevice> current;
    {
        std::unique_lock<std::mutex> lock(mutex_);
        if (!started_ || stopping_)
            return true;
        suspended_ = true;
        replaced_.wait(lock, [this] { return !replacing_ || stopping_; });
        deferred_ = false;
        lookAgain_ = false;
        current = std::move(device_);
    }
    const std::weak_ptr<CClockDevice> watched = current;
    current.reset();
    return watched.expired();
}

void CClockConnection::Resume()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!suspended_)
        return;
    suspended_ = false;
    if (started_ && !stopping_)
        RequestReplacementLocked();
}

bool CClockConnection::ReplacementPending() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return replacing_ || deferred_;
}

bool CClockConnection::ReplacementDeferred() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return deferred_;
}

CClockConnection::Hold CClockConnection::HoldDevice()
{
    std::lock_guard<std::mutex> lock(mutex_);
    ++holds_;
    return Hold(this, device_);
}

void CClockConnection::ReleaseHold()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (--holds_ > 0 || !deferred_)
        return;
    deferred_ = false;
    if (!stopping_)
        RequestReplacementLocked();
}

void CClockConnection::RequestReplacementLocked()
{
    // The object is out of service from now on: Device() says so at once.
    retiring_ = std::move(device_);
    replacing_ = true;
    requested_ = true;
    wake_.notify_one();
}

void CClockConnection::ReplacementThread()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return requested_ || stopping_; });
        if (stopping_)
            return;
        requested_ = false;
        std::shared_ptr<CClockDevice> old = std::move(retiring_);
        lock.unlock();
        // The old object goes first: it holds the port, which the new one
        // opens. Shutting it down joins its threads and ends any message it
        // waits on.
        old.reset();
        std::shared_ptr<CClockDevice> fresh = factory_();
        lock.lock();
        if (stopping_) {
            lock.unlock();
            fresh.reset();
            return;
        }
        device_ = std::move(fresh);
        ++generation_;
        replacing_ = false;
        replaced_.notify_all();
        lock.unlock();
        if (changed_)
            changed_();
        lock.lock();
        // The port appeared while this object was being made: if it could
        // not open it (made a moment too early), once more.
        if (std::exchange(lookAgain_, false) && !stopping_ && OfflineLocked()) {
            ++hotPlugs_;
            ReplaceLocked();
        }
    }
}

std::shared_ptr<CClockDevice>
CClockConnection::WaitUntilReady(const std::function<void(std::chrono::milliseconds)>& pause, int checks,
                                 std::chrono::milliseconds interval) const
{
    for (int check = 0; check < checks; ++check) {
        pause(interval);
        std::shared_ptr<CClockDevice> device = Device();
        if (device && device->IsOnline() && device->IsReady())
            return device;
    }
    return nullptr;
}

void CClockConnection::Shutdown()
{
    std::shared_ptr<CClockDevice> last;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (stopping_)
            return;
        stopping_ = true;
        deferred_ = false;
        wake_.notify_one();
        replaced_.notify_all();
    }
    // A replacement under way finishes making its object and frees it.
    if (replacer_.joinable())
        replacer_.join();
    std::shared_ptr<CClockDevice> retiring;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        last = std::move(device_);
        retiring = std::move(retiring_);
        replacing_ = false;
    }
    retiring.reset();
    last.reset();
}

bool COfflineReplacement::OfflineLook()
{
    if (looks_++ < kLooksBeforeReplace)
        return false;
    looks_ = 0;
    return true;
}

void COfflineReplacement::Reset()
{
    looks_ = 0;
    timing_ = false;
    carried_ = false;
}

COfflineReplacement::TimePoint COfflineReplacement::ReplaceAt(uint64_t generation, TimePoint now)
{
    if (!timing_) {
        timing_ = true;
        carried_ = false;
        generation_ = generation;
        due_ = now + kReplaceAfter;
    } else if (generation != generation_) {
        generation_ = generation;
        // The object this owner's replacement made keeps the time counted
        // from the replacement; any other starts its own.
        if (!carried_)
            due_ = now + kReplaceAfter;
        carried_ = false;
    }
    return due_;
}

void COfflineReplacement::Replaced(TimePoint now)
{
    timing_ = true;
    carried_ = true;
    due_ = now + kLookInterval + kReplaceAfter;
}
