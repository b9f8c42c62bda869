// The watch on a port's path, in a real folder: a link made, replaced by one
// to a new device (as a simulated clock's replug does, renaming over the
// old link) and removed gives Appeared, Appeared, Vanished, in order, with
// nothing in between.
#include "PortWatcher.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <unistd.h>
#include <vector>

using namespace std::chrono_literals;

namespace {

struct Heard {
    std::mutex mutex;
    std::vector<PortEvent::Kind> kinds;
    std::vector<std::string> paths;

    PortEventHandler Handler()
    {
        return [this](const PortEvent& event) {
            std::lock_guard<std::mutex> lock(mutex);
            kinds.push_back(event.kind);
            paths.push_back(event.path);
        };
    }
    size_t Count()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return kinds.size();
    }
};

void LinkOver(const std::string& target, const std::string& link)
{
    const std::string temporary = link + ".tmp";
    ASSERT_EQ(::symlink(target.c_str(), temporary.c_str()), 0);
    ASSERT_EQ(::rename(temporary.c_str(), link.c_str()), 0);
}

}  // namespace

TEST(PortWatcher, SeesALinkMadeReplacedAndRemoved)
{
    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / ("kerovant-watch-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string first = folder / "pts-1";
    const std::string second = folder / "pts-2";
    std::ofstream(first) << "";
    std::ofstream(second) << "";
    const std::string link = folder / "clock";

    Heard heard;
    CPortWatcher watcher(link, 0x0403, heard.Handler());
    ASSERT_TRUE(watcher.HasPathWatch());

    using Kind = PortEvent::Kind;
    struct Step {
        const char* legend;
        std::function<void()> act;
        Kind expected;
    };
    const Step steps[] = {
        {"plugged in", [&] { LinkOver(first, link); }, Kind::Appeared},
        // Unrelated names in the folder are no news; the next step's event
        // would come second otherwise.
        {"replugged: a new device behind the same name",
         [&] {
             std::ofstream(folder / "other") << "x";
             LinkOver(second, link);
         },
         Kind::Appeared},
        {"the same device's link made anew", [&] { LinkOver(second, link); }, Kind::Appeared},
        {"unplugged", [&] { ::unlink(link.c_str()); }, Kind::Vanished},
        {"plugged in again", [&] { LinkOver(first, link); }, Kind::Appeared},
    };
    size_t expected = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.legend);
        step.act();
        ++expected;
        ASSERT_TRUE(WaitUntil([&] { return heard.Count() >= expected; }, 5s));
        std::lock_guard<std::mutex> lock(heard.mutex);
        ASSERT_EQ(heard.kinds.size(), expected);
        EXPECT_EQ(heard.kinds.back(), step.expected);
        EXPECT_EQ(heard.paths.back(), link);
    }
    std::filesystem::remove_all(folder);
}

TEST(PortWatcher, APortPresentAtTheStartIsReportedWhenUnplugged)
{
    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / ("kerovant-watch-start-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string device = folder / "pts-1";
    std::ofstream(device) << "";
    const std::string link = folder / "clock";
    LinkOver(device, link);

    Heard heard;
    CPortWatcher watcher(link, 0x0403, heard.Handler());
    ASSERT_TRUE(watcher.HasPathWatch());
    ::unlink(link.c_str());
    ASSERT_TRUE(WaitUntil([&] { return heard.Count() >= 1; }, 5s));
    std::lock_guard<std::mutex> lock(heard.mutex);
    EXPECT_EQ(heard.kinds, std::vector<PortEvent::Kind>{PortEvent::Kind::Vanished});
    std::filesystem::remove_all(folder);
}
