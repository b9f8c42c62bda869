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

// A text of the short names' context (CalendarNames.h) in the language
// loaded.
QString TrShort(const char* text);

// A sentence of the libraries in the language loaded: the pattern and every
// translatable part through the translation, the values as they are, the
// moments with the language's day and month names.
QString Tr(const Sentence& sentence);
