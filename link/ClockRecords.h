// Records the clock link keeps and the dialogs edit, the product table and
// the link settings. Fields are listed in their wire order (see ClockCodec.h
// for the hex text layout). All integers are unsigned; a flag is a byte that
// holds 0 or 1.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the application hands to the clock link. Only baudRate and deviceName
// are read: an empty deviceName opens the first USB bridge found, a path
// opens that device instead (a second adapter, a /dev/serial/by-id link, the
// simulated clock's pseudo-terminal).
struct LinkSettings {
    char deviceName[256] = {};
    uint8_t linkOption = 0;
    uint32_t baudRate = 57600;
    uint8_t linkFlags[3] = {0, 0, 0};
};

// Names the device to open. False, and nothing changed, when the path does
// not fit (255 characters at most).
bool SetDeviceName(LinkSettings& settings, std::string_view path);

// A point on the clock's time scale: whole seconds since 1900-01-01 00:00:00
// (40 bits: secondsHigh:seconds) and a 16-bit fraction of a second.
struct ClockTime {
    uint8_t set = 0;
    uint8_t secondsHigh = 0;
    uint32_t seconds = 0;
    uint16_t fraction = 0;

    friend bool operator==(const ClockTime&, const ClockTime&) = default;
};

// Positions of the time code option bytes.
enum TcOption : int {
    kTcOptionPassThrough = 1,
    kTcOptionUseDate = 5,
    kTcOptionUseDateAlt = 8,
    kTcOptionCount = 9,
};

// Daylight-saving modes.
enum : uint8_t {
    kDstDisabled = 0,
    kDstByWeekday = 8,
    kDstByDate = 16,
};

// Hand motion.
enum : uint8_t {
    kHandsSweep = 0,
    kHandsStep = 1,
    kHandsStopped = 2,
};

struct ClockConfig {
    uint8_t valid = 0;
    uint8_t configured = 0;
    uint8_t handMotion = 0;
    uint8_t biasPositive = 0;
    uint8_t reserved05 = 0;
    uint32_t biasSeconds = 0;
    uint16_t biasExtra = 0;
    uint8_t dstUseUtc = 0;
    uint8_t dstUseLocal = 0;
    uint8_t dstMode = 0;
    uint8_t dstStartWeek = 0;
    uint8_t dstEndWeek = 0;
    uint8_t dstStartValid = 0;
    uint8_t dstStartDayOfWeek = 0;
    uint8_t dstStartDay = 0;
    uint8_t dstStartMonth = 0;
    uint16_t dstStartYear = 0;
    uint8_t dstStartHour = 0;
    uint8_t dstStartMinute = 0;
    uint8_t dstStartSecond = 0;
    uint8_t dstStartReserved = 0;
    uint8_t dstEndValid = 0;
    uint8_t dstEndDayOfWeek = 0;
    uint8_t dstEndDay = 0;
    uint8_t dstEndMonth = 0;
    uint16_t dstEndYear = 0;
    uint8_t dstEndHour = 0;
    uint8_t dstEndMinute = 0;
    uint8_t dstEndSecond = 0;
    uint8_t dstEndReserved = 0;
    uint8_t dstBiasPositive = 0;
    uint8_t dstReserved31 = 0;
    uint32_t dstBiasSeconds = 0;
    uint16_t dstBiasExtra = 0;
    uint8_t tcFlagA = 0;
    uint8_t tcFlagB = 0;
    std::array<uint8_t, kTcOptionCount> tcOptions{};
    uint8_t illumination = 0;

    uint8_t& useTimeCodeDate() { return tcOptions[kTcOptionUseDate]; }
    uint8_t& useTimeCodeDateAlt() { return tcOptions[kTcOptionUseDateAlt]; }
    uint8_t useTimeCodeDate() const { return tcOptions[kTcOptionUseDate]; }
    uint8_t useTimeCodeDateAlt() const { return tcOptions[kTcOptionUseDateAlt]; }

    friend bool operator==(const ClockConfig&, const ClockConfig&) = default;
};

// Display modes the program sends.
enum : uint8_t {
    kDisplaySetFace = 1,
    kDisplayNudgeSeconds = 6,
    kDisplayModeMax = 6,
};

// A command to the clock's hands.
struct DisplayConfig {
    uint8_t mode = 0;
    uint8_t flag1 = 0;
    uint8_t param2 = 0;
    uint8_t flag3 = 0;
    uint8_t flag4 = 0;
    uint8_t param5 = 0;
    uint32_t value = 0;
    uint16_t param12 = 0;

    friend bool operator==(const DisplayConfig&, const DisplayConfig&) = default;
};

// Time code kinds reported in TimeCodeStatus::type.
enum : uint8_t {
    kTimeCodeNone = 0,
    kTimeCodeSmpte = 1,
    kTimeCodeIrigBPwm = 16,
    kTimeCodeIrigBAm = 32,
};

struct TimeCodeStatus {
    uint8_t statusFlagA = 0;
    uint8_t statusFlagB = 0;
    uint8_t type = 0;
    uint8_t status3 = 0;
    uint8_t status4 = 0;
    uint32_t status8 = 0;
    std::array<uint8_t, 17> statusBytes{};
    uint8_t status29 = 0;
    uint8_t smpteFrameMax = 0;
    uint8_t status31 = 0;
    std::array<uint8_t, 10> statusTail{};

    friend bool operator==(const TimeCodeStatus&, const TimeCodeStatus&) = default;
};

struct FirmwareVersion {
    uint8_t major = 0;
    uint8_t minor = 0;
    uint8_t build = 0;

    friend bool operator==(const FirmwareVersion&, const FirmwareVersion&) = default;
};

struct DisplayHardwareConfig {
    std::array<uint8_t, 6> values{};

    friend bool operator==(const DisplayHardwareConfig&, const DisplayHardwareConfig&) = default;
};

struct AuxStatus {
    uint8_t value0 = 0;
    uint8_t value1 = 0;
    uint8_t flag = 0;
    uint32_t counter0 = 0;
    uint32_t counter1 = 0;
    uint32_t counter2 = 0;

    friend bool operator==(const AuxStatus&, const AuxStatus&) = default;
};

// A row of the product table.
struct ProductInfo {
    const char* model;
    uint16_t familyId;
    uint16_t code2;
    uint32_t brand;
    const char* company;
};

enum : uint32_t {
    kBrandMaker = 1,
    kBrandPartner = 3,
};

inline constexpr int kProductCount = 2;
extern const ProductInfo g_products[kProductCount];

inline constexpr uint8_t kNoProduct = 0xFF;

// Row of g_products matching the connected clock (kNoProduct while none has
// matched) and the protocol version derived from its firmware (1 or 2). Only
// the identification read writes them; the user interface reads them.
extern std::atomic<uint8_t> g_productIndex;
extern std::atomic<uint8_t> g_protocolVersion;

// Product row for a family ID, or -1 when no row matches.
int FindProduct(uint16_t familyId);

// Protocol version (1 or 2) that a firmware version speaks: version 2 carries
// the illumination level in the configuration exchange.
uint8_t ProtocolVersionFor(const FirmwareVersion& version);

// The daylight-saving defaults: every daylight-saving field except dstMode.
void ResetDstDefaults(ClockConfig& config);

// True when the daylight-saving part fails the validity tests. With
// checkMode, a dstMode other than 0, 8 or 16 fails too.
bool IsDstInvalid(const ClockConfig& config, bool checkMode);

// Overwrites the daylight-saving fields that the mode leaves open. Returns
// false for an unknown mode (nothing changed).
bool ApplyDstModeStep(ClockConfig& config);

// Writes the fixed time code option values.
void ApplyFixedOptions(ClockConfig& config);

// valid := 1, the mode step and the fixed options.
void NormaliseConfig(ClockConfig& config);

// The changes every write makes to the values it keeps: hand motion above 2
// becomes sweep, reserved05 0, the mode step, the fixed options, the date
// flags at most 1, valid 1. What a clock holds after a write of a
// configuration whose daylight-saving part passes the checks.
void NormaliseForWrite(ClockConfig& config);

// Checks and normalises a configuration about to be written to the clock:
// NormaliseForWrite, and before it a daylight-saving part that fails the
// checks (or an unknown mode) is reset to the defaults. Afterwards valid is 1.
void PrepareConfigForWrite(ClockConfig& config);

// The standard-time bias, signed seconds east of UTC, stored as the time
// zone command stores it: sign flag and magnitude, reserved05 and biasExtra
// cleared.
void StoreStandardBias(ClockConfig& config, int32_t bias);

// Checks a configuration as read from the clock and mends what is out of
// range in place. Returns true when the clock must be rewritten. A record
// that passes is left exactly as it came.
bool ValidateConfigShadow(ClockConfig& shadow);

// The largest time zone bias and daylight-saving shift a clock may hold:
// a day. Anything beyond is a damaged or foreign record, not a zone.
inline constexpr uint32_t kMaxBiasSeconds = 24 * 3600;

// One field of a configuration as read that is out of range: its record
// name, the value it holds and the values allowed, in words. `mended` says
// whether the correction (ValidateConfigShadow) puts it right; a bias past
// a day or a record marked not valid is only reported.
struct ConfigProblem {
    std::string_view field;
    uint32_t value = 0;
    std::string_view allowed;
    bool mended = true;

    friend bool operator==(const ConfigProblem&, const ConfigProblem&) = default;
};

// Every field of `config` out of range, in wire order; empty for a record
// that passes every check. Nothing is changed.
std::vector<ConfigProblem> FindConfigProblems(const ClockConfig& config);

// "dstStartWeek is 6 (allowed: 0 to 5)", the problems joined by "; ".
std::string DescribeConfigProblems(const std::vector<ConfigProblem>& problems);
