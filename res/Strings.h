// The program's string table and the names of its images. The texts are the
// user's; dialogs take them from here rather than spelling them out.
#pragma once

// The menu item that opens the About box.
inline constexpr const char* kStrAboutBox = "&About Quintelle Configuration Utility...";

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
