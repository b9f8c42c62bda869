// The program's string table and the names of its images. The texts are the
// user's; dialogs take them from here rather than spelling them out.
//
// Every text shown to the user is marked for translation in the one context
// "Kerovant" and translated where it is shown, with Tr (ui/Translations.h,
// which tells the whole way). Under an English or C locale no translation is
// loaded and the texts are these.
#pragma once

#include <QtGlobal>

// The menu item that opens the About box.
inline constexpr const char* kStrAboutBox = QT_TRANSLATE_NOOP("Kerovant", "&About Quintelle Configuration Utility...");
// The menu item that saves the link's latest events, the file dialog's
// caption, the file it suggests and what it lists, and the message when the
// file cannot be written (%1 the file, %2 why).
inline constexpr const char* kStrSaveLinkTrace = QT_TRANSLATE_NOOP("Kerovant", "Save Link Trace...");
inline constexpr const char* kStrSaveLinkTraceCaption = QT_TRANSLATE_NOOP("Kerovant", "Save Link Trace");
inline constexpr const char* kStrLinkTraceFile = "kerovant-link-trace.txt";
//: File dialog filter: keep the patterns in parentheses and the ";;".
inline constexpr const char* kStrLinkTraceFilter = QT_TRANSLATE_NOOP("Kerovant", "Text files (*.txt);;All files (*)");
inline constexpr const char* kStrLinkTraceNotSaved =
    QT_TRANSLATE_NOOP("Kerovant", "The link trace could not be saved to %1: %2");

// Main window.
inline constexpr const char* kStrLocalTime = QT_TRANSLATE_NOOP("Kerovant", "Local Time");
inline constexpr const char* kStrUtcTime = QT_TRANSLATE_NOOP("Kerovant", "UTC Time");
inline constexpr const char* kStrTimeCodeStatus = QT_TRANSLATE_NOOP("Kerovant", "Time Code Status");
inline constexpr const char* kStrTimeZone = QT_TRANSLATE_NOOP("Kerovant", "Time Zone");
inline constexpr const char* kStrDaylightSavings = QT_TRANSLATE_NOOP("Kerovant", "Daylight Savings Time");
inline constexpr const char* kStrTimeCodeSettings = QT_TRANSLATE_NOOP("Kerovant", "Time Code Settings");
inline constexpr const char* kStrSetDateTime = QT_TRANSLATE_NOOP("Kerovant", "Set DateTime");
inline constexpr const char* kStrClockHandPosition = QT_TRANSLATE_NOOP("Kerovant", "Clock Hand Position");
// The clock's firmware version and serial number lines are the status
// texts' (StatusText.h), shared with the command-line tool.
// What a screen reader calls the line of how far the clock is off before it
// shows a value (then it reads the line itself), and its warning when it is
// off by more than half a second.
inline constexpr const char* kStrClockOffsetName = QT_TRANSLATE_NOOP("Kerovant", "Clock vs this computer");
inline constexpr const char* kStrClockOffsetWarning = QT_TRANSLATE_NOOP("Kerovant", "More than half a second off");
//: What a screen reader reads for a box of the main window: %1 the box's
//: caption ("Local Time"), %2 the text it shows.
inline constexpr const char* kStrCaptionedValue = QT_TRANSLATE_NOOP("Kerovant", "%1: %2");
inline constexpr const char* kStrIllumination = QT_TRANSLATE_NOOP("Kerovant", "Illumination");
//: A button of every dialog; keep it short.
inline constexpr const char* kStrOk = QT_TRANSLATE_NOOP("Kerovant", "OK");

// The main window's commands.
inline constexpr const char* kStrNoCommunication = QT_TRANSLATE_NOOP("Kerovant", "No communication with clock.");
inline constexpr const char* kStrErrorSettingConfig =
    QT_TRANSLATE_NOOP("Kerovant", "Communication error setting clock configuration");
inline constexpr const char* kStrErrorSettingTime =
    QT_TRANSLATE_NOOP("Kerovant", "Communication error setting clock time");
inline constexpr const char* kStrErrorSettingIllumination =
    QT_TRANSLATE_NOOP("Kerovant", "Communication error setting dial illumination");
inline constexpr const char* kStrErrorSettingTimeCode =
    QT_TRANSLATE_NOOP("Kerovant", "Communication error setting time code date use");
inline constexpr const char* kStrErrorSettingFaceTime =
    QT_TRANSLATE_NOOP("Kerovant", "Communication error setting clock face time");
// The second line of a message about a write that did not land.
inline constexpr const char* kStrWriteRefused = QT_TRANSLATE_NOOP("Kerovant", "The clock refused it.");
inline constexpr const char* kStrWriteUnanswered = QT_TRANSLATE_NOOP("Kerovant", "The clock did not answer.");
inline constexpr const char* kStrWriteLinkLost = QT_TRANSLATE_NOOP("Kerovant", "The connection to the clock was lost.");
inline constexpr const char* kStrWriteReplaced =
    QT_TRANSLATE_NOOP("Kerovant", "A later change took its place before it was sent.");
inline constexpr const char* kStrWriteDiffers =
    QT_TRANSLATE_NOOP("Kerovant", "The clock holds other values than were sent.");
inline constexpr const char* kStrWriteUnconfirmed =
    QT_TRANSLATE_NOOP("Kerovant",
                      "The clock acknowledged it, but the connection was lost before it could be confirmed. It is "
                      "checked when the clock is back; you are told only if the clock holds other values.");
// Another clock answers when a dialog's OK is pressed than when it opened.
inline constexpr const char* kStrClockChanged =
    QT_TRANSLATE_NOOP("Kerovant", "Another clock was connected while the dialog was open. Nothing was sent to it.");

// About box.
inline constexpr const char* kStrAboutCaption = QT_TRANSLATE_NOOP("Kerovant", "About Orvessa Configuration Utility");
inline constexpr const char* kStrAboutDescription =
    QT_TRANSLATE_NOOP("Kerovant", "This is a desktop application that configures an Orvessa via a USB cable.");
inline constexpr const char* kStrAboutVersion = QT_TRANSLATE_NOOP("Kerovant", "Version 1.4.0  07/28/2011");
//: The product line of the About box before a clock is identified (and for
//: a clock of no known brand); once identified, the brand's product name.
inline constexpr const char* kStrGenericProduct = QT_TRANSLATE_NOOP("Kerovant", "Clock Configuration Utility");
inline constexpr const char* kStrCopyrightMaker = "\u00A9 2011 Zelvora, Inc";
inline constexpr const char* kStrCopyrightPartner = "\u00A9 2011 Quorvane";
inline constexpr const char* kStrCopyrightGeneric = "\u00A9 2011";

// The clock face icon and the two brands' logos, as compiled-in SVG.
inline constexpr const char* kIconClock = ":/icons/clock.svg";
inline constexpr const char* kBitmapPartnerLogo = ":/images/logo-partner.svg";
inline constexpr const char* kBitmapMakerLogo = ":/images/logo-maker.svg";

// Shared by the settings dialogs.
//: A button of every settings dialog; keep it short.
inline constexpr const char* kStrCancel = QT_TRANSLATE_NOOP("Kerovant", "Cancel");

// Time zone dialog.
inline constexpr const char* kStrTzCaption = QT_TRANSLATE_NOOP("Kerovant", "Time Zone Configuration");
inline constexpr const char* kStrTzInstructions = QT_TRANSLATE_NOOP(
    "Kerovant",
    "Select a time zone description from the list box or configure a custom bias with the edit controls.  The edit "
    "controls represent the current configuration of the device.  Note: daylight savings time is not configured here.");
inline constexpr const char* kStrBias = QT_TRANSLATE_NOOP("Kerovant", "Bias");
inline constexpr const char* kStrBiasNegative = QT_TRANSLATE_NOOP("Kerovant", "Bias is negative?");
inline constexpr const char* kStrFilterZones = QT_TRANSLATE_NOOP("Kerovant", "Filter time zones");
inline constexpr const char* kStrFilterZonesHint =
    QT_TRANSLATE_NOOP("Kerovant", "Filter by name or offset, such as berlin or +05:30");
// What a screen reader calls the controls without text.
inline constexpr const char* kStrZoneListRole =
    QT_TRANSLATE_NOOP("Kerovant", "the catalogue's display names in catalogue order");
inline constexpr const char* kStrBiasHours = QT_TRANSLATE_NOOP("Kerovant", "bias hours");
inline constexpr const char* kStrBiasMinutes = QT_TRANSLATE_NOOP("Kerovant", "bias minutes");
inline constexpr const char* kStrBiasSeconds = QT_TRANSLATE_NOOP("Kerovant", "bias seconds");
inline constexpr const char* kStrBiasSpin = QT_TRANSLATE_NOOP("Kerovant", "spin of the three bias fields");
inline constexpr const char* kStrBiasArrows = QT_TRANSLATE_NOOP("Kerovant", "bias");

// What a screen reader calls the two arrows of a spin; %1 is what they
// step ("time and date").
//: %1 is what the arrows step, such as "time and date".
inline constexpr const char* kStrArrowUp = QT_TRANSLATE_NOOP("Kerovant", "%1 up");
inline constexpr const char* kStrArrowDown = QT_TRANSLATE_NOOP("Kerovant", "%1 down");

// Set date/time dialog.
inline constexpr const char* kStrSetDateTimeCaption = QT_TRANSLATE_NOOP("Kerovant", "Set Date Time");
inline constexpr const char* kStrPcClock = QT_TRANSLATE_NOOP("Kerovant", "UTC Time from PC clock");
//: Radio button left of the date fields; keep it short.
inline constexpr const char* kStrCustom = QT_TRANSLATE_NOOP("Kerovant", "Custom");
inline constexpr const char* kStrSetNow = QT_TRANSLATE_NOOP("Kerovant", "Set Now");
inline constexpr const char* kStrUtcNote =
    QT_TRANSLATE_NOOP("Kerovant", "Note: the time/date you are providing shall be treated as UTC-referenced.");
//: Caption over the time fields, 16 dialog units wide; one short word.
inline constexpr const char* kStrTime = QT_TRANSLATE_NOOP("Kerovant", "Time");
//: Caption over the date fields, 16 dialog units wide; one short word.
inline constexpr const char* kStrDate = QT_TRANSLATE_NOOP("Kerovant", "Date");
inline constexpr const char* kStrHour = QT_TRANSLATE_NOOP("Kerovant", "hour");
inline constexpr const char* kStrMinute = QT_TRANSLATE_NOOP("Kerovant", "minute");
inline constexpr const char* kStrSecond = QT_TRANSLATE_NOOP("Kerovant", "second");
inline constexpr const char* kStrMonth = QT_TRANSLATE_NOOP("Kerovant", "month");
inline constexpr const char* kStrDayOfMonth = QT_TRANSLATE_NOOP("Kerovant", "day of month");
inline constexpr const char* kStrYear = QT_TRANSLATE_NOOP("Kerovant", "year");
inline constexpr const char* kStrDateTimeSpin = QT_TRANSLATE_NOOP("Kerovant", "spin of the six fields");
inline constexpr const char* kStrDateTimeArrows = QT_TRANSLATE_NOOP("Kerovant", "time and date");

// Hand position dialog. The nudge note's spelling is the clock maker's own.
inline constexpr const char* kStrClockFaceCaption =
    QT_TRANSLATE_NOOP("Kerovant", "Enter The Current Time Shown On The Face Of The Clock");
inline constexpr const char* kStrClockFaceNote = QT_TRANSLATE_NOOP(
    "Kerovant",
    "Note: The hands on the clock will be stopped while this dialog box is displayed. The hands will resume motion "
    "when this dialog box is closed.");
// In the note's place while the clock the dialog was opened on is away.
inline constexpr const char* kStrClockAway =
    QT_TRANSLATE_NOOP("Kerovant", "The clock is not connected. Setting goes on once the same clock is back.");
inline constexpr const char* kStrFaceTimeGroup =
    QT_TRANSLATE_NOOP("Kerovant", "Enter the current time shown on the face of the clock");
inline constexpr const char* kStrAlignSeconds = QT_TRANSLATE_NOOP("Kerovant", "Align Seconds hand");
inline constexpr const char* kStrNudgeNote =
    QT_TRANSLATE_NOOP("Kerovant", "Each cllick of the button will move the Seconds hand 1/5th of a second");
inline constexpr const char* kStrHandMotion = QT_TRANSLATE_NOOP("Kerovant", "Hand Motion");
//: A small button; keep it short.
inline constexpr const char* kStrForward = QT_TRANSLATE_NOOP("Kerovant", "Forward");
//: A hand motion; keep it short.
inline constexpr const char* kStrSweep = QT_TRANSLATE_NOOP("Kerovant", "Sweep");
//: A hand motion; keep it short.
inline constexpr const char* kStrStep = QT_TRANSLATE_NOOP("Kerovant", "Step");
//: Check box in a narrow place; keep it short.
inline constexpr const char* kStrCheckToSet = QT_TRANSLATE_NOOP("Kerovant", "Check to set clock");
inline constexpr const char* kStrFaceHours = QT_TRANSLATE_NOOP("Kerovant", "face time hours");
inline constexpr const char* kStrFaceMinutes = QT_TRANSLATE_NOOP("Kerovant", "face time minutes");
inline constexpr const char* kStrFaceSeconds = QT_TRANSLATE_NOOP("Kerovant", "face time seconds");
inline constexpr const char* kStrFaceSpin = QT_TRANSLATE_NOOP("Kerovant", "spin of the three face time fields");
inline constexpr const char* kStrFaceArrows = QT_TRANSLATE_NOOP("Kerovant", "face time");
inline constexpr const char* kStrZeroFaceTime =
    QT_TRANSLATE_NOOP("Kerovant", "The set time is 0:0:0 are you sure you want to continue?");
inline constexpr const char* kStrZeroFaceTimeCaption = QT_TRANSLATE_NOOP("Kerovant", "Are you sure?");
// Asked when a clock is found with its hands stopped.
inline constexpr const char* kStrHandsStopped =
    QT_TRANSLATE_NOOP("Kerovant", "The clock's hands are stopped. Start them again?");
// Told when two reads alike find the clock's configuration out of range:
// %1 the fields, one a line ("dstStartWeek is 6 (allowed: 0 to 5)"). The
// field names are the record's own and stay as they are.
inline constexpr const char* kStrConfigOutOfRange =
    QT_TRANSLATE_NOOP("Kerovant", "The clock's configuration holds values out of range:\n%1");
inline constexpr const char* kStrConfigCorrect = QT_TRANSLATE_NOOP(
    "Kerovant",
    "Correct them now? Hand motion out of range becomes sweep, a date flag above 1 becomes 1, and daylight-saving "
    "rules out of range go back to the defaults (no daylight saving shift).");
inline constexpr const char* kStrConfigBiasNotMended =
    QT_TRANSLATE_NOOP("Kerovant",
                      "A time zone bias or daylight saving shift beyond 24 hours is not corrected here: "
                      "set them with Time Zone and Daylight Savings Time.");
inline constexpr const char* kStrConfigCorrected =
    QT_TRANSLATE_NOOP("Kerovant", "The clock's configuration was corrected.");

// Time code settings dialog; its title is the button's text.
inline constexpr const char* kStrTimeCodeNote =
    QT_TRANSLATE_NOOP("Kerovant", "See users manual for supported date encoding formats.");
inline constexpr const char* kStrUseTimeCodeDate =
    QT_TRANSLATE_NOOP("Kerovant", "Use date information encoded in time code");
inline constexpr const char* kStrIgnoreTimeCodeDate =
    QT_TRANSLATE_NOOP("Kerovant", "Do not use date information encoded in time code");

// Daylight-saving dialog; its title, the import's caption and the import
// buttons' texts are kept with its logic (DstEditor.h), which the
// command-line tool shares.
inline constexpr const char* kStrDaylightBias = QT_TRANSLATE_NOOP("Kerovant", "Daylight Bias");
inline constexpr const char* kStrDisableDst = QT_TRANSLATE_NOOP("Kerovant", "Disable daylight time");
inline constexpr const char* kStrDstReference =
    QT_TRANSLATE_NOOP("Kerovant", "Time reference for daylight savings time shift");
inline constexpr const char* kStrUseUtc = QT_TRANSLATE_NOOP("Kerovant", "Use UTC instead of local time");
inline constexpr const char* kStrDstStart = QT_TRANSLATE_NOOP("Kerovant", "Daylight savings time start");
inline constexpr const char* kStrDstEnd = QT_TRANSLATE_NOOP("Kerovant", "Daylight savings time end");
//: Which week of the month a change falls in; radio buttons in a narrow column.
inline constexpr const char* kStrWeekFirst = QT_TRANSLATE_NOOP("Kerovant", "First");
inline constexpr const char* kStrWeekSecond = QT_TRANSLATE_NOOP("Kerovant", "Second");
inline constexpr const char* kStrWeekThird = QT_TRANSLATE_NOOP("Kerovant", "Third");
inline constexpr const char* kStrWeekFourth = QT_TRANSLATE_NOOP("Kerovant", "Fourth");
inline constexpr const char* kStrWeekLast = QT_TRANSLATE_NOOP("Kerovant", "Last");
//: A change on a fixed date rather than a week of the month; radio button in a narrow column.
inline constexpr const char* kStrAbsolute = QT_TRANSLATE_NOOP("Kerovant", "Absolute");
//: Caption left of a list, 48 dialog units wide; keep it short.
inline constexpr const char* kStrDayOfWeekLabel = QT_TRANSLATE_NOOP("Kerovant", "Day of week:");
//: Caption left of a list, 48 dialog units wide; keep it short.
inline constexpr const char* kStrMonthLabel = QT_TRANSLATE_NOOP("Kerovant", "Month:");
//: Caption left of a field, 48 dialog units wide; keep it short.
inline constexpr const char* kStrDayOfMonthLabel = QT_TRANSLATE_NOOP("Kerovant", "Day of month:");
//: Caption left of the time fields, 48 dialog units wide; keep it short.
inline constexpr const char* kStrTimeLabel = QT_TRANSLATE_NOOP("Kerovant", "Time:");
inline constexpr const char* kStrPresetUsCanada = QT_TRANSLATE_NOOP("Kerovant", "US/Canada Standard");
inline constexpr const char* kStrPresetEu = QT_TRANSLATE_NOOP("Kerovant", "&EU standard");
inline constexpr const char* kStrPresetUsCanadaPre2007 = QT_TRANSLATE_NOOP("Kerovant", "&US/Canada Standard pre 2007");
// What a screen reader calls the daylight-saving dialog's controls without
// text.
inline constexpr const char* kStrDstBiasSpin = QT_TRANSLATE_NOOP("Kerovant", "spin of the bias fields");
inline constexpr const char* kStrDstBiasFrame = QT_TRANSLATE_NOOP("Kerovant", "frame of the bias time fields");
inline constexpr const char* kStrStartHour = QT_TRANSLATE_NOOP("Kerovant", "start hour");
inline constexpr const char* kStrStartMinute = QT_TRANSLATE_NOOP("Kerovant", "start minute");
inline constexpr const char* kStrStartSecond = QT_TRANSLATE_NOOP("Kerovant", "start second");
inline constexpr const char* kStrStartSpin = QT_TRANSLATE_NOOP("Kerovant", "spin of the start time fields");
inline constexpr const char* kStrStartFrame = QT_TRANSLATE_NOOP("Kerovant", "frame of the start time fields");
inline constexpr const char* kStrStartDayOfWeek = QT_TRANSLATE_NOOP("Kerovant", "start day of week");
inline constexpr const char* kStrStartMonth = QT_TRANSLATE_NOOP("Kerovant", "start month");
inline constexpr const char* kStrStartDayOfMonth = QT_TRANSLATE_NOOP("Kerovant", "start day of month");
inline constexpr const char* kStrEndHour = QT_TRANSLATE_NOOP("Kerovant", "end hour");
inline constexpr const char* kStrEndMinute = QT_TRANSLATE_NOOP("Kerovant", "end minute");
inline constexpr const char* kStrEndSecond = QT_TRANSLATE_NOOP("Kerovant", "end second");
inline constexpr const char* kStrEndSpin = QT_TRANSLATE_NOOP("Kerovant", "spin of the end time fields");
inline constexpr const char* kStrEndFrame = QT_TRANSLATE_NOOP("Kerovant", "frame of the end time fields");
inline constexpr const char* kStrEndDayOfWeek = QT_TRANSLATE_NOOP("Kerovant", "end day of week");
inline constexpr const char* kStrEndMonth = QT_TRANSLATE_NOOP("Kerovant", "end month");
inline constexpr const char* kStrEndDayOfMonth = QT_TRANSLATE_NOOP("Kerovant", "end day of month");
inline constexpr const char* kStrDstBiasArrows = QT_TRANSLATE_NOOP("Kerovant", "bias");
inline constexpr const char* kStrStartArrows = QT_TRANSLATE_NOOP("Kerovant", "start time");
inline constexpr const char* kStrEndArrows = QT_TRANSLATE_NOOP("Kerovant", "end time");
inline constexpr const char* kStrDstPreview = QT_TRANSLATE_NOOP("Kerovant", "next changes");
//: The day of a change on the year strip: %1 the day of the month, %2 the
//: month's short name ("28 Mar"); keep it short.
inline constexpr const char* kStrStripDay = QT_TRANSLATE_NOOP("Kerovant", "%1 %2");
inline constexpr const char* kStrDstYearStrip = QT_TRANSLATE_NOOP("Kerovant", "daylight saving over the coming year");

// The zone chooser behind "From Zone...".
inline constexpr const char* kStrZoneChooserCaption =
    QT_TRANSLATE_NOOP("Kerovant", "Daylight Savings Time from a Time Zone");
inline constexpr const char* kStrZoneChooserNote =
    QT_TRANSLATE_NOOP("Kerovant", "Choose the time zone whose daylight savings time rules the clock should follow.");
inline constexpr const char* kStrZoneChooserListRole = QT_TRANSLATE_NOOP("Kerovant", "time zones");

// The main window's Connection menu.
inline constexpr const char* kStrConnection = QT_TRANSLATE_NOOP("Kerovant", "Connection");
inline constexpr const char* kStrFirstBridge = QT_TRANSLATE_NOOP("Kerovant", "First USB bridge found");
inline constexpr const char* kStrNoBridgeListed = QT_TRANSLATE_NOOP("Kerovant", "No USB bridge found");
// After a chosen device that is not attached now.
//: After the name of a chosen device that is not attached now; starts with a space.
inline constexpr const char* kStrNotFoundSuffix = QT_TRANSLATE_NOOP("Kerovant", " (not found)");

// The illumination slider of a clock without illumination; %1 is its
// firmware version.
inline constexpr const char* kStrNoIllumination =
    QT_TRANSLATE_NOOP("Kerovant", "This clock has no illumination: its firmware (%1) speaks protocol version 1.");
