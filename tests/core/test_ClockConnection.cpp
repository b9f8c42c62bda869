// The owner of the clock device object: replacement off the caller's thread,
// deferred while a command holds the object, exactly one object freed per
// object made, and the wait for the clock.
#include "ClockConnection.h"
#include "SimClock.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <unistd.h>
#include <set>

using namespace std::chrono_literals;

namespace {

constexpr const char* kMissingDevice = "/dev/kerovant-test-no-such-tty";

// Makes device objects on a path and counts what it made and freed.
struct CountingFactory {
    explicit CountingFactory(std::string path) : settings(SettingsFor(path)) { }

    CClockConnection::Factory Factory()
    {
        return [this] {
            ++made;
            return std::shared_ptr<CClockDevice>(new CClockDevice(settings), [this](CClockDevice* device) {
                ++freed;
                delete device;
            });
        };
    }

    LinkSettings settings;
    std::atomic<int> made{0};
    std::atomic<int> freed{0};
};

}  // namespace

TEST(ClockConnection, ReplacesOffTheCallersThreadAndSaysSo)
{
    CountingFactory factory(kMissingDevice);
    std::atomic<int> changes{0};
    CClockConnection connection(factory.Factory(), [&] { ++changes; });
    EXPECT_EQ(connection.Device(), nullptr);
    connection.Start();
    ASSERT_NE(connection.Device(), nullptr);
    EXPECT_EQ(connection.Generation(), 1u);
    EXPECT_EQ(changes.load(), 0);  // the first object is no change

    connection.Replace();
    connection.Replace();  // one under way: nothing more
    ASSERT_TRUE(WaitUntil([&] { return changes.load() == 1; }, 5s));
    EXPECT_FALSE(connection.ReplacementPending());
    EXPECT_NE(connection.Device().get(), nullptr);
    EXPECT_EQ(connection.Generation(), 2u);
    EXPECT_EQ(factory.made.load(), 2);
    EXPECT_EQ(factory.freed.load(), 1);

    connection.Shutdown();
    EXPECT_EQ(connection.Device(), nullptr);
    EXPECT_EQ(factory.freed.load(), 2);
    connection.Shutdown();  // once only
    EXPECT_EQ(factory.freed.load(), 2);
}

TEST(ClockConnection, HeldObjectIsReplacedOnlyWhenTheLastHoldGoes)
{
    CountingFactory factory(kMissingDevice);
    std::atomic<int> changes{0};
    CClockConnection connection(factory.Factory(), [&] { ++changes; });
    connection.Start();
    // Only a pointer: a copy of the shared pointer would keep the old
    // object (and its port) alive past its replacement.
    const CClockDevice* first = connection.Device().get();

    CClockConnection::Hold dialog = connection.HoldDevice();
    CClockConnection::Hold second = connection.HoldDevice();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog.Device().get(), first);
    // The window's refresh asks again and again while the dialog is open.
    for (int refresh = 0; refresh < 50; ++refresh)
        connection.Replace();
    EXPECT_TRUE(connection.ReplacementDeferred());
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(connection.Device().get(), first);
    EXPECT_EQ(factory.made.load(), 1);

    second.Release();
    EXPECT_TRUE(connection.ReplacementDeferred());
    dialog = CClockConnection::Hold();  // the last hold goes: exactly one replacement
    ASSERT_TRUE(WaitUntil([&] { return changes.load() == 1 && factory.freed.load() == 1; }, 5s));
    std::this_thread::sleep_for(50ms);  // time for a second one, which must not come
    EXPECT_EQ(changes.load(), 1);
    EXPECT_EQ(factory.made.load(), 2);
    EXPECT_FALSE(connection.ReplacementPending());
    EXPECT_EQ(connection.Generation(), 2u);
    EXPECT_EQ(factory.freed.load(), 1);
}

// When an object that cannot reach the clock is given up: on the window's
// 16th look in a row, and for kerovant-cli, which looks when something
// changes, at the moments those looks would come.
TEST(ClockConnection, OfflineReplacementOnTheSixteenthLook)
{
    COfflineReplacement window;
    for (int look = 1; look <= 15; ++look)
        EXPECT_FALSE(window.OfflineLook()) << look;
    EXPECT_TRUE(window.OfflineLook());
    EXPECT_EQ(window.Looks(), 0);
    // Looks at an object still being identified count, never replace.
    for (int look = 1; look <= 20; ++look)
        window.UnidentifiedLook();
    EXPECT_TRUE(window.OfflineLook());

    enum class Step { Look, Replaced, Answers };
    struct Row {
        const char* legend;
        Step step;
        int atMs;
        uint64_t generation;
        int dueMs;  // what the look says; -1 for the other steps
    };
    const Row rows[] = {
        {"first found offline", Step::Look, 0, 1, 3000},
        {"a later look, same object", Step::Look, 1000, 1, 3000},
        {"replaced when due", Step::Replaced, 3000, 1, -1},
        {"the new object not in place yet", Step::Look, 3010, 1, 6200},
        {"the new object: 3.2 s after the last replacement", Step::Look, 3150, 2, 6200},
        {"an object made for a port that appeared", Step::Look, 4000, 3, 7000},
        {"the clock answers", Step::Answers, 5000, 3, -1},
        {"offline again", Step::Look, 8000, 3, 11000},
    };
    COfflineReplacement cli;
    const auto start = std::chrono::steady_clock::now();
    for (const Row& row : rows) {
        const auto at = start + std::chrono::milliseconds(row.atMs);
        switch (row.step) {
        case Step::Look:
            EXPECT_EQ(cli.ReplaceAt(row.generation, at) - start, std::chrono::milliseconds(row.dueMs)) << row.legend;
            break;
        case Step::Replaced: cli.Replaced(at); break;
        case Step::Answers: cli.Reset(); break;
        }
    }
}

TEST(ClockConnection, ShutdownFreesTheNewestObjectOnce)
{
    // A replacement under way when the program closes: the object it makes
    // is freed, and so is every earlier one, each once.
    CountingFactory factory(kMissingDevice);
    {
        CClockConnection connection(factory.Factory());
        connection.Start();
        connection.Replace();
        connection.Shutdown();
        EXPECT_EQ(connection.Device(), nullptr);
        EXPECT_EQ(factory.freed.load(), factory.made.load());
    }
    EXPECT_EQ(factory.freed.load(), factory.made.load());

    // A hold that outlives the shutdown keeps its object until it goes.
    CountingFactory held(kMissingDevice);
    CClockConnection connection(held.Factory());
    connection.Start();
    {
        CClockConnection::Hold hold = connection.HoldDevice();
        connection.Replace();
        connection.Shutdown();
        EXPECT_EQ(held.freed.load(), 0);
        EXPECT_FALSE(connection.ReplacementPending());
    }
    EXPECT_EQ(held.freed.load(), 1);
    EXPECT_EQ(held.made.load(), 1);
}

TEST(ClockConnection, WaitUntilReadyChecksFortyTimesFiftyMillisecondsApart)
{
    CountingFactory factory(kMissingDevice);
    CClockConnection connection(factory.Factory());
    connection.Start();
    std::vector<std::chrono::milliseconds> pauses;
    const auto count = [&](std::chrono::milliseconds pause) { pauses.push_back(pause); };
    EXPECT_EQ(connection.WaitUntilReady(count), nullptr);
    ASSERT_EQ(pauses.size(), 40u);
    EXPECT_EQ(std::set(pauses.begin(), pauses.end()), std::set{std::chrono::milliseconds(50)});

    // A clock that answers: the wait ends at the first check that finds it
    // identified, and hands out that object.
    CSimServer sim;
    ASSERT_TRUE(sim.Start());
    CountingFactory real(sim.DevicePath());
    CClockConnection online(real.Factory());
    online.Start();
    int checks = 0;
    const auto sleep = [&](std::chrono::milliseconds pause) {
        ++checks;
        std::this_thread::sleep_for(pause);
    };
    const std::shared_ptr<CClockDevice> device = online.WaitUntilReady(sleep);
    ASSERT_NE(device, nullptr);
    EXPECT_TRUE(device->IsReady());
    EXPECT_EQ(device, online.Device());
    EXPECT_LT(checks, 40);
}

namespace {

// A factory that can be held at its gate, to send news while a replacement
// is under way.
struct GatedFactory : CountingFactory {
    using CountingFactory::CountingFactory;
    CClockConnection::Factory Factory()
    {
        return [this, make = CountingFactory::Factory()] {
            std::unique_lock<std::mutex> lock(mutex);
            ++waiting;
            changed.notify_all();
            changed.wait(lock, [this] { return open; });
            --waiting;
            return make();
        };
    }
    void SetOpen(bool value)
    {
        std::lock_guard<std::mutex> lock(mutex);
        open = value;
        changed.notify_all();
    }
    bool WaitForWaiter()
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, 5s, [this] { return waiting > 0; });
    }
    std::mutex mutex;
    std::condition_variable changed;
    bool open = true;
    int waiting = 0;
};

std::string LinkInTemp(const char* name)
{
    return ::testing::TempDir() + "kerovant-connection-" + std::to_string(::getpid()) + "-" + name;
}

}  // namespace

// The port watcher's news, sent here as a fake watcher would: a port that
// appears replaces an offline object at once (the connection never does so
// by itself), once for one plug however many events it makes; one that
// vanishes fails the current object's link at once, even before its port
// hangs up.
TEST(ClockConnection, PortNewsStartsAndEndsDeviceObjectsAtOnce)
{
    const std::string link = LinkInTemp("plug");
    ::unlink(link.c_str());
    CountingFactory factory(link);
    std::atomic<int> changes{0};
    CClockConnection connection(factory.Factory(), [&] { ++changes; });
    connection.Start();
    ASSERT_EQ(connection.Device()->GetPortState(), PortState::NoBridge);

    CSimServer sim;
    sim.SetLinkPath(link);
    ASSERT_TRUE(sim.Start());
    // udev's event and the link's own, for one plug.
    connection.OnPortEvent({PortEvent::Kind::Appeared, link});
    connection.OnPortEvent({PortEvent::Kind::Appeared, link});
    ASSERT_TRUE(WaitUntil([&] { return changes.load() == 1; }, 5s));
    connection.OnPortEvent({PortEvent::Kind::Appeared, link});  // late news of the same plug
    const std::shared_ptr<CClockDevice> device =
        connection.WaitUntilReady([](std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); });
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(factory.made.load(), 2);
    EXPECT_EQ(connection.HotPlugReplacements(), 1u);

    struct Row {
        const char* legend;
        std::string path;
        bool fails;
    };
    const Row rows[] = {
        {"another bridge went", "/dev/ttyUSB7", false},
        {"this port went", link, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        connection.PortVanished(row.path);
        if (row.fails) {
            EXPECT_TRUE(WaitUntil([&] { return device->GetState() == LinkState::Failed; }, 5s));
        }
        EXPECT_EQ(device->IsOnline(), !row.fails);
    }
    EXPECT_EQ(factory.made.load(), 2);  // a vanished port ends the object; the next plug makes one
    ::unlink(link.c_str());
}

// News while a replacement is under way waits for it: the new object stays
// when it opened its port, and is made once more when it came a moment too
// early to open it.
TEST(ClockConnection, PortNewsDuringAReplacementIsLookedAtAfterwards)
{
    const std::string link = LinkInTemp("early");
    ::unlink(link.c_str());
    GatedFactory factory(link);
    std::atomic<int> changes{0};
    CClockConnection connection(factory.Factory(), [&] { ++changes; });
    connection.Start();

    struct Row {
        const char* legend;
        bool plugged;
        int objects;
    };
    const Row rows[] = {{"port still missing", false, 2}, {"port there", true, 1}};
    CSimServer sim;
    sim.SetLinkPath(link);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        if (row.plugged) {
            ASSERT_TRUE(sim.Start());
        }
        const int made = factory.made.load();
        const int changed = changes.load();
        factory.SetOpen(false);
        connection.Replace();
        ASSERT_TRUE(factory.WaitForWaiter());
        connection.PortAppeared();
        connection.PortAppeared();
        EXPECT_EQ(factory.made.load(), made);
        factory.SetOpen(true);
        ASSERT_TRUE(WaitUntil([&] { return changes.load() == changed + row.objects; }, 5s));
        ASSERT_TRUE(WaitUntil([&] { return !connection.ReplacementPending(); }, 5s));
        EXPECT_EQ(factory.made.load(), made + row.objects);
    }
    connection.Shutdown();
    EXPECT_EQ(factory.freed.load(), factory.made.load());
    ::unlink(link.c_str());
}
