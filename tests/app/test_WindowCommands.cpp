// The window's commands without the window: a fake stands in for it, the
// simulated clock answers over a pseudo-terminal. One command at a time, and
// what the user is told of a write that did not land.
#include "ClockCodec.h"
#include "CommandRig.h"
#include "ModalSeam.h"
#include "SimClock.h"
#include "TimeCodeSettingsDlg.h"
#include "WindowCommands.h"
#include "WindowConnection.h"

#include <QTest>

#include <functional>

namespace {

class FakeWindow : public ICommandWindow {
public:
    QWidget* DialogParent() override { return nullptr; }
    void ShowMessage(const QString& text) override { messages << text; }
    void ShowBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
    void RefreshDisplay() override { ++refreshes; }
    bool IsOpen() const override { return false; }

    QStringList messages;
    int busyDepth = 0;
    int refreshes = 0;
};

}  // namespace

class TestWindowCommands : public QObject {
    Q_OBJECT

private slots:
    void oneCommandAtATimeAndWhatAFailedWriteSays();
};

void TestWindowCommands::oneCommandAtATimeAndWhatAFailedWriteSays()
{
    // Legend: the clock's fault on configuration writes; what the command
    // does (the time code dialog tries three other commands while it is
    // open); the messages; the writes the clock takes; the display reloads.
    struct Row {
        const char* name;
        bool refuse;
        bool ignore;
        bool nested;
        QStringList messages;
        size_t writes;
        int refreshes;
    };
    const Row rows[] = {
        {"commands started while a dialog is open are ignored", false, false, true, {}, 1, 0},
        {"a refused write",
         true,
         false,
         false,
         {QStringLiteral("Communication error setting dial illumination\nThe clock refused it.")},
         1,
         1},
        {"an unanswered write",
         false,
         true,
         false,
         {QStringLiteral("Communication error setting dial illumination\nThe clock did not answer.")},
         1,
         1},
    };
    for (const Row& row : rows) {
        CSimServer sim;
        SimFaults faults;
        faults.nakCode = row.refuse ? kCmdWriteConfig : -1;
        faults.ignoreCode = row.ignore ? kCmdWriteConfig : -1;
        sim.Clock().SetFaults(faults);
        QVERIFY2(sim.Start(), row.name);
        LinkSettings settings;
        SetDeviceName(settings, sim.DevicePath());
        CWindowConnection connection(settings);
        connection.Start();
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         const auto device = connection.Device();
                         return device && device->IsReady();
                     },
                     kClockTimeoutMs),
                 row.name);
        FakeWindow window;
        CWindowCommands commands(window, connection);
        CScopedModalAnswers answers;
        answers.SetDialogRunner([&](QDialog& d) {
            auto* dialog = qobject_cast<CTimeCodeSettingsDlg*>(&d);
            if (!dialog)
                return int(QDialog::Rejected);  // counted: a nested command's dialog
            commands.SetIllumination(5);
            commands.SetTimeZone();
            commands.SetClockHandPosition();
            Click(*dialog, CTimeCodeSettingsDlg::kIdIgnoreDate);
            Click(*dialog, CTimeCodeSettingsDlg::kIdOk);
            return dialog->result();
        });
        if (row.nested)
            commands.SetTimeCodeSettings();
        else
            commands.SetIllumination(4);

        QVERIFY2(commands.Allowed(), row.name);
        QCOMPARE(window.messages, row.messages);
        QCOMPARE(answers.DialogsRun(), row.nested ? 1 : 0);
        QCOMPARE(sim.Clock().CountReceived(kCmdWriteConfig), row.writes);
        QCOMPARE(window.refreshes, row.refreshes);
        QCOMPARE(window.busyDepth, 0);
        connection.Shutdown();
    }
}

QTEST_MAIN(TestWindowCommands)
#include "test_WindowCommands.moc"
