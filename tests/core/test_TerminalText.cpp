// Text from outside printed on a terminal: its controls shown, not obeyed.
#include "TerminalText.h"

#include <gtest/gtest.h>

TEST(TerminalText, ControlsAreShownAsBytes)
{
    struct Row {
        const char* legend;
        std::string text;
        LineBreaks lineBreaks;
        const char* shown;
    };
    const Row rows[] = {
        {"plain text, other scripts included", "minicom \xC3\xA9t\xC3\xA9 Zoë", LineBreaks::Escape,
         "minicom \xC3\xA9t\xC3\xA9 Zoë"},
        {"clear screen and window title", "a\x1b[2J\x1b]0;pwned\x07z", LineBreaks::Escape,
         "a\\x1B[2J\\x1B]0;pwned\\x07z"},
        {"NUL, tab, carriage return, DEL", std::string("x\0\t\r\x7F", 5), LineBreaks::Escape, "x\\x00\\x09\\x0D\\x7F"},
        {"the C1 CSI in UTF-8",
         "a\xC2\x9B"
         "2Jb",
         LineBreaks::Escape, "a\\xC2\\x9B2Jb"},
        {"a newline escaped in one line", "one\ntwo", LineBreaks::Escape, "one\\x0Atwo"},
        {"a newline kept in a message of lines", "one\ntwo\x1b", LineBreaks::Keep, "one\ntwo\\x1B"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(EscapeControls(row.text, row.lineBreaks), row.shown) << row.legend;
}
