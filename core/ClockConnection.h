// The one owner of the clock device object.
//
// A device object never reconnects by itself: once its connection has failed
// it stays offline, and its owner throws it away and makes a fresh one. This
// class is that owner. It holds the current object in a shared pointer, does
// the replacement on a thread of its own (shutting the old object down joins
// its threads and opening the port for the new one waits over 100 ms, so the
// caller's thread must not), and tells its listener when the object has
// changed. Whoever uses the object for a command holds it (Hold): while a hold
// lives, a replacement asked for is deferred until the last hold is gone, so
// the object a dialog talks to is never shut down under it.
//
// When to replace is mostly the caller's decision, by the one rule of
// COfflineReplacement (below), which each connection keeps for its owner;
// this class carries it out. The one
// replacement it starts itself is on news from a port watcher
// (PortWatcher.h): the wanted port has appeared while the current object is
// offline (failed, or its port missing or not open), so a fresh object
// greets the clock now instead of at the caller's next turn. News that comes
// while a replacement is deferred or under way is looked at again once the
// new object is in place, so one plug never makes two objects that live
// side by side, and an object made a moment before its port was ready is
// made once more. A port that vanished ends the current object's link at
// once (CClockDevice::PortVanished).
//
// Thread rules:
// - Owner thread (the window's or the command-line tool's): every public
//   member. Holds may be released on any thread; PortAppeared and
//   PortVanished come from the port watcher's thread.
// - Replacement thread: shuts the old object down, calls the factory, puts
//   the new object in place and calls the changed handler. It touches only
//   those objects and the fields under mutex_.
// - The factory runs on the replacement thread, and on the owner thread for
//   the first object (Start). The changed handler runs on the replacement
//   thread after each replacement; it must not block; it may call Device().
#pragma once

#include "ClockDevice.h"
#include "PortWatcher.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// When a device object that cannot reach the clock is given up for a fresh
// one (one rule for the window and kerovant-cli).
//
// The window looks at its object every kLookInterval (its refresh); the
// 16th look in a row that finds it offline replaces it: 3 s after the first
// such look, and every 3.2 s while the clock stays away (the look after a
// replacement is already the new object's). A look at an object online but
// not identified yet counts too without replacing it: the window leaves an
// object whose question waits for the user, and replaces it once it goes
// offline. A fresh object made because its port appeared starts the count
// again, so one plug never makes two objects.
//
// kerovant-cli sleeps until something changes instead of looking every
// 200 ms: it asks when the replacement is due (ReplaceAt), which is when the
// window's looks would have made it, and replaces then, also an object
// online but not identified (it has no user to wait for).
//
// Thread rules: its connection's owner thread.
class COfflineReplacement {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    static constexpr std::chrono::milliseconds kLookInterval{200};
    // Offline looks in a row before the one that replaces the object.
    static constexpr int kLooksBeforeReplace = 15;
    // From the first look that finds an object offline to its replacement.
    static constexpr std::chrono::milliseconds kReplaceAfter = kLookInterval * kLooksBeforeReplace;

    // A look that finds the object offline, or none in place: true when it
    // is to be replaced now (the count starts again).
    bool OfflineLook();
    // A look that finds the object online and not identified yet.
    void UnidentifiedLook() { ++looks_; }
    // The clock answers, or a fresh object was made for a port that
    // appeared: the count starts again.
    void Reset();
    // The looks counted so far.
    int Looks() const { return looks_; }

    // For an owner that looks when something changes: when the object of
    // `generation` (CClockConnection::Generation), found not answering at
    // `now`, is to be replaced. An object seen so for the first time is due
    // kReplaceAfter later; the one that follows a replacement this owner
    // asked for is due kReplaceAfter after the window's first look at it,
    // one interval after the replacement.
    TimePoint ReplaceAt(uint64_t generation, TimePoint now);
    // The owner asked for a replacement at `now`.
    void Replaced(TimePoint now);

private:
    int looks_ = 0;
    bool timing_ = false;   // due_ holds for generation_
    bool carried_ = false;  // due_ holds for the object after generation_
    uint64_t generation_ = 0;
    TimePoint due_{};
};

class CClockConnection {
public:
    using Factory = std::function<std::shared_ptr<CClockDevice>()>;
    using ChangedHandler = std::function<void()>;

    // While a Hold lives the device object it names stays the current one.
    class Hold {
    public:
        Hold() = default;
        ~Hold() { Release(); }
        Hold(Hold&& other) noexcept : owner_(other.owner_), device_(std::move(other.device_))
        {
            other.owner_ = nullptr;
        }
        Hold& operator=(Hold&& other) noexcept;
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

        // The held object; null when there was none to hold (a replacement
        // was under way).
        const std::shared_ptr<CClockDevice>& Device() const { return device_; }
        CClockDevice* operator->() const { return device_.get(); }
        CClockDevice& operator*() const { return *device_; }
        explicit operator bool() const { return device_ != nullptr; }
        // Lets go early; a deferred replacement starts now.
        void Release();

    private:
        friend class CClockConnection;
        Hold(CClockConnection* owner, std::shared_ptr<CClockDevice> device) : owner_(owner), device_(std::move(device))
        {
        }
        CClockConnection* owner_ = nullptr;
        std::shared_ptr<CClockDevice> device_;
    };

    static constexpr int kReadyChecks = 40;
    static constexpr std::chrono::milliseconds kReadyInterval{50};
    // How long PortVanished waits at most for the object's link to give up.
    static constexpr std::chrono::milliseconds kVanishWait{100};

    explicit CClockConnection(Factory factory, ChangedHandler changed = {});
    // Shutdown, if it has not run. Holds must be gone by now.
    ~CClockConnection();
    CClockConnection(const CClockConnection&) = delete;
    CClockConnection& operator=(const CClockConnection&) = delete;

    // Makes the first device object, on this thread.
    void Start();

    // The current object; null from the moment a replacement begins until
    // the new object is in place (and before Start, after Shutdown).
    std::shared_ptr<CClockDevice> Device() const;
    // Counts the objects made so far: the first is 1.
    uint64_t Generation() const;

    // Replaces the current object, on the replacement thread; at once unless
    // the object is held, else when the last hold is released. A request
    // while one is deferred or under way changes nothing.
    void Replace();
    // Lets the current object go and makes none until Resume, so that the
    // port is free for another program: returns once the object is shut
    // down (its port closed), after a replacement under way. Meanwhile
    // Device() is null and Replace and the port watcher's news change
    // nothing. False when someone still holds the object (Hold, or a copy),
    // whose port then stays open until it is let go.
    bool Suspend();
    // Makes a fresh object after Suspend, as Replace does.
    void Resume();
    // A replacement is deferred or under way.
    bool ReplacementPending() const;
    // A replacement asked for waits for a hold to go.
    bool ReplacementDeferred() const;

    // The port watcher's news (any thread). Appeared: replaces the current
    // object when it is offline; a replacement deferred or under way looks
    // again when it is done. Vanished: the current object gives up now when
    // path is its device (or path is empty); returns once it has.
    void PortAppeared();
    void PortVanished(const std::string& path);
    void OnPortEvent(const PortEvent& event);
    // Replacements started by PortAppeared, for tests and benchmarks.
    uint64_t HotPlugReplacements() const;

    // Holds the current object for a command.
    Hold HoldDevice();

    // The rule of when the owner replaces an object that cannot reach the
    // clock, with its count for this connection. Owner thread.
    COfflineReplacement& OfflineReplacement() { return offline_; }

    // Waits for the clock: up to `checks` times, pause for the interval, then
    // look whether the current object is online and identified. Returns the
    // object as soon as it is, null after the last check. pause is how the
    // caller waits (the window keeps its event loop running; tests count).
    std::shared_ptr<CClockDevice> WaitUntilReady(const std::function<void(std::chrono::milliseconds)>& pause,
                                                 int checks = kReadyChecks,
                                                 std::chrono::milliseconds interval = kReadyInterval) const;

    // The closing step: waits for a replacement under way, drops a deferred
    // one, and frees the current object (its threads end). Runs once.
    void Shutdown();

private:
    void ReleaseHold();
    // mutex_ held: hands the replacement to the replacement thread.
    void RequestReplacementLocked();
    void ReplacementThread();
    // mutex_ held: the current object cannot reach the clock and will not
    // by itself.
    bool OfflineLocked() const;
    // mutex_ held: a replacement now, or when the last hold goes.
    void ReplaceLocked();

    Factory factory_;
    ChangedHandler changed_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    // Notified when a replacement has put its object in place.
    std::condition_variable replaced_;
    std::shared_ptr<CClockDevice> device_;
    std::shared_ptr<CClockDevice> retiring_;  // replaced, not yet shut down
    uint64_t generation_ = 0;
    int holds_ = 0;
    bool deferred_ = false;   // asked for while held
    bool requested_ = false;  // handed to the replacement thread, not yet begun
    bool replacing_ = false;  // requested or under way
    bool stopping_ = false;
    bool started_ = false;
    bool suspended_ = false;
    bool lookAgain_ = false;  // the port appeared while a replacement was deferred or under way
    uint64_t hotPlugs_ = 0;
    std::thread replacer_;
    COfflineReplacement offline_;  // owner thread
};
