// The owner of the clock device object: replacement off the caller's thread,
// deferred while a command holds the object, exactly one object freed per
// object made, and the wait for the clock.
#include "ClockConnection.h"
#include "SimClock.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
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
    ASSERT_TRUE(WaitUntil([&] { return changes.load() == 1; }, 5s));
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(factory.made.load(), 2);
    EXPECT_FALSE(connection.ReplacementPending());
    EXPECT_EQ(connection.Generation(), 2u);
    EXPECT_EQ(factory.freed.load(), 1);
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
    SimServer sim;
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
