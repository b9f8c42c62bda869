// Which language the locale settings choose, and that each one we ship is
// built into the program.
#include "DstText.h"
#include "PortAccess.h"
#include "Translations.h"
#include "UsbSerialPort.h"

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

// A sentence whose parts change with their place reads as the language
// writes it: a rule's day as the subject and as the day something happens
// on, French elision before a month and "1er", German dative and "1.",
// Spanish "a la" for one o'clock, Italian and Portuguese ordinals agreeing
// with the weekday, the device without a path after a preposition.
TEST(Translations, SentencesTakeTheGrammarOfTheirPlace)
{
    int argc = 1;
    char name[] = "test_translations";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    // kind, month, weekday, week or day, hour
    const DstRule euStart{0, 3, 0, 5, 1};
    const DstRule euEnd{0, 10, 0, 5, 1};
    const DstRule usStart{0, 3, 0, 2, 2};
    const DstRule firstOfMarch{1, 3, 0, 1, 2};
    const DstRule firstMondayOfApril{0, 4, 1, 1, 2};
    const DstRule firstSaturdayOfAugust{0, 8, 6, 1, 3};
    const Sentence imported(
        "Imported the rules of %1: daylight time starts on %2 and ends on %3.",
        {Sentence::Verbatim("Europe/Berlin"), RuleSentence(euStart, true), RuleSentence(euEnd, true)});
    const Sentence denied = PortStateSentence(PortState::PermissionDenied, "");
    const Sentence unplugged = PortStateSentence(PortState::Gone, "");
    struct Row {
        const char* legend;
        const char* language;
        Sentence sentence;
        QString expected;
    };
    const Row rows[] = {
        {"English as before", "", imported,
         QStringLiteral("Imported the rules of Europe/Berlin: daylight time starts on the last Sunday of March at "
                        "01:00 UTC and ends on the last Sunday of October at 01:00 UTC.")},
        {"English fixed day", "", RuleSentence(firstOfMarch, false), QStringLiteral("1 March at 02:00 local time")},
        {"English device without a path", "", denied,
         QStringLiteral("Permission denied on the clock's USB device. Kerovant's udev rule (70-kerovant.rules) gives "
                        "the user at the desktop access to the clock: install it (the kerovant package does), then "
                        "plug the clock in again.")},
        {"de: dative after the day's preposition", "de", imported,
         QStringLiteral("Regeln von Europe/Berlin übernommen: Die Sommerzeit beginnt am letzten Sonntag im März um "
                        "01:00 UTC und endet am letzten Sonntag im Oktober um 01:00 UTC.")},
        {"de: the subject in the nominative", "de", RuleDaySentence(euEnd, DayRole::Subject),
         QStringLiteral("der letzte Sonntag im Oktober")},
        {"de: the first of the month", "de", RuleSentence(firstOfMarch, false),
         QStringLiteral("am 1. März um 02:00 Ortszeit")},
        {"de: the device unplugged", "de", unplugged, QStringLiteral("Das USB-Gerät der Uhr wurde abgezogen.")},
        {"fr: d'octobre", "fr", RuleSentence(euEnd, true), QStringLiteral("le dernier dimanche d'octobre à 01:00 UTC")},
        {"fr: de mars", "fr", RuleDaySentence(usStart), QStringLiteral("le deuxième dimanche de mars")},
        {"fr: 1er mars", "fr", RuleSentence(firstOfMarch, false), QStringLiteral("le 1er mars à 02:00 heure locale")},
        {"fr: 1er mars inside a phrase", "fr", FixedDaySentence(1, 3), QStringLiteral("1er mars")},
        {"fr: au périphérique", "fr", denied,
         QStringLiteral("Accès refusé au périphérique USB de l'horloge. La règle udev de Kerovant (70-kerovant.rules) "
                        "donne à l'utilisateur du bureau l'accès à l'horloge\u00a0: installez-la (le paquet kerovant "
                        "le fait), puis rebranchez l'horloge.")},
        {"es: a la una", "es", RuleSentence(euStart, true),
         QStringLiteral("el último domingo de marzo a la 01:00 UTC")},
        {"es: a las dos", "es", RuleSentence(usStart, false),
         QStringLiteral("el segundo domingo de marzo a las 02:00 hora local")},
        {"it: ordinal agrees with domenica", "it", RuleSentence(euEnd, true),
         QStringLiteral("l'ultima domenica di ottobre alle ore 01:00 UTC")},
        {"it: ordinal agrees with sabato", "it", RuleDaySentence(firstSaturdayOfAugust),
         QStringLiteral("il primo sabato di agosto")},
        {"it: the first of the month", "it", FixedDaySentence(1, 3), QStringLiteral("1º marzo")},
        {"pt_BR: na before a feminine weekday", "pt_BR", RuleSentence(firstMondayOfApril, false),
         QStringLiteral("na primeira segunda-feira de abril às 02:00, hora local")},
        {"pt_BR: à for one o'clock", "pt_BR", RuleSentence(euStart, true),
         QStringLiteral("no último domingo de março à 01:00 UTC")},
        {"pt_BR: the subject", "pt_BR", RuleDaySentence(firstOfMarch), QStringLiteral("o dia 1º de março")},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(LoadLanguage(QString::fromLatin1(row.language)));
        EXPECT_EQ(Tr(row.sentence).toStdString(), row.expected.toStdString()) << row.legend;
        if (!*row.language) {
            EXPECT_EQ(Tr(row.sentence).toStdString(), row.sentence.English()) << row.legend;
        }
    }
    LoadLanguage(QString());
}

}  // namespace
