// The bridge list's lookups that need no USB hardware: the by-id link found
// by following the links of a folder, and nodes udev knows nothing about.
#include "BridgeList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pty.h>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A pseudo-terminal's slave: a real character device that no USB device
// stands behind.
struct Pty {
    int master = -1;
    int slave = -1;
    std::string path;
    Pty()
    {
        char name[256] = {};
        if (::openpty(&master, &slave, name, nullptr, nullptr) == 0)
            path = name;
    }
    ~Pty()
    {
        if (master >= 0)
            ::close(master);
        if (slave >= 0)
            ::close(slave);
    }
};

// A scratch folder that goes with the test.
struct ScratchFolder {
    fs::path path;
    ScratchFolder()
    {
        char pattern[] = "/tmp/kerovant-by-id-XXXXXX";
        if (::mkdtemp(pattern))
            path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

}  // namespace

TEST(BridgeList, FindsTheLinkThatLeadsToTheNode)
{
    Pty clock;
    Pty other;
    ScratchFolder byId;
    ASSERT_FALSE(clock.path.empty());
    ASSERT_FALSE(other.path.empty());
    ASSERT_FALSE(byId.path.empty());
    // What udev leaves in the folder: links to other devices, a link whose
    // device is gone, and the one wanted, through a second link.
    fs::create_symlink(other.path, byId.path / "usb-Other_Bridge_B1-if00-port0");
    fs::create_symlink("/dev/kerovant-test-gone", byId.path / "usb-Gone_Bridge_G1-if00-port0");
    std::ofstream(byId.path / "not-a-link") << "x";
    fs::create_symlink(clock.path, byId.path / "step");
    fs::create_symlink(byId.path / "step", byId.path / "usb-Zelvora_TORVEX12_ZV1-if00-port0");

    const std::string found = FindLinkTo(clock.path, byId.path.string());
    // Either name leads to the node; whichever comes first in the folder.
    EXPECT_TRUE(found == (byId.path / "usb-Zelvora_TORVEX12_ZV1-if00-port0").string() ||
                found == (byId.path / "step").string())
        << found;
    EXPECT_EQ(FindLinkTo(other.path, byId.path.string()), (byId.path / "usb-Other_Bridge_B1-if00-port0").string());
}

TEST(BridgeList, NothingFoundIsEmptyNotAnError)
{
    Pty clock;
    ScratchFolder byId;
    ASSERT_FALSE(clock.path.empty());
    EXPECT_EQ(FindLinkTo(clock.path, byId.path.string()), "");                        // no link to it
    EXPECT_EQ(FindLinkTo(clock.path, (byId.path / "missing").string()), "");          // no folder
    EXPECT_EQ(FindLinkTo("/dev/kerovant-test-no-such-tty", byId.path.string()), "");  // no node
}

TEST(BridgeList, NodeUdevDoesNotKnowKeepsOnlyItsPath)
{
    Pty clock;
    ASSERT_FALSE(clock.path.empty());
    for (const std::string& node : {clock.path, std::string("/dev/kerovant-test-no-such-tty"), std::string("/tmp")}) {
        const BridgeInfo info = DescribeBridge(node);
        EXPECT_EQ(info.devicePath, node);
        EXPECT_EQ(info.product, "") << node;
        EXPECT_EQ(info.byIdPath, "") << node;
        // Without a by-id link the node itself is what is remembered.
        EXPECT_EQ(info.StablePath(), node);
    }
}
