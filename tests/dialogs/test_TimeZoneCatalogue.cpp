// The time zone catalogue against this machine's tz database.
#include "TimeZoneCatalogue.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

QDateTime Utc(int year, int month, int day)
{
    return QDateTime(QDate(year, month, day), QTime(12, 0), Qt::UTC);
}

// Built once: it reads every zone of the system.
const std::vector<TimeZoneEntry>& Catalogue()
{
    static const std::vector<TimeZoneEntry> catalogue =
        LoadTimeZoneCatalogue(Utc(2025, 7, 1), QLocale(QLocale::English, QLocale::UnitedStates));
    return catalogue;
}

const TimeZoneEntry* Find(const char* id)
{
    const auto& catalogue = Catalogue();
    const auto it = std::find_if(catalogue.begin(), catalogue.end(),
                                 [&](const TimeZoneEntry& entry) { return entry.keyName == id; });
    return it == catalogue.end() ? nullptr : &*it;
}

TEST(TimeZoneCatalogue, BaseBiasesFromTheSystemTzData)
{
    const std::map<const char*, int32_t> expected = {
        {"America/New_York", 300},
        {"Asia/Kolkata", -330},
        {"Asia/Kathmandu", -345},
        {"Asia/Almaty", -300},  // UTC+5 since 2024; older data says -360
        {"UTC", 0},
        {"Pacific/Kiritimati", -840},
        {"Europe/Berlin", -60},
        {"Australia/Sydney", -600},  // standard time in the southern winter and summer alike
    };
    for (const auto& [id, bias] : expected) {
        const TimeZoneEntry* entry = Find(id);
        ASSERT_NE(entry, nullptr) << id;
        EXPECT_EQ(entry->biasMinutes, bias) << id;
    }
}

TEST(TimeZoneCatalogue, DisplayNamesCarryOffsetIdAndStandardName)
{
    EXPECT_EQ(Find("Asia/Kolkata")->displayName, QStringLiteral("(UTC+05:30) Asia/Kolkata - India Standard Time"));
    EXPECT_EQ(Find("America/New_York")->displayName,
              QStringLiteral("(UTC-05:00) America/New_York - Eastern Standard Time"));
    EXPECT_TRUE(Find("UTC")->displayName.startsWith(QStringLiteral("(UTC+00:00) UTC")))
        << Find("UTC")->displayName.toStdString();
    EXPECT_EQ(OffsetText(-345), QStringLiteral("UTC+05:45"));
    EXPECT_EQ(OffsetText(300), QStringLiteral("UTC-05:00"));
    EXPECT_EQ(OffsetText(0), QStringLiteral("UTC+00:00"));
}

TEST(TimeZoneCatalogue, EveryZoneOnceSortedWestToEastThenById)
{
    const auto& catalogue = Catalogue();
    // Far more than one zone per offset, and no cap.
    EXPECT_GT(catalogue.size(), 300u);
    std::set<QByteArray> ids;
    for (const TimeZoneEntry& entry : catalogue) {
        EXPECT_TRUE(ids.insert(entry.keyName).second) << "twice: " << entry.keyName.toStdString();
        EXPECT_FALSE(entry.keyName.startsWith("UTC+") || entry.keyName.startsWith("UTC-"))
            << entry.keyName.toStdString();
    }
    EXPECT_TRUE(std::is_sorted(catalogue.begin(), catalogue.end(), [](const TimeZoneEntry& a, const TimeZoneEntry& b) {
        return a.biasMinutes != b.biasMinutes ? a.biasMinutes > b.biasMinutes : a.keyName < b.keyName;
    }));
    EXPECT_GT(catalogue.front().biasMinutes, 0);    // west of Greenwich first
    EXPECT_EQ(catalogue.back().biasMinutes, -840);  // Kiritimati last
    EXPECT_EQ(Find("US/Eastern"), nullptr);
    EXPECT_EQ(Find("Asia/Calcutta"), nullptr);
    EXPECT_NE(Find("America/New_York"), nullptr);
}

TEST(TimeZoneCatalogue, AliasesFoldIntoTheZoneTheDatabaseListsForACountry)
{
    const QList<QByteArray> candidates = {"US/Eastern",
                                          "America/New_York",
                                          "Asia/Calcutta",
                                          "Asia/Kolkata",
                                          "Etc/UTC",
                                          "UTC",
                                          "UTC+05:30",
                                          "UTC-00:00",
                                          "America/Ciudad_Juarez"};  // newer than ICU's data: kept as it is
    const std::vector<QByteArray> expected = {"America/Ciudad_Juarez", "America/New_York", "Asia/Kolkata", "UTC"};
    EXPECT_EQ(CanonicalZoneIds(candidates), expected);
}

TEST(TimeZoneCatalogue, NegativeDaylightSavingForASeasonIsTheBase)
{
    struct Row {
        const char* id;
        int32_t bias;
    };
    // Ireland's winter time is the tz data's negative daylight saving:
    // Dublin's base is London's. Morocco's month back in Ramadan does not
    // make its base UTC.
    const Row rows[] = {
        {"Europe/Dublin", 0},      {"Europe/London", 0},       {"Africa/Casablanca", -60},
        {"America/New_York", 300}, {"Australia/Sydney", -600},
    };
    for (const QDateTime& at : {Utc(2025, 1, 15), Utc(2025, 7, 15), Utc(2027, 2, 20)}) {
        for (const Row& row : rows)
            EXPECT_EQ(BaseBiasMinutes(QTimeZone(row.id), at), row.bias)
                << row.id << " at " << at.toString().toStdString();
    }
}

TEST(TimeZoneCatalogue, FilterMatchesAnyPartOfTheDisplayName)
{
    const TimeZoneEntry berlin = *Find("Europe/Berlin");
    const TimeZoneEntry newYork = *Find("America/New_York");
    struct Row {
        const char* filter;
        bool berlin;
        bool newYork;
    };
    const Row rows[] = {
        {"", true, true},          {"   ", true, true},       {"berlin", true, false},
        {"BERLIN", true, false},   {"+01:00", true, false},   {"-05:00", false, true},
        {"new york", false, true}, {"new_york", false, true}, {"Central European", true, false},
        {"xyz", false, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MatchesFilter(berlin, QString::fromLatin1(row.filter)), row.berlin) << row.filter;
        EXPECT_EQ(MatchesFilter(newYork, QString::fromLatin1(row.filter)), row.newYork) << row.filter;
    }
}

}  // namespace
