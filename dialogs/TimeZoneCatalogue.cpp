#include "TimeZoneCatalogue.h"

#include "DstZoneData.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/tznames.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>
#include <memory>
#include <string>

namespace {

icu::UnicodeString ToIcu(const QByteArray& id)
{
    return icu::UnicodeString::fromUTF8(icu::StringPiece(id.constData(), static_cast<int32_t>(id.size())));
}

QString FromIcu(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

// ICU's canonical form of an ID, which all its aliases share; the ID itself
// when ICU does not know it (a zone newer than ICU's data).
QByteArray IcuCanonical(const QByteArray& id)
{
    icu::UnicodeString canonical;
    UErrorCode status = U_ZERO_ERROR;
    icu::TimeZone::getCanonicalID(ToIcu(id), canonical, status);
    if (U_FAILURE(status) || canonical.isEmpty())
        return id;
    std::string utf8;
    canonical.toUTF8String(utf8);
    return QByteArray::fromStdString(utf8);
}

// Qt names whole offsets "UTC+05:30" next to the database's zones.
bool IsBareOffset(const QByteArray& id)
{
    static const QRegularExpression pattern(QStringLiteral("^UTC[+-]\\d\\d(:\\d\\d)?$"));
    return pattern.match(QLatin1String(id)).hasMatch();
}

// Of several IDs for one zone, the one people know it by.
QByteArray Preferred(const std::vector<QByteArray>& ids, const QByteArray& icuCanonical)
{
    const QByteArray utc = QTimeZone::utc().id();
    auto rank = [&](const QByteArray& id) {
        if (id == utc)
            return 0;
        // The tz database lists a zone under one name per country it covers;
        // aliases (US/Eastern, Asia/Calcutta) have no country.
        if (QTimeZone(id).territory() != QLocale::AnyTerritory)
            return 1;
        return id == icuCanonical ? 2 : 3;
    };
    return *std::min_element(ids.begin(), ids.end(), [&](const QByteArray& a, const QByteArray& b) {
        const int ra = rank(a);
        const int rb = rank(b);
        return ra != rb ? ra < rb : a < b;
    });
}

// The zone's long standard-time name in the locale, or empty.
QString StandardName(const icu::TimeZoneNames* names, const QByteArray& id, const QTimeZone& zone, UDate at,
                     const QLocale& locale)
{
    if (names) {
        icu::UnicodeString name;
        names->getDisplayName(ToIcu(IcuCanonical(id)), UTZNM_LONG_STANDARD, at, name);
        if (!name.isEmpty())
            return FromIcu(name);
    }
    // A zone ICU does not know yet: Qt's name for it (its abbreviation).
    return zone.displayName(QTimeZone::StandardTime, QTimeZone::LongName, locale);
}

QString DisplayName(const QByteArray& id, int32_t biasMinutes, const QString& name)
{
    QString text = QStringLiteral("(%1) %2").arg(OffsetText(biasMinutes), QLatin1String(id));
    if (!name.isEmpty() && name != QLatin1String(id))
        text += QStringLiteral(" - ") + name;
    return text;
}

// Underscores in zone IDs stand for spaces.
QString Searchable(QStringView text)
{
    return text.toString().replace(QLatin1Char('_'), QLatin1Char(' '));
}

}  // namespace

std::vector<QByteArray> CanonicalZoneIds(const QList<QByteArray>& candidates)
{
    std::map<QByteArray, std::vector<QByteArray>> byZone;
    for (const QByteArray& id : candidates) {
        if (!IsBareOffset(id))
            byZone[IcuCanonical(id)].push_back(id);
    }
    std::vector<QByteArray> ids;
    ids.reserve(byZone.size());
    for (const auto& [canonical, group] : byZone)
        ids.push_back(group.size() == 1 ? group.front() : Preferred(group, canonical));
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

int32_t BaseBiasMinutes(const QTimeZone& zone, const QDateTime& atUtc)
{
    // The zone as the clock keeps it, as the daylight-saving import takes it.
    const std::chrono::sys_seconds at{std::chrono::seconds(atUtc.toSecsSinceEpoch())};
    return static_cast<int32_t>(-std::lround(ZoneStandardOffset(zone, at) / 60.0));
}

QString OffsetText(int32_t biasMinutes)
{
    const int64_t east = -int64_t{biasMinutes};
    const int64_t magnitude = east < 0 ? -east : east;
    return QStringLiteral("UTC%1%2:%3")
        .arg(east < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(magnitude / 60, 2, 10, QLatin1Char('0'))
        .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
}

bool MatchesFilter(const TimeZoneEntry& entry, QStringView filter)
{
    const QString wanted = Searchable(filter.trimmed());
    return wanted.isEmpty() || Searchable(entry.displayName).contains(wanted, Qt::CaseInsensitive);
}

std::vector<TimeZoneEntry> LoadTimeZoneCatalogue(const QDateTime& atUtc, const QLocale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale icuLocale(locale.name().toLatin1().constData());
    const std::unique_ptr<icu::TimeZoneNames> names(icu::TimeZoneNames::createInstance(icuLocale, status));
    const UDate at = static_cast<UDate>(atUtc.toMSecsSinceEpoch());

    std::vector<TimeZoneEntry> catalogue;
    const std::vector<QByteArray> ids = CanonicalZoneIds(QTimeZone::availableTimeZoneIds());
    catalogue.reserve(ids.size());
    for (const QByteArray& id : ids) {
        const QTimeZone zone(id);
        if (!zone.isValid())
            continue;  // listed but unreadable: nothing true to show for it
        const int32_t bias = BaseBiasMinutes(zone, atUtc);
        const QString name = StandardName(U_SUCCESS(status) ? names.get() : nullptr, id, zone, at, locale);
        catalogue.push_back({id, DisplayName(id, bias, name), bias});
    }
    std::sort(catalogue.begin(), catalogue.end(), [](const TimeZoneEntry& a, const TimeZoneEntry& b) {
        return a.biasMinutes != b.biasMinutes ? a.biasMinutes > b.biasMinutes : a.keyName < b.keyName;
    });
    return catalogue;
}
