<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Kerovant</name>
    <message>
        <source>&amp;About Quintelle Configuration Utility...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Link Trace...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Link Trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <extracomment>File dialog filter: keep the patterns in parentheses and the &quot;;;&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link trace could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Code Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Savings Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Code Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set DateTime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock Hand Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock vs this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than half a second off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button of every dialog; keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No communication with clock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication error setting clock configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication error setting clock time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication error setting dial illumination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication error setting time code date use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication error setting clock face time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock refused it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock did not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the clock was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A later change took its place before it was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock holds other values than were sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another clock was connected while the dialog was open. Nothing was sent to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Orvessa Configuration Utility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a desktop application that configures an Orvessa via a USB cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.4.0  07/28/2011</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button of every settings dialog; keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a time zone description from the list box or configure a custom bias with the edit controls.  The edit controls represent the current configuration of the device.  Note: daylight savings time is not configured here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bias is negative?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter time zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter by name or offset, such as berlin or +05:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the catalogue&apos;s display names in catalogue order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bias hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bias minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bias seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spin of the three bias fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 up</source>
        <extracomment>%1 is what the arrows step, such as &quot;time and date&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Date Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC Time from PC clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Radio button left of the date fields; keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: the time/date you are providing shall be treated as UTC-referenced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Caption over the time fields, 16 dialog units wide; one short word.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Caption over the date fields, 16 dialog units wide; one short word.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day of month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spin of the six fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time and date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter The Current Time Shown On The Face Of The Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: The hands on the clock will be stopped while this dialog box is displayed. The hands will resume motion when this dialog box is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the current time shown on the face of the clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align Seconds hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each cllick of the button will move the Seconds hand 1/5th of a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand Motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <extracomment>A small button; keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweep</source>
        <extracomment>A hand motion; keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>A hand motion; keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to set clock</source>
        <extracomment>Check box in a narrow place; keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face time hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face time minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face time seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spin of the three face time fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set time is 0:0:0 are you sure you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock&apos;s hands are stopped. Start them again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See users manual for supported date encoding formats.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use date information encoded in time code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not use date information encoded in time code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Bias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable daylight time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time reference for daylight savings time shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use UTC instead of local time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight savings time start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight savings time end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>Which week of the month a change falls in; radio buttons in a narrow column.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absolute</source>
        <extracomment>A change on a fixed date rather than a week of the month; radio button in a narrow column.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of week:</source>
        <extracomment>Caption left of a list, 48 dialog units wide; keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month:</source>
        <extracomment>Caption left of a list, 48 dialog units wide; keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of month:</source>
        <extracomment>Caption left of a field, 48 dialog units wide; keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Caption left of the time fields, 48 dialog units wide; keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US/Canada Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;EU standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;US/Canada Standard pre 2007</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spin of the bias fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frame of the bias time fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spin of the start time fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frame of the start time fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start day of week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start day of month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spin of the end time fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frame of the end time fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end day of week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end day of month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>daylight saving over the coming year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Savings Time from a Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the time zone whose daylight savings time rules the clock should follow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First USB bridge found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No USB bridge found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (not found)</source>
        <extracomment>After the name of a chosen device that is not attached now; starts with a space.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This clock has no illumination: its firmware (%1) speaks protocol version 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month: enter a month from 1 to 12.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year: enter a year from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day: %1 %2 has %3 days; enter 1 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Savings Time Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight savings time shift reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current &amp;System Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Zone...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The day of a change on the year strip: %1 the day of the month, %2 the month&apos;s short name (&quot;28 Mar&quot;); keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No time code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IRIG-B : pulse width modulated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IRIG-B(1) : amplitude modulated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown time code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock is offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Version:  not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Number:  not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose a week (First to Last) or Absolute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose Absolute in both groups or a week in both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose a day of the week.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose a month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type a day of the month from 1 to 31.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has %2 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type an hour from 0 to 24.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type a minute from 0 to 60.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type a second from 0 to 60.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Version:  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Number:  %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
