#include "Translations.h"

#include "Strings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

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

QString Tr(const Sentence& sentence)
{
    switch (sentence.kind) {
    case Sentence::Kind::Verbatim: return QString::fromStdString(sentence.text);
    case Sentence::Kind::Moment: {
        // English keeps the libraries' own words ("Sept" is British).
        if (!g_ours)
            return QString::fromStdString(sentence.text);
        const QDateTime at = QDateTime::fromSecsSinceEpoch(sentence.moment.time_since_epoch().count(), Qt::UTC);
        // Seconds only where a change falls between minutes, as in English.
        const QString format = at.time().second() != 0 ? QStringLiteral("ddd d MMM yyyy HH:mm:ss")
                                                       : QStringLiteral("ddd d MMM yyyy HH:mm");
        return TranslationLocale().toString(at, format);
    }
    case Sentence::Kind::Pattern: break;
    }
    if (sentence.text.empty())
        return {};
    std::vector<std::string> parts;
    parts.reserve(sentence.parts.size());
    for (const Sentence& part : sentence.parts)
        parts.push_back(Tr(part).toStdString());
    return QString::fromStdString(FillPlaces(Tr(sentence.text.c_str()).toStdString(), parts));
}
