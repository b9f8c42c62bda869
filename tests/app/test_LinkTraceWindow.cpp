// The link trace in the desktop program: the window's "Save Link Trace..."
// with the latest events of every device object the window's connection
// made, and kerovant --trace FILE.
#include "CommandLine.h"
#include "KerovantApp.h"
#include "KerovantDlg.h"
#include "ModalSeam.h"
#include "SimClock.h"
#include "Strings.h"
#include "WindowConnection.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestLinkTrace : public QObject {
    Q_OBJECT

private slots:
    void windowSavesTheLatestEvents();
    void traceFileOption();
};

namespace {

constexpr int kClockTimeoutMs = 5000;

QStringList FileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

int Count(const QStringList& lines, const QString& part)
{
    int n = 0;
    for (const QString& line : lines)
        n += line.contains(part) ? 1 : 0;
    return n;
}

// Waits until the connection's generation-th device object is identified
// and has polled the clock.
bool WaitReady(CWindowConnection& connection, uint64_t generation)
{
    return QTest::qWaitFor(
        [&] {
            const auto device = connection.Device();
            return device && device->IsReady() && device->GetPollCount() > 0 &&
                connection.Connection().Generation() >= generation;
        },
        kClockTimeoutMs);
}

QStringList RingLines(const CWindowConnection& connection)
{
    QStringList lines;
    for (const std::string& line : connection.TraceRing()->Lines())
        lines << QString::fromStdString(line);
    return lines;
}

}  // namespace

void TestLinkTrace::windowSavesTheLatestEvents()
{
    CSimServer sim;
    QVERIFY(sim.Start());
    LinkSettings settings;
    SetDeviceName(settings, sim.DevicePath());
    CWindowConnection connection(settings);
    connection.Start();
    CKerovantDlg window(nullptr, &connection);
    QVERIFY(WaitReady(connection, 1));

    auto* action = window.findChild<QAction*>(QStringLiteral("saveLinkTraceAction"));
    QVERIFY(action);
    QCOMPARE(action->text(), QString::fromUtf8(kStrSaveLinkTrace));
    QVERIFY2(window.actions().contains(action), "offered in the window's context menu");

    // A replaced device object hands its events to the same ring.
    connection.Replace();
    QVERIFY(WaitReady(connection, 2));

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("trace.txt"));
    {
        CScopedModalAnswers answers;
        answers.AnswerNextFileName(path);
        action->trigger();
        QCOMPARE(answers.FileDialogs().size(), size_t{1});
        QVERIFY(answers.FileDialogs()[0].suggestion.endsWith(QString::fromUtf8(kStrLinkTraceFile)));
        QVERIFY(answers.Messages().empty());
    }
    const QStringList lines = FileLines(path);
    QCOMPARE(Count(lines, QStringLiteral("-> frame sent      AF hello")), 2);
    QCOMPARE(Count(lines, QStringLiteral("<- ACK received    AF hello")), 2);
    QVERIFY(Count(lines, QStringLiteral("-> frame sent      66 time code status")) >= 1);
    QVERIFY(lines.size() <= int(CLinkTraceRing::kDefaultCapacity));

    {
        // Cancelled: nothing written, nothing said.
        CScopedModalAnswers answers;
        QFile::remove(path);
        action->trigger();
        QCOMPARE(answers.FileDialogs().size(), size_t{1});
        QVERIFY(!QFile::exists(path));
        QVERIFY(answers.Messages().empty());
    }
    {
        // A file that cannot be written: the user is told where and why.
        CScopedModalAnswers answers;
        const QString nowhere = dir.filePath(QStringLiteral("no-such-folder/trace.txt"));
        answers.AnswerNextFileName(nowhere);
        action->trigger();
        QCOMPARE(
            answers.MessageTexts(),
            QStringList{
                QString::fromUtf8(kStrLinkTraceNotSaved).arg(nowhere, QStringLiteral("No such file or directory"))});
    }
}

void TestLinkTrace::traceFileOption()
{
    CommandLine parsed =
        ParseCommandLine({QStringLiteral("kerovant"), QStringLiteral("--trace"), QStringLiteral("t.txt")});
    QCOMPARE(parsed.action, CommandLine::Action::Run);
    QCOMPARE(parsed.options.traceFile, std::string("t.txt"));
    parsed = ParseCommandLine({QStringLiteral("kerovant"), QStringLiteral("--trace")});
    QCOMPARE(parsed.action, CommandLine::Action::UsageError);
    QVERIFY(parsed.text.contains(QStringLiteral("Missing value")));

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    {
        AppOptions options;
        options.demo = true;
        options.traceFile = dir.filePath(QStringLiteral("no-such-folder/t.txt")).toStdString();
        CKerovantApp app(options);
        std::string error;
        QVERIFY(!app.Start(&error));
        QVERIFY2(error.find("The link trace cannot be written to") != std::string::npos, error.c_str());
    }
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    AppOptions options;
    options.demo = true;
    options.traceFile = path.toStdString();
    CKerovantApp app(options);
    std::string error;
    QVERIFY2(app.Start(&error), error.c_str());
    QVERIFY(WaitReady(*app.Connection(), 1));
    // The window keeps the same events in memory.
    QCOMPARE(Count(RingLines(*app.Connection()), QStringLiteral("-> frame sent      AF hello")), 1);
    app.Shutdown();
    const QStringList lines = FileLines(path);
    QCOMPARE(Count(lines, QStringLiteral("-> frame sent      AF hello")), 1);
    QCOMPARE(Count(lines, QStringLiteral("-> frame sent      B0 family ID")), 1);
    QVERIFY(Count(lines, QStringLiteral("-- state changed   idle (3)")) >= 1);
}

QTEST_MAIN(TestLinkTrace)
#include "test_LinkTraceWindow.moc"
