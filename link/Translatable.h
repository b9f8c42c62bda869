// Marks a text of a library without Qt as one the window shows translated:
// lupdate reads the mark as QT_TRANSLATE_NOOP (scripts/translations.sh), the
// compiler sees the English text. The window translates it in the context
// named; the command-line tool prints it as it is.
#pragma once

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#define KEROVANT_TRANSLATE_NOOP(context, text) text

// The same English in another role of a sentence: the role tells the two
// apart, so that each is translated on its own ("the last Sunday" as a
// subject and as the day something happens on read differently in German).
// lupdate reads the mark as QT_TRANSLATE_NOOP3, the role as its
// disambiguation.
struct RoleText {
    const char* text;
    const char* role;
};
#define KEROVANT_TRANSLATE_NOOP3(context, text, role)                                                                  \
    RoleText                                                                                                           \
    {                                                                                                                  \
        text, role                                                                                                     \
    }
// A text the window translates in the plural form of a number the sentence
// carries (Sentence::Counting): Spanish "a la 01:00" but "a las 02:00",
// French "1er mars" but "2 mars". lupdate reads the marks as
// QT_TRANSLATE_N_NOOP and QT_TRANSLATE_N_NOOP3.
#define KEROVANT_TRANSLATE_N_NOOP(context, text) text
#define KEROVANT_TRANSLATE_N_NOOP3(context, text, role)                                                                \
    RoleText                                                                                                           \
    {                                                                                                                  \
        text, role                                                                                                     \
    }

// A sentence the libraries compose from values: a marked pattern whose
// places %1 to %9 take the parts in order. The command-line tool prints
// English(); the window translates the pattern and every translatable part
// and fills in the rest (Tr, ui/Translations.h). A part is itself a sentence
// (translated in turn), a value shown as it is (a device path, a number, a
// zone name), a number the window writes with the language's decimal
// separator, or a moment the window writes with the language's day and
// month names.
struct Sentence {
    enum class Kind : unsigned char { Pattern, Verbatim, Moment, Decimal };

    Kind kind = Kind::Pattern;
    std::string text;  // the English pattern, or the value itself
    std::vector<Sentence> parts;
    std::chrono::sys_seconds moment{};  // Moment: the day and time shown
    std::string role;                   // Pattern: the mark's role, if any
    int count = -1;                     // Pattern: the number its plural form follows, if any

    Sentence() = default;
    // A marked pattern (or a whole marked text) and its parts.
    explicit Sentence(const char* pattern, std::vector<Sentence> filling = {})
        : text(pattern), parts(std::move(filling))
    {
    }
    // A pattern marked with its role (KEROVANT_TRANSLATE_NOOP3).
    explicit Sentence(RoleText marked, std::vector<Sentence> filling = {})
        : text(marked.text), parts(std::move(filling)), role(marked.role)
    {
    }
    // This pattern translated in the plural form of n (a pattern marked
    // KEROVANT_TRANSLATE_N_NOOP); the English stays as it is.
    Sentence Counting(int n) const
    {
        Sentence s = *this;
        s.count = n;
        return s;
    }
    static Sentence Verbatim(std::string value)
    {
        Sentence s;
        s.kind = Kind::Verbatim;
        s.text = std::move(value);
        return s;
    }
    // A number written with a decimal point ("+0.004"): the window writes
    // it with the decimal separator of the user's language.
    static Sentence Decimal(std::string value)
    {
        Sentence s;
        s.kind = Kind::Decimal;
        s.text = std::move(value);
        return s;
    }
    // A named constant's text, kept whole in the binary where scripts look
    // for it (the inline overload would let the compiler copy it in pieces).
    static Sentence Verbatim(const char* value);
    // A day and time on the scale the sentence names, with its English.
    static Sentence At(std::chrono::sys_seconds when, std::string english)
    {
        Sentence s;
        s.kind = Kind::Moment;
        s.text = std::move(english);
        s.moment = when;
        return s;
    }

    bool empty() const { return kind == Kind::Pattern && text.empty(); }
    // The sentence in English, as the command-line tool prints it.
    std::string English() const;
};

// Fills the places %1 to %9 of a pattern with the texts given; a place
// without a text and any other '%' stay as they are. A filled-in text is
// never read for places again. UTF-8 throughout.
std::string FillPlaces(const std::string& pattern, const std::vector<std::string>& parts);
