// The time zone catalogue the time zone dialog lists: every zone of the
// system's tz database once, with its base bias.
//
// Sources, and why:
// - The zones and their offsets come from the system's tz data through
//   QTimeZone; the package manager keeps that data current. ICU's own copy
//   of the rules is years older here and offsets have changed since
//   (Asia/Almaty moved from UTC+6 to UTC+5 in 2024), so ICU never supplies
//   an offset or a date.
// - ICU tells a zone from its aliases (US/Eastern is America/New_York),
//   which Qt cannot, and gives the zones' names in the user's language. Qt
//   takes the same names from ICU but opens a calendar per zone for it: over
//   100 ms for the catalogue, a visible pause at every opening, against a
//   few milliseconds from ICU's name table.
//
// Base bias: minutes, UTC = local time + bias (Asia/Kolkata -330,
// America/New_York +300), from the zone's standard time as the clock keeps
// it (ZoneStandardOffset, DstZoneData.h), the same the daylight-saving
// import builds its shift on: Europe/Dublin 0, as Europe/London, with a
// summer shift forward; Africa/Casablanca UTC+01:00 with its hour back in
// Ramadan as an interruption.
//
// Order: by base bias, largest first (farthest west first), then by zone ID
// (people scan names alphabetically).
//
// Reentrant: each call builds its own catalogue.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

class QTimeZone;

struct TimeZoneEntry {
    QByteArray keyName;   // the IANA zone ID, "Asia/Kolkata"
    QString displayName;  // "(UTC+05:30) Asia/Kolkata - India Standard Time"
    int32_t biasMinutes = 0;
};

// The catalogue as of the given moment, names in the given locale.
std::vector<TimeZoneEntry> LoadTimeZoneCatalogue(const QDateTime& atUtc = QDateTime::currentDateTimeUtc(),
                                                 const QLocale& locale = QLocale());

// The zone IDs among candidates with each zone once: Qt's names for bare
// offsets ("UTC+05:30") are left out, and of IDs that name one zone the
// one the tz database lists for a country is kept (America/New_York, not
// US/Eastern; Asia/Kolkata, not Asia/Calcutta), or Qt's own name for UTC.
// Sorted by ID.
std::vector<QByteArray> CanonicalZoneIds(const QList<QByteArray>& candidates);

// A zone's base bias in minutes at a moment (see above).
int32_t BaseBiasMinutes(const QTimeZone& zone, const QDateTime& atUtc);

// "UTC+05:30" for a base bias of -330, "UTC+00:00" for 0.
QString OffsetText(int32_t biasMinutes);

// Whether an entry matches what the user typed into the filter: any part of
// its display name, case and the difference between "_" and " " ignored
// ("berlin", "+05:30", "new york"). An empty filter matches everything.
bool MatchesFilter(const TimeZoneEntry& entry, QStringView filter);
