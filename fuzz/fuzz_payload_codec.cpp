// Every payload decoder fed any text, followed by what the program does
// with the result. Checked for every decoder:
// - a text of the wrong length is refused and the record left untouched;
// - flags come out 0 or 1; a field whose characters are all hex digits
//   holds their value (strtoul as the reference);
// - the encoder writes fixed-width uppercase hex of the reply's length,
//   decode(encode(x)) == x, and a text already in that form comes back
//   unchanged;
// and for each record its use:
// - configuration: the check after a read (ValidateConfigShadow) mends
//   what is out of range and leaves a passing record exactly as it came;
//   the correction it queues, and every record made ready by the write
//   check (PrepareConfigForWrite), pass that check unchanged; both checks
//   are stable when repeated; a written record read back needs no
//   correction;
// - times: the calendar form is the exact Gregorian date, converts back as
//   the firmware counts (exact 2001 to 2099 and in 1900, one day high in
//   1901 to 2000, one or two in 2100), and the status text shows it;
// - identity and time code status: the status texts show the values.
//
// Input: one byte choosing the decoder, then the payload text.
#include "FuzzSupport.h"

#include "ClockCodec.h"
#include "ClockDateTime.h"
#include "ClockRecords.h"
#include "StatusText.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace std::chrono;

// ---- Generic checks over a record's field list ------------------------------

struct Field {
    size_t width;
    bool flag;
    uint32_t value;
};

// Lists a record's fields in wire order with their values.
class FieldList {
public:
    void Flag(const uint8_t& v, const char* = nullptr) { fields.push_back({2, true, v}); }
    void U8(const uint8_t& v, const char* = nullptr) { fields.push_back({2, false, v}); }
    void U16(const uint16_t& v, const char* = nullptr) { fields.push_back({4, false, v}); }
    void U32(const uint32_t& v, const char* = nullptr) { fields.push_back({8, false, v}); }
    template <size_t N> void U8s(const std::array<uint8_t, N>& values, const char* = nullptr)
    {
        for (const uint8_t& v : values)
            U8(v);
    }
    std::vector<Field> fields;
};

bool IsUpperHex(std::string_view text)
{
    return text.find_first_not_of("0123456789ABCDEF") == std::string_view::npos;
}

bool IsAnyHex(std::string_view text)
{
    return text.find_first_not_of("0123456789ABCDEFabcdef") == std::string_view::npos;
}

// How a record is cut, filled and written.
template <class R> struct Codec {
    const char* name;
    size_t length;
    bool (*decode)(std::string_view, R&);
    std::string (*encode)(const R&);
    void (*list)(FieldList&, const R&);
};

template <class R> std::vector<Field> FieldsOf(const Codec<R>& codec, const R& record)
{
    FieldList list;
    codec.list(list, record);
    return list.fields;
}

// A record with every field set from a run of one digit, so that a decoder
// that wrongly touches it shows.
template <class R> R Filled(const Codec<R>& codec, char digit)
{
    R record{};
    codec.decode(std::string(codec.length, digit), record);
    return record;
}

// The checks every decoder passes; the decoded record, or none when the
// text was refused.
template <class R> std::optional<R> CheckCodec(const Codec<R>& codec, std::string_view text)
{
    const std::string name = codec.name;
    const R untouched = Filled(codec, '5');
    R record = untouched;
    const bool decoded = codec.decode(text, record);
    if (text.size() != codec.length) {
        FUZZ_CHECK(!decoded, name + ": a text of " + std::to_string(text.size()) + " characters was taken");
        FUZZ_CHECK(record == untouched, name + ": a refused text changed the record");
        return std::nullopt;
    }
    FUZZ_CHECK(decoded, name + ": a text of the right length was refused");

    // Field by field against the text.
    const std::vector<Field> fields = FieldsOf(codec, record);
    size_t at = 0;
    bool canonical = IsUpperHex(text);
    for (const Field& f : fields) {
        const std::string piece(text.substr(at, f.width));
        if (f.flag) {
            FUZZ_CHECK(f.value <= 1, name + ": flag at " + std::to_string(at) + " holds " + std::to_string(f.value));
            canonical = canonical && (piece == "00" || piece == "01");
        }
        if (IsAnyHex(piece)) {
            const auto expected = static_cast<uint32_t>(std::strtoul(piece.c_str(), nullptr, 16));
            FUZZ_CHECK(f.value == (f.flag ? (expected != 0 ? 1u : 0u) : expected),
                       name + ": field at " + std::to_string(at) + " \"" + piece + "\" holds " +
                           std::to_string(f.value));
        }
        at += f.width;
    }
    FUZZ_CHECK(at == codec.length, name + ": fields cover " + std::to_string(at) + " characters");

    // The way back.
    const std::string encoded = codec.encode(record);
    FUZZ_CHECK(encoded.size() == codec.length && IsUpperHex(encoded), name + ": encoded as \"" + encoded + "\"");
    if (canonical)
        FUZZ_CHECK(encoded == text, name + ": \"" + std::string(text) + "\" re-encoded as \"" + encoded + "\"");
    R again = Filled(codec, 'A');
    FUZZ_CHECK(codec.decode(encoded, again) && again == record, name + ": \"" + encoded + "\" decodes differently");
    return record;
}

// ---- The records' codecs ------------------------------------------------------

struct TwoTimes {
    ClockTime utc;
    ClockTime local;
    friend bool operator==(const TwoTimes&, const TwoTimes&) = default;
};

struct U16Value {
    uint16_t value = 0;
    friend bool operator==(const U16Value&, const U16Value&) = default;
};

struct U32Value {
    uint32_t value = 0;
    friend bool operator==(const U32Value&, const U32Value&) = default;
};

const Codec<U16Value> kU16{"U16", 4, [](std::string_view t, U16Value& r) { return DecodeU16(t, r.value); },
                           [](const U16Value& r) { return EncodeU16(r.value); },
                           [](FieldList& l, const U16Value& r) { l.U16(r.value); }};

const Codec<U32Value> kU32{"U32", 8, [](std::string_view t, U32Value& r) { return DecodeU32(t, r.value); },
                           [](const U32Value& r) { return EncodeU32(r.value); },
                           [](FieldList& l, const U32Value& r) { l.U32(r.value); }};

const Codec<FirmwareVersion> kFirmware{"firmware", kLenFirmware, DecodeFirmware, EncodeFirmware,
                                       [](FieldList& l, const FirmwareVersion& r) { VisitFirmware(l, r); }};

const Codec<TwoTimes> kCurrentTime{"current time", kLenCurrentTime,
                                   [](std::string_view t, TwoTimes& r) { return DecodeCurrentTime(t, r.utc, r.local); },
                                   [](const TwoTimes& r) { return EncodeClockTime(r.utc) + EncodeClockTime(r.local); },
                                   [](FieldList& l, const TwoTimes& r) {
                                       VisitClockTime(l, r.utc);
                                       VisitClockTime(l, r.local);
                                   }};

template <uint8_t Version>
const Codec<ClockConfig> kConfig{Version == 1 ? "configuration v1" : "configuration v2", ConfigLength(Version),
                                 [](std::string_view t, ClockConfig& r) { return DecodeConfig(t, Version, r); },
                                 [](const ClockConfig& r) { return EncodeConfig(r, Version); },
                                 [](FieldList& l, const ClockConfig& r) { VisitConfig(l, r, Version); }};

const Codec<DisplayHardwareConfig> kDisplayHardware{
    "display hardware", kLenDisplayHardware, DecodeDisplayHardware, EncodeDisplayHardware,
    [](FieldList& l, const DisplayHardwareConfig& r) { VisitDisplayHardware(l, r); }};

const Codec<DisplayConfig> kDisplay{"display configuration", kLenDisplayConfig, DecodeDisplayConfig,
                                    EncodeDisplayConfig,
                                    [](FieldList& l, const DisplayConfig& r) { VisitDisplayConfig(l, r); }};

const Codec<AuxStatus> kAuxStatus{"auxiliary status", kLenAuxStatus, DecodeAuxStatus, EncodeAuxStatus,
                                  [](FieldList& l, const AuxStatus& r) { VisitAuxStatus(l, r); }};

const Codec<TimeCodeStatus> kTimeCodeStatus{"time code status", kLenTimeCodeStatus, DecodeTimeCodeStatus,
                                            EncodeTimeCodeStatus,
                                            [](FieldList& l, const TimeCodeStatus& r) { VisitTimeCodeStatus(l, r); }};

// ---- What the program does with the records -----------------------------------

void CheckProduct(uint16_t familyId)
{
    const int row = FindProduct(familyId);
    FUZZ_CHECK(row >= -1 && row < kProductCount, "product row " + std::to_string(row));
    if (row < 0) {
        for (const ProductInfo& p : g_products)
            FUZZ_CHECK(p.familyId != familyId, "family " + std::to_string(familyId) + " found no row");
        return;
    }
    FUZZ_CHECK(g_products[row].familyId == familyId, "row of another family");
    const auto index = static_cast<uint8_t>(row);
    FUZZ_CHECK(ProductBrand(index) == g_products[row].brand, "brand of the row");
    FUZZ_CHECK(ProductTitle(index) != kDefaultTitle, "a known product keeps the default title");
}

void CheckFirmware(const FirmwareVersion& v)
{
    const uint8_t protocol = ProtocolVersionFor(v);
    const bool newer = v.major > 1 || (v.major == 1 && v.minor >= 3);
    FUZZ_CHECK(protocol == (newer ? 2 : 1),
               "protocol " + std::to_string(protocol) + " for firmware " + std::to_string(v.major) + "." +
                   std::to_string(v.minor));
    const std::string text = FirmwareText(v);
    int major = -1, minor = -1, build = -1;
    FUZZ_CHECK(std::sscanf(text.c_str(), "Firmware Version:  %d.%d.%d", &major, &minor, &build) == 3 &&
                   major == v.major && minor == v.minor && build == v.build,
               "firmware text \"" + text + "\"");
}

void CheckSerial(uint32_t serial)
{
    const std::string text = SerialText(serial);
    const std::string_view prefix = "Serial Number:  ";
    FUZZ_CHECK(text.rfind(prefix, 0) == 0, "serial text \"" + text + "\"");
    const std::string number = text.substr(prefix.size());
    if (serial >= 100000000u) {
        FUZZ_CHECK(number.size() == 10 && number.rfind("0x", 0) == 0 && IsUpperHex(number.substr(2)) &&
                       std::strtoul(number.c_str() + 2, nullptr, 16) == serial,
                   "serial text \"" + text + "\"");
    } else {
        FUZZ_CHECK(number.size() == 8 && number.find_first_not_of("0123456789") == std::string::npos &&
                       std::strtoul(number.c_str(), nullptr, 10) == serial,
                   "serial text \"" + text + "\"");
    }
}

void CheckTimeCode(const TimeCodeStatus& status)
{
    const std::string text = TimeCodeText(status);
    switch (status.type) {
    case kTimeCodeNone: FUZZ_CHECK(text == "No time code", text); break;
    case kTimeCodeSmpte: FUZZ_CHECK(text == "SMPTE " + std::to_string(status.smpteFrameMax + 1) + " fps", text); break;
    case kTimeCodeIrigBPwm: FUZZ_CHECK(text == "IRIG-B : pulse width modulated", text); break;
    case kTimeCodeIrigBAm: FUZZ_CHECK(text == "IRIG-B(1) : amplitude modulated", text); break;
    default: FUZZ_CHECK(text == "Unknown time code", text); break;
    }
}

constexpr sys_days kClockEpoch = sys_days{year{1900} / January / 1};
constexpr sys_days kLastCalendarDay = sys_days{year{32767} / December / 31};

std::string DateText(const ClockDateTime& c)
{
    return std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day) + " " +
        std::to_string(c.hour) + ":" + std::to_string(c.minute) + ":" + std::to_string(c.second) + " valid " +
        std::to_string(c.valid);
}

void CheckTime(const ClockTime& t)
{
    const uint64_t total = uint64_t{t.secondsHigh} << 32 | t.seconds;
    const ClockDateTime c = TimeValueToCalendar(t);
    const std::string label = "time " + std::to_string(total) + " as " + DateText(c);
    FUZZ_CHECK(c.hundredths == 0, label);
    FUZZ_CHECK(c.hour == total % 86400 / 3600 && c.minute == total % 3600 / 60 && c.second == total % 60, label);

    const sys_days day = kClockEpoch + days{static_cast<int64_t>(total / 86400)};
    if (day > kLastCalendarDay) {
        FUZZ_CHECK(c.valid == 0 && c.year == 0 && c.month == 0 && c.day == 0, label);
    } else {
        const year_month_day ymd{day};
        FUZZ_CHECK(c.valid == t.set && c.year == static_cast<int>(ymd.year()) &&
                       c.month == static_cast<unsigned>(ymd.month()) && c.day == static_cast<unsigned>(ymd.day()),
                   label);

        // Back to a time value, the way the firmware counts.
        int64_t offsetDays = -1;
        if ((c.year >= 2001 && c.year <= 2099) || c.year == 1900)
            offsetDays = 0;
        else if (c.year >= 1901 && c.year <= 2000)
            offsetDays = 1;
        else if (c.year == 2100)
            offsetDays = c.month <= 2 ? 1 : 2;
        if (offsetDays >= 0) {
            const ClockTime back = CalendarToTimeValue(c);
            const uint64_t backTotal = uint64_t{back.secondsHigh} << 32 | back.seconds;
            FUZZ_CHECK(back.set == c.valid && back.fraction == 0 &&
                           backTotal == total + static_cast<uint64_t>(offsetDays) * 86400,
                       label + " converts back to " + std::to_string(backTotal));
        }
    }

    // The status text shows the record.
    const std::string text = FormatClockTime(t);
    int month = -1, dayOfMonth = -1, y = -1, hour = -1, minute = -1, second = -1;
    char tail = 0;
    FUZZ_CHECK(std::sscanf(text.c_str(), "%2d-%2d-%d  %2d:%2d:%2d%c", &month, &dayOfMonth, &y, &hour, &minute, &second,
                           &tail) == 6 &&
                   month == c.month && dayOfMonth == c.day && y == c.year && hour == c.hour && minute == c.minute &&
                   second == c.second && text.size() >= 20 && text.size() <= 21,
               "time text \"" + text + "\" for " + label);
}

// The fixed values the write check puts into every record it sends.
void CheckWritable(const ClockConfig& c, const std::string& label)
{
    FUZZ_CHECK(c.valid == 1 && c.handMotion <= kHandsStopped && c.reserved05 == 0, label);
    FUZZ_CHECK(!IsDstInvalid(c, false), label + ": daylight-saving part invalid");
    FUZZ_CHECK(c.tcFlagA == 1 && c.tcFlagB == 1 && c.tcOptions[0] == 0 && c.tcOptions[2] == 1 && c.tcOptions[3] == 0 &&
                   c.tcOptions[4] == 0 && c.tcOptions[6] == 0 && c.tcOptions[7] == 0,
               label + ": fixed options");
    FUZZ_CHECK(c.useTimeCodeDate() <= 1 && c.useTimeCodeDateAlt() <= 1, label + ": date flags");
    ClockConfig again = c;
    PrepareConfigForWrite(again);
    FUZZ_CHECK(again == c, label + ": changes when checked again");

    // The clock holds it and the next read finds nothing to correct, unless
    // the mode is one no check can mend.
    if (c.dstMode == kDstDisabled || c.dstMode == kDstByWeekday || c.dstMode == kDstByDate) {
        ClockConfig readBack = c;
        FUZZ_CHECK(!ValidateConfigShadow(readBack) && readBack == c, label + ": read back, it needs correcting");
    }
}

void CheckConfig(const ClockConfig& received, uint8_t version)
{
    // After the configuration read.
    ClockConfig shadow = received;
    const bool rewrite = ValidateConfigShadow(shadow);
    if (!rewrite)
        FUZZ_CHECK(shadow == received, "a record that passed was changed");
    FUZZ_CHECK(shadow.handMotion <= kHandsStopped && shadow.reserved05 == 0 && !IsDstInvalid(shadow, false) &&
                   shadow.useTimeCodeDate() <= 1 && shadow.useTimeCodeDateAlt() <= 1,
               "the checked shadow is still out of range");
    ClockConfig twice = shadow;
    const bool rewriteAgain = ValidateConfigShadow(twice);
    FUZZ_CHECK(twice == shadow, "the shadow changes when checked again");
    FUZZ_CHECK(!rewriteAgain || IsDstInvalid(shadow, true), "a mended shadow asks for another correction");
    if (rewrite) {
        ClockConfig correction = shadow;
        NormaliseConfig(correction);
        CheckWritable(correction, "correction");
    }

    // The user interface copies the record and gives it back whole.
    ClockConfig written = received;
    PrepareConfigForWrite(written);
    CheckWritable(written, "written record");
    const std::string text = EncodeConfig(written, version);
    ClockConfig sent = Filled(version == 1 ? kConfig<1> : kConfig<2>, '3');
    FUZZ_CHECK(DecodeConfig(text, version, sent), "the written record's text does not decode");
    if (version == 1)
        sent.illumination = written.illumination;  // not on the wire
    FUZZ_CHECK(sent == written, "the written record comes back differently: " + text);
}

void CheckSetTime(std::string_view text)
{
    ClockTime t;
    t.seconds = 0x5A5A5A5A;
    const ClockTime untouched = t;
    if (!DecodeSetTime(text, t)) {
        FUZZ_CHECK(text.size() < 8 && t == untouched, "set time text refused or record touched");
        return;
    }
    FUZZ_CHECK(text.size() >= 8 && t.set <= 1, "set time decoded from " + std::string(text));
    // The program's own form: "01" or "00", then each number as "%02X".
    const std::string encoded = EncodeSetTime(t);
    if (t.fraction <= 0xFF) {
        ClockTime back;
        FUZZ_CHECK(DecodeSetTime(encoded, back) && back == t, "set time \"" + encoded + "\" decodes differently");
    }
    // Eight digits of seconds without a leading zero, so "%02X" writes them
    // all again.
    const bool programForm = text.size() == 14 && IsUpperHex(text) &&
        (text.substr(0, 2) == "00" || text.substr(0, 2) == "01") && text[4] != '0';
    if (programForm)
        FUZZ_CHECK(encoded == text, "set time \"" + std::string(text) + "\" re-encoded as \"" + encoded + "\"");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzReader in(data, size);
    const uint8_t which = in.U8();
    const std::string_view text = in.Rest();
    switch (which % 13) {
    case 0:
        if (const auto r = CheckCodec(kU16, text))
            CheckProduct(r->value);
        break;
    case 1: CheckCodec(kU16, text); break;  // CPU type: kept, never shown
    case 2:
        if (const auto r = CheckCodec(kFirmware, text))
            CheckFirmware(*r);
        break;
    case 3:
        if (const auto r = CheckCodec(kU32, text))
            CheckSerial(r->value);
        break;
    case 4: CheckCodec(kU32, text); break;  // auxiliary counter
    case 5:
        if (const auto r = CheckCodec(kCurrentTime, text)) {
            CheckTime(r->utc);
            CheckTime(r->local);
        }
        break;
    case 6:
        if (const auto r = CheckCodec(kConfig<1>, text))
            CheckConfig(*r, 1);
        break;
    case 7:
        if (const auto r = CheckCodec(kConfig<2>, text))
            CheckConfig(*r, 2);
        break;
    case 8: CheckCodec(kDisplayHardware, text); break;
    case 9: CheckCodec(kDisplay, text); break;
    case 10: CheckCodec(kAuxStatus, text); break;
    case 11:
        if (const auto r = CheckCodec(kTimeCodeStatus, text))
            CheckTimeCode(*r);
        break;
    case 12: CheckSetTime(text); break;
    }
    return 0;
}
