// The serial master over a scripted byte source, and once over a real
// pseudo-terminal through the USB serial port.
#include "ZvSerialMaster.h"

#include "TestSupport.h"
#include "link/EventLog.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <poll.h>
#include <pty.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Bytes = std::vector<uint8_t>;

const Bytes kFamilyIdReply{0x02, 0x42, 0x30, 0x30, 0x31, 0x35, 0x30, 0x33, 0x38, 0x03};
const Bytes kHello{0x02, 0x41, 0x46, 0x38, 0x37, 0x03};

// The far end of the fake port: what the test feeds in, what the master
// wrote (one entry per Write or WriteByte call), and whether it was closed.
struct FakeLine {
    std::mutex mutex;
    std::condition_variable inputCv;
    std::deque<uint8_t> input;
    std::vector<Bytes> writes;
    bool closed = false;

    void Push(const Bytes& bytes)
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            input.insert(input.end(), bytes.begin(), bytes.end());
        }
        inputCv.notify_all();
    }
    std::vector<Bytes> Writes()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return writes;
    }
    int NaksWritten()
    {
        std::lock_guard<std::mutex> lock(mutex);
        int n = 0;
        for (const Bytes& w : writes)
            n += w == Bytes{kNak};
        return n;
    }
    bool Closed()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return closed;
    }
};

class FakePort final : public ISerialPort {
public:
    explicit FakePort(std::shared_ptr<FakeLine> line) : line_(std::move(line)) { }

    bool BytesAvailable() override
    {
        std::lock_guard<std::mutex> lock(line_->mutex);
        return !line_->input.empty();
    }
    uint8_t ReadByte() override
    {
        std::lock_guard<std::mutex> lock(line_->mutex);
        if (line_->input.empty())
            return 0;
        const uint8_t b = line_->input.front();
        line_->input.pop_front();
        return b;
    }
    void WaitForInput(std::chrono::milliseconds timeout) override
    {
        std::unique_lock<std::mutex> lock(line_->mutex);
        line_->inputCv.wait_for(lock, timeout, [&] { return !line_->input.empty(); });
    }
    void WriteByte(uint8_t byte) override { Write(&byte, 1); }
    void Write(const uint8_t* data, size_t length) override
    {
        std::lock_guard<std::mutex> lock(line_->mutex);
        line_->writes.emplace_back(data, data + length);
    }
    void Close() override
    {
        std::lock_guard<std::mutex> lock(line_->mutex);
        line_->closed = true;
    }

private:
    std::shared_ptr<FakeLine> line_;
};

class ZvSerialMasterFake : public ::testing::Test {
protected:
    std::shared_ptr<FakeLine> line = std::make_shared<FakeLine>();
    std::unique_ptr<CZvSerialMaster> master = std::make_unique<CZvSerialMaster>(std::make_unique<FakePort>(line));

    bool ReplyArrives()
    {
        return WaitUntil([&] { return master->IsReplyReady(); }, 2000ms);
    }
    bool NaksReach(int n)
    {
        return WaitUntil([&] { return line->NaksWritten() >= n; }, 2000ms);
    }
};

TEST_F(ZvSerialMasterFake, SendCommandWritesOneFrameAndResetsTheExchange)
{
    EXPECT_TRUE(master->IsStarted());
    EXPECT_EQ(master->AckStateValue(), CZvSerialMaster::kAckNone);

    line->Push(kFamilyIdReply);
    ASSERT_TRUE(ReplyArrives());
    master->SendCommand(0xAF);
    EXPECT_EQ(master->AckStateValue(), CZvSerialMaster::kAckWaiting);
    EXPECT_FALSE(master->IsReplyReady());
    EXPECT_FALSE(master->IsAcknowledged());

    master->SendCommand(0x61, std::string(112, '0'));
    const auto writes = line->Writes();
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0], kHello);
    EXPECT_EQ(writes[1], BuildFrame(0x61, std::string(112, '0')));
}

TEST_F(ZvSerialMasterFake, AcknowledgementsCountOnlyBetweenFrames)
{
    master->SendCommand(0xAF);
    line->Push({kAck});
    EXPECT_TRUE(WaitUntil([&] { return master->IsAcknowledged(); }, 2000ms));

    master->SendCommand(0xAF);
    line->Push({kNak});
    EXPECT_TRUE(WaitUntil([&] { return master->AckStateValue() == CZvSerialMaster::kNakReceived; }, 2000ms));
    EXPECT_FALSE(master->IsAcknowledged());

    // An ACK inside a frame drops the frame silently and is not counted;
    // the next frame is decoded normally.
    master->SendCommand(0xB0);
    Bytes input{kStx, 0x42, 0x30, kAck};
    input.insert(input.end(), kFamilyIdReply.begin(), kFamilyIdReply.end());
    line->Push(input);
    ASSERT_TRUE(ReplyArrives());
    EXPECT_EQ(master->AckStateValue(), CZvSerialMaster::kAckWaiting);
    EXPECT_EQ(master->TakeReplyCommand(), 0xB0);
    EXPECT_EQ(line->NaksWritten(), 0);
}

TEST_F(ZvSerialMasterFake, ReplyFrameIsDecodedAndTakenOnce)
{
    line->Push({'x', 0x7F});  // noise between frames
    line->Push(kFamilyIdReply);
    ASSERT_TRUE(ReplyArrives());
    EXPECT_EQ(master->GetReplyLength(), 4u);

    char payload[16];
    std::memset(payload, 'z', sizeof payload);
    EXPECT_EQ(master->CopyReplyPayload(payload, sizeof payload), 0xB0);
    EXPECT_STREQ(payload, "0150");

    char small[3];
    std::memset(small, 'z', sizeof small);
    EXPECT_EQ(master->CopyReplyPayload(small, sizeof small), 0xB0);
    EXPECT_EQ(std::string(small, 3), std::string("01\0", 3));

    EXPECT_TRUE(master->IsReplyReady());
    EXPECT_EQ(master->TakeReplyCommand(), 0xB0);
    EXPECT_FALSE(master->IsReplyReady());

    // An accepted reply is not answered.
    EXPECT_TRUE(line->Writes().empty());
}

TEST_F(ZvSerialMasterFake, RejectedInputIsAnsweredWithNak)
{
    Bytes badChecksum = kFamilyIdReply;
    badChecksum[8] = '9';
    line->Push(badChecksum);
    ASSERT_TRUE(NaksReach(1));
    EXPECT_FALSE(master->IsReplyReady());

    line->Push({kEtx});
    ASSERT_TRUE(NaksReach(2));
    EXPECT_FALSE(master->IsReplyReady());

    // Each NAK leaves as a single byte of its own, and the parser is idle
    // again for the next frame.
    for (const Bytes& w : line->Writes())
        EXPECT_EQ(w, Bytes{kNak});
    line->Push(kFamilyIdReply);
    EXPECT_TRUE(ReplyArrives());
}

class RejectingMaster : public CZvSerialMaster {
public:
    using CZvSerialMaster::CZvSerialMaster;
    ~RejectingMaster() override { Stop(); }

    std::atomic<int> calls{0};
    std::atomic<uint8_t> code{0};

protected:
    bool OnFrameReceived() override
    {
        code = Receiver().Code();
        ++calls;
        return false;
    }
};

TEST(ZvSerialMasterSubclass, RejectedFrameIsAnsweredWithNakAndNotReady)
{
    auto line = std::make_shared<FakeLine>();
    RejectingMaster master(std::make_unique<FakePort>(line));
    line->Push(kFamilyIdReply);
    ASSERT_TRUE(WaitUntil([&] { return line->NaksWritten() == 1; }, 2000ms));
    EXPECT_EQ(master.calls.load(), 1);
    EXPECT_EQ(master.code.load(), 0xB0);
    EXPECT_FALSE(master.IsReplyReady());
}

TEST_F(ZvSerialMasterFake, WaitForEventWakesOnAnswerAndTimesOutOnSilence)
{
    uint64_t seen = master->EventCount();
    EXPECT_FALSE(master->WaitForEvent(seen, 20ms));

    master->SendCommand(0xAF);
    std::thread clock([&] { line->Push({kAck}); });
    const auto start = Clock::now();
    EXPECT_TRUE(master->WaitForEvent(seen, 1s));
    EXPECT_LT(Clock::now() - start, 1s);
    clock.join();
    EXPECT_TRUE(master->IsAcknowledged());

    seen = master->EventCount();
    line->Push(kFamilyIdReply);
    EXPECT_TRUE(master->WaitForEvent(seen, 1s));
    EXPECT_TRUE(master->IsReplyReady());
}

TEST_F(ZvSerialMasterFake, DestructionStopsTheThreadPromptlyAndClosesThePort)
{
    const auto start = Clock::now();
    master.reset();
    EXPECT_LT(Clock::now() - start, 1s);
    EXPECT_TRUE(line->Closed());
}

// The observer hears of every frame sent and received, every ACK and NAK,
// and every frame given up with the reason, in the order they happened.
TEST(ZvSerialMasterObserver, ToldOfEveryFrameAndAnswer)
{
    using Kind = LinkEvent::Kind;
    auto line = std::make_shared<FakeLine>();
    auto log = std::make_shared<EventLog>();
    CZvSerialMaster master(std::make_unique<FakePort>(line), log);

    Bytes badChecksum = kFamilyIdReply;
    badChecksum[8] = '9';
    const Bytes broken{kStx, 0x42, 0x30};
    struct Step {
        Bytes input;  // fed to the master; empty: SendCommand(0xB0)
        std::vector<std::pair<Kind, std::string>> events;
        Bytes bytes;  // of the first event
    };
    Bytes restarted = broken;
    restarted.insert(restarted.end(), kFamilyIdReply.begin(), kFamilyIdReply.end());
    Bytes answerInside = broken;
    answerInside.push_back(kAck);
    const Step steps[] = {
        {{}, {{Kind::FrameSent, ""}}, BuildFrame(0xB0, "")},
        {kFamilyIdReply, {{Kind::FrameReceived, ""}}, kFamilyIdReply},
        {{kAck}, {{Kind::AckReceived, ""}}, {kAck}},
        {{kNak}, {{Kind::NakReceived, ""}}, {kNak}},
        {badChecksum, {{Kind::FrameRejected, "bad checksum"}, {Kind::NakSent, "bad checksum"}}, badChecksum},
        {restarted, {{Kind::FrameRejected, "STX inside a frame"}, {Kind::FrameReceived, ""}}, broken},
        {answerInside, {{Kind::FrameRejected, "ACK or NAK inside a frame"}}, broken},
        {{kEtx}, {{Kind::FrameRejected, "ETX outside a frame"}, {Kind::NakSent, "ETX outside a frame"}}, {kEtx}},
    };
    size_t seen = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.input.empty() ? std::string("send") : LinkEventKindName(step.events[0].first));
        if (step.input.empty())
            master.SendCommand(0xB0);
        else
            line->Push(step.input);
        ASSERT_TRUE(WaitUntil([&] { return log->Events().size() >= seen + step.events.size(); }, 2000ms));
        const std::vector<LinkEvent> events = log->Events();
        ASSERT_EQ(events.size(), seen + step.events.size());
        for (size_t i = 0; i < step.events.size(); ++i) {
            const LinkEvent& e = events[seen + i];
            EXPECT_EQ(e.kind, step.events[i].first) << Describe(e);
            EXPECT_EQ(e.text, step.events[i].second) << Describe(e);
            EXPECT_EQ(e.direction,
                      e.kind == Kind::FrameSent || e.kind == Kind::NakSent ? LinkEvent::Direction::ToClock
                                                                           : LinkEvent::Direction::FromClock);
            if (e.kind == Kind::FrameSent || e.kind == Kind::FrameReceived) {
                EXPECT_EQ(e.code, 0xB0);
            }
        }
        EXPECT_EQ(events[seen].bytes, step.bytes);
        seen = events.size();
    }
}

// Over the real port: a pseudo-terminal whose master side plays the clock.
TEST(ZvSerialMasterPty, ExchangesFramesThroughTheUsbPort)
{
    int ptyMaster = -1;
    int ptySlave = -1;
    char name[256] = {};
    ASSERT_EQ(::openpty(&ptyMaster, &ptySlave, name, nullptr, nullptr), 0);
    const LinkSettings settings = SettingsFor(name);

    {
        CZvSerialMaster master(settings);
        ASSERT_TRUE(master.IsStarted());
        ASSERT_EQ(master.Port()->State(), PortState::Open);
        EXPECT_EQ(master.Port()->DevicePath(), name);

        ASSERT_EQ(::write(ptyMaster, kFamilyIdReply.data(), kFamilyIdReply.size()),
                  static_cast<ssize_t>(kFamilyIdReply.size()));
        ASSERT_TRUE(WaitUntil([&] { return master.IsReplyReady(); }, 2000ms));
        uint8_t code = 0;
        std::string payload;
        ASSERT_TRUE(master.TakeReply(code, payload));
        EXPECT_EQ(code, 0xB0);
        EXPECT_EQ(payload, "0150");

        master.SendCommand(0xAF);
        Bytes got;
        const auto deadline = Clock::now() + 2000ms;
        while (got.size() < kHello.size() && Clock::now() < deadline) {
            pollfd p{ptyMaster, POLLIN, 0};
            if (::poll(&p, 1, 10) <= 0)
                continue;
            uint8_t chunk[64];
            const ssize_t n = ::read(ptyMaster, chunk, sizeof chunk);
            if (n > 0)
                got.insert(got.end(), chunk, chunk + n);
        }
        EXPECT_EQ(got, kHello);
    }
    ::close(ptyMaster);
    ::close(ptySlave);
}

TEST(ZvSerialMasterPty, MissingDeviceGivesASilentLink)
{
    auto master = std::make_unique<CZvSerialMaster>(SettingsFor("/dev/kerovant-no-such-device"));
    EXPECT_TRUE(master->IsStarted());
    master->SendCommand(0xAF);
    EXPECT_FALSE(master->WaitForEvent(master->EventCount(), 30ms));
    EXPECT_FALSE(master->IsAcknowledged());
    const auto start = Clock::now();
    master.reset();
    EXPECT_LT(Clock::now() - start, 1s);
}

}  // namespace
