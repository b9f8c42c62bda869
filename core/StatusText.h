// The texts the status display shows, formatted from the clock's records.
// Plain C++, shared by the main window and the command-line tool.
#pragma once

#include "ClockDateTime.h"
#include "ClockRecords.h"
#include "LinkFailure.h"
#include "Translatable.h"
#include "SerialPort.h"
#include "WriteOutcome.h"

#include <string>

// The window shows these and the time code kinds in the user's language.
inline constexpr const char* kOfflineText = KEROVANT_TRANSLATE_NOOP("Kerovant", "Clock is offline");
//: The clock's firmware version: %1 the version ("1.3.0") or "not
//: available"; two blanks after the colon.
inline constexpr const char* kFirmwareLine = KEROVANT_TRANSLATE_NOOP("Kerovant", "Firmware Version:  %1");
//: The clock's serial number: %1 the number or "not available"; two blanks
//: after the colon.
inline constexpr const char* kSerialLine = KEROVANT_TRANSLATE_NOOP("Kerovant", "Serial Number:  %1");
//: In place of the firmware version or serial number while no clock answers.
inline constexpr const char* kNotAvailable = KEROVANT_TRANSLATE_NOOP("Kerovant", "not available");
//: The window's title before a clock is identified (and for a clock of no
//: known brand); once identified, the brand's product name.
inline constexpr const char* kDefaultTitle = KEROVANT_TRANSLATE_NOOP("Kerovant", "Clock Control");

// "MM-DD-YYYY  hh:mm:ss", two blanks between date and time.
std::string FormatDateTime(const ClockDateTime& calendar);
// A clock time, decoded and formatted as above.
std::string FormatClockTime(const ClockTime& time);
// The same as ISO 8601 has it, for the command line: "2011-06-15 12:00:00".
std::string FormatIsoDateTime(const ClockDateTime& calendar);
std::string FormatIsoClockTime(const ClockTime& time);
// The kind of time code received.
std::string TimeCodeText(const TimeCodeStatus& status);
// "Firmware Version:  1.3.0"; null: "Firmware Version:  not available".
Sentence FirmwareSentence(const FirmwareVersion* version);
std::string FirmwareText(const FirmwareVersion& version);
// The version alone, "1.3.0".
std::string FirmwareNumber(const FirmwareVersion& version);
// "Serial Number:  00012345"; null: "Serial Number:  not available". The
// number is decimal below 100,000,000, hexadecimal from there on.
Sentence SerialSentence(const uint32_t* serialNumber);
std::string SerialText(uint32_t serialNumber);
// The number alone.
std::string SerialNumber(uint32_t serialNumber);
// The window title for the identified product (kNoProduct: none yet): the
// brand's product name, else kDefaultTitle, which the window translates.
std::string ProductTitle(uint8_t productIndex);
// The brand of the identified product, 0 while none.
uint32_t ProductBrand(uint8_t productIndex);

// How far the link got, for the sentence that says why the clock cannot be
// reached.
enum class LinkPhase : uint8_t {
    Searching,         // the link is still greeting the clock
    NoAnswer,          // it gave up: no clock answered
    StoppedAnswering,  // a clock answered once, then stopped
};

// What the clock did instead of answering, as the rest of a sentence that
// begins with the clock ("sends damaged replies (bad checksum)"); empty
// for None and NoAnswer, which the link phase words better.
std::string LinkFailureText(LinkFailure failure);

// Why the clock cannot be reached, in words a user can act on. The port's
// own reason comes first (no bridge, permission, busy, unplugged); with the
// port open, what the failed exchanges ran into when the clock sent
// something ("The clock on /dev/ttyUSB0 sends damaged replies (bad
// checksum).", with the identification read's failure after a colon when
// there is one); else the identification read's last failure ("The clock
// does not answer: Failed reading Family ID"); else the phase says what the
// link saw.
std::string OfflineCause(PortState port, const std::string& devicePath, LinkPhase phase,
                         const std::string& identificationFailure = {}, LinkFailure failure = LinkFailure::None);
// The same, in parts for the window to translate.
Sentence OfflineCauseSentence(PortState port, const std::string& devicePath, LinkPhase phase,
                              const std::string& identificationFailure = {}, LinkFailure failure = LinkFailure::None);
