#include "ClockCodec.h"

#include "Frame.h"

#include <cstdio>

namespace {

struct CommandInfo {
    uint8_t code;
    const char* name;
    size_t length;  // reply length of a read; 0 for writes and the hello
    int waitTicks;
};

constexpr CommandInfo kCommands[] = {
    {kCmdHello, "hello", 0, 10},
    {kCmdRecover, "recover", 0, 10},
    {kCmdFamilyId, "family ID", kLenFamilyId, 11},
    {kCmdCpuType, "CPU type", kLenCpuType, 11},
    {kCmdFirmware, "firmware version", kLenFirmware, 11},
    {kCmdSerialNumber, "serial number", kLenSerialNumber, 11},
    {kCmdCurrentTime, "current time", kLenCurrentTime, 11},
    {kCmdReadConfig, "read configuration", kLenConfigV1, 40},
    {kCmdDisplayHardware, "display hardware configuration", kLenDisplayHardware, 20},
    {kCmdReadDisplay, "read display configuration", kLenDisplayConfig, 20},
    {kCmdAuxStatus, "auxiliary status", kLenAuxStatus, 20},
    {kCmdTimeCodeStatus, "time code status", kLenTimeCodeStatus, 20},
    {kCmdAuxCounter, "auxiliary counter", kLenAuxCounter, 11},
    {kCmdSetTime, "set time", 0, 10},
    {kCmdWriteConfig, "write configuration", 0, 10},
    {kCmdWriteDisplay, "write display configuration", 0, 10},
};

const CommandInfo* Find(uint8_t code)
{
    for (const CommandInfo& c : kCommands) {
        if (c.code == code)
            return &c;
    }
    return nullptr;
}

template <class Visit> std::string Encode(Visit visit)
{
    CHexWriter w;
    visit(w);
    return w.Text();
}

template <class Visit> bool Decode(std::string_view text, size_t length, Visit visit)
{
    if (text.size() != length)
        return false;
    CHexReader r(text);
    visit(r);
    return true;
}

// "%02X": at least two digits, no more than the value needs.
void AppendShortHex(std::string& out, uint32_t value)
{
    char buffer[12];
    std::snprintf(buffer, sizeof buffer, "%02X", value);
    out += buffer;
}

}  // namespace

int ReadWaitTicks(uint8_t code)
{
    const CommandInfo* c = Find(code);
    return c && c->length > 0 ? c->waitTicks : 0;
}

size_t ReplyLength(uint8_t code, uint8_t protocolVersion)
{
    if (code == kCmdReadConfig)
        return ConfigLength(protocolVersion);
    const CommandInfo* c = Find(code);
    return c ? c->length : 0;
}

const char* CommandName(uint8_t code)
{
    const CommandInfo* c = Find(code);
    return c ? c->name : "unknown";
}

void CHexWriter::Put(uint32_t value, int digits)
{
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        text_ += HexDigit(value >> shift);
}

uint32_t CHexReader::Take(size_t digits)
{
    const std::string_view piece = position_ < text_.size() ? text_.substr(position_, digits) : std::string_view();
    position_ += digits;
    return ParseHex(piece);
}

std::string EncodeConfig(const ClockConfig& config, uint8_t protocolVersion)
{
    return Encode([&](CHexWriter& w) { VisitConfig(w, config, protocolVersion); });
}

std::string EncodeDisplayConfig(const DisplayConfig& display)
{
    return Encode([&](CHexWriter& w) { VisitDisplayConfig(w, display); });
}

std::string EncodeClockTime(const ClockTime& time)
{
    return Encode([&](CHexWriter& w) { VisitClockTime(w, time); });
}

std::string EncodeSetTime(const ClockTime& time)
{
    std::string text = time.set ? "01" : "00";
    AppendShortHex(text, time.secondsHigh);
    AppendShortHex(text, time.seconds);
    AppendShortHex(text, time.fraction);
    return text;
}

std::string EncodeTimeCodeStatus(const TimeCodeStatus& status)
{
    return Encode([&](CHexWriter& w) { VisitTimeCodeStatus(w, status); });
}

std::string EncodeAuxStatus(const AuxStatus& status)
{
    return Encode([&](CHexWriter& w) { VisitAuxStatus(w, status); });
}

std::string EncodeFirmware(const FirmwareVersion& version)
{
    return Encode([&](CHexWriter& w) { VisitFirmware(w, version); });
}

std::string EncodeDisplayHardware(const DisplayHardwareConfig& hardware)
{
    return Encode([&](CHexWriter& w) { VisitDisplayHardware(w, hardware); });
}

std::string EncodeU16(uint16_t value)
{
    return Encode([&](CHexWriter& w) { w.U16(value); });
}

std::string EncodeU32(uint32_t value)
{
    return Encode([&](CHexWriter& w) { w.U32(value); });
}

bool DecodeConfig(std::string_view text, uint8_t protocolVersion, ClockConfig& config)
{
    return Decode(text, ConfigLength(protocolVersion), [&](CHexReader& r) { VisitConfig(r, config, protocolVersion); });
}

bool DecodeDisplayConfig(std::string_view text, DisplayConfig& display)
{
    return Decode(text, kLenDisplayConfig, [&](CHexReader& r) { VisitDisplayConfig(r, display); });
}

bool DecodeCurrentTime(std::string_view text, ClockTime& utc, ClockTime& local)
{
    return Decode(text, kLenCurrentTime, [&](CHexReader& r) {
        VisitClockTime(r, utc);
        VisitClockTime(r, local);
    });
}

bool DecodeTimeCodeStatus(std::string_view text, TimeCodeStatus& status)
{
    return Decode(text, kLenTimeCodeStatus, [&](CHexReader& r) { VisitTimeCodeStatus(r, status); });
}

bool DecodeAuxStatus(std::string_view text, AuxStatus& status)
{
    return Decode(text, kLenAuxStatus, [&](CHexReader& r) { VisitAuxStatus(r, status); });
}

bool DecodeFirmware(std::string_view text, FirmwareVersion& version)
{
    return Decode(text, kLenFirmware, [&](CHexReader& r) { VisitFirmware(r, version); });
}

bool DecodeDisplayHardware(std::string_view text, DisplayHardwareConfig& hardware)
{
    return Decode(text, kLenDisplayHardware, [&](CHexReader& r) { VisitDisplayHardware(r, hardware); });
}

bool DecodeU16(std::string_view text, uint16_t& value)
{
    return Decode(text, 4, [&](CHexReader& r) { r.U16(value); });
}

bool DecodeU32(std::string_view text, uint32_t& value)
{
    return Decode(text, 8, [&](CHexReader& r) { r.U32(value); });
}

bool DecodeSetTime(std::string_view text, ClockTime& time)
{
    if (text.size() < 8)
        return false;
    time.set = ParseHex(text.substr(0, 2)) != 0 ? 1 : 0;
    time.secondsHigh = static_cast<uint8_t>(ParseHex(text.substr(2, 2)));
    time.seconds = ParseHex(text.substr(4, text.size() - 6));
    time.fraction = static_cast<uint16_t>(ParseHex(text.substr(text.size() - 2)));
    return true;
}
