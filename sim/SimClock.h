// A simulated clock: the clock's side of the protocol, with a whole clock
// inside (identity, configuration, hands, a running UTC, local time by time
// zone and daylight-saving rules, time code status, illumination).
//
// CSimClock answers commands and does no I/O. CSimServer puts one on a
// pseudo-terminal: the program opens the far end's path like a USB bridge's
// tty, with the whole real stack (termios included) in between.
//
// Faults are chosen by the caller (a test or the command line): silence, no
// answer to one command, NAK to one command, a bad checksum on every Nth
// reply, a reply too short or under the wrong code, an ACK inside a reply
// frame, noise bytes on the line before an answer, a slow answer,
// unplugging and replugging. A fault rate faults a given share of the
// exchanges with a fault drawn from chosen kinds; the draws come from a
// seeded generator, so the same seed and the same requests give the same
// faults.
//
// Time: the clock's UTC runs from the computer's (or from an offset to it,
// SetUtcOffset), with fractions of a second unless it is told to count whole
// seconds. With a line rate (SimTiming) it takes the time a cable takes: a
// frame is complete at the clock only once its bytes have had their time on
// the line, the clock answers from that moment, and the answer arrives once
// its own bytes have had theirs. Each set of its time is reported with its
// error: the time set minus the computer's UTC at the moment the set frame
// was complete at the clock.
//
// CSimPort (SimPort.h) puts a CSimClock behind an in-process port instead,
// for tests that need no terminal. Both carriers pass the clock's answers
// through a model of the USB bridge's latency timer when SimTiming asks for
// one.
//
// Thread rules: every public member of CSimClock and CSimServer may be called
// from any thread; CSimClock keeps its state under one mutex. CSimServer runs
// one serving thread.
#pragma once

#include "ClockRecords.h"
#include "SimUsbBridge.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

struct SimIdentity {
    uint16_t familyId = 0x0150;
    uint16_t cpuType = 0x0021;
    FirmwareVersion firmware{1, 3, 0};
    uint32_t serialNumber = 10472;
    uint8_t timeCodeType = kTimeCodeSmpte;
    uint8_t smpteFrameMax = 29;  // frame rate minus one
};

// The kinds of fault a fault rate draws from, as bits of a mask.
enum SimFaultKind : uint32_t {
    kSimFaultNone = 0,
    kSimFaultBadChecksum = 1u << 0,  // a reply frame with a wrong checksum
    kSimFaultDrop = 1u << 1,         // no answer (the command is still carried out)
    kSimFaultNoise = 1u << 2,        // noise bytes on the line before the answer
    kSimFaultSlow = 1u << 3,         // the answer comes late
    kSimFaultShort = 1u << 4,        // a reply two characters short
    kSimFaultAckInFrame = 1u << 5,   // an ACK byte inside the reply frame
    kSimFaultWrongCode = 1u << 6,    // a reply under the next command code
};
inline constexpr uint32_t kSimFaultAll = (1u << 7) - 1;
// Those that change a reply frame; an ACK or NAK answer can only be dropped,
// preceded by noise or sent late.
inline constexpr uint32_t kSimFaultReplyOnly =
    kSimFaultBadChecksum | kSimFaultShort | kSimFaultAckInFrame | kSimFaultWrongCode;
// A late answer of the fault rate comes this long after its time unless
// slowDelay says otherwise: past the longest wait of the program for a
// reply (400 ms), so it arrives during a later exchange.
inline constexpr std::chrono::milliseconds kSimLateDefault{450};
// Noise between frames: 1 to this many bytes, never STX, ETX, ACK or NAK
// (an ACK made by noise cannot be told from the clock's own).
inline constexpr size_t kSimNoiseMax = 8;

// The name of a single kind ("checksum", "drop", "noise", "slow", "short",
// "ack-in-frame", "wrong-code"); "none" for none.
const char* SimFaultName(uint32_t kind);
// A comma-separated list of those names (or "all") as a mask; false when a
// name is unknown or the list is empty.
bool ParseSimFaultKinds(std::string_view text, uint32_t& kinds);

struct SimFaults {
    bool silent = false;       // answer nothing, not even the hello
    int ignoreCode = -1;       // never answer this command
    int nakCode = -1;          // answer this command with NAK
    int keepCode = -1;         // acknowledge this command and do nothing (a write: keep what it held)
    int badChecksumEvery = 0;  // every Nth reply frame has a wrong checksum
    int slowCode = -1;         // answer this command late (-1: every command)
    std::chrono::milliseconds slowDelay{0};
    int slowCount = -1;       // how many answers are late (-1: all)
    int shortCode = -1;       // answer this read with its payload two characters short
    int wrongCode = -1;       // answer this read under the next command code
    int noiseCode = -1;       // put noise bytes on the line before this command's answer
    int ackInFrameCode = -1;  // put an ACK inside this read's reply frame
    // This share of the exchanges (0 to 100 percent) gets one fault, drawn
    // from faultKinds among those that fit the answer, from a generator
    // seeded with faultSeed when the faults are set.
    int faultPercent = 0;
    uint32_t faultKinds = kSimFaultAll;
    uint64_t faultSeed = 1;
    // Instead of faultPercent and faultKinds, when not empty: each entry's
    // kind (one bit) hits its own share (percent) of the exchanges, one
    // draw deciding for all, so two kinds never hit the same exchange. A
    // kind that does not fit the answer leaves it alone.
    std::vector<std::pair<uint32_t, int>> faultMix;
};

// How the clock keeps and answers time.
struct SimTiming {
    // Report every time with a fraction of 0, as a clock that counts whole
    // seconds does.
    bool wholeSeconds = false;
    // The cable's rate in baud (10 bits a byte); 0: frames and answers take
    // no time on the line.
    uint32_t lineBaud = 0;
    // The latency timer of the USB bridge between the clock and the program
    // (CSimUsbBridge, SimUsbBridge.h): the clock's answers reach the program in
    // packets, held until 62 bytes have gathered or this long has passed
    // since the first. 0: no bridge, each answer goes on whole when its last
    // byte is out.
    std::chrono::milliseconds usbLatency{0};
};

// One frame as the clock received it.
struct SimReceived {
    uint8_t code = 0;
    std::string payload;
    // When the frame was complete at the clock: when the carrier delivered
    // it, plus its time on the line when the clock models one.
    std::chrono::steady_clock::time_point when;
    // For a set-time frame that set the clock: the time set minus the
    // computer's UTC at `when`.
    std::optional<std::chrono::nanoseconds> setError;
    // The payload of the reply frame as the clock meant it, before any fault
    // touched it; none when it answered with ACK, NAK or nothing, or the
    // answer was dropped.
    std::optional<std::string> reply;
    // The fault of the fault rate or of a per-command fault given to this
    // exchange (a kSimFaultKind), kSimFaultNone for none.
    uint32_t fault = kSimFaultNone;
};

// A set of the clock's time (command C1).
struct SimSet {
    ClockTime time;
    std::chrono::steady_clock::time_point when;  // the frame was complete at the clock
    std::chrono::nanoseconds error{0};           // time - the computer's UTC at `when`
};

class CSimClock {
public:
    struct Answer {
        enum class Kind : uint8_t { None, Ack, Nak, Reply };
        Kind kind = Kind::None;
        uint8_t code = 0;
        std::string payload;
        bool corruptChecksum = false;
        // An ACK byte put in the middle of the reply frame.
        bool ackInFrame = false;
        // Bytes on the line before the answer.
        std::vector<uint8_t> noise;
        // From the frame's delivery to the answer's last byte: a slow fault
        // and, with a line rate, the time both take on the line.
        std::chrono::nanoseconds delay{0};
    };

    explicit CSimClock(SimIdentity identity = {});

    // The bytes of an answer on the wire, none for Kind::None. Its delay is
    // the carrier's to keep.
    static std::vector<uint8_t> AnswerBytes(const Answer& answer);

    // Handles one received frame: logs it and returns the answer. Unknown
    // codes, a payload on a command that takes none, and writes whose
    // payload is not hex text of the right length are answered with NAK.
    Answer Handle(uint8_t code, std::string_view payload);

    // Takes effect with the next frame; badChecksumEvery counts from there.
    void SetFaults(const SimFaults& faults);
    SimFaults Faults() const;
    void SetIdentity(const SimIdentity& identity);
    SimIdentity Identity() const;

    // The protocol version the firmware speaks (1 or 2).
    uint8_t ProtocolVersion() const;

    // The clock's state.
    ClockConfig Config() const;
    void SetConfig(const ClockConfig& config);  // as if the clock held it
    DisplayConfig Display() const;
    ClockTime Utc() const;
    ClockTime Local() const;
    void SetUtc(const ClockTime& utc);
    // Sets the clock to the computer's UTC plus offset (negative: behind).
    void SetUtcOffset(std::chrono::nanoseconds offset);
    void SetTiming(const SimTiming& timing);
    SimTiming Timing() const;
    // The sets of the clock's time so far, oldest first (the latest
    // kSetLimit).
    static constexpr size_t kSetLimit = 1000;
    std::vector<SimSet> Sets() const;
    // The time shown on the face, in seconds on the clock's scale, and the
    // fifths of a second the seconds hand was nudged.
    uint32_t FaceSeconds() const;
    uint32_t FaceNudges() const;

    // Everything received so far, in order. The log keeps the latest
    // kReceivedLimit frames, so a clock that serves for days stays small.
    static constexpr size_t kReceivedLimit = 10000;
    std::vector<SimReceived> Received() const;
    std::vector<uint8_t> ReceivedCodes() const;
    size_t CountReceived(uint8_t code) const;
    void ClearReceived();

    // Called with every received frame, on the thread that calls Handle,
    // after the clock's lock has been released. Empty: none.
    void SetObserver(std::function<void(const SimReceived&)> observer);

private:
    // Time on the clock's scale in 1/65536 s: 40 bits of seconds, 16 of
    // fraction.
    uint64_t UtcTicksLocked() const;
    uint64_t UtcTicksAtLocked(std::chrono::steady_clock::time_point at) const;
    uint64_t LocalTicksLocked(uint64_t utcTicks) const;
    void ApplyConfigLocked(const ClockConfig& config);
    // The answer to a request as the faults in force let it through (none,
    // NAK or ACK in place of the clock's own), unspoiled.
    Answer ChooseAnswerLocked(uint8_t code, std::string_view payload);
    // The clock's own answer to a request.
    Answer AnswerLocked(uint8_t code, std::string_view payload);
    // The current-time reply's payload: UTC and local time.
    std::string CurrentTimeLocked() const;
    // Spoils an answer as the faults in force and the one drawn now say
    // (a dropped answer becomes none); returns the faults done to it.
    uint32_t SpoilAnswerLocked(uint8_t code, Answer& answer);
    // The fault of the fault rate for this answer, if any; applied by Handle.
    uint32_t DrawFaultLocked(const Answer& answer);
    std::vector<uint8_t> NoiseLocked();
    // Reports a set whose frame was complete at frameComplete_.
    void NoteSetLocked(const ClockTime& time);

    mutable std::mutex mutex_;
    SimIdentity identity_;
    SimFaults faults_;
    ClockConfig config_;
    DisplayConfig display_;
    DisplayHardwareConfig displayHardware_;
    AuxStatus auxStatus_;
    uint32_t auxCounter_ = 0;
    // UTC: the value last set and when; it runs on from there.
    uint64_t utcBaseTicks_ = 0;
    std::chrono::steady_clock::time_point utcSetAt_;
    // The face follows local time while the hands run; stopped, it shows
    // what it showed when they stopped, or what mode 1 set.
    std::optional<uint32_t> stoppedFace_;
    uint32_t faceNudges_ = 0;
    uint64_t repliesSent_ = 0;     // for badChecksumEvery
    std::mt19937_64 faultRandom_;  // the fault rate's draws, seeded by SetFaults
    SimTiming timing_;
    // The frame being handled was complete at the clock at these moments of
    // the steady clock and of the computer's UTC.
    std::chrono::steady_clock::time_point frameComplete_;
    std::chrono::system_clock::time_point frameCompleteUtc_;
    std::optional<std::chrono::nanoseconds> frameSetError_;
    std::deque<SimSet> sets_;
    std::deque<SimReceived> received_;
    std::function<void(const SimReceived&)> observer_;
};

class CSimServer {
public:
    explicit CSimServer(SimIdentity identity = {});
    ~CSimServer();
    CSimServer(const CSimServer&) = delete;
    CSimServer& operator=(const CSimServer&) = delete;

    // Creates the pseudo-terminal and starts serving. False with a reason
    // when the system gives no pseudo-terminal.
    bool Start(std::string* error = nullptr);
    // Stops serving and closes the pseudo-terminal.
    void Stop();
    // Closes the pseudo-terminal as if the cable were pulled: the program's
    // port sees a hang-up and the link path disappears. The server stays
    // stopped afterwards; a later Start (a replug) makes a new
    // pseudo-terminal with a new path, and points the link path at it. The
    // clock keeps its state throughout, as a clock on its own power does.
    void Unplug();
    bool IsRunning() const;
    // How many times Start has made a pseudo-terminal.
    uint64_t Plugs() const;

    // A stable name for the device, as a USB bridge's /dev/serial/by-id
    // name: while serving, path is a symbolic link to the current
    // pseudo-terminal; Stop and Unplug remove it. An existing symbolic link
    // there is replaced; any other file is left alone and Start fails. Set
    // before Start; empty: no link.
    void SetLinkPath(const std::string& path);
    std::string LinkPath() const;

    // The path the program opens (the far end of the pseudo-terminal); it
    // changes with every Start.
    std::string DevicePath() const;

    CSimClock& Clock();

private:
    void Serve();
    void SendAnswer(const CSimClock::Answer& answer);
    // Hands the bytes to the bridge, arriving there in `delay` (the last
    // one), and sends on what is due.
    void SendThroughBridge(const std::vector<uint8_t>& bytes, std::chrono::nanoseconds delay);
    // Writes what the bridge has released by now.
    void FlushBridge();
    // How long the serving thread may wait for input before the bridge has
    // something to send on.
    std::chrono::nanoseconds UntilBridgeRelease(std::chrono::nanoseconds most) const;
    void WriteAll(const uint8_t* data, size_t length);
    // Waits for the time or for Stop; false when stopped.
    bool WaitFor(std::chrono::nanoseconds duration);
    void CloseFds();
    // Under lifeMutex_: makes or removes the link to the device.
    bool CreateLinkLocked(std::string* error);
    void RemoveLinkLocked();

    CSimClock clock_;
    CSimUsbBridge bridge_;          // the serving thread's
    mutable std::mutex pathMutex_;  // devicePath_ and linkPath_
    std::string devicePath_;
    std::string linkPath_;
    std::atomic<uint64_t> plugs_{0};
    int masterFd_ = -1;
    int heldSlaveFd_ = -1;  // keeps the master from a hang-up between connections
    std::thread thread_;
    mutable std::mutex lifeMutex_;  // Start, Stop, Unplug
    std::mutex stopMutex_;
    std::condition_variable stopCv_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> running_{false};
};
