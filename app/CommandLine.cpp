#include "CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// The options Qt itself takes from every program's command line: those of
// QGuiApplication, of QApplication and of the X11 platform plugin (which
// takes -display, -geometry, -title, -icon and -name). They are hidden from
// --help; the manual page lists them.
struct QtOption {
    const char* name;
    bool takesValue;
};

constexpr QtOption kQtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"reverse", false},
    {"session", true},
    {"qmljsdebugger", true},
    {"nograb", false},
    {"dograb", false},
    {"testability", false},
    {"style", true},
    {"stylesheet", true},
    {"widgetcount", false},
    {"display", true},
    {"geometry", true},
    {"title", true},
    {"icon", true},
    {"name", true},
};

// Qt's own options, known to the parser so that they are let through, and
// hidden from --help.
void AddQtOptions(QCommandLineParser& parser)
{
    for (const QtOption& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

CommandLine Usage(QString message)
{
    CommandLine result;
    result.action = CommandLine::Action::UsageError;
    result.text = std::move(message);
    return result;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's options are words after a single dash ("-style"); read as
    // clustered letters they would be refused as -s -t -y -l -e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Shows and sets what an Orvessa wall clock on a USB cable reports: its time, time code,\n"
                       "time zone, daylight-saving rules, hands and illumination.\n"
                       "Also takes the options every Qt program takes (-style, -platform, -reverse, ...;\n"
                       "see the manual page)."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Shows this help and exits."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Shows the version and exits."));
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        // No line breaks of our own: the parser breaks the options' texts to
        // its width, and a break of ours would leave a short line mid-sentence.
        QStringLiteral("The clock's serial device for this run. Default: the one chosen in the "
                       "Connection menu, else the first USB bridge."),
        QStringLiteral("PATH"));
    const QCommandLineOption demoOption(QStringLiteral("demo"),
                                        QStringLiteral("Talk to a simulated clock started inside the program."));
    const QCommandLineOption traceOption(
        QStringLiteral("trace"),
        QStringLiteral("Write every frame and event of the clock's link to FILE, one line each."),
        QStringLiteral("FILE"));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addOption(portOption);
    parser.addOption(demoOption);
    parser.addOption(traceOption);
    AddQtOptions(parser);

    if (!parser.parse(arguments))
        return Usage(parser.errorText());

    CommandLine result;
    if (parser.isSet(helpOption)) {
        // No application object may exist yet to name the program.
        result.action = CommandLine::Action::Help;
        result.text = parser.helpText();
        result.text.replace(QStringLiteral("<executable_name>"), QCoreApplication::applicationName());
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.action = CommandLine::Action::Version;
        result.text =
            QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
        return result;
    }
    if (!parser.positionalArguments().isEmpty())
        return Usage(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));

    result.windowSystemNamed = parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display"));
    if (parser.isSet(traceOption)) {
        result.options.traceFile = parser.value(traceOption).toStdString();
        if (result.options.traceFile.empty())
            return Usage(QStringLiteral("--trace needs a file name"));
    }
    result.options.demo = parser.isSet(demoOption);
    if (parser.isSet(portOption)) {
        if (result.options.demo)
            return Usage(QStringLiteral("--port and --demo cannot be used together"));
        result.options.port = parser.value(portOption).toStdString();
        if (result.options.port.empty())
            return Usage(QStringLiteral("--port needs a device path"));
        LinkSettings fits;
        if (!SetDeviceName(fits, result.options.port))
            return Usage(
                QStringLiteral("the device path is too long (%1 characters at most)").arg(sizeof fits.deviceName - 1));
    }
    return result;
}
