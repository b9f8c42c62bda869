// The program's command line: its own options among the ones every Qt
// program takes, read before any window system exists; then the program
// itself, run as a user would.
#include "CommandLine.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void helpBreaksOptionTextsOnlyWhenALineIsFull();
    void answersWithoutADesktop();
    void qtTakesItsOwnOptions();
};

namespace {

constexpr int kRunTimeoutMs = 60000;

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// The program, with an environment that has no desktop session in it, and
// a configuration folder of its own: what the user chose stays untouched.
Run RunProgram(const QStringList& arguments, const QProcessEnvironment& extra = {})
{
    static const QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(extra);
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(KEROVANT_BIN), arguments);
    Run run;
    if (!process.waitForFinished(kRunTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

}  // namespace

void TestCommandLine::parse_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("demo");
    QTest::addColumn<bool>("windowSystemNamed");
    QTest::addColumn<QString>("error");

    constexpr int run = int(CommandLine::Action::Run);
    constexpr int help = int(CommandLine::Action::Help);
    constexpr int version = int(CommandLine::Action::Version);
    constexpr int usage = int(CommandLine::Action::UsageError);

    QTest::newRow("style and reverse before ours")
        << "-style Fusion -reverse --demo" << run << "" << true << false << "";
    QTest::newRow("style with = and two dashes")
        << "--style=Fusion --port /dev/ttyUSB1" << run << "/dev/ttyUSB1" << false << false << "";
    QTest::newRow("platform and window geometry")
        << "-platform offscreen -qwindowgeometry 300x200+0+0 --demo" << run << "" << true << true << "";
    QTest::newRow("X11 display and aliases")
        << "-display :1 -geometry 300x200 -title Clock -name clock" << run << "" << false << true << "";
    QTest::newRow("a value that looks like an option")
        << "-qwindowtitle --demo --port /dev/ttyUSB0" << run << "/dev/ttyUSB0" << false << false << "";
    QTest::newRow("version after a Qt option") << "-reverse --version" << version << "" << false << false << "";
    QTest::newRow("help after a flag of Qt's") << "-widgetcount -h" << help << "" << false << false << "";
    QTest::newRow("Qt option without its value") << "-style" << usage << "" << false << false << "Missing value";
    QTest::newRow("unknown word named whole")
        << "-stlye Fusion" << usage << "" << false << false << "Unknown option 'stlye'";
    QTest::newRow("unknown long option") << "--bogus" << usage << "" << false << false << "Unknown option 'bogus'";
    QTest::newRow("port and demo") << "--port /dev/ttyUSB0 --demo" << usage << "" << false << false
                                   << "cannot be used together";
    QTest::newRow("empty port") << "--port=" << usage << "" << false << false << "needs a device path";
    QTest::newRow("port too long") << "--port /" + QString(300, QLatin1Char('x')) << usage << "" << false << false
                                   << "too long";
    QTest::newRow("stray argument") << "-reverse clock" << usage << "" << false << false << "unexpected argument";
}

void TestCommandLine::parse()
{
    QFETCH(QString, arguments);
    QFETCH(int, action);
    QFETCH(QString, port);
    QFETCH(bool, demo);
    QFETCH(bool, windowSystemNamed);
    QFETCH(QString, error);

    const CommandLine result =
        ParseCommandLine(QStringList{QStringLiteral("kerovant")} + arguments.split(QLatin1Char(' ')));
    QCOMPARE(int(result.action), action);
    if (result.action == CommandLine::Action::UsageError) {
        QVERIFY2(result.text.contains(error), qPrintable(result.text));
        return;
    }
    QCOMPARE(QString::fromStdString(result.options.port), port);
    QCOMPARE(result.options.demo, demo);
    QCOMPARE(result.windowSystemNamed, windowSystemNamed);
}

void TestCommandLine::helpBreaksOptionTextsOnlyWhenALineIsFull()
{
    // A line of an option's text ends early only where the next word would
    // not have fitted the parser's width of 79 columns.
    const CommandLine help = ParseCommandLine({QStringLiteral("kerovant"), QStringLiteral("--help")});
    const QStringList lines = help.text.section(QStringLiteral("Options:\n"), 1).split(QLatin1Char('\n'));
    QVERIFY(lines.size() > 4);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString next = lines[i].trimmed();
        if (next.isEmpty() || next.startsWith(QLatin1Char('-')))
            continue;  // the first line of an option
        const qsizetype firstWord = next.indexOf(QLatin1Char(' ')) < 0 ? next.size() : next.indexOf(QLatin1Char(' '));
        QVERIFY2(lines[i - 1].size() + 1 + firstWord > 79, qPrintable(lines[i - 1] + QLatin1Char('|') + next));
    }
}

void TestCommandLine::answersWithoutADesktop()
{
    const Run version = RunProgram({QStringLiteral("-reverse"), QStringLiteral("--version")});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QStringLiteral("kerovant " KEROVANT_VERSION "\n"));

    const Run help = RunProgram({QStringLiteral("-style"), QStringLiteral("Fusion"), QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY2(help.out.startsWith(QLatin1String("Usage: kerovant [options]")), qPrintable(help.out));
    QVERIFY(help.out.contains(QLatin1String("--port <PATH>")));
    QVERIFY2(!help.out.contains(QLatin1String("stylesheet")), "Qt's options stay out of the help");

    const Run bad = RunProgram({QStringLiteral("-style")});
    QCOMPARE(bad.exitCode, 2);
    QVERIFY2(bad.err.contains(QLatin1String("Missing value after '-style'")), qPrintable(bad.err));

    const Run noDesktop = RunProgram({QStringLiteral("-reverse"), QStringLiteral("--demo")});
    QCOMPARE(noDesktop.exitCode, 1);
    QVERIFY2(noDesktop.err.contains(QLatin1String("no desktop session found")), qPrintable(noDesktop.err));
}

void TestCommandLine::qtTakesItsOwnOptions()
{
#ifndef KEROVANT_FIRST_PAINT_PROBE
    QSKIP("the first-paint probe cannot be preloaded into a sanitizer build");
#else
    // The probe ends the program after its first window is painted and says
    // what Qt made of the options: the program ran, with Qt's options applied.
    QProcessEnvironment probe;
    probe.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KEROVANT_FIRST_PAINT_PROBE));
    const Run run = RunProgram({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-style"),
                                QStringLiteral("Windows"), QStringLiteral("-reverse"), QStringLiteral("--demo")},
                               probe);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.trimmed(),
             QStringLiteral("first-paint style=windows direction=rtl desktop-file=" KEROVANT_APP_ID));
#endif
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_CommandLine.moc"
