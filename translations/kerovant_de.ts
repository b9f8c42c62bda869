<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Kerovant</name>
    <message>
        <source>&amp;About Quintelle Configuration Utility...</source>
        <translation>Ü&amp;ber das Quintelle-Konfigurationsprogramm...</translation>
    </message>
    <message>
        <source>Save Link Trace...</source>
        <translation>Verbindungsmitschnitt speichern...</translation>
    </message>
    <message>
        <source>Save Link Trace</source>
        <translation>Verbindungsmitschnitt speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <extracomment>File dialog filter: keep the patterns in parentheses and the &quot;;;&quot;.</extracomment>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The link trace could not be saved to %1: %2</source>
        <translation>Der Verbindungsmitschnitt konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>UTC Time</source>
        <translation>UTC-Zeit</translation>
    </message>
    <message>
        <source>Time Code Status</source>
        <translation>Zeitcode-Status</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Daylight Savings Time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Time Code Settings</source>
        <translation>Zeitcode-Einstellungen</translation>
    </message>
    <message>
        <source>Set DateTime</source>
        <translation>Datum/Uhrzeit stellen</translation>
    </message>
    <message>
        <source>Clock Hand Position</source>
        <translation>Zeigerstellung</translation>
    </message>
    <message>
        <source>Clock vs this computer</source>
        <translation>Uhr gegenüber diesem Computer</translation>
    </message>
    <message>
        <source>More than half a second off</source>
        <translation>Mehr als eine halbe Sekunde Abweichung</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button of every dialog; keep it short.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>No communication with clock.</source>
        <translation>Keine Verbindung zur Uhr.</translation>
    </message>
    <message>
        <source>Communication error setting clock configuration</source>
        <translation>Kommunikationsfehler beim Einstellen der Uhrkonfiguration</translation>
    </message>
    <message>
        <source>Communication error setting clock time</source>
        <translation>Kommunikationsfehler beim Stellen der Uhrzeit</translation>
    </message>
    <message>
        <source>Communication error setting dial illumination</source>
        <translation>Kommunikationsfehler beim Einstellen der Zifferblattbeleuchtung</translation>
    </message>
    <message>
        <source>Communication error setting time code date use</source>
        <translation>Kommunikationsfehler beim Einstellen der Datumsübernahme aus dem Zeitcode</translation>
    </message>
    <message>
        <source>Communication error setting clock face time</source>
        <translation>Kommunikationsfehler beim Einstellen der Zeigerstellung</translation>
    </message>
    <message>
        <source>The clock refused it.</source>
        <translation>Die Uhr hat dies abgelehnt.</translation>
    </message>
    <message>
        <source>The clock did not answer.</source>
        <translation>Die Uhr hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>The connection to the clock was lost.</source>
        <translation>Die Verbindung zur Uhr wurde unterbrochen.</translation>
    </message>
    <message>
        <source>A later change took its place before it was sent.</source>
        <translation>Eine spätere Änderung hat sie ersetzt, bevor sie gesendet wurde.</translation>
    </message>
    <message>
        <source>The clock holds other values than were sent.</source>
        <translation>Die Uhr enthält andere Werte als die gesendeten.</translation>
    </message>
    <message>
        <source>Another clock was connected while the dialog was open. Nothing was sent to it.</source>
        <translation>Während der Dialog geöffnet war, wurde eine andere Uhr angeschlossen. An sie wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>About Orvessa Configuration Utility</source>
        <translation>Über das Orvessa-Konfigurationsprogramm</translation>
    </message>
    <message>
        <source>This is a desktop application that configures an Orvessa via a USB cable.</source>
        <translation>Dieses Desktop-Programm konfiguriert eine Orvessa über ein USB-Kabel.</translation>
    </message>
    <message>
        <source>Version 1.4.0  07/28/2011</source>
        <translation>Version 1.4.0  28.07.2011</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button of every settings dialog; keep it short.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Time Zone Configuration</source>
        <translation>Zeitzonen-Einstellungen</translation>
    </message>
    <message>
        <source>Select a time zone description from the list box or configure a custom bias with the edit controls.  The edit controls represent the current configuration of the device.  Note: daylight savings time is not configured here.</source>
        <translation>Wählen Sie eine Zeitzone aus der Liste oder geben Sie in den Feldern einen eigenen Versatz ein.  Die Felder zeigen die aktuelle Einstellung des Geräts.  Hinweis: Die Sommerzeit wird nicht hier eingestellt.</translation>
    </message>
    <message>
        <source>Bias</source>
        <translation>Versatz</translation>
    </message>
    <message>
        <source>Bias is negative?</source>
        <translation>Versatz negativ?</translation>
    </message>
    <message>
        <source>Filter time zones</source>
        <translation>Zeitzonen filtern</translation>
    </message>
    <message>
        <source>Filter by name or offset, such as berlin or +05:30</source>
        <translation>Nach Name oder Versatz filtern, z. B. berlin oder +05:30</translation>
    </message>
    <message>
        <source>the catalogue&apos;s display names in catalogue order</source>
        <translation>die Anzeigenamen des Katalogs in Katalogreihenfolge</translation>
    </message>
    <message>
        <source>bias hours</source>
        <translation>Versatz: Stunden</translation>
    </message>
    <message>
        <source>bias minutes</source>
        <translation>Versatz: Minuten</translation>
    </message>
    <message>
        <source>bias seconds</source>
        <translation>Versatz: Sekunden</translation>
    </message>
    <message>
        <source>spin of the three bias fields</source>
        <translation>Drehfeld der drei Versatzfelder</translation>
    </message>
    <message>
        <source>bias</source>
        <translation>Versatz</translation>
    </message>
    <message>
        <source>%1 up</source>
        <extracomment>%1 is what the arrows step, such as &quot;time and date&quot;.</extracomment>
        <translation>%1 erhöhen</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 verringern</translation>
    </message>
    <message>
        <source>Set Date Time</source>
        <translation>Datum und Uhrzeit stellen</translation>
    </message>
    <message>
        <source>UTC Time from PC clock</source>
        <translation>UTC-Zeit von der PC-Uhr</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Radio button left of the date fields; keep it short.</extracomment>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Set Now</source>
        <translation>Jetzt stellen</translation>
    </message>
    <message>
        <source>Note: the time/date you are providing shall be treated as UTC-referenced.</source>
        <translation>Hinweis: Die eingegebene Uhrzeit und das Datum gelten als UTC.</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Caption over the time fields, 16 dialog units wide; one short word.</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Caption over the date fields, 16 dialog units wide; one short word.</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>day of month</source>
        <translation>Tag des Monats</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>spin of the six fields</source>
        <translation>Drehfeld der sechs Felder</translation>
    </message>
    <message>
        <source>time and date</source>
        <translation>Uhrzeit und Datum</translation>
    </message>
    <message>
        <source>Enter The Current Time Shown On The Face Of The Clock</source>
        <translation>Aktuelle Zeigerstellung der Uhr eingeben</translation>
    </message>
    <message>
        <source>Note: The hands on the clock will be stopped while this dialog box is displayed. The hands will resume motion when this dialog box is closed.</source>
        <translation>Hinweis: Die Zeiger der Uhr stehen still, solange dieses Dialogfeld angezeigt wird. Sie laufen weiter, sobald es geschlossen wird.</translation>
    </message>
    <message>
        <source>Enter the current time shown on the face of the clock</source>
        <translation>Die auf dem Zifferblatt angezeigte Zeit eingeben</translation>
    </message>
    <message>
        <source>Align Seconds hand</source>
        <translation>Sekundenzeiger ausrichten</translation>
    </message>
    <message>
        <source>Each cllick of the button will move the Seconds hand 1/5th of a second</source>
        <translation>Jeder Klick auf die Schaltfläche bewegt den Sekundenzeiger um 1/5 Sekunde weiter</translation>
    </message>
    <message>
        <source>Hand Motion</source>
        <translation>Zeigerbewegung</translation>
    </message>
    <message>
        <source>Forward</source>
        <extracomment>A small button; keep it short.</extracomment>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Sweep</source>
        <extracomment>A hand motion; keep it short.</extracomment>
        <translation>Gleitend</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>A hand motion; keep it short.</extracomment>
        <translation>Springend</translation>
    </message>
    <message>
        <source>Check to set clock</source>
        <extracomment>Check box in a narrow place; keep it short.</extracomment>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <source>face time hours</source>
        <translation>Zeigerzeit: Stunden</translation>
    </message>
    <message>
        <source>face time minutes</source>
        <translation>Zeigerzeit: Minuten</translation>
    </message>
    <message>
        <source>face time seconds</source>
        <translation>Zeigerzeit: Sekunden</translation>
    </message>
    <message>
        <source>spin of the three face time fields</source>
        <translation>Drehfeld der drei Zeigerzeitfelder</translation>
    </message>
    <message>
        <source>face time</source>
        <translation>Zeigerzeit</translation>
    </message>
    <message>
        <source>The set time is 0:0:0 are you sure you want to continue?</source>
        <translation>Die eingestellte Zeit ist 0:0:0. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>The clock&apos;s hands are stopped. Start them again?</source>
        <translation>Die Zeiger der Uhr stehen still. Wieder starten?</translation>
    </message>
    <message>
        <source>See users manual for supported date encoding formats.</source>
        <translation>Unterstützte Datumsformate siehe Benutzerhandbuch.</translation>
    </message>
    <message>
        <source>Use date information encoded in time code</source>
        <translation>Im Zeitcode enthaltenes Datum verwenden</translation>
    </message>
    <message>
        <source>Do not use date information encoded in time code</source>
        <translation>Im Zeitcode enthaltenes Datum nicht verwenden</translation>
    </message>
    <message>
        <source>Daylight Bias</source>
        <translation>Sommerzeit-Versatz</translation>
    </message>
    <message>
        <source>Disable daylight time</source>
        <translation>Keine Sommerzeit</translation>
    </message>
    <message>
        <source>Time reference for daylight savings time shift</source>
        <translation>Zeitbezug für die Sommerzeitumstellung</translation>
    </message>
    <message>
        <source>Use UTC instead of local time</source>
        <translation>UTC statt Ortszeit verwenden</translation>
    </message>
    <message>
        <source>Daylight savings time start</source>
        <translation>Beginn der Sommerzeit</translation>
    </message>
    <message>
        <source>Daylight savings time end</source>
        <translation>Ende der Sommerzeit</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>Which week of the month a change falls in; radio buttons in a narrow column.</extracomment>
        <translation>Erster</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Zweiter</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Dritter</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Vierter</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzter</translation>
    </message>
    <message>
        <source>Absolute</source>
        <extracomment>A change on a fixed date rather than a week of the month; radio button in a narrow column.</extracomment>
        <translation>Festes Datum</translation>
    </message>
    <message>
        <source>Day of week:</source>
        <extracomment>Caption left of a list, 48 dialog units wide; keep it short.</extracomment>
        <translation>Wochentag:</translation>
    </message>
    <message>
        <source>Month:</source>
        <extracomment>Caption left of a list, 48 dialog units wide; keep it short.</extracomment>
        <translation>Monat:</translation>
    </message>
    <message>
        <source>Day of month:</source>
        <extracomment>Caption left of a field, 48 dialog units wide; keep it short.</extracomment>
        <translation>Monatstag:</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Caption left of the time fields, 48 dialog units wide; keep it short.</extracomment>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>US/Canada Standard</source>
        <translation>USA/Kanada-Standard</translation>
    </message>
    <message>
        <source>&amp;EU standard</source>
        <translation>&amp;EU-Standard</translation>
    </message>
    <message>
        <source>&amp;US/Canada Standard pre 2007</source>
        <translation>&amp;USA/Kanada-Standard vor 2007</translation>
    </message>
    <message>
        <source>spin of the bias fields</source>
        <translation>Drehfeld der Versatzfelder</translation>
    </message>
    <message>
        <source>frame of the bias time fields</source>
        <translation>Rahmen der Versatzfelder</translation>
    </message>
    <message>
        <source>start hour</source>
        <translation>Beginn: Stunde</translation>
    </message>
    <message>
        <source>start minute</source>
        <translation>Beginn: Minute</translation>
    </message>
    <message>
        <source>start second</source>
        <translation>Beginn: Sekunde</translation>
    </message>
    <message>
        <source>spin of the start time fields</source>
        <translation>Drehfeld der Uhrzeitfelder des Beginns</translation>
    </message>
    <message>
        <source>frame of the start time fields</source>
        <translation>Rahmen der Uhrzeitfelder des Beginns</translation>
    </message>
    <message>
        <source>start day of week</source>
        <translation>Beginn: Wochentag</translation>
    </message>
    <message>
        <source>start month</source>
        <translation>Beginn: Monat</translation>
    </message>
    <message>
        <source>start day of month</source>
        <translation>Beginn: Tag des Monats</translation>
    </message>
    <message>
        <source>end hour</source>
        <translation>Ende: Stunde</translation>
    </message>
    <message>
        <source>end minute</source>
        <translation>Ende: Minute</translation>
    </message>
    <message>
        <source>end second</source>
        <translation>Ende: Sekunde</translation>
    </message>
    <message>
        <source>spin of the end time fields</source>
        <translation>Drehfeld der Uhrzeitfelder des Endes</translation>
    </message>
    <message>
        <source>frame of the end time fields</source>
        <translation>Rahmen der Uhrzeitfelder des Endes</translation>
    </message>
    <message>
        <source>end day of week</source>
        <translation>Ende: Wochentag</translation>
    </message>
    <message>
        <source>end month</source>
        <translation>Ende: Monat</translation>
    </message>
    <message>
        <source>end day of month</source>
        <translation>Ende: Tag des Monats</translation>
    </message>
    <message>
        <source>start time</source>
        <translation>Uhrzeit des Beginns</translation>
    </message>
    <message>
        <source>end time</source>
        <translation>Uhrzeit des Endes</translation>
    </message>
    <message>
        <source>next changes</source>
        <translation>nächste Umstellungen</translation>
    </message>
    <message>
        <source>daylight saving over the coming year</source>
        <translation>Sommerzeit im kommenden Jahr</translation>
    </message>
    <message>
        <source>Daylight Savings Time from a Time Zone</source>
        <translation>Sommerzeit aus einer Zeitzone</translation>
    </message>
    <message>
        <source>Choose the time zone whose daylight savings time rules the clock should follow.</source>
        <translation>Wählen Sie die Zeitzone, deren Sommerzeitregeln die Uhr befolgen soll.</translation>
    </message>
    <message>
        <source>time zones</source>
        <translation>Zeitzonen</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>First USB bridge found</source>
        <translation>Erste gefundene USB-Brücke</translation>
    </message>
    <message>
        <source>No USB bridge found</source>
        <translation>Keine USB-Brücke gefunden</translation>
    </message>
    <message>
        <source> (not found)</source>
        <extracomment>After the name of a chosen device that is not attached now; starts with a space.</extracomment>
        <translation> (nicht gefunden)</translation>
    </message>
    <message>
        <source>This clock has no illumination: its firmware (%1) speaks protocol version 1.</source>
        <translation>Diese Uhr hat keine Beleuchtung, denn ihre Firmware (%1) verwendet Protokollversion 1.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Month: enter a month from 1 to 12.</source>
        <translation>Monat: Geben Sie einen Monat von 1 bis 12 ein.</translation>
    </message>
    <message>
        <source>Year: enter a year from %1 to %2.</source>
        <extracomment>%1 and %2: the first and last year the clock counts right.</extracomment>
        <translation>Jahr: Geben Sie ein Jahr von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>Day: %1 %2 has %3 days; enter 1 to %3.</source>
        <extracomment>%1 the month&apos;s name (&quot;April&quot;), %2 the year, %3 its number of days.</extracomment>
        <translation>Tag: %1 %2 hat %3 Tage; geben Sie 1 bis %3 ein.</translation>
    </message>
    <message>
        <source>Daylight Savings Time Configuration</source>
        <translation>Sommerzeit-Einstellungen</translation>
    </message>
    <message>
        <source>Daylight savings time shift reference</source>
        <translation>Bezug der Sommerzeitumstellung</translation>
    </message>
    <message>
        <source>Current &amp;System Setting</source>
        <translation>&amp;Systemeinstellung</translation>
    </message>
    <message>
        <source>From Zone...</source>
        <translation>Aus Zeitzone...</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Firmware Version:  %1</source>
        <extracomment>The clock&apos;s firmware version: %1 the version (&quot;1.3.0&quot;) or &quot;not available&quot;; two blanks after the colon.</extracomment>
        <translation>Firmware-Version:  %1</translation>
    </message>
    <message>
        <source>Serial Number:  %1</source>
        <extracomment>The clock&apos;s serial number: %1 the number or &quot;not available&quot;; two blanks after the colon.</extracomment>
        <translation>Seriennummer:  %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader reads for a box of the main window: %1 the box&apos;s caption (&quot;Local Time&quot;), %2 the text it shows.
----------
A refusal of the daylight-saving rules: %1 the rule group&apos;s title (&quot;Daylight savings time start&quot;), %2 what to correct (&quot;choose a month.&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The day of a change on the year strip: %1 the day of the month, %2 the month&apos;s short name (&quot;28 Mar&quot;); keep it short.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>choose a week (First to Last) or Absolute.</source>
        <translation>Wählen Sie eine Woche (Erster bis Letzter) oder Festes Datum.</translation>
    </message>
    <message>
        <source>choose Absolute in both groups or a week in both.</source>
        <translation>Wählen Sie in beiden Gruppen Festes Datum oder in beiden eine Woche.</translation>
    </message>
    <message>
        <source>choose a day of the week.</source>
        <translation>Wählen Sie einen Wochentag.</translation>
    </message>
    <message>
        <source>choose a month.</source>
        <translation>Wählen Sie einen Monat.</translation>
    </message>
    <message>
        <source>type a day of the month from 1 to 31.</source>
        <translation>Geben Sie einen Monatstag von 1 bis 31 ein.</translation>
    </message>
    <message>
        <source>%1 has %2 days.</source>
        <translation>%1 hat %2 Tage.</translation>
    </message>
    <message>
        <source>type an hour from 0 to 24.</source>
        <translation>Geben Sie eine Stunde von 0 bis 24 ein.</translation>
    </message>
    <message>
        <source>type a minute from 0 to 60.</source>
        <translation>Geben Sie eine Minute von 0 bis 60 ein.</translation>
    </message>
    <message>
        <source>type a second from 0 to 60.</source>
        <translation>Geben Sie eine Sekunde von 0 bis 60 ein.</translation>
    </message>
    <message>
        <source>No time code</source>
        <translation>Kein Zeitcode</translation>
    </message>
    <message>
        <source>IRIG-B : pulse width modulated</source>
        <translation>IRIG-B : pulsweitenmoduliert</translation>
    </message>
    <message>
        <source>IRIG-B(1) : amplitude modulated</source>
        <translation>IRIG-B(1) : amplitudenmoduliert</translation>
    </message>
    <message>
        <source>Unknown time code</source>
        <translation>Unbekannter Zeitcode</translation>
    </message>
    <message>
        <source>Clock is offline</source>
        <translation>Uhr ist offline</translation>
    </message>
    <message>
        <source>about %1 s</source>
        <translation>etwa %1 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>measuring</source>
        <translation>wird gemessen</translation>
    </message>
    <message>
        <source>Clock vs this computer: %1</source>
        <translation>Uhr gegenüber diesem Computer: %1</translation>
    </message>
    <message>
        <source>The clock on %1 sends damaged replies (bad checksum).</source>
        <translation>Die Uhr an %1 sendet beschädigte Antworten (falsche Prüfsumme).</translation>
    </message>
    <message>
        <source>The clock on %1 sends damaged replies (bad checksum): %2</source>
        <translation>Die Uhr an %1 sendet beschädigte Antworten (falsche Prüfsumme): %2</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies of the wrong length.</source>
        <translation>Die Uhr an %1 sendet Antworten falscher Länge.</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies of the wrong length: %2</source>
        <translation>Die Uhr an %1 sendet Antworten falscher Länge: %2</translation>
    </message>
    <message>
        <source>The clock on %1 answers with the reply to another command.</source>
        <translation>Die Uhr an %1 antwortet mit der Antwort auf einen anderen Befehl.</translation>
    </message>
    <message>
        <source>The clock on %1 answers with the reply to another command: %2</source>
        <translation>Die Uhr an %1 antwortet mit der Antwort auf einen anderen Befehl: %2</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies that cannot be read.</source>
        <translation>Die Uhr an %1 sendet Antworten, die sich nicht lesen lassen.</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies that cannot be read: %2</source>
        <translation>Die Uhr an %1 sendet Antworten, die sich nicht lesen lassen: %2</translation>
    </message>
    <message>
        <source>The clock on %1 answers ACK where a reply belongs.</source>
        <translation>Die Uhr an %1 antwortet mit ACK, wo eine Antwort hingehört.</translation>
    </message>
    <message>
        <source>The clock on %1 answers ACK where a reply belongs: %2</source>
        <translation>Die Uhr an %1 antwortet mit ACK, wo eine Antwort hingehört: %2</translation>
    </message>
    <message>
        <source>The clock on %1 answers NAK: it did not take the command.</source>
        <translation>Die Uhr an %1 antwortet mit NAK: Sie hat den Befehl nicht angenommen.</translation>
    </message>
    <message>
        <source>The clock on %1 answers NAK: it did not take the command: %2</source>
        <translation>Die Uhr an %1 antwortet mit NAK: Sie hat den Befehl nicht angenommen: %2</translation>
    </message>
    <message>
        <source>The clock does not answer: %1</source>
        <translation>Die Uhr antwortet nicht: %1</translation>
    </message>
    <message>
        <source>The clock on %1 stopped answering.</source>
        <translation>Die Uhr an %1 antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>No clock answers on %1: check that the clock is powered and connected.</source>
        <translation>An %1 antwortet keine Uhr: Prüfen Sie, ob die Uhr Strom hat und angeschlossen ist.</translation>
    </message>
    <message>
        <source>Looking for the clock on %1 ...</source>
        <translation>Die Uhr an %1 wird gesucht ...</translation>
    </message>
    <message>
        <source>Failed reading Family ID</source>
        <translation>Lesen der Familienkennung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed reading CPU type</source>
        <translation>Lesen des CPU-Typs fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed reading firmware version</source>
        <translation>Lesen der Firmware-Version fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed reading Serial Number</source>
        <translation>Lesen der Seriennummer fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed reading current time</source>
        <translation>Lesen der aktuellen Uhrzeit fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed reading clock configuration</source>
        <translation>Lesen der Uhrkonfiguration fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed reading display hardware configuration</source>
        <translation>Lesen der Anzeige-Hardwarekonfiguration fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed reading display configuration</source>
        <translation>Lesen der Anzeigekonfiguration fehlgeschlagen</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>The USB port has not been opened yet.</source>
        <translation>Der USB-Anschluss wurde noch nicht geöffnet.</translation>
    </message>
    <message>
        <source>Connected through %1.</source>
        <translation>Verbunden über %1.</translation>
    </message>
    <message>
        <source>No USB bridge found: check that the clock&apos;s USB cable is plugged in.</source>
        <translation>Keine USB-Brücke gefunden: Prüfen Sie, ob das USB-Kabel der Uhr eingesteckt ist.</translation>
    </message>
    <message>
        <source>Device %1 does not exist: check the cable and the device name.</source>
        <translation>Das Gerät %1 existiert nicht: Prüfen Sie das Kabel und den Gerätenamen.</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 ist kein serielles Gerät.</translation>
    </message>
    <message>
        <source>%1 was unplugged.</source>
        <translation>%1 wurde abgezogen.</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>%1 UTC (%2)</source>
        <translation>%1 UTC (%2)</translation>
    </message>
    <message>
        <source>%1 local (%2)</source>
        <translation>%1 Ortszeit (%2)</translation>
    </message>
    <message>
        <source>there daylight time starts on %1</source>
        <translation>dort beginnt die Sommerzeit am %1</translation>
    </message>
    <message>
        <source>there daylight time ends on %1</source>
        <translation>dort endet die Sommerzeit am %1</translation>
    </message>
    <message>
        <source>with these rules daylight time starts on %1</source>
        <translation>mit diesen Regeln beginnt die Sommerzeit am %1</translation>
    </message>
    <message>
        <source>with these rules daylight time ends on %1</source>
        <translation>mit diesen Regeln endet die Sommerzeit am %1</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is not in this computer&apos;s time zone data.</source>
        <translation>Die Zeitzone „%1“ ist nicht in den Zeitzonendaten dieses Computers.</translation>
    </message>
    <message>
        <source>%1 has no daylight saving time; &quot;Disable daylight time&quot; turns it off on the clock.</source>
        <translation>%1 hat keine Sommerzeit; „Keine Sommerzeit“ schaltet sie an der Uhr aus.</translation>
    </message>
    <message>
        <source>Daylight time off</source>
        <translation>Sommerzeit aus</translation>
    </message>
    <message>
        <source>No change: daylight time starts and ends at the same moment.</source>
        <translation>Keine Umstellung: Die Sommerzeit beginnt und endet im selben Moment.</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Nächste Umstellungen: %1, %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Nächste Umstellung: %1</translation>
    </message>
    <message>
        <source>Agrees with %1, which has no daylight saving time.</source>
        <translation>Stimmt mit %1 überein, das keine Sommerzeit hat.</translation>
    </message>
    <message>
        <source>Agrees with %1 in the time zone data over the next ten years.</source>
        <translation>Stimmt in den nächsten zehn Jahren mit %1 aus den Zeitzonendaten überein.</translation>
    </message>
    <message>
        <source>there nothing changes</source>
        <translation>dort ändert sich nichts</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>with these rules nothing changes</source>
        <translation>mit diesen Regeln ändert sich nichts</translation>
    </message>
    <message>
        <source>from %1 UTC the zone&apos;s time is %2, the clock&apos;s %3</source>
        <translation>ab %1 UTC gilt in der Zone %2, an der Uhr %3</translation>
    </message>
    <message>
        <source>the clock&apos;s time zone bias is %1, the zone&apos;s standard time %2</source>
        <translation>der Zeitzonen-Versatz der Uhr ist %1, die Normalzeit der Zone %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Differs from %1 in the time zone data: %2.</source>
        <translation>Weicht von %1 aus den Zeitzonendaten ab: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%2 %1</source>
        <extracomment>A day of a month, &quot;21 March&quot;, inside a longer phrase (&quot;the Sunday on or after 21 March&quot;): %1 the month&apos;s name, %2 the day, no article. The form for one lets the language write the first of the month (&quot;1er mars&quot;, &quot;1. März&quot;).</extracomment>
        <translation>
            <numerusform>%2. %1</numerusform>
            <numerusform>%2. %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 UTC</source>
        <extracomment>The day and time of a change (&quot;the last Sunday of March at 01:00 UTC&quot;): %1 the day with its preposition, %2 the time. The form for one is for the hour 1 (Spanish &quot;a la 01:00&quot;, &quot;a las 02:00&quot;).</extracomment>
        <translation>
            <numerusform>%1 um %2 UTC</numerusform>
            <numerusform>%1 um %2 UTC</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 local time</source>
        <translation>
            <numerusform>%1 um %2 Ortszeit</numerusform>
            <numerusform>%1 um %2 Ortszeit</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, %3 and later years</source>
        <translation>%1, %2, %3 und in späteren Jahren</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 und %3</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>%1 local time</source>
        <translation>%1 Ortszeit</translation>
    </message>
    <message>
        <source>The clock cannot follow the start exactly: %1 starts daylight time on %2, and %3 differs in %4 (%5 there, %6 on the clock).</source>
        <extracomment>%1 the zone, %2 the day it changes on with its preposition (&quot;on the Sunday on or after 8 March&quot;), %3 the clock&apos;s day as the subject (&quot;the last Sunday of March&quot;), %4 the years (&quot;2027 and 2028&quot;), %5 and %6 a day and time there and on the clock.</extracomment>
        <translation>Die Uhr kann den Beginn nicht genau einhalten: In der Zone %1 beginnt die Sommerzeit %2, aber %3 weicht %4 davon ab (dort %5, an der Uhr %6).</translation>
    </message>
    <message>
        <source>The clock cannot follow the end exactly: %1 ends daylight time on %2, and %3 differs in %4 (%5 there, %6 on the clock).</source>
        <translation>Die Uhr kann das Ende nicht genau einhalten: In der Zone %1 endet die Sommerzeit %2, aber %3 weicht %4 davon ab (dort %5, an der Uhr %6).</translation>
    </message>
    <message>
        <source>The clock cannot follow the start exactly: %1 differs from %2 in %3 (%4 there, %5 on the clock).</source>
        <extracomment>%1 the clock&apos;s day as the subject (&quot;the last Sunday of March&quot;), %2 the zone, %3 the years (&quot;2027 and 2028&quot;), %4 and %5 a day and time there and on the clock.</extracomment>
        <translation>Die Uhr kann den Beginn nicht genau einhalten, denn %1 weicht %3 von der Zone %2 ab (dort %4, an der Uhr %5).</translation>
    </message>
    <message>
        <source>The clock cannot follow the end exactly: %1 differs from %2 in %3 (%4 there, %5 on the clock).</source>
        <translation>Die Uhr kann das Ende nicht genau einhalten, denn %1 weicht %3 von der Zone %2 ab (dort %4, an der Uhr %5).</translation>
    </message>
    <message>
        <source>%1 has no daylight saving time: &quot;Disable daylight time&quot; is ticked, so the clock keeps standard time all year.</source>
        <translation>%1 hat keine Sommerzeit: „Keine Sommerzeit“ ist angekreuzt, die Uhr behält das ganze Jahr die Normalzeit.</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is not in this computer&apos;s time zone data; nothing was imported.</source>
        <translation>Die Zeitzone „%1“ ist nicht in den Zeitzonendaten dieses Computers; nichts wurde übernommen.</translation>
    </message>
    <message>
        <source>Imported the rules of %1: daylight time starts on %2 and ends on %3.</source>
        <extracomment>%1 the zone, %2 and %3 the days and times of the changes with their prepositions (&quot;on the last Sunday of March at 01:00 UTC&quot;): write no preposition before them.</extracomment>
        <translation>Regeln von %1 übernommen: Die Sommerzeit beginnt %2 und endet %3.</translation>
    </message>
    <message>
        <source>Daylight time moves the clock %1 back.</source>
        <translation>Die Sommerzeit stellt die Uhr um %1 zurück.</translation>
    </message>
    <message>
        <source>Daylight time moves the clock %1 forward.</source>
        <translation>Die Sommerzeit stellt die Uhr um %1 vor.</translation>
    </message>
    <message>
        <source>Local times are those the clock shows just before each change.</source>
        <translation>Ortszeiten sind die Zeiten, die die Uhr kurz vor jeder Umstellung zeigt.</translation>
    </message>
    <message>
        <source>The time zone data does not confirm whether the changes follow UTC or local time; local time is used.</source>
        <translation>Die Zeitzonendaten bestätigen nicht, ob die Umstellungen UTC oder der Ortszeit folgen; die Ortszeit wird verwendet.</translation>
    </message>
    <message>
        <source>The zone&apos;s shift varies over the years; the clock keeps %1.</source>
        <translation>Der Sommerzeit-Versatz der Zone ändert sich über die Jahre; die Uhr behält %1 bei.</translation>
    </message>
    <message>
        <source>The zone also changes its standard time on %1 UTC; the clock&apos;s time zone bias does not follow.</source>
        <translation>Die Zone ändert am %1 UTC auch ihre Normalzeit; der Zeitzonen-Versatz der Uhr folgt dem nicht.</translation>
    </message>
    <message>
        <source>This computer names no time zone; nothing was imported.</source>
        <translation>Dieser Computer nennt keine Zeitzone; nichts wurde übernommen.</translation>
    </message>
    <message>
        <source>Kerovant&apos;s udev rule (%1) gives the user at the desktop access to the clock: install it (the kerovant package does), then plug the clock in again.</source>
        <translation>Die udev-Regel von Kerovant (%1) gibt dem Benutzer am Desktop Zugriff auf die Uhr: Installieren Sie sie (das Paket kerovant tut das) und stecken Sie die Uhr dann neu ein.</translation>
    </message>
    <message>
        <source>Permission denied on %1. %2</source>
        <translation>Zugriff auf %1 verweigert. %2</translation>
    </message>
    <message>
        <source>Permission denied on %1: join the group &apos;%2&apos; (for example: sudo usermod -aG %2 $USER), then log out and in again.</source>
        <translation>Zugriff auf %1 verweigert: Treten Sie der Gruppe „%2“ bei (zum Beispiel: sudo usermod -aG %2 $USER), melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>only the administrator may read and write it</source>
        <translation>nur der Administrator darf es lesen und schreiben</translation>
    </message>
    <message>
        <source>only root may read and write it</source>
        <translation>nur root darf es lesen und schreiben</translation>
    </message>
    <message>
        <source>only its owner, the user &apos;%1&apos;, may read and write it</source>
        <translation>nur sein Eigentümer, der Benutzer „%1“, darf es lesen und schreiben</translation>
    </message>
    <message>
        <source>only its owner, user ID %1, may read and write it</source>
        <translation>nur sein Eigentümer, Benutzer-ID %1, darf es lesen und schreiben</translation>
    </message>
    <message>
        <source>Permission denied on %1: %2. %3</source>
        <translation>Zugriff auf %1 verweigert: %2. %3</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close that program and try again.</source>
        <translation>%1 wird von einem anderen Programm verwendet: Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>a program (process %1)</source>
        <translation>ein Programm (Prozess %1)</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (Prozess %2)</translation>
    </message>
    <message>
        <source>%1 is in use by %2. Kerovant&apos;s udev rule (%3) tells ModemManager to leave the clock alone: install it (the kerovant package does), then plug the clock in again.</source>
        <translation>%1 wird von %2 verwendet. Die udev-Regel von Kerovant (%3) weist ModemManager an, die Uhr in Ruhe zu lassen: Installieren Sie sie (das Paket kerovant tut das) und stecken Sie die Uhr dann neu ein.</translation>
    </message>
    <message>
        <source>%1 is in use by %2: close that program and try again.</source>
        <translation>%1 wird von %2 verwendet: Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The clock&apos;s configuration holds values out of range:
%1</source>
        <translation>Die Konfiguration der Uhr enthält Werte außerhalb des zulässigen Bereichs:
%1</translation>
    </message>
    <message>
        <source>Correct them now? Hand motion out of range becomes sweep, a date flag above 1 becomes 1, and daylight-saving rules out of range go back to the defaults (no daylight saving shift).</source>
        <translation>Jetzt korrigieren? Eine ungültige Zeigerbewegung wird zu „gleitend“, ein Datums-Flag über 1 wird 1, und ungültige Sommerzeitregeln werden auf die Standardwerte zurückgesetzt (ohne Sommerzeit-Versatz).</translation>
    </message>
    <message>
        <source>A time zone bias or daylight saving shift beyond 24 hours is not corrected here: set them with Time Zone and Daylight Savings Time.</source>
        <translation>Ein Zeitzonen-Versatz oder Sommerzeit-Versatz von mehr als 24 Stunden wird hier nicht korrigiert: Stellen Sie sie mit „Zeitzone“ und „Sommerzeit“ ein.</translation>
    </message>
    <message>
        <source>The clock&apos;s configuration was corrected.</source>
        <translation>Die Konfiguration der Uhr wurde korrigiert.</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4 %5</source>
        <extracomment>A day and time, &quot;Sun 28 Mar 2027 01:00&quot;: %1 the weekday&apos;s short name, %2 the day of the month, %3 the month&apos;s short name, %4 the year, %5 the time. Order and punctuation as the language writes a date.</extracomment>
        <translation>%1, %2. %3 %4 %5</translation>
    </message>
    <message>
        <source>The clock acknowledged it, but the connection was lost before it could be confirmed. It is checked when the clock is back; you are told only if the clock holds other values.</source>
        <translation>Die Uhr hat es bestätigt, aber die Verbindung wurde unterbrochen, bevor es überprüft werden konnte. Es wird überprüft, sobald die Uhr wieder da ist; Sie erfahren es nur, wenn die Uhr andere Werte enthält.</translation>
    </message>
    <message>
        <source>The clock is not connected. Setting goes on once the same clock is back.</source>
        <translation>Die Uhr ist nicht angeschlossen. Das Stellen geht weiter, sobald dieselbe Uhr wieder da ist.</translation>
    </message>
    <message>
        <source>the first Sunday %1</source>
        <comment>subject</comment>
        <extracomment>A week&apos;s weekday of a month standing as the subject of a sentence (&quot;the last Sunday of March differs in 2027&quot;), %1 the month with its &quot;of&quot; (&quot;of March&quot;). The ordinal agrees with the weekday: one message for each week and weekday.</extracomment>
        <translation>der erste Sonntag %1</translation>
    </message>
    <message>
        <source>the first Monday %1</source>
        <comment>subject</comment>
        <translation>der erste Montag %1</translation>
    </message>
    <message>
        <source>the first Tuesday %1</source>
        <comment>subject</comment>
        <translation>der erste Dienstag %1</translation>
    </message>
    <message>
        <source>the first Wednesday %1</source>
        <comment>subject</comment>
        <translation>der erste Mittwoch %1</translation>
    </message>
    <message>
        <source>the first Thursday %1</source>
        <comment>subject</comment>
        <translation>der erste Donnerstag %1</translation>
    </message>
    <message>
        <source>the first Friday %1</source>
        <comment>subject</comment>
        <translation>der erste Freitag %1</translation>
    </message>
    <message>
        <source>the first Saturday %1</source>
        <comment>subject</comment>
        <translation>der erste Samstag %1</translation>
    </message>
    <message>
        <source>the second Sunday %1</source>
        <comment>subject</comment>
        <translation>der zweite Sonntag %1</translation>
    </message>
    <message>
        <source>the second Monday %1</source>
        <comment>subject</comment>
        <translation>der zweite Montag %1</translation>
    </message>
    <message>
        <source>the second Tuesday %1</source>
        <comment>subject</comment>
        <translation>der zweite Dienstag %1</translation>
    </message>
    <message>
        <source>the second Wednesday %1</source>
        <comment>subject</comment>
        <translation>der zweite Mittwoch %1</translation>
    </message>
    <message>
        <source>the second Thursday %1</source>
        <comment>subject</comment>
        <translation>der zweite Donnerstag %1</translation>
    </message>
    <message>
        <source>the second Friday %1</source>
        <comment>subject</comment>
        <translation>der zweite Freitag %1</translation>
    </message>
    <message>
        <source>the second Saturday %1</source>
        <comment>subject</comment>
        <translation>der zweite Samstag %1</translation>
    </message>
    <message>
        <source>the third Sunday %1</source>
        <comment>subject</comment>
        <translation>der dritte Sonntag %1</translation>
    </message>
    <message>
        <source>the third Monday %1</source>
        <comment>subject</comment>
        <translation>der dritte Montag %1</translation>
    </message>
    <message>
        <source>the third Tuesday %1</source>
        <comment>subject</comment>
        <translation>der dritte Dienstag %1</translation>
    </message>
    <message>
        <source>the third Wednesday %1</source>
        <comment>subject</comment>
        <translation>der dritte Mittwoch %1</translation>
    </message>
    <message>
        <source>the third Thursday %1</source>
        <comment>subject</comment>
        <translation>der dritte Donnerstag %1</translation>
    </message>
    <message>
        <source>the third Friday %1</source>
        <comment>subject</comment>
        <translation>der dritte Freitag %1</translation>
    </message>
    <message>
        <source>the third Saturday %1</source>
        <comment>subject</comment>
        <translation>der dritte Samstag %1</translation>
    </message>
    <message>
        <source>the fourth Sunday %1</source>
        <comment>subject</comment>
        <translation>der vierte Sonntag %1</translation>
    </message>
    <message>
        <source>the fourth Monday %1</source>
        <comment>subject</comment>
        <translation>der vierte Montag %1</translation>
    </message>
    <message>
        <source>the fourth Tuesday %1</source>
        <comment>subject</comment>
        <translation>der vierte Dienstag %1</translation>
    </message>
    <message>
        <source>the fourth Wednesday %1</source>
        <comment>subject</comment>
        <translation>der vierte Mittwoch %1</translation>
    </message>
    <message>
        <source>the fourth Thursday %1</source>
        <comment>subject</comment>
        <translation>der vierte Donnerstag %1</translation>
    </message>
    <message>
        <source>the fourth Friday %1</source>
        <comment>subject</comment>
        <translation>der vierte Freitag %1</translation>
    </message>
    <message>
        <source>the fourth Saturday %1</source>
        <comment>subject</comment>
        <translation>der vierte Samstag %1</translation>
    </message>
    <message>
        <source>the last Sunday %1</source>
        <comment>subject</comment>
        <translation>der letzte Sonntag %1</translation>
    </message>
    <message>
        <source>the last Monday %1</source>
        <comment>subject</comment>
        <translation>der letzte Montag %1</translation>
    </message>
    <message>
        <source>the last Tuesday %1</source>
        <comment>subject</comment>
        <translation>der letzte Dienstag %1</translation>
    </message>
    <message>
        <source>the last Wednesday %1</source>
        <comment>subject</comment>
        <translation>der letzte Mittwoch %1</translation>
    </message>
    <message>
        <source>the last Thursday %1</source>
        <comment>subject</comment>
        <translation>der letzte Donnerstag %1</translation>
    </message>
    <message>
        <source>the last Friday %1</source>
        <comment>subject</comment>
        <translation>der letzte Freitag %1</translation>
    </message>
    <message>
        <source>the last Saturday %1</source>
        <comment>subject</comment>
        <translation>der letzte Samstag %1</translation>
    </message>
    <message>
        <source>the first Sunday %1</source>
        <comment>on a day</comment>
        <extracomment>The day something happens on (&quot;daylight time starts on the last Sunday of March&quot;), %1 the month with its &quot;of&quot; (&quot;of March&quot;). Write the preposition and case the day takes here (&quot;am letzten Sonntag&quot;, &quot;no último domingo&quot;), or none; the sentence around it has none.</extracomment>
        <translation>am ersten Sonntag %1</translation>
    </message>
    <message>
        <source>the first Monday %1</source>
        <comment>on a day</comment>
        <translation>am ersten Montag %1</translation>
    </message>
    <message>
        <source>the first Tuesday %1</source>
        <comment>on a day</comment>
        <translation>am ersten Dienstag %1</translation>
    </message>
    <message>
        <source>the first Wednesday %1</source>
        <comment>on a day</comment>
        <translation>am ersten Mittwoch %1</translation>
    </message>
    <message>
        <source>the first Thursday %1</source>
        <comment>on a day</comment>
        <translation>am ersten Donnerstag %1</translation>
    </message>
    <message>
        <source>the first Friday %1</source>
        <comment>on a day</comment>
        <translation>am ersten Freitag %1</translation>
    </message>
    <message>
        <source>the first Saturday %1</source>
        <comment>on a day</comment>
        <translation>am ersten Samstag %1</translation>
    </message>
    <message>
        <source>the second Sunday %1</source>
        <comment>on a day</comment>
        <translation>am zweiten Sonntag %1</translation>
    </message>
    <message>
        <source>the second Monday %1</source>
        <comment>on a day</comment>
        <translation>am zweiten Montag %1</translation>
    </message>
    <message>
        <source>the second Tuesday %1</source>
        <comment>on a day</comment>
        <translation>am zweiten Dienstag %1</translation>
    </message>
    <message>
        <source>the second Wednesday %1</source>
        <comment>on a day</comment>
        <translation>am zweiten Mittwoch %1</translation>
    </message>
    <message>
        <source>the second Thursday %1</source>
        <comment>on a day</comment>
        <translation>am zweiten Donnerstag %1</translation>
    </message>
    <message>
        <source>the second Friday %1</source>
        <comment>on a day</comment>
        <translation>am zweiten Freitag %1</translation>
    </message>
    <message>
        <source>the second Saturday %1</source>
        <comment>on a day</comment>
        <translation>am zweiten Samstag %1</translation>
    </message>
    <message>
        <source>the third Sunday %1</source>
        <comment>on a day</comment>
        <translation>am dritten Sonntag %1</translation>
    </message>
    <message>
        <source>the third Monday %1</source>
        <comment>on a day</comment>
        <translation>am dritten Montag %1</translation>
    </message>
    <message>
        <source>the third Tuesday %1</source>
        <comment>on a day</comment>
        <translation>am dritten Dienstag %1</translation>
    </message>
    <message>
        <source>the third Wednesday %1</source>
        <comment>on a day</comment>
        <translation>am dritten Mittwoch %1</translation>
    </message>
    <message>
        <source>the third Thursday %1</source>
        <comment>on a day</comment>
        <translation>am dritten Donnerstag %1</translation>
    </message>
    <message>
        <source>the third Friday %1</source>
        <comment>on a day</comment>
        <translation>am dritten Freitag %1</translation>
    </message>
    <message>
        <source>the third Saturday %1</source>
        <comment>on a day</comment>
        <translation>am dritten Samstag %1</translation>
    </message>
    <message>
        <source>the fourth Sunday %1</source>
        <comment>on a day</comment>
        <translation>am vierten Sonntag %1</translation>
    </message>
    <message>
        <source>the fourth Monday %1</source>
        <comment>on a day</comment>
        <translation>am vierten Montag %1</translation>
    </message>
    <message>
        <source>the fourth Tuesday %1</source>
        <comment>on a day</comment>
        <translation>am vierten Dienstag %1</translation>
    </message>
    <message>
        <source>the fourth Wednesday %1</source>
        <comment>on a day</comment>
        <translation>am vierten Mittwoch %1</translation>
    </message>
    <message>
        <source>the fourth Thursday %1</source>
        <comment>on a day</comment>
        <translation>am vierten Donnerstag %1</translation>
    </message>
    <message>
        <source>the fourth Friday %1</source>
        <comment>on a day</comment>
        <translation>am vierten Freitag %1</translation>
    </message>
    <message>
        <source>the fourth Saturday %1</source>
        <comment>on a day</comment>
        <translation>am vierten Samstag %1</translation>
    </message>
    <message>
        <source>the last Sunday %1</source>
        <comment>on a day</comment>
        <translation>am letzten Sonntag %1</translation>
    </message>
    <message>
        <source>the last Monday %1</source>
        <comment>on a day</comment>
        <translation>am letzten Montag %1</translation>
    </message>
    <message>
        <source>the last Tuesday %1</source>
        <comment>on a day</comment>
        <translation>am letzten Dienstag %1</translation>
    </message>
    <message>
        <source>the last Wednesday %1</source>
        <comment>on a day</comment>
        <translation>am letzten Mittwoch %1</translation>
    </message>
    <message>
        <source>the last Thursday %1</source>
        <comment>on a day</comment>
        <translation>am letzten Donnerstag %1</translation>
    </message>
    <message>
        <source>the last Friday %1</source>
        <comment>on a day</comment>
        <translation>am letzten Freitag %1</translation>
    </message>
    <message>
        <source>the last Saturday %1</source>
        <comment>on a day</comment>
        <translation>am letzten Samstag %1</translation>
    </message>
    <message>
        <source>of January</source>
        <extracomment>A month after a week&apos;s weekday (&quot;the last Sunday&quot; + &quot;of October&quot;), with the word that joins them: &quot;d&apos;octobre&quot; where French elides, &quot;im Oktober&quot; in German.</extracomment>
        <translation>im Januar</translation>
    </message>
    <message>
        <source>of February</source>
        <translation>im Februar</translation>
    </message>
    <message>
        <source>of March</source>
        <translation>im März</translation>
    </message>
    <message>
        <source>of April</source>
        <translation>im April</translation>
    </message>
    <message>
        <source>of May</source>
        <translation>im Mai</translation>
    </message>
    <message>
        <source>of June</source>
        <translation>im Juni</translation>
    </message>
    <message>
        <source>of July</source>
        <translation>im Juli</translation>
    </message>
    <message>
        <source>of August</source>
        <translation>im August</translation>
    </message>
    <message>
        <source>of September</source>
        <translation>im September</translation>
    </message>
    <message>
        <source>of October</source>
        <translation>im Oktober</translation>
    </message>
    <message>
        <source>of November</source>
        <translation>im November</translation>
    </message>
    <message>
        <source>of December</source>
        <translation>im Dezember</translation>
    </message>
    <message numerus="yes">
        <source>%2 %1</source>
        <comment>subject</comment>
        <extracomment>A fixed day standing as the subject of a sentence (&quot;21 March differs in 2027&quot;): %1 the month&apos;s name, %2 the day of the month, with the article the language needs. The form for one lets the language write the first of the month (&quot;le 1er mars&quot;).</extracomment>
        <translation>
            <numerusform>der %2. %1</numerusform>
            <numerusform>der %2. %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%2 %1</source>
        <comment>on a day</comment>
        <extracomment>The fixed day something happens on (&quot;daylight time starts on 21 March&quot;): %1 the month&apos;s name, %2 the day of the month. Write the preposition and case the day takes here (&quot;am 21. März&quot;), or none; the sentence around it has none. The form for one lets the language write the first of the month (&quot;le 1er mars&quot;).</extracomment>
        <translation>
            <numerusform>am %2. %1</numerusform>
            <numerusform>am %2. %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the Sunday on or after %1</source>
        <extracomment>The day a zone&apos;s daylight time starts or ends on (&quot;starts on the Sunday on or after 8 March&quot;), %1 the day and month without an article (&quot;8 March&quot;). Write the preposition and case the day takes here (&quot;am ersten Sonntag ab dem %1&quot;), or none; the sentence around it has none.</extracomment>
        <translation>am ersten Sonntag ab dem %1</translation>
    </message>
    <message>
        <source>the Monday on or after %1</source>
        <translation>am ersten Montag ab dem %1</translation>
    </message>
    <message>
        <source>the Tuesday on or after %1</source>
        <translation>am ersten Dienstag ab dem %1</translation>
    </message>
    <message>
        <source>the Wednesday on or after %1</source>
        <translation>am ersten Mittwoch ab dem %1</translation>
    </message>
    <message>
        <source>the Thursday on or after %1</source>
        <translation>am ersten Donnerstag ab dem %1</translation>
    </message>
    <message>
        <source>the Friday on or after %1</source>
        <translation>am ersten Freitag ab dem %1</translation>
    </message>
    <message>
        <source>the Saturday on or after %1</source>
        <translation>am ersten Samstag ab dem %1</translation>
    </message>
    <message>
        <source>the Sunday on or before %1</source>
        <extracomment>The day a zone&apos;s daylight time starts or ends on (&quot;ends on the Sunday on or before 25 October&quot;), %1 the day and month without an article. Write the preposition and case the day takes here (&quot;am letzten Sonntag bis zum %1&quot;), or none.</extracomment>
        <translation>am letzten Sonntag bis zum %1</translation>
    </message>
    <message>
        <source>the Monday on or before %1</source>
        <translation>am letzten Montag bis zum %1</translation>
    </message>
    <message>
        <source>the Tuesday on or before %1</source>
        <translation>am letzten Dienstag bis zum %1</translation>
    </message>
    <message>
        <source>the Wednesday on or before %1</source>
        <translation>am letzten Mittwoch bis zum %1</translation>
    </message>
    <message>
        <source>the Thursday on or before %1</source>
        <translation>am letzten Donnerstag bis zum %1</translation>
    </message>
    <message>
        <source>the Friday on or before %1</source>
        <translation>am letzten Freitag bis zum %1</translation>
    </message>
    <message>
        <source>the Saturday on or before %1</source>
        <translation>am letzten Samstag bis zum %1</translation>
    </message>
    <message>
        <source>the Sunday of week %1 %2</source>
        <extracomment>The day a zone&apos;s daylight time starts or ends on: %1 the number of the week in the month, %2 the month with its &quot;of&quot; (&quot;of March&quot;). Write the preposition and case the day takes here, or none.</extracomment>
        <translation>am Sonntag der %1. Woche %2</translation>
    </message>
    <message>
        <source>the Monday of week %1 %2</source>
        <translation>am Montag der %1. Woche %2</translation>
    </message>
    <message>
        <source>the Tuesday of week %1 %2</source>
        <translation>am Dienstag der %1. Woche %2</translation>
    </message>
    <message>
        <source>the Wednesday of week %1 %2</source>
        <translation>am Mittwoch der %1. Woche %2</translation>
    </message>
    <message>
        <source>the Thursday of week %1 %2</source>
        <translation>am Donnerstag der %1. Woche %2</translation>
    </message>
    <message>
        <source>the Friday of week %1 %2</source>
        <translation>am Freitag der %1. Woche %2</translation>
    </message>
    <message>
        <source>the Saturday of week %1 %2</source>
        <translation>am Samstag der %1. Woche %2</translation>
    </message>
    <message>
        <source>Permission denied on the clock&apos;s USB device. %1</source>
        <translation>Zugriff auf das USB-Gerät der Uhr verweigert. %1</translation>
    </message>
    <message>
        <source>the clock&apos;s USB device is in use by another program: close that program and try again.</source>
        <translation>Das USB-Gerät der Uhr wird von einem anderen Programm verwendet: Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Connected through the clock&apos;s USB device.</source>
        <translation>Verbunden über das USB-Gerät der Uhr.</translation>
    </message>
    <message>
        <source>the clock&apos;s USB device was unplugged.</source>
        <translation>Das USB-Gerät der Uhr wurde abgezogen.</translation>
    </message>
    <message>
        <source>the clock&apos;s USB device could not be opened.</source>
        <translation>Das USB-Gerät der Uhr ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Clock Configuration Utility</source>
        <extracomment>The product line of the About box before a clock is identified (and for a clock of no known brand); once identified, the brand&apos;s product name.</extracomment>
        <translation>Uhren-Konfigurationsprogramm</translation>
    </message>
    <message>
        <source>not available</source>
        <extracomment>In place of the firmware version or serial number while no clock answers.</extracomment>
        <translation>nicht verfügbar</translation>
    </message>
    <message>
        <source>Clock Control</source>
        <extracomment>The window&apos;s title before a clock is identified (and for a clock of no known brand); once identified, the brand&apos;s product name.</extracomment>
        <translation>Uhrensteuerung</translation>
    </message>
</context>
<context>
    <name>KerovantShort</name>
    <message>
        <source>Sun</source>
        <extracomment>A weekday&apos;s short name, in a change&apos;s day (&quot;Sun 28 Mar 2027&quot;): the language&apos;s usual abbreviation, dot included where it takes one.</extracomment>
        <translation>So.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi.</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do.</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr.</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa.</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>A month&apos;s short name, under its month in the year strip: at most five characters, or the strip&apos;s names run into each other.</extracomment>
        <translation>Jan.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>März</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr.</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>The short name of May, under its month in the year strip: at most five characters.</extracomment>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug.</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez.</translation>
    </message>
</context>
</TS>
