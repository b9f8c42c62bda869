// The program's string table and the names of its images. The texts are the
// user's; dialogs take them from here rather than spelling them out.
#pragma once

// The menu item that opens the About box.
inline constexpr const char* kStrAboutBox = "&About Quintelle Configuration Utility...";
// The menu item that saves the link's latest events, the file dialog's
// caption, the file it suggests and what it lists, and the message when the
// file cannot be written (%1 the file, %2 why).
inline constexpr const char* kStrSaveLinkTrace = "Save Link Trace...";
inline constexpr const char* kStrSaveLinkTraceCaption = "Save Link Trace";
inline constexpr const char* kStrLinkTraceFile = "kerovant-link-trace.txt";
inline constexpr const char* kStrLinkTraceFilter = "Text files (*.txt);;All files (*)";
inline constexpr const char* kStrLinkTraceNotSaved = "The link trace could not be saved to %1: %2";

// Main window.
inline constexpr const char* kStrLocalTime = "Local Time";
inline constexpr const char* kStrUtcTime = "UTC Time";
inline constexpr const char* kStrTimeCodeStatus = "Time Code Status";
inline constexpr const char* kStrTimeZone = "Time Zone";
inline constexpr const char* kStrDaylightSavings = "Daylight Savings Time";
inline constexpr const char* kStrTimeCodeSettings = "Time Code Settings";
inline constexpr const char* kStrSetDateTime = "Set DateTime";
inline constexpr const char* kStrClockHandPosition = "Clock Hand Position";
inline constexpr const char* kStrIllumination = "Illumination";
inline constexpr const char* kStrOk = "OK";

// The main window's commands.
inline constexpr const char* kStrNoCommunication = "No communication with clock.";
inline constexpr const char* kStrErrorSettingConfig = "Communication error setting clock configuration";
inline constexpr const char* kStrErrorSettingTime = "Communication error setting clock time";
inline constexpr const char* kStrErrorSettingIllumination = "Communication error setting dial illumination";
inline constexpr const char* kStrErrorSettingTimeCode = "Communication error setting time code date use";
inline constexpr const char* kStrErrorSettingFaceTime = "Communication error setting clock face time";
// Another clock answers when a dialog's OK is pressed than when it opened.
inline constexpr const char* kStrClockChanged =
    "Another clock was connected while the dialog was open. Nothing was sent to it.";

// About box.
inline constexpr const char* kStrAboutCaption = "About Orvessa Configuration Utility";
inline constexpr const char* kStrAboutDescription =
    "This is a desktop application that configures an Orvessa via a USB cable.";
inline constexpr const char* kStrAboutVersion = "Version 1.4.0  07/28/2011";
inline constexpr const char* kStrGenericProduct = "Configuration Utility Orvessa";
inline constexpr const char* kStrCopyrightMaker = "\u00A9 2011 Zelvora, Inc";
inline constexpr const char* kStrCopyrightPartner = "\u00A9 2011 Quorvane";
inline constexpr const char* kStrCopyrightGeneric = "\u00A9 2011";

// The clock face icon and the two brands' logos, as compiled-in SVG.
inline constexpr const char* kIconClock = ":/icons/clock.svg";
inline constexpr const char* kBitmapPartnerLogo = ":/images/logo-partner.svg";
inline constexpr const char* kBitmapMakerLogo = ":/images/logo-maker.svg";

// Shared by the settings dialogs.
inline constexpr const char* kStrCancel = "Cancel";

// Time zone dialog.
inline constexpr const char* kStrTzCaption = "Time Zone Configuration";
inline constexpr const char* kStrTzInstructions =
    "Select a time zone description from the list box or configure a custom bias with the edit controls.  The edit "
    "controls represent the current configuration of the device.  Note: daylight savings time is not configured here.";
inline constexpr const char* kStrBias = "Bias";
inline constexpr const char* kStrBiasNegative = "Bias is negative?";
inline constexpr const char* kStrFilterZones = "Filter time zones";
inline constexpr const char* kStrFilterZonesHint = "Filter by name or offset, such as berlin or +05:30";
// What a screen reader calls the controls without text.
inline constexpr const char* kStrZoneListRole = "the catalogue's display names in catalogue order";
inline constexpr const char* kStrBiasHours = "bias hours";
inline constexpr const char* kStrBiasMinutes = "bias minutes";
inline constexpr const char* kStrBiasSeconds = "bias seconds";
inline constexpr const char* kStrBiasSpin = "spin of the three bias fields";
inline constexpr const char* kStrBiasArrows = "bias";

// Set date/time dialog.
inline constexpr const char* kStrSetDateTimeCaption = "Set Date Time";
inline constexpr const char* kStrPcClock = "UTC Time from PC clock";
inline constexpr const char* kStrCustom = "Custom";
inline constexpr const char* kStrSetNow = "Set Now";
inline constexpr const char* kStrUtcNote = "Note: the time/date you are providing shall be treated as UTC-referenced.";
inline constexpr const char* kStrTime = "Time";
inline constexpr const char* kStrDate = "Date";
inline constexpr const char* kStrHour = "hour";
inline constexpr const char* kStrMinute = "minute";
inline constexpr const char* kStrSecond = "second";
inline constexpr const char* kStrMonth = "month";
inline constexpr const char* kStrDayOfMonth = "day of month";
inline constexpr const char* kStrYear = "year";
inline constexpr const char* kStrDateTimeSpin = "spin of the six fields";
inline constexpr const char* kStrDateTimeArrows = "time and date";

// Hand position dialog. The nudge note's spelling is the clock maker's own.
inline constexpr const char* kStrClockFaceCaption = "Enter The Current Time Shown On The Face Of The Clock";
inline constexpr const char* kStrClockFaceNote =
    "Note: The hands on the clock will be stopped while this dialog box is displayed. The hands will resume motion "
    "when this dialog box is closed.";
inline constexpr const char* kStrFaceTimeGroup = "Enter the current time shown on the face of the clock";
inline constexpr const char* kStrAlignSeconds = "Align Seconds hand";
inline constexpr const char* kStrNudgeNote = "Each cllick of the button will move the Seconds hand 1/5th of a second";
inline constexpr const char* kStrHandMotion = "Hand Motion";
inline constexpr const char* kStrForward = "Forward";
inline constexpr const char* kStrSweep = "Sweep";
inline constexpr const char* kStrStep = "Step";
inline constexpr const char* kStrCheckToSet = "Check to set clock";
inline constexpr const char* kStrFaceHours = "face time hours";
inline constexpr const char* kStrFaceMinutes = "face time minutes";
inline constexpr const char* kStrFaceSeconds = "face time seconds";
inline constexpr const char* kStrFaceSpin = "spin of the three face time fields";
inline constexpr const char* kStrFaceArrows = "face time";
inline constexpr const char* kStrZeroFaceTime = "The set time is 0:0:0 are you sure you want to continue?";
inline constexpr const char* kStrZeroFaceTimeCaption = "Are you sure?";
// Asked when a clock is found with its hands stopped.
inline constexpr const char* kStrHandsStopped = "The clock's hands are stopped. Start them again?";

// Time code settings dialog; its title is the button's text.
inline constexpr const char* kStrTimeCodeNote = "See users manual for supported date encoding formats.";
inline constexpr const char* kStrUseTimeCodeDate = "Use date information encoded in time code";
inline constexpr const char* kStrIgnoreTimeCodeDate = "Do not use date information encoded in time code";

// Daylight-saving dialog; its title, the import's caption and the import
// buttons' texts are kept with its logic (DstEditor.h), which the
// command-line tool shares.
inline constexpr const char* kStrDaylightBias = "Daylight Bias";
inline constexpr const char* kStrDisableDst = "Disable daylight time";
inline constexpr const char* kStrDstReference = "Time reference for daylight savings time shift";
inline constexpr const char* kStrUseUtc = "Use UTC instead of local time";
inline constexpr const char* kStrDstStart = "Daylight savings time start";
inline constexpr const char* kStrDstEnd = "Daylight savings time end";
inline constexpr const char* kStrWeekFirst = "First";
inline constexpr const char* kStrWeekSecond = "Second";
inline constexpr const char* kStrWeekThird = "Third";
inline constexpr const char* kStrWeekFourth = "Fourth";
inline constexpr const char* kStrWeekLast = "Last";
inline constexpr const char* kStrAbsolute = "Absolute";
inline constexpr const char* kStrDayOfWeekLabel = "Day of week:";
inline constexpr const char* kStrMonthLabel = "Month:";
inline constexpr const char* kStrDayOfMonthLabel = "Day of month:";
inline constexpr const char* kStrTimeLabel = "Time:";
inline constexpr const char* kStrPresetUsCanada = "US/Canada Standard";
inline constexpr const char* kStrPresetEu = "&EU standard";
inline constexpr const char* kStrPresetUsCanadaPre2007 = "&US/Canada Standard pre 2007";
// What a screen reader calls the daylight-saving dialog's controls without
// text.
inline constexpr const char* kStrDstBiasSpin = "spin of the bias fields";
inline constexpr const char* kStrDstBiasFrame = "frame of the bias time fields";
inline constexpr const char* kStrStartHour = "start hour";
inline constexpr const char* kStrStartMinute = "start minute";
inline constexpr const char* kStrStartSecond = "start second";
inline constexpr const char* kStrStartSpin = "spin of the start time fields";
inline constexpr const char* kStrStartFrame = "frame of the start time fields";
inline constexpr const char* kStrStartDayOfWeek = "start day of week";
inline constexpr const char* kStrStartMonth = "start month";
inline constexpr const char* kStrStartDayOfMonth = "start day of month";
inline constexpr const char* kStrEndHour = "end hour";
inline constexpr const char* kStrEndMinute = "end minute";
inline constexpr const char* kStrEndSecond = "end second";
inline constexpr const char* kStrEndSpin = "spin of the end time fields";
inline constexpr const char* kStrEndFrame = "frame of the end time fields";
inline constexpr const char* kStrEndDayOfWeek = "end day of week";
inline constexpr const char* kStrEndMonth = "end month";
inline constexpr const char* kStrEndDayOfMonth = "end day of month";
inline constexpr const char* kStrDstPreview = "next changes";
inline constexpr const char* kStrDstYearStrip = "daylight saving over the coming year";

// The zone chooser behind "From Zone...".
inline constexpr const char* kStrZoneChooserCaption = "Daylight Savings Time from a Time Zone";
inline constexpr const char* kStrZoneChooserNote =
    "Choose the time zone whose daylight savings time rules the clock should follow.";
inline constexpr const char* kStrZoneChooserListRole = "time zones";

// The main window's Connection menu.
inline constexpr const char* kStrConnection = "Connection";
inline constexpr const char* kStrFirstBridge = "First USB bridge found";
inline constexpr const char* kStrNoBridgeListed = "No USB bridge found";
// After a chosen device that is not attached now.
inline constexpr const char* kStrNotFoundSuffix = " (not found)";

// The illumination slider of a clock without illumination; %1 is its
// firmware version.
inline constexpr const char* kStrNoIllumination =
    "This clock has no illumination: its firmware (%1) speaks protocol version 1.";
