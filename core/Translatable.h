// Marks a text of a library without Qt as one the window shows translated:
// lupdate reads the mark as QT_TRANSLATE_NOOP (scripts/translations.sh), the
// compiler sees the English text. The window translates it in the context
// named; the command-line tool prints it as it is.
#pragma once

#define KEROVANT_TRANSLATE_NOOP(context, text) text
