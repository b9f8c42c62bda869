// Text from outside the program (a file's keys, another program's name, a
// device's path) made safe to print on a terminal: a control character in
// it would otherwise clear the screen, set the window's title or move the
// cursor. Each one is shown as \xNN instead: the C0 controls, DEL, and the
// C1 controls in their UTF-8 form (\xC2\x9B for CSI). Everything else,
// letters of any script included, passes unchanged.
//
// Plain function; safe from any thread.
#pragma once

#include <string>
#include <string_view>

enum class LineBreaks : bool { Escape, Keep };

// With LineBreaks::Keep a newline stays a newline (a message of several
// lines); every other control is escaped either way.
std::string EscapeControls(std::string_view text, LineBreaks lineBreaks = LineBreaks::Escape);
