// The one way the window speaks the user's language: every text it shows
// goes through the Tr family below, and nothing else translates.
//
// Marking. A text is marked where it is written, once, in the one context
// "Kerovant" (a weekday's or month's short name in "KerovantShort", so
// that "May" can be one word in full and another short):
// - the window's own texts in the string table, res/Strings.h, with
//   QT_TRANSLATE_NOOP("Kerovant", "...");
// - a library without Qt (link/, core/, dst/, the dialogs' rules) marks its
//   texts with KEROVANT_TRANSLATE_NOOP("Kerovant", "...") (Translatable.h):
//   the compiler sees the English text, lupdate reads the mark as
//   QT_TRANSLATE_NOOP (scripts/translations.sh). The library hands the text
//   on as it is; the command-line tool prints it in English.
//
// Translating. The window calls Tr(text) with a marked text, Tr(sentence)
// with a composed sentence, and TrShort(text) with a short name. A text
// that is not marked (a number, a device path, a brand's name) comes back
// as it is, so a value may pass through Tr unharmed. A pattern of the
// string table takes its values after translation, Tr(kStr...).arg(...).
// Under an English or C locale no translation is loaded and every text is
// the English one.
//
// Composed sentences. A library that builds a sentence from values returns
// a Sentence (Translatable.h): a marked pattern with places %1 to %9 and its
// parts, each a marked text or sentence, a value shown as it is, a number
// (the language's decimal separator) or a moment (the language's day and
// month names). Tr(sentence) translates the pattern and every part and
// fills them in; the command-line tool prints sentence.English(). A refusal
// of typed values (a date the clock cannot take, a daylight-saving rule it
// would refuse) is such a sentence too, made where the values are checked:
// the window and the command-line tool say the same thing, one in the
// user's language.
//
// Translators' comments. A comment line that starts with "//:" directly
// above a marked text reaches the translator with it: say what the places
// stand for and how much room the text has. `bash scripts/translations.sh
// update` brings new texts into translations/*.ts; `... check` (a test)
// fails while one is untranslated.
//
// The user's language: which of our translations the locale settings ask
// for, and loading it with Qt's own texts.
//
// The choice follows gettext's rules, which the rest of the desktop follows
// too: the messages locale is the first of LC_ALL, LC_MESSAGES and LANG that
// is set; when it is C or POSIX (or nothing is set) the program speaks
// English and LANGUAGE is not read. Otherwise LANGUAGE, a colon list such as
// "fr:de", names the languages in order of preference: the first one we have
// wins, English included (it is the texts as written), and the messages
// locale comes last. A name's encoding and modifier are dropped
// ("de_AT.UTF-8@euro" asks for de_AT, then de).
//
// The command-line tool never loads a translation: scripts parse what it
// prints.
#pragma once

#include "Translatable.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

// The languages with a translation, as their .qm files name them.
QStringList AvailableLanguages();

// The language to load ("de"), or empty for English. getenv reads one
// environment variable (empty when unset).
QString ChooseLanguage(const std::function<QByteArray(const char*)>& getenv, const QStringList& available);

// Installs our translation of language and Qt's own (qtbase) on the
// application, replacing those an earlier call installed; empty or "en"
// removes them (English). False when our translation is missing; Qt's own
// is optional (a system without its translations shows Qt's dialog buttons
// in English).
bool LoadLanguage(const QString& language);

// LoadLanguage of what the environment asks for.
void LoadUserLanguage();

// The locale of the language loaded: the one dates are written in.
QLocale TranslationLocale();

// The locale the window writes dates, times and numbers in: that of the
// language loaded. None under English, where the window keeps its own
// formats (MM-DD-YYYY, a decimal point).
std::optional<QLocale> ReaderLocale();

// The order of a numeric date in a locale, read from its short date format:
// fields holds 'd', 'M' and 'y' in reading order, separator what stands
// between them ("." for German, "/" for French). pad: a day or month of one
// digit is written with a leading zero.
struct DateOrder {
    std::array<char, 3> fields{'d', 'M', 'y'};
    QString separator = QStringLiteral("/");
    bool padDay = true;
    bool padMonth = true;
};
DateOrder LocaleDateOrder(const QLocale& locale);

// A date and time of the clock in the locale's order and digits, the year
// in full: "08.12.2026  14:03:05" for German. Values out of range are
// written as they are.
QString LocaleDateTime(const QLocale& locale, int year, int month, int day, int hour, int minute, int second);

// The context of every marked text but the short names.
inline constexpr const char* kTrContext = "Kerovant";

// A marked text in the language loaded; any other text as it is.
QString Tr(const char* text);

// A text of the short names' context (CalendarNames.h) in the language
// loaded.
QString TrShort(const char* text);

// A sentence of the libraries in the language loaded: the pattern and every
// translatable part through the translation, the values as they are, the
// moments with the language's day and month names.
QString Tr(const Sentence& sentence);
