// The frame receiver fed any bytes, one at a time, side by side with a
// model of the receive rules written out plainly. Checked after every byte:
// - the receiver's event is the model's (frame start, ACK, NAK, reject with
//   NAK, dropped without answer, verified), and so is the reason of a
//   reject;
// - a verified frame's code and payload re-encode (BuildFrame's encoding,
//   its letter digits in the case they were received in) to exactly the
//   bytes received, so nothing is taken that was not sent that way; a frame
//   the model rejects never comes out verified;
// and after the whole input a fresh valid frame is verified, whatever state
// the input left.
//
// Input: the bytes as received.
#include "FuzzSupport.h"

#include "Frame.h"

#include <string>
#include <vector>

namespace {

using Event = CFrameReceiver::Event;

const char* EventName(Event e)
{
    switch (e) {
    case Event::None: return "none";
    case Event::FrameStart: return "frame start";
    case Event::Ack: return "ACK";
    case Event::Nak: return "NAK";
    case Event::Reject: return "reject";
    case Event::Dropped: return "dropped";
    case Event::Verified: return "verified";
    }
    return "?";
}

// The receive rules: a frame runs from STX to ETX and holds at most 1024
// bytes; an STX inside starts it again; ACK or NAK inside break it off
// without an answer; outside a frame ACK and NAK are answers, ETX draws a
// NAK and every other byte is noise. A complete frame is taken when it has
// at least six bytes, no control character between STX and the checksum,
// a code and a checksum of two hex digits each (either case), and the checksum
// is the byte sum of code and payload.
class ReceiveModel {
public:
    struct Step {
        Event event = Event::None;
        FrameFault fault = FrameFault::None;
    };

    Step Feed(uint8_t byte)
    {
        if (!inFrame_) {
            switch (byte) {
            case kStx: Start(); return {Event::FrameStart};
            case kEtx: return {Event::Reject, FrameFault::StrayEtx};
            case kAck: return {Event::Ack};
            case kNak: return {Event::Nak};
            default: return {};
            }
        }
        if (byte == kStx) {
            Start();
            return {Event::FrameStart, FrameFault::Restarted};
        }
        if (byte == kAck || byte == kNak) {
            inFrame_ = false;
            return {Event::Dropped, FrameFault::AnswerInFrame};
        }
        frame_.push_back(static_cast<char>(byte));
        if (frame_.size() > kMaxFrameBytes) {
            inFrame_ = false;
            return {Event::Reject, FrameFault::TooLong};
        }
        if (byte != kEtx)
            return {};
        inFrame_ = false;
        const FrameFault fault = Judge();
        return {fault == FrameFault::None ? Event::Verified : Event::Reject, fault};
    }

    const std::string& Frame() const { return frame_; }

private:
    void Start()
    {
        inFrame_ = true;
        frame_.assign(1, static_cast<char>(kStx));
    }

    static constexpr std::string_view kDigits = "0123456789ABCDEF0123456789abcdef";
    static bool IsDigit(char c) { return kDigits.find(c) != std::string_view::npos; }
    static int DigitValue(char c) { return static_cast<int>(kDigits.find(c) % 16); }

    FrameFault Judge() const
    {
        if (frame_.size() < 6)
            return FrameFault::TooShort;
        // STX, code and payload, checksum, ETX.
        const std::string_view inner = std::string_view(frame_).substr(1, frame_.size() - 4);
        unsigned sum = 0;
        for (char c : inner) {
            const auto u = static_cast<unsigned char>(c);
            if (u < 0x20 || u == 0x7F)
                return FrameFault::ControlCharacter;
            sum += u;
        }
        if (!IsDigit(frame_[1]) || !IsDigit(frame_[2]))
            return FrameFault::BadCode;
        const char high = frame_[frame_.size() - 3];
        const char low = frame_[frame_.size() - 2];
        if (!IsDigit(high) || !IsDigit(low) || DigitValue(high) * 16 + DigitValue(low) != static_cast<int>(sum % 256))
            return FrameFault::BadChecksum;
        return FrameFault::None;
    }

    bool inFrame_ = false;
    std::string frame_;
};

std::string AsText(const std::vector<uint8_t>& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

// BuildFrame's encoding of a code and payload, with each letter digit of the
// code and the checksum in the case of the digit received in its place.
std::string Rebuild(uint8_t code, std::string_view payload, const std::string& received)
{
    const auto digit = [](unsigned nibble, char like) {
        const char upper = HexDigit(nibble & 0x0F);
        const bool lower = like >= 'a' && like <= 'f';
        return lower && upper >= 'A' ? static_cast<char>(upper - 'A' + 'a') : upper;
    };
    std::string frame(1, static_cast<char>(kStx));
    frame += digit(code >> 4, received[1]);
    frame += digit(code, received[2]);
    frame += payload;
    unsigned sum = 0;
    for (size_t i = 1; i < frame.size(); ++i)
        sum += static_cast<unsigned char>(frame[i]);
    frame += digit(sum >> 4, received[received.size() - 3]);
    frame += digit(sum, received[received.size() - 2]);
    frame += static_cast<char>(kEtx);
    return frame;
}

void CheckVerified(const CFrameReceiver& rx, const std::string& received)
{
    FUZZ_CHECK(received.size() >= 6, "verified frame of " + std::to_string(received.size()) + " bytes");
    const std::string rebuilt = Rebuild(rx.Code(), rx.Payload(), received);
    FUZZ_CHECK(rebuilt == received, "received " + HexDump(received) + "\n  rebuilt  " + HexDump(rebuilt));
    FUZZ_CHECK(AsText(rx.FrameBytes()) == received, "frame bytes " + HexDump(AsText(rx.FrameBytes())));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CFrameReceiver rx;
    ReceiveModel model;
    for (size_t i = 0; i < size; ++i) {
        const Event event = rx.Feed(data[i]);
        const ReceiveModel::Step expected = model.Feed(data[i]);
        FUZZ_CHECK(event == expected.event,
                   "byte " + std::to_string(i) + ": receiver " + EventName(event) + ", model " +
                       EventName(expected.event) + " for " + HexDump(model.Frame()));
        if (event == Event::Reject || event == Event::Dropped ||
            (event == Event::FrameStart && expected.fault != FrameFault::None))
            FUZZ_CHECK(rx.Fault() == expected.fault,
                       std::string("receiver says ") + FrameFaultText(rx.Fault()) + ", model " +
                           FrameFaultText(expected.fault));
        if (event == Event::Verified)
            CheckVerified(rx, model.Frame());
    }

    // Whatever the input left behind, the next good frame gets through.
    const uint8_t code = size > 0 ? data[0] : 0xB0;
    const std::string payload = "0150";
    const std::vector<uint8_t> fresh = BuildFrame(code, payload);
    Event last = Event::None;
    for (size_t i = 0; i < fresh.size(); ++i) {
        last = rx.Feed(fresh[i]);
        FUZZ_CHECK(i + 1 == fresh.size() || last == (i == 0 ? Event::FrameStart : Event::None),
                   std::string("fresh frame byte ") + std::to_string(i) + ": " + EventName(last));
    }
    FUZZ_CHECK(last == Event::Verified, std::string("fresh frame ended with ") + EventName(last));
    FUZZ_CHECK(rx.Code() == code && rx.Payload() == payload, "fresh frame decoded differently");
    CheckVerified(rx, AsText(fresh));
    return 0;
}
