// The link trace: its lines, the ring of the latest events and the file.
#include "LinkTrace.h"

#include "Frame.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Kind = LinkEvent::Kind;
using Direction = LinkEvent::Direction;

const auto kStart = std::chrono::steady_clock::time_point() + 1h;

LinkEvent Event(Kind kind, std::chrono::microseconds at, Direction direction, uint8_t code,
                std::vector<uint8_t> bytes = {}, std::string text = {})
{
    LinkEvent e;
    e.kind = kind;
    e.time = kStart + at;
    e.direction = direction;
    e.code = code;
    e.bytes = std::move(bytes);
    e.text = std::move(text);
    return e;
}

std::vector<uint8_t> Bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

std::string TempPath(const char* name)
{
    return ::testing::TempDir() + "kerovant-" + std::to_string(getpid()) + "-" + name;
}

std::vector<std::string> ReadLines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(LinkTrace, ControlBytesByName)
{
    EXPECT_EQ(TraceFrameText(BuildFrame(0xAF, "")), "<STX>AF87<ETX>");
    EXPECT_EQ(TraceFrameText({kAck}), "<ACK>");
    EXPECT_EQ(TraceFrameText({kNak}), "<NAK>");
    EXPECT_EQ(TraceFrameText({kStx, 'B', '0', 0x1B, 0x00, 0xFF, kEtx}), "<STX>B0<0x1B><0x00><0xFF><ETX>");
    EXPECT_EQ(TraceFrameText({}), "");
}

TEST(LinkTrace, OneLinePerEvent)
{
    struct Row {
        LinkEvent event;
        const char* line;
    };
    const Row rows[] = {
        {Event(Kind::NakReceived, 5us, Direction::FromClock, 0, {kNak}),
         "0000000005 <- NAK received    <NAK>"},  // nothing sent yet: no command to name
        {Event(Kind::StateChanged, 10us, Direction::None, 8, {}, "hello"), "0000000010 -- state changed   hello (8)"},
        {Event(Kind::FrameSent, 1234us, Direction::ToClock, 0xAF, BuildFrame(0xAF, "")),
         "0000001234 -> frame sent      AF hello  <STX>AF87<ETX>"},
        {Event(Kind::AckReceived, 1500us, Direction::FromClock, 0, {kAck}), "0000001500 <- ACK received    AF hello"},
        {Event(Kind::FrameSent, 2000us, Direction::ToClock, 0xB0, BuildFrame(0xB0, "")),
         "0000002000 -> frame sent      B0 family ID  <STX>B072<ETX>"},
        {Event(Kind::FrameReceived, 2600us, Direction::FromClock, 0xB0, BuildFrame(0xB0, "0150")),
         "0000002600 <- frame received  B0 family ID  <STX>B0015038<ETX>"},
        {Event(Kind::NakReceived, 2700us, Direction::FromClock, 0, {kNak}),
         "0000002700 <- NAK received    B0 family ID"},
        {Event(Kind::WaitExpired, 113000us, Direction::None, 0xB0, {}, "no reply within 110 ms"),
         "0000113000 -- wait ran out    B0 family ID  no reply within 110 ms"},
        {Event(Kind::ReadFailed, 113001us, Direction::None, 0xB0, {}, "timeout"),
         "0000113001 -- read failed     B0 family ID  timeout"},
        {Event(Kind::FrameRejected, 113002us, Direction::FromClock, 0,
               Bytes("\x02"
                     "B00150FF\x03"),
               "bad checksum"),
         "0000113002 <- frame rejected  <STX>B00150FF<ETX>  bad checksum"},
        {Event(Kind::NakSent, 113003us, Direction::ToClock, 0, {kNak}, "bad checksum"),
         "0000113003 -> NAK sent        <NAK>  bad checksum"},
        {Event(Kind::PortChanged, 113004us, Direction::None, 6, {}, "The cable was unplugged."),
         "0000113004 -- port changed    The cable was unplugged."},
        {Event(Kind::PortClosed, 113005us, Direction::None, 0, {}, "/dev/ttyUSB0"),
         "0000113005 -- port closed     /dev/ttyUSB0"},
        {Event(Kind::StateChanged, -5us, Direction::None, 128, {}, "failed"),
         "0000000000 -- state changed   failed (128)"},  // before the start: 0
    };
    CLinkTraceFormatter formatter(kStart);
    for (const Row& row : rows)
        EXPECT_EQ(formatter.Line(row.event), row.line);
}

TEST(LinkTrace, TheRingKeepsTheLatestEvents)
{
    CLinkTraceRing ring(3);
    EXPECT_EQ(ring.Capacity(), 3u);
    for (uint8_t code = 1; code <= 5; ++code)
        ring.OnLinkEvent(Event(Kind::ReadFailed, std::chrono::microseconds(code), Direction::None, code));
    const std::vector<LinkEvent> events = ring.Events();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].code, 3);
    EXPECT_EQ(events[2].code, 5);
    EXPECT_EQ(ring.Lines().size(), 3u);
    EXPECT_EQ(CLinkTraceRing().Capacity(), 2000u);

    const std::string path = TempPath("ring.txt");
    std::string error;
    ASSERT_TRUE(ring.Save(path, &error)) << error;
    EXPECT_EQ(ReadLines(path), ring.Lines());
    std::remove(path.c_str());

    EXPECT_FALSE(ring.Save("/nonexistent-kerovant-dir/trace.txt", &error));
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
}

TEST(LinkTrace, TheFileGetsEveryEventInOrder)
{
    const std::string path = TempPath("file.txt");
    auto file = std::make_shared<CLinkTraceFile>();
    std::string error;
    ASSERT_TRUE(file->Open(path, &error)) << error;
    EXPECT_FALSE(file->Open(path, &error)) << "one file per trace";

    // Two threads at once, as the link and receive threads call it.
    constexpr int kEach = 2000;
    const auto send = [&](Kind kind) {
        for (int i = 0; i < kEach; ++i) {
            LinkEvent e = Event(kind, std::chrono::microseconds(i), Direction::None, 0x60, {}, std::to_string(i));
            e.time = std::chrono::steady_clock::now();
            file->OnLinkEvent(e);
        }
    };
    std::thread a(send, Kind::WaitExpired);
    std::thread b(send, Kind::ReadFailed);
    a.join();
    b.join();
    ASSERT_TRUE(file->Close(&error)) << error;
    EXPECT_TRUE(file->Close()) << "a second close does nothing";
    file->OnLinkEvent(Event(Kind::ReadFailed, 0us, Direction::None, 0x60));  // after Close: dropped

    const std::vector<std::string> lines = ReadLines(path);
    ASSERT_EQ(lines.size(), 2u * kEach);
    int next[2] = {0, 0};
    for (const std::string& line : lines) {
        const int which = line.find("wait ran out") != std::string::npos ? 0 : 1;
        const std::string number = line.substr(line.rfind(' ') + 1);
        EXPECT_EQ(number, std::to_string(next[which])) << line;
        ++next[which];
    }
    std::remove(path.c_str());

    CLinkTraceFile nowhere;
    EXPECT_FALSE(nowhere.Open("/nonexistent-kerovant-dir/trace.txt", &error));
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
}

// A run of lines that differ in their time alone is its first line and a
// count, with the time of the last; a run of two stays as it is.
TEST(LinkTrace, RepeatsAreFolded)
{
    const std::string etx = " <- frame rejected  <ETX>  no frame started";
    const std::string ack = " <- ACK received    AF hello";
    struct Row {
        const char* legend;
        std::vector<std::string> in;
        std::vector<std::string> out;
    };
    const Row rows[] = {
        {"a run",
         {"0000000001" + etx, "0000000002" + etx, "0000000003" + etx, "0000000004" + etx, "0000000009" + ack},
         {"0000000001" + etx, "0000000004 -- repeated        3 times", "0000000009" + ack}},
        {"a run of two",
         {"0000000001" + etx, "0000000002" + etx, "0000000009" + ack},
         {"0000000001" + etx, "0000000002" + etx, "0000000009" + ack}},
        {"a run at the end",
         {"0000000009" + ack, "0000000011" + etx, "0000000012" + etx, "0000000013" + etx},
         {"0000000009" + ack, "0000000011" + etx, "0000000013 -- repeated        2 times"}},
        {"no run",
         {"0000000001" + etx, "0000000009" + ack, "0000000011" + etx},
         {"0000000001" + etx, "0000000009" + ack, "0000000011" + etx}},
    };
    for (const Row& row : rows) {
        CLinkTraceRepeats repeats;
        std::vector<std::string> out;
        for (const std::string& line : row.in)
            repeats.Add(line, out);
        repeats.Finish(out);
        EXPECT_EQ(out, row.out) << row.legend;
    }

    // The file: a clock streaming one stray byte fills two lines.
    const std::string path = TempPath("repeats.txt");
    CLinkTraceFile file;
    std::string error;
    ASSERT_TRUE(file.Open(path, &error)) << error;
    for (int i = 1; i <= 5000; ++i)
        file.OnLinkEvent(Event(Kind::FrameRejected, std::chrono::microseconds(i), Direction::FromClock, 0, {kEtx},
                               "no frame started"));
    ASSERT_TRUE(file.Close(&error)) << error;
    const std::vector<std::string> lines = ReadLines(path);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(10), etx);
    EXPECT_EQ(lines[1].substr(10), " -- repeated        4999 times");
    std::remove(path.c_str());
}

// Neither the trace nor the ring's copy is written through a symbolic link.
TEST(LinkTrace, ALinkAtTheTraceFileIsNotFollowed)
{
    const std::string target = TempPath("target.txt");
    const std::string link = TempPath("link.txt");
    {
        std::ofstream(target) << "kept\n";
    }
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    const std::string refusal = "it is a symbolic link, which is not followed; name the file it points to";
    std::string error;
    CLinkTraceFile file;
    EXPECT_FALSE(file.Open(link, &error));
    EXPECT_EQ(error, refusal);
    error.clear();
    EXPECT_FALSE(CLinkTraceRing().Save(link, &error));
    EXPECT_EQ(error, refusal);
    EXPECT_EQ(ReadLines(target), std::vector<std::string>{"kept"});
    std::remove(link.c_str());
    std::remove(target.c_str());
}

TEST(LinkTrace, ObserversCombined)
{
    auto one = std::make_shared<CLinkTraceRing>();
    auto two = std::make_shared<CLinkTraceRing>();
    EXPECT_EQ(CombineObservers({}), nullptr);
    EXPECT_EQ(CombineObservers({nullptr, one}), one);
    const std::shared_ptr<ILinkObserver> both = CombineObservers({one, nullptr, two});
    both->OnLinkEvent(Event(Kind::AckReceived, 1us, Direction::FromClock, 0, {kAck}));
    EXPECT_EQ(one->Events().size(), 1u);
    EXPECT_EQ(two->Events().size(), 1u);
}

}  // namespace
