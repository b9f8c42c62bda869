// Frame building and the receive state machine, fed byte by byte.
#include "Frame.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Event = CFrameReceiver::Event;
using Bytes = std::vector<uint8_t>;

// A frame of total length n (STX to ETX) with a valid checksum.
Bytes FrameOfLength(size_t n)
{
    return BuildFrame(0x60, std::string(n - 6, 'A'));
}

// A frame with the given code digits and payload whose checksum digits are
// the sum written in lowercase, or the given digits when there are any.
Bytes FrameWithDigits(const std::string& code, const std::string& payload, const std::string& checksum = "")
{
    Bytes frame{kStx};
    frame.insert(frame.end(), code.begin(), code.end());
    frame.insert(frame.end(), payload.begin(), payload.end());
    unsigned sum = 0;
    for (size_t i = 1; i < frame.size(); ++i)
        sum += frame[i];
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02x", sum & 0xFF);
    const std::string written = checksum.empty() ? std::string(digits) : checksum;
    frame.insert(frame.end(), written.begin(), written.end());
    frame.push_back(kEtx);
    return frame;
}

struct Outcome {
    int frames = 0;
    int rejects = 0;
    int acks = 0;
    int naks = 0;
    uint8_t code = 0;
    std::string payload;
    std::vector<FrameFault> faults;  // of every Reject and Dropped, in order
};

Outcome FeedAll(CFrameReceiver& rx, const Bytes& bytes)
{
    Outcome out;
    for (uint8_t b : bytes) {
        switch (rx.Feed(b)) {
        case Event::Verified:
            ++out.frames;
            out.code = rx.Code();
            out.payload = std::string(rx.Payload());
            break;
        case Event::Reject:
            ++out.rejects;
            out.faults.push_back(rx.Fault());
            break;
        case Event::Dropped: out.faults.push_back(rx.Fault()); break;
        case Event::Ack: ++out.acks; break;
        case Event::Nak: ++out.naks; break;
        default: break;
        }
    }
    return out;
}

TEST(BuildFrame, KnownFramesByteExact)
{
    EXPECT_EQ(BuildFrame(0xAF, ""), (Bytes{0x02, 0x41, 0x46, 0x38, 0x37, 0x03}));
    EXPECT_EQ(BuildFrame(0xB0, ""), (Bytes{0x02, 0x42, 0x30, 0x37, 0x32, 0x03}));
    EXPECT_EQ(BuildFrame(0xB0, "0150"), (Bytes{0x02, 0x42, 0x30, 0x30, 0x31, 0x35, 0x30, 0x33, 0x38, 0x03}));
    EXPECT_EQ(BuildFrame(0x61, std::string(112, '0')).size(), 118u);
    // Digits above 9 are uppercase letters.
    const Bytes c1 = BuildFrame(0xC1, "0100D1DB250000");
    EXPECT_EQ(c1[1], 'C');
    EXPECT_EQ(c1[2], '1');
}

TEST(FrameReceiver, DecodesFamilyIdReply)
{
    CFrameReceiver rx;
    const Outcome out = FeedAll(rx, {0x02, 0x42, 0x30, 0x30, 0x31, 0x35, 0x30, 0x33, 0x38, 0x03});
    EXPECT_EQ(out.frames, 1);
    EXPECT_EQ(out.rejects, 0);
    EXPECT_EQ(out.code, 0xB0);
    EXPECT_EQ(out.payload, "0150");

    // Lowercase digits are the same digits: "c8" is code C8.
    CFrameReceiver lower;
    const Outcome time = FeedAll(lower, FrameWithDigits("c8", "0102"));
    EXPECT_EQ(time.frames, 1);
    EXPECT_EQ(time.code, 0xC8);
    EXPECT_EQ(time.payload, "0102");
}

struct Row {
    const char* legend;
    Bytes bytes;
    int frames;
    int rejects;
    int acks;
    int naks;
    std::string payload;
    std::vector<FrameFault> faults = {};
};

std::vector<Row> FailureTable()
{
    const Bytes good = BuildFrame(0xB0, "0150");
    Bytes noise{0x41, 0x00, 0xFF, 0x7F, 0x30};
    noise.insert(noise.end(), good.begin(), good.end());

    Bytes restart{0x02, 0x42, 0x30, 0x30};
    restart.insert(restart.end(), good.begin(), good.end());

    Bytes badSum = good;
    badSum[badSum.size() - 2] = '9';

    Bytes control = BuildFrame(0xB0,
                               "01\x01"
                               "0");

    Bytes max = FrameOfLength(kMaxFrameBytes);
    Bytes over = FrameOfLength(kMaxFrameBytes + 1);

    Bytes ackInside{0x02, 0x42, 0x30, 0x06, 0x30, 0x31, 0x35, 0x30, 0x33, 0x38, 0x03};
    Bytes nakInside{0x02, 0x42, 0x30, 0x15, 0x30, 0x31, 0x35, 0x30, 0x33, 0x38, 0x03};

    Bytes twoFrames = good;
    const Bytes second = BuildFrame(0xB7, "00000001");
    twoFrames.insert(twoFrames.end(), second.begin(), second.end());

    return {
        {"good frame", good, 1, 0, 0, 0, "0150"},
        {"noise before STX is dropped", noise, 1, 0, 0, 0, "0150"},
        {"STX inside a frame restarts it", restart, 1, 0, 0, 0, "0150"},
        {"ETX while idle is answered with NAK", {0x03}, 0, 1, 0, 0, "", {FrameFault::StrayEtx}},
        {"bad checksum", badSum, 0, 1, 0, 0, "", {FrameFault::BadChecksum}},
        {"control character in payload", control, 0, 1, 0, 0, "", {FrameFault::ControlCharacter}},
        {"four-byte frame 02 30 30 03", {0x02, 0x30, 0x30, 0x03}, 0, 1, 0, 0, "", {FrameFault::TooShort}},
        {"shortest frame, empty payload", BuildFrame(0xAF, ""), 1, 0, 0, 0, ""},
        {"1024 bytes accepted", max, 1, 0, 0, 0, std::string(kMaxFrameBytes - 6, 'A')},
        {"1025 bytes dropped with NAK", over, 0, 1, 0, 0, "", {FrameFault::TooLong}},
        // The dropped frame's own ETX then arrives while idle and draws a NAK.
        {"ACK inside a frame drops it, not counted",
         ackInside,
         0,
         1,
         0,
         0,
         "",
         {FrameFault::AnswerInFrame, FrameFault::StrayEtx}},
        {"NAK inside a frame drops it, not counted",
         nakInside,
         0,
         1,
         0,
         0,
         "",
         {FrameFault::AnswerInFrame, FrameFault::StrayEtx}},
        {"ACK and NAK between frames", {0x06, 0x15, 0x06}, 0, 0, 2, 1, ""},
        {"two frames back to back", twoFrames, 2, 0, 0, 0, "00000001"},
        {"lone STX leaves nothing", {0x02}, 0, 0, 0, 0, ""},
        // Code and checksum are hex digits, in either case; read as far as
        // their digits go, each of the rejected ones would pass for a good
        // frame.
        {"lowercase code digits", FrameWithDigits("af", "", "C7"), 1, 0, 0, 0, ""},
        {"code digits that are no hex digits",
         FrameWithDigits("ZZ", "01", "15"),
         0,
         1,
         0,
         0,
         "",
         {FrameFault::BadCode}},
        // Payload "\xA0" brings the sum of "00" and the payload to 0.
        {"checksum G0 reads as 0", FrameWithDigits("00", "\xA0", "G0"), 0, 1, 0, 0, "", {FrameFault::BadChecksum}},
        {"checksum of control characters reads as 0",
         FrameWithDigits("00", "\xA0", "\x01\x01"),
         0,
         1,
         0,
         0,
         "",
         {FrameFault::BadChecksum}},
        {"lowercase checksum digits", FrameWithDigits("B3", "0A"), 1, 0, 0, 0, "0A"},
        {"lowercase checksum of a wrong sum",
         FrameWithDigits("B3", "0A", "3f"),
         0,
         1,
         0,
         0,
         "",
         {FrameFault::BadChecksum}},
        {"uppercase of the same frame", BuildFrame(0xB3, "0A"), 1, 0, 0, 0, "0A"},
    };
}

// Every row gives the same outcome however the bytes are cut up, and the
// receiver is ready for the next frame afterwards.
TEST(FrameReceiver, FailureTable)
{
    const Bytes probe = BuildFrame(0xB3, "010300");
    for (const Row& row : FailureTable()) {
        SCOPED_TRACE(row.legend);
        CFrameReceiver rx;
        const Outcome out = FeedAll(rx, row.bytes);
        EXPECT_EQ(out.frames, row.frames);
        EXPECT_EQ(out.rejects, row.rejects);
        EXPECT_EQ(out.acks, row.acks);
        EXPECT_EQ(out.naks, row.naks);
        EXPECT_EQ(out.payload, row.payload);
        EXPECT_EQ(out.faults, row.faults);

        if (row.bytes.size() > 1 && rx.ParseState() != 1) {
            const Outcome next = FeedAll(rx, probe);
            EXPECT_EQ(next.frames, 1);
            EXPECT_EQ(next.payload, "010300");
        }
    }
}

TEST(FrameReceiver, OverlongFrameDroppedAtItsByte1025)
{
    CFrameReceiver rx;
    const Bytes over = FrameOfLength(kMaxFrameBytes + 1);
    int rejectAt = -1;
    for (size_t i = 0; i < over.size(); ++i) {
        if (rx.Feed(over[i]) == Event::Reject) {
            rejectAt = static_cast<int>(i);
            break;
        }
    }
    EXPECT_EQ(rejectAt, static_cast<int>(kMaxFrameBytes));
    EXPECT_EQ(rx.ParseState(), 0);
    EXPECT_EQ(rx.FrameBytes(), Bytes(over.begin(), over.begin() + kMaxFrameBytes));
}

// What a trace shows of a frame that was given up: its bytes as far as they
// were stored, from the STX on.
TEST(FrameReceiver, AFrameGivenUpKeepsItsBytes)
{
    Bytes badSum = BuildFrame(0xB0, "0150");
    badSum[badSum.size() - 2] = '9';
    const struct {
        const char* legend;
        Bytes bytes;
        Bytes kept;
    } rows[] = {
        {"bad checksum", badSum, badSum},
        {"stray ETX", {'x', kEtx}, {kEtx}},
        {"ACK inside a frame", {kStx, 'B', '0', kAck}, {kStx, 'B', '0'}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        CFrameReceiver rx;
        Event last = Event::None;
        for (uint8_t b : row.bytes)
            last = rx.Feed(b);
        EXPECT_TRUE(last == Event::Reject || last == Event::Dropped);
        EXPECT_EQ(rx.FrameBytes(), row.kept);
    }
}

TEST(ParseHex, ConvertsAsFarAsItsDigitsGo)
{
    EXPECT_EQ(ParseHex("00000E10"), 3600u);
    EXPECT_EQ(ParseHex("ff"), 255u);
    EXPECT_EQ(ParseHex("1G"), 1u);
    EXPECT_EQ(ParseHex("G1"), 0u);
    EXPECT_EQ(ParseHex(""), 0u);
    EXPECT_EQ(ParseHex("FFFFFFFF"), 0xFFFFFFFFu);
}

}  // namespace
