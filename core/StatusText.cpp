#include "StatusText.h"

#include <cstdio>

namespace {

// Every status text fits a buffer of this size.
constexpr size_t kTextSize = 128;

}  // namespace

std::string FormatDateTime(const ClockDateTime& c)
{
    char text[kTextSize];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d  %02d:%02d:%02d", c.month, c.day, c.year, c.hour, c.minute,
                  c.second);
    return text;
}

std::string FormatClockTime(const ClockTime& time)
{
    return FormatDateTime(TimeValueToCalendar(time));
}

std::string FormatIsoDateTime(const ClockDateTime& c)
{
    char text[kTextSize];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day, c.hour, c.minute,
                  c.second);
    return text;
}

std::string FormatIsoClockTime(const ClockTime& time)
{
    return FormatIsoDateTime(TimeValueToCalendar(time));
}

std::string TimeCodeText(const TimeCodeStatus& status)
{
    switch (status.type) {
    case kTimeCodeNone: return KEROVANT_TRANSLATE_NOOP("Kerovant", "No time code");
    case kTimeCodeSmpte: {
        char text[kTextSize];
        std::snprintf(text, sizeof text, "SMPTE %d fps", status.smpteFrameMax + 1);
        return text;
    }
    case kTimeCodeIrigBPwm: return KEROVANT_TRANSLATE_NOOP("Kerovant", "IRIG-B : pulse width modulated");
    case kTimeCodeIrigBAm: return KEROVANT_TRANSLATE_NOOP("Kerovant", "IRIG-B(1) : amplitude modulated");
    default: return KEROVANT_TRANSLATE_NOOP("Kerovant", "Unknown time code");
    }
}

std::string FirmwareNumber(const FirmwareVersion& v)
{
    char text[kTextSize];
    std::snprintf(text, sizeof text, "%d.%d.%d", v.major, v.minor, v.build);
    return text;
}

Sentence FirmwareSentence(const FirmwareVersion* v)
{
    return Sentence(kFirmwareLine, {v ? Sentence::Verbatim(FirmwareNumber(*v)) : Sentence(kNotAvailable)});
}

std::string FirmwareText(const FirmwareVersion& v)
{
    return FirmwareSentence(&v).English();
}

std::string SerialNumber(uint32_t n)
{
    char text[kTextSize];
    if (n >= 100000000u)
        std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(n));
    else
        std::snprintf(text, sizeof text, "%08ld", static_cast<long>(n));
    return text;
}

Sentence SerialSentence(const uint32_t* n)
{
    return Sentence(kSerialLine, {n ? Sentence::Verbatim(SerialNumber(*n)) : Sentence(kNotAvailable)});
}

std::string SerialText(uint32_t n)
{
    return SerialSentence(&n).English();
}

uint32_t ProductBrand(uint8_t productIndex)
{
    return productIndex < kProductCount ? g_products[productIndex].brand : 0;
}

std::string ProductTitle(uint8_t productIndex)
{
    switch (ProductBrand(productIndex)) {
    case kBrandMaker: return "TORVEX - Set";
    case kBrandPartner: return "QVR-Set";
    default: return kDefaultTitle;
    }
}

std::string LinkFailureText(LinkFailure failure)
{
    switch (failure) {
    case LinkFailure::None:
    case LinkFailure::NoAnswer: break;
    case LinkFailure::Damaged: return "sends damaged replies (bad checksum)";
    case LinkFailure::WrongLength: return "sends replies of the wrong length";
    case LinkFailure::WrongReply: return "answers with the reply to another command";
    case LinkFailure::Unreadable: return "sends replies that cannot be read";
    case LinkFailure::Ack: return "answers ACK where a reply belongs";
    case LinkFailure::Nak: return "answers NAK: it did not take the command";
    }
    return {};
}

namespace {

// The sentence for what the clock did instead of answering: alone, and
// followed by the identification read's failure.
struct FailureSentences {
    LinkFailure failure;
    const char* alone;
    const char* withRead;
};

constexpr FailureSentences kFailureSentences[] = {
    {LinkFailure::Damaged, KEROVANT_TRANSLATE_NOOP("Kerovant", "The clock on %1 sends damaged replies (bad checksum)."),
     KEROVANT_TRANSLATE_NOOP("Kerovant", "The clock on %1 sends damaged replies (bad checksum): %2")},
    {LinkFailure::WrongLength,
     KEROVANT_TRANSLATE_NOOP("Kerovant", "The clock on %1 sends replies of the wrong length."),
     KEROVANT_TRANSLATE_NOOP("Kerovant", "The clock on %1 sends replies of the wrong length: %2")},
    {LinkFailure::WrongReply,
     KEROVANT_TRANSLATE_NOOP("Kerovant", "The clock on %1 answers with the reply to another command."),
     KEROVANT_TRANSLATE_NOOP("Kerovant", "The clock on %1 answers with the reply to another command: %2")},
    {LinkFailure::Unreadable, KEROVANT_TRANSLATE_NOOP("Kerovant", "The clock on %1 sends replies that cannot be read."),
     KEROVANT_TRANSLATE_NOOP("Kerovant", "The clock on %1 sends replies that cannot be read: %2")},
    {LinkFailure::Ack, KEROVANT_TRANSLATE_NOOP("Kerovant", "The clock on %1 answers ACK where a reply belongs."),
     KEROVANT_TRANSLATE_NOOP("Kerovant", "The clock on %1 answers ACK where a reply belongs: %2")},
    {LinkFailure::Nak, KEROVANT_TRANSLATE_NOOP("Kerovant", "The clock on %1 answers NAK: it did not take the command."),
     KEROVANT_TRANSLATE_NOOP("Kerovant", "The clock on %1 answers NAK: it did not take the command: %2")},
};

}  // namespace

Sentence OfflineCauseSentence(PortState port, const std::string& path, LinkPhase phase,
                              const std::string& identificationFailure, LinkFailure failure)
{
    if (port != PortState::Open)
        return PortStateSentence(port, path);
    const Sentence device = Sentence::Verbatim(path);
    // The identification read's failures are marked texts of the link.
    const Sentence read(identificationFailure.c_str());
    for (const FailureSentences& row : kFailureSentences) {
        if (row.failure == failure)
            return identificationFailure.empty() ? Sentence(row.alone, {device})
                                                 : Sentence(row.withRead, {device, read});
    }
    if (!identificationFailure.empty())
        return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "The clock does not answer: %1"), {read});
    switch (phase) {
    case LinkPhase::StoppedAnswering:
        return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "The clock on %1 stopped answering."), {device});
    case LinkPhase::NoAnswer:
        return Sentence(KEROVANT_TRANSLATE_NOOP(
                            "Kerovant", "No clock answers on %1: check that the clock is powered and connected."),
                        {device});
    case LinkPhase::Searching: break;
    }
    return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "Looking for the clock on %1 ..."), {device});
}

std::string OfflineCause(PortState port, const std::string& path, LinkPhase phase,
                         const std::string& identificationFailure, LinkFailure failure)
{
    return OfflineCauseSentence(port, path, phase, identificationFailure, failure).English();
}
