// kerovant: the clock's configuration utility.
//
//   kerovant                 the clock chosen in the window's Connection menu
//                            last time, or the one on the first USB bridge found
//   kerovant --port PATH     the clock on that device, for this run
//   kerovant --demo          a simulated clock inside the program
//
// Qt's own options (-style Fusion, -platform xcb, -reverse, ...) are taken
// as in every Qt program.
#include "CommandLine.h"
#include "Images.h"
#include "KerovantApp.h"
#include "Translations.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

bool HasDisplay()
{
    // A platform named in the environment (offscreen, eglfs, ...) needs no
    // desktop either.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("kerovant"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KEROVANT_VERSION));
    // The desktop entry's name, so that desktops match the window to the
    // entry (its icon and name in task bars and window switchers).
    QGuiApplication::setDesktopFileName(QStringLiteral(KEROVANT_APP_ID));

    // The arguments are read before the window system is touched, so that
    // --help and --version work without a desktop.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine command = ParseCommandLine(arguments);
    switch (command.action) {
    case CommandLine::Action::Help:
    case CommandLine::Action::Version: std::fputs(qPrintable(command.text), stdout); return kExitOk;
    case CommandLine::Action::UsageError:
        std::fprintf(stderr, "kerovant: %s\nTry 'kerovant --help'.\n", qPrintable(command.text));
        return kExitUsage;
    case CommandLine::Action::Run: break;
    }

    if (!command.windowSystemNamed && !HasDisplay()) {
        std::fprintf(stderr,
                     "kerovant: no desktop session found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "It is a desktop program; start it from a graphical session. To get pictures\n"
                     "of its windows without one, run scripts/render.sh.\n");
        return kExitFailure;
    }

    // Qt takes its own options out of argv here.
    QApplication application(argc, argv);
    QApplication::setWindowIcon(ClockIcon());
    // The window speaks the user's language; what the program prints on the
    // terminal (above, and the errors below) stays English.
    LoadUserLanguage();

    AppOptions options = command.options;
    options.settingsFile = CAppSettings::DefaultFile();
    CKerovantApp app(options);
    std::string error;
    if (!app.Start(&error)) {
        std::fprintf(stderr, "kerovant: %s\n", error.c_str());
        return kExitFailure;
    }
    app.Run();
    return kExitOk;
}
