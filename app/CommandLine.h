// The program's command line: its own options (--port, --demo, --help,
// --version) and the ones every Qt program takes (-style, -platform,
// -reverse, ...).
//
// It is read before the QApplication exists, so that --help, --version and
// bad usage are answered without a desktop session. Qt's own options are
// known here only to be stepped over, with their values; QApplication takes
// them from argv afterwards. Options are words after one dash or two, as Qt
// writes them: -style Fusion, --style=Fusion.
#pragma once

#include "KerovantApp.h"

#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Action {
        Run,         // start the program with options
        Help,        // print text and exit 0
        Version,     // print text and exit 0
        UsageError,  // print text and exit 2
    };
    Action action = Action::Run;
    AppOptions options;
    // The help text, the version line or what is wrong with the usage.
    QString text;
    // A platform plugin (-platform) or an X11 display (-display) named on
    // the command line: the program needs no desktop session of its own in
    // the environment, and Qt reports one it cannot reach.
    bool windowSystemNamed = false;
};

// arguments: the program name first, as QCoreApplication::arguments has it.
CommandLine ParseCommandLine(const QStringList& arguments);
