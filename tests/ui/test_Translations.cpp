// Which language the locale settings choose, and that each one we ship is
// built into the program.
#include "PortAccess.h"
#include "Translations.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>

namespace {

struct Case {
    const char* legend;
    std::map<std::string, std::string> environment;
    const char* language;  // "" for English
};

const Case kCases[] = {
    {"nothing set: English", {}, ""},
    {"LANG German", {{"LANG", "de_DE.UTF-8"}}, "de"},
    {"LANG with a modifier", {{"LANG", "fr_BE.UTF-8@euro"}}, "fr"},
    {"LANG a region we have no own file for", {{"LANG", "es_MX"}}, "es"},
    {"LC_MESSAGES before LANG", {{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "es_ES.UTF-8"}}, "es"},
    {"LC_ALL before LC_MESSAGES", {{"LC_ALL", "fr_FR.UTF-8"}, {"LC_MESSAGES", "es_ES.UTF-8"}}, "fr"},
    {"LANGUAGE before the locale", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:es"}}, "fr"},
    {"LANGUAGE: first one we have wins", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "nl:es_AR:fr"}}, "es"},
    {"LANGUAGE: Brazilian Portuguese first", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "pt_BR:it"}}, "pt_BR"},
    {"LANG Italian", {{"LANG", "it_IT.UTF-8"}}, "it"},
    {"LANG Swiss Italian", {{"LANG", "it_CH.UTF-8"}}, "it"},
    {"LANG Brazilian Portuguese", {{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
    {"LANG European Portuguese: English", {{"LANG", "pt_PT.UTF-8"}}, ""},
    {"LANGUAGE Portuguese without a region: the locale", {{"LANG", "it_IT.UTF-8"}, {"LANGUAGE", "pt"}}, "it"},
    {"LANGUAGE: English listed first", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}, ""},
    {"LANGUAGE none we have: the locale", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "nl:sv"}}, "de"},
    {"C locale: English, LANGUAGE not read", {{"LANG", "C"}, {"LANGUAGE", "de"}}, ""},
    {"POSIX locale: English", {{"LC_ALL", "POSIX"}, {"LANG", "de_DE.UTF-8"}}, ""},
    {"C.UTF-8: English", {{"LANG", "C.UTF-8"}}, ""},
    {"C.UTF-8: English, LANGUAGE not read", {{"LANG", "C.UTF-8"}, {"LANGUAGE", "de:fr"}}, ""},
    {"no locale, only LANGUAGE: English", {{"LANGUAGE", "de"}}, ""},
    {"a language we do not have: English", {{"LANG", "ja_JP.UTF-8"}}, ""},
    {"English locale", {{"LANG", "en_US.UTF-8"}}, ""},
};

TEST(Translations, LocaleChoosesLanguage)
{
    const QStringList available = {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
                                   QStringLiteral("it"), QStringLiteral("pt_BR")};
    for (const Case& c : kCases) {
        const auto getenv = [&c](const char* name) {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? QByteArray() : QByteArray(found->second.c_str());
        };
        EXPECT_EQ(ChooseLanguage(getenv, available).toStdString(), c.language) << c.legend;
    }
}

TEST(Translations, EveryLanguageIsBuiltIn)
{
    int argc = 1;
    char name[] = "test_translations";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    const QStringList expected = {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
                                  QStringLiteral("it"), QStringLiteral("pt_BR")};
    EXPECT_EQ(AvailableLanguages(), expected);
    for (const QString& language : expected)
        EXPECT_TRUE(LoadLanguage(language)) << language.toStdString();
    EXPECT_FALSE(LoadLanguage(QStringLiteral("xx")));
    EXPECT_TRUE(LoadLanguage(QString()));
}

// A sentence of the libraries reads in the language loaded: its pattern and
// marked parts translated, values as they are (even one holding "%2"), a
// moment with the language's names and English as the libraries write it.
TEST(Translations, SentencesSpeakTheLanguageLoaded)
{
    int argc = 1;
    char name[] = "test_translations";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    using namespace std::chrono;
    const sys_seconds spring = sys_days{2027y / March / 28} + 1h;
    const Sentence stopped("The clock on %1 stopped answering.", {Sentence::Verbatim("/dev/odd%2")});
    const Sentence silent("The clock does not answer: %1", {Sentence("Failed reading Family ID")});
    const Sentence next(
        "Next: %1",
        {Sentence("%1 UTC (%2)", {Sentence::At(spring, "Sun 28 Mar 2027 01:00"), Sentence::Verbatim("+1:00")})});
    const Sentence busy = BusySentence(Sentence::Verbatim("/dev/ttyUSB0"), {{812, "minicom"}});
    struct Row {
        const char* language;
        const Sentence& sentence;
        QString expected;
    };
    const Row rows[] = {
        {"", stopped, QStringLiteral("The clock on /dev/odd%2 stopped answering.")},
        {"de", stopped, QStringLiteral("Die Uhr an /dev/odd%2 antwortet nicht mehr.")},
        {"fr", silent,
         QStringLiteral("L'horloge ne répond pas\u00a0: Échec de la lecture de l'identifiant de famille")},
        {"", next, QStringLiteral("Next: Sun 28 Mar 2027 01:00 UTC (+1:00)")},
        {"de", next, QStringLiteral("Nächste Umstellung: So., 28. März 2027 01:00 UTC (+1:00)")},
        {"", busy,
         QStringLiteral("/dev/ttyUSB0 is in use by minicom (process 812): close that program and try again.")},
        {"es", busy,
         QStringLiteral(
             "/dev/ttyUSB0 está en uso por minicom (proceso 812): cierre ese programa e inténtelo de nuevo.")},
        {"it", stopped, QStringLiteral("L'orologio su /dev/odd%2 ha smesso di rispondere.")},
        {"it", next, QStringLiteral("Prossimo: dom 28 mar 2027 01:00 UTC (+1:00)")},
        {"pt_BR", silent, QStringLiteral("O relógio não responde: Falha ao ler o ID da família")},
        {"pt_BR", busy,
         QStringLiteral("/dev/ttyUSB0 está em uso por minicom (processo 812): feche esse programa e tente novamente.")},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(LoadLanguage(QString::fromLatin1(row.language)));
        EXPECT_EQ(Tr(row.sentence).toStdString(), row.expected.toStdString()) << row.language;
        if (!*row.language) {
            EXPECT_EQ(Tr(row.sentence).toStdString(), row.sentence.English());
        }
    }
    LoadLanguage(QString());
}

}  // namespace
