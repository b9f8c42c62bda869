#include "Translations.h"

#include "CalendarNames.h"
#include "Strings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {

// Where the build puts our compiled translations: in the program, as
// resources, so a build runs in its language without installing.
constexpr const char* kOurs = ":/translations";

// The language part of a locale name: "de_AT.UTF-8@euro" -> "de_AT".
QString LocaleName(const QByteArray& raw)
{
    QString name = QString::fromLatin1(raw).trimmed();
    for (const QChar cut : {QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = name.indexOf(cut);
        if (at >= 0)
            name.truncate(at);
    }
    return name;
}

bool IsCLocale(const QString& name)
{
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX");
}

// "de_AT" if we have it, else "de" if we have it; "en" for English; empty
// for a language we do not have.
QString Match(const QString& name, const QStringList& available)
{
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    if (language == QLatin1String("en"))
        return language;
    for (const QString& candidate : {name, language}) {
        if (available.contains(candidate))
            return candidate;
    }
    return {};
}

//: A day and time, "Sun 28 Mar 2027 01:00": %1 the weekday's short name,
//: %2 the day of the month, %3 the month's short name, %4 the year, %5 the
//: time. Order and punctuation as the language writes a date.
constexpr const char* kMomentPattern = QT_TRANSLATE_NOOP("Kerovant", "%1 %2 %3 %4 %5");

// The moment's day and time with the language's names and order.
QString MomentText(std::chrono::sys_seconds moment)
{
    using namespace std::chrono;
    const sys_days day = floor<days>(moment);
    const year_month_day date{day};
    const hh_mm_ss time{moment - day};
    const unsigned month = static_cast<unsigned>(date.month());
    const unsigned dayOfWeek = weekday{day}.c_encoding();
    // Seconds only where a change falls between minutes, as in English.
    const int seconds = static_cast<int>(time.seconds().count());
    const int hours = static_cast<int>(time.hours().count());
    const int minutes = static_cast<int>(time.minutes().count());
    const QString clock = seconds != 0 ? QString::asprintf("%02d:%02d:%02d", hours, minutes, seconds)
                                       : QString::asprintf("%02d:%02d", hours, minutes);
    const std::vector<std::string> parts = {
        TrShort(dayOfWeek < 7 ? kWeekdayShortNames[dayOfWeek].data() : "?").toStdString(),
        std::to_string(static_cast<unsigned>(date.day())),
        TrShort(month >= 1 && month <= 12 ? kMonthShortNames[month - 1].data() : "?").toStdString(),
        std::to_string(static_cast<int>(date.year())), clock.toStdString()};
    return QString::fromStdString(FillPlaces(Tr(kMomentPattern).toStdString(), parts));
}

// A number of the form "+0.004" with the locale's decimal separator.
QString LocaleDecimal(const std::string& number)
{
    QString text = QString::fromStdString(number);
    const std::optional<QLocale> reader = ReaderLocale();
    if (reader)
        text.replace(QLatin1Char('.'), reader->decimalPoint());
    return text;
}

QString Digits(int value, bool pad)
{
    return pad && value >= 0 && value < 10 ? QStringLiteral("0%1").arg(value) : QString::number(value);
}

std::unique_ptr<QTranslator> g_ours;
std::unique_ptr<QTranslator> g_qt;

void Remove(std::unique_ptr<QTranslator>& translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

}  // namespace

QStringList AvailableLanguages()
{
    QStringList languages;
    const QStringList files =
        QDir(QString::fromLatin1(kOurs)).entryList({QStringLiteral("kerovant_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages << file.mid(9, file.size() - 9 - 3);
    return languages;
}

QString ChooseLanguage(const std::function<QByteArray(const char*)>& getenv, const QStringList& available)
{
    QString messages;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = LocaleName(getenv(variable));
        if (!messages.isEmpty())
            break;
    }
    if (IsCLocale(messages))
        return {};
    QStringList wanted = QString::fromLatin1(getenv("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    wanted << messages;
    for (const QString& entry : wanted) {
        const QString match = Match(LocaleName(entry.toLatin1()), available);
        if (match == QLatin1String("en"))
            return {};
        if (!match.isEmpty())
            return match;
    }
    return {};
}

bool LoadLanguage(const QString& language)
{
    Remove(g_ours);
    Remove(g_qt);
    if (language.isEmpty() || language == QLatin1String("en"))
        return true;
    auto ours = std::make_unique<QTranslator>();
    if (!ours->load(QStringLiteral("kerovant_") + language, QString::fromLatin1(kOurs)))
        return false;
    QCoreApplication::installTranslator(ours.get());
    g_ours = std::move(ours);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        g_qt = std::move(qt);
    }
    return true;
}

void LoadUserLanguage()
{
    const auto getenv = [](const char* name) { return qgetenv(name); };
    LoadLanguage(ChooseLanguage(getenv, AvailableLanguages()));
}

QLocale TranslationLocale()
{
    return g_ours ? QLocale(g_ours->language()) : QLocale(QLocale::English, QLocale::UnitedKingdom);
}

std::optional<QLocale> ReaderLocale()
{
    if (!g_ours)
        return std::nullopt;
    return TranslationLocale();
}

DateOrder LocaleDateOrder(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    DateOrder order;
    std::array<char, 3> fields{};
    int found = 0;
    QString between;
    QString separator;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'') || !(c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y'))) {
            if (found > 0)
                between += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        const char field = static_cast<char>(c.toLatin1());
        if (found < 3 && std::find(fields.begin(), fields.begin() + found, field) == fields.begin() + found) {
            if (found == 1)
                separator = between;
            fields[static_cast<size_t>(found++)] = field;
            if (field == 'd')
                order.padDay = run >= 2;
            if (field == 'M')
                order.padMonth = run >= 2;
        }
        between.clear();
        i += run;
    }
    // A format without three numeric fields (a month's name) keeps the
    // order of day, month, year.
    if (found == 3 && !separator.trimmed().isEmpty()) {
        order.fields = fields;
        order.separator = separator.trimmed();
    }
    return order;
}

QString LocaleDateTime(const QLocale& locale, int year, int month, int day, int hour, int minute, int second)
{
    const DateOrder order = LocaleDateOrder(locale);
    QStringList date;
    for (const char field : order.fields) {
        if (field == 'd')
            date << Digits(day, order.padDay);
        else if (field == 'M')
            date << Digits(month, order.padMonth);
        else
            date << QString::number(year).rightJustified(4, QLatin1Char('0'));
    }
    // The languages we speak write a 24-hour clock with colons.
    return date.join(order.separator) + QStringLiteral("  ") +
        QString::asprintf("%02d:%02d:%02d", hour, minute, second);
}

QString Tr(const char* text)
{
    return QCoreApplication::translate(kTrContext, text);
}

QString TrShort(const char* text)
{
    return QCoreApplication::translate(kShortNameContext, text);
}

QString Tr(const Sentence& sentence)
{
    switch (sentence.kind) {
    case Sentence::Kind::Verbatim: return QString::fromStdString(sentence.text);
    case Sentence::Kind::Decimal: return LocaleDecimal(sentence.text);
    case Sentence::Kind::Moment:
        // English keeps the libraries' own words ("Sept" is British).
        return g_ours ? MomentText(sentence.moment) : QString::fromStdString(sentence.text);
    case Sentence::Kind::Pattern: break;
    }
    if (sentence.text.empty())
        return {};
    std::vector<std::string> parts;
    parts.reserve(sentence.parts.size());
    for (const Sentence& part : sentence.parts)
        parts.push_back(Tr(part).toStdString());
    const QString pattern = QCoreApplication::translate(
        kTrContext, sentence.text.c_str(), sentence.role.empty() ? nullptr : sentence.role.c_str(), sentence.count);
    return QString::fromStdString(FillPlaces(pattern.toStdString(), parts));
}
