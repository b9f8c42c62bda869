// kerovant: the clock's configuration utility.
//
//   kerovant                 the clock on the first USB bridge found
//   kerovant --port PATH     the clock on that device
//   kerovant --demo          a simulated clock inside the program
#include "Images.h"
#include "KerovantApp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int UsageError(const QString& message)
{
    std::fprintf(stderr, "kerovant: %s\nTry 'kerovant --help'.\n", qPrintable(message));
    return kExitUsage;
}

bool HasDisplay()
{
    // A platform named explicitly (offscreen, eglfs, ...) needs no desktop.
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

    // The arguments are read before the window system is touched, so that
    // --help and --version work without a desktop.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows and sets what an Orvessa wall clock on a USB cable reports: its time, time code,\n"
                       "time zone, daylight-saving rules, hands and illumination."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Shows this help and exits."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Shows the version and exits."));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("The clock's serial device (default: the first USB bridge)."),
                                        QStringLiteral("PATH"));
    const QCommandLineOption demoOption(QStringLiteral("demo"),
                                        QStringLiteral("Talk to a simulated clock started inside the program."));
    parser.addOption(portOption);
    parser.addOption(demoOption);

    if (!parser.parse(arguments))
        return UsageError(parser.errorText());
    if (parser.isSet(helpOption)) {
        // No application object exists yet to name the program in the text.
        QString help = parser.helpText();
        help.replace(QStringLiteral("<executable_name>"), QCoreApplication::applicationName());
        std::fputs(qPrintable(help), stdout);
        return kExitOk;
    }
    if (parser.isSet(versionOption)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return kExitOk;
    }
    if (!parser.positionalArguments().isEmpty())
        return UsageError(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));

    AppOptions options;
    options.demo = parser.isSet(demoOption);
    if (parser.isSet(portOption)) {
        if (options.demo)
            return UsageError(QStringLiteral("--port and --demo cannot be used together"));
        options.port = parser.value(portOption).toStdString();
        if (options.port.empty())
            return UsageError(QStringLiteral("--port needs a device path"));
        LinkSettings fits;
        if (!SetDeviceName(fits, options.port))
            return UsageError(
                QStringLiteral("the device path is too long (%1 characters at most)").arg(sizeof fits.deviceName - 1));
    }

    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "kerovant: no desktop session found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "It is a desktop program; start it from a graphical session. To get pictures\n"
                     "of its windows without one, run scripts/render.sh.\n");
        return kExitFailure;
    }

    QApplication application(argc, argv);
    QApplication::setWindowIcon(ClockIcon());

    CKerovantApp app(options);
    std::string error;
    if (!app.Start(&error)) {
        std::fprintf(stderr, "kerovant: %s\n", error.c_str());
        return kExitFailure;
    }
    app.Run();
    return kExitOk;
}
