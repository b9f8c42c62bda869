// The metrics file of watch --metrics without a clock: what each state of
// the clock writes, and the file replaced as one step under a reader.
#include "Metrics.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

ClockMetrics Answering()
{
    ClockMetrics m;
    m.up = true;
    m.offsetSeconds = -0.0125;
    m.timeCodeReceived = true;
    m.info = ClockInfo{"00010472", "1.3.0", "0x0150", "Set", "/dev/ttyUSB0"};
    m.port = "/dev/ttyUSB0";
    return m;
}

TEST(Metrics, EachStateWritesWhatIsKnown)
{
    struct Row {
        const char* legend;
        std::function<void(ClockMetrics&)> change;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const Row rows[] = {
        {"answering",
         [](ClockMetrics&) {},
         {"# TYPE kerovant_clock_up gauge\nkerovant_clock_up{serial=\"00010472\",port=\"/dev/ttyUSB0\"} 1\n",
          "# TYPE kerovant_clock_info gauge\nkerovant_clock_info{serial=\"00010472\",firmware=\"1.3.0\","
          "family=\"0x0150\",product=\"Set\",port=\"/dev/ttyUSB0\"} 1\n",
          "# TYPE kerovant_clock_offset_seconds gauge\n"
          "kerovant_clock_offset_seconds{serial=\"00010472\",port=\"/dev/ttyUSB0\"} -0.012500\n",
          "# TYPE kerovant_clock_time_code_received gauge\n"
          "kerovant_clock_time_code_received{serial=\"00010472\",port=\"/dev/ttyUSB0\"} 1\n",
          "# TYPE kerovant_link_failures_total counter\n"
          "kerovant_link_failures_total{serial=\"00010472\",port=\"/dev/ttyUSB0\",kind=\"unplugged\"} 0\n",
          "kerovant_link_failures_total{serial=\"00010472\",port=\"/dev/ttyUSB0\",kind=\"nak\"} 0\n",
          "# TYPE kerovant_link_reconnects_total counter\n"
          "kerovant_link_reconnects_total{serial=\"00010472\",port=\"/dev/ttyUSB0\"} 0\n"},
         {"kerovant_clock_zone_rules_agree"}},
        {"a configuration out of range",
         [](ClockMetrics& m) { m.configValid = false; },
         {"# TYPE kerovant_clock_config_valid gauge\n"
          "kerovant_clock_config_valid{serial=\"00010472\",port=\"/dev/ttyUSB0\"} 0\n"},
         {}},
        {"rules compared with a zone",
         [](ClockMetrics& m) { m.zoneRulesAgree = false; },
         {"# TYPE kerovant_clock_zone_rules_agree gauge\n"
          "kerovant_clock_zone_rules_agree{serial=\"00010472\",port=\"/dev/ttyUSB0\"} 0\n"},
         {}},
        {"gone: no reading shown as current, the last clock and the counters kept",
         [](ClockMetrics& m) {
             m.up = false;
             m.zoneRulesAgree = true;
             m.failures["unplugged"] = 2;
             m.failures["damaged"] = 1;
             m.reconnects = 1;
         },
         {"kerovant_clock_up{serial=\"00010472\",port=\"/dev/ttyUSB0\"} 0\n", "kerovant_clock_info{serial=\"00010472\"",
          "{serial=\"00010472\",port=\"/dev/ttyUSB0\",kind=\"unplugged\"} 2\n",
          "{serial=\"00010472\",port=\"/dev/ttyUSB0\",kind=\"damaged\"} 1\n",
          "{serial=\"00010472\",port=\"/dev/ttyUSB0\",kind=\"no_answer\"} 0\n",
          "kerovant_link_reconnects_total{serial=\"00010472\",port=\"/dev/ttyUSB0\"} 1\n"},
         {"kerovant_clock_offset_seconds", "kerovant_clock_time_code_received", "kerovant_clock_zone_rules_agree"}},
        {"never identified: an empty serial and the port watch was given",
         [](ClockMetrics& m) {
             m = ClockMetrics{};
             m.port = "/dev/ttyUSB1";
             m.failures["permission"] = 1;
         },
         {"kerovant_clock_up{serial=\"\",port=\"/dev/ttyUSB1\"} 0\n",
          "kerovant_link_failures_total{serial=\"\",port=\"/dev/ttyUSB1\",kind=\"permission\"} 1\n"},
         {"kerovant_clock_info", "kerovant_clock_offset_seconds"}},
        {"label values escaped, on every sample",
         [](ClockMetrics& m) { m.info->port = "/dev/a\"b\\c\nd"; },
         {"port=\"/dev/a\\\"b\\\\c\\nd\"} 1\n",
          "kerovant_clock_up{serial=\"00010472\",port=\"/dev/a\\\"b\\\\c\\nd\"} 1\n"},
         {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        ClockMetrics metrics = Answering();
        row.change(metrics);
        const std::string text = FormatMetrics(metrics);
        for (const std::string& part : row.present)
            EXPECT_TRUE(Contains(text, part)) << part << "\n" << text;
        for (const std::string& part : row.absent)
            EXPECT_FALSE(Contains(text, part)) << part << "\n" << text;
        // Every sample follows its metric's HELP and TYPE.
        std::istringstream lines(text);
        std::string line;
        std::string typed;
        while (std::getline(lines, line)) {
            if (line.starts_with("# TYPE "))
                typed = line.substr(7, line.find(' ', 7) - 7);
            else if (!line.starts_with("# HELP ")) {
                EXPECT_TRUE(line.starts_with(typed + " ") || line.starts_with(typed + "{")) << line;
            }
        }
    }
}

// Each cause of an outage under its own kind: the port's state first, the
// last exchange's failure only with the port open.
TEST(Metrics, EachFailureIsCountedUnderItsKind)
{
    struct Row {
        PortState port;
        LinkFailure failure;
        const char* kind;
    };
    const Row rows[] = {
        {PortState::Gone, LinkFailure::Damaged, "unplugged"},
        {PortState::NoBridge, LinkFailure::None, "missing"},
        {PortState::PermissionDenied, LinkFailure::None, "permission"},
        {PortState::Busy, LinkFailure::None, "busy"},
        {PortState::NotSerial, LinkFailure::None, "not_serial"},
        {PortState::Failed, LinkFailure::NoAnswer, "port_error"},
        {PortState::Open, LinkFailure::NoAnswer, "no_answer"},
        {PortState::Open, LinkFailure::None, "no_answer"},
        {PortState::Open, LinkFailure::Damaged, "damaged"},
        {PortState::Open, LinkFailure::WrongLength, "wrong_length"},
        {PortState::Open, LinkFailure::WrongReply, "wrong_reply"},
        {PortState::Open, LinkFailure::Unreadable, "unreadable"},
        {PortState::Open, LinkFailure::Ack, "ack"},
        {PortState::NotOpened, LinkFailure::Nak, "nak"},
    };
    for (const Row& row : rows)
        EXPECT_STREQ(LinkFailureKind(row.port, row.failure), row.kind) << row.kind;
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// A reader that opens the file over and over while it is replaced sees one
// whole version or the other, never part of one; nothing else is left in
// the folder, and the collector's user may read the file.
TEST(Metrics, TheFileIsReplacedAsOneStep)
{
    std::string folder = ::testing::TempDir() + "kerovant-metrics-XXXXXX";
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    const std::string path = folder + "/clock.prom";
    // Versions of different lengths: a half-written file would end short.
    const std::string versions[] = {std::string(20000, 'a') + "\n", std::string(70000, 'b') + "\n",
                                    std::string(300, 'c') + "\n"};
    std::string error;
    CMetricsFileWriter writer;
    ASSERT_TRUE(writer.Open(path, error)) << error;
    ASSERT_TRUE(writer.Replace(versions[0], error)) << error;

    std::atomic<bool> done{false};
    std::atomic<int> reads{0};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (!done.load()) {
            std::ifstream in(path);
            std::stringstream text;
            text << in.rdbuf();
            bool whole = false;
            for (const std::string& version : versions)
                whole |= text.str() == version;
            torn += whole ? 0 : 1;
            ++reads;
        }
    });
    for (int i = 0; i < 600; ++i)
        ASSERT_TRUE(writer.Replace(versions[i % 3], error)) << error;
    // The reader has looked often while the writes went on, and once more.
    const int seen = reads.load();
    while (reads.load() < seen + 2)
        std::this_thread::yield();
    done = true;
    reader.join();
    EXPECT_EQ(torn.load(), 0);
    EXPECT_GT(reads.load(), 2);

    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"clock.prom"});
    struct stat info { };
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);

    CMetricsFileWriter nowhere;
    EXPECT_FALSE(nowhere.Open(folder + "/no-such-folder/clock.prom", error));
    EXPECT_TRUE(Contains(error, "no-such-folder")) << error;
    EXPECT_EQ(FolderEntries(folder).size(), 1u);

    writer.Remove();
    EXPECT_TRUE(FolderEntries(folder).empty());
    ::rmdir(folder.c_str());
}

// The folders the metrics file may be written in: ours, or root's that
// nobody else may write in.
TEST(Metrics, FoldersOthersMayChangeAreRefused)
{
    struct Row {
        const char* legend;
        uid_t owner;
        mode_t mode;
        uid_t us;
        const char* refusal;  // "" when the folder is taken
        std::string_view accessList = {};
    };
    using namespace std::literals;
    // root rwx, user 1000 rwx, group r-x, mask rwx, others r-x: node_exporter's
    // folder after the package's tmpfiles.d entry for kerovant (here uid 1000).
    constexpr std::string_view forUs =
        "\x02\0\0\0"
        "\x01\0\x07\0\xff\xff\xff\xff"
        "\x02\0\x07\0\xe8\x03\0\0"
        "\x04\0\x05\0\xff\xff\xff\xff"
        "\x10\0\x07\0\xff\xff\xff\xff"
        "\x20\0\x05\0\xff\xff\xff\xff"sv;
    // The same with the group's entry rwx.
    constexpr std::string_view groupToo =
        "\x02\0\0\0"
        "\x01\0\x07\0\xff\xff\xff\xff"
        "\x02\0\x07\0\xe8\x03\0\0"
        "\x04\0\x07\0\xff\xff\xff\xff"
        "\x10\0\x07\0\xff\xff\xff\xff"
        "\x20\0\x05\0\xff\xff\xff\xff"sv;
    const Row rows[] = {
        {"root's, as root", 0, 040755, 0, ""},
        {"root's, for another user", 0, 040755, 1000, ""},
        {"ours", 1000, 040700, 1000, ""},
        {"ours, shared with our group", 1000, 042775, 1000, ""},
        {"root's /tmp, as root", 0, 041777, 0, ""},
        {"root's /tmp, for another user", 0, 041777, 1000,
         "/f/ may be written by others (mode 1777) and does not belong to this user"},
        {"root's, group-writable", 0, 040775, 1000,
         "/f/ may be written by others (mode 0775) and does not belong to this user"},
        {"a stranger's", 110, 040755, 0,
         "/f/ belongs to user 110, not to this user (0) or root: its owner could swap the file"},
        {"a stranger's, for another user", 110, 040755, 1000,
         "/f/ belongs to user 110, not to this user (1000) or root: its owner could swap the file"},
        {"root's, its access list lets us write", 0, 040775, 1000, "", forUs},
        {"root's, its access list lets another user write", 0, 040775, 1001,
         "/f/ may be written by user 1000 (its access list) and does not belong to this user", forUs},
        {"root's, its access list lets its group write", 0, 040775, 1000,
         "/f/ may be written by its group (its access list) and does not belong to this user", groupToo},
        {"root's, an access list in another layout", 0, 040775, 1000,
         "/f/ has an access list that cannot be read, and does not belong to this user", "\x01\0\0\0"sv},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FolderRefusal("/f/", row.owner, row.mode, row.us, row.accessList), row.refusal) << row.legend;
}

// A folder given through a symbolic link is refused, naming it, and nothing
// is written where the link points.
TEST(Metrics, AFolderThatIsALinkIsRefused)
{
    std::string folder = ::testing::TempDir() + "kerovant-metrics-XXXXXX";
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    const std::string target = folder + "/elsewhere";
    const std::string link = folder + "/textfile";
    ASSERT_EQ(::mkdir(target.c_str(), 0755), 0);
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);

    CMetricsFileWriter writer;
    std::string error;
    EXPECT_FALSE(writer.Open(link + "/clock.prom", error));
    EXPECT_EQ(error,
              "refusing to write the metrics in the folder " + link +
                  "/: it is a symbolic link, which is not followed; name the folder it points to");
    EXPECT_FALSE(writer.Open(link + "//clock.prom", error)) << "a slash at the end follows no link";
    EXPECT_TRUE(Contains(error, "it is a symbolic link")) << error;
    EXPECT_TRUE(FolderEntries(target).empty());
    EXPECT_FALSE(writer.Open(target + "/", error));
    EXPECT_EQ(error, "--metrics takes a file in a folder, not the folder " + target + "/");

    ::unlink(link.c_str());
    ::rmdir(target.c_str());
    ::rmdir(folder.c_str());
}

}  // namespace
