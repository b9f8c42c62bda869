// The "Clock Hand Position" command against the simulated clock over a
// pseudo-terminal: the frames the clock receives and their order, what it
// stores, the question about hands left stopped, and the dialog following
// its clock through a replug.
#include "CommandRig.h"
#include "ModalSeam.h"
#include "SetClockFaceDlg.h"
#include "StatusText.h"
#include "Strings.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include <unistd.h>

namespace {

using Id = CSetClockFaceDlg::ControlId;

// 2000-01-01 01:02:03 on the clock's scale, as the dialog converts it.
constexpr uint32_t kFace010203 = 3155763723u;

// The configuration and hand command writes the clock received, in order.
std::vector<SimReceived> Writes(const CSimClock& clock)
{
    std::vector<SimReceived> writes;
    for (const SimReceived& frame : clock.Received()) {
        if (frame.code == kCmdWriteConfig || frame.code == kCmdWriteDisplay)
            writes.push_back(frame);
    }
    return writes;
}

QByteArray Codes(const std::vector<SimReceived>& frames)
{
    QByteArray codes;
    for (const SimReceived& frame : frames)
        codes += QByteArray::number(frame.code, 16).toUpper() + ' ';
    return codes.trimmed();
}

// The configuration a write carried (its motion is the point here).
ClockConfig Sent(const CSimClock& clock, const SimReceived& frame)
{
    ClockConfig config;
    if (frame.code != kCmdWriteConfig || !DecodeConfig(frame.payload, clock.ProtocolVersion(), config))
        return ClockConfig{0xEE, 0xEE, 0xEE};  // matches nothing a test expects
    return config;
}

ClockConfig LastSent(const CSimClock& clock)
{
    const std::vector<SimReceived> writes = Writes(clock);
    for (auto frame = writes.rbegin(); frame != writes.rend(); ++frame) {
        if (frame->code == kCmdWriteConfig)
            return Sent(clock, *frame);
    }
    return ClockConfig{0xEE, 0xEE, 0xEE};
}

std::function<void(CSimClock&)> StartWith(uint8_t motion, uint8_t configured = 1)
{
    return [=](CSimClock& clock) {
        ClockConfig config = clock.Config();
        config.handMotion = motion;
        config.configured = configured;
        clock.SetConfig(config);
    };
}

// Runs the hand position dialog shown, as the user works it. When it has
// closed, waits until the device has sent what the dialog queued before
// the command goes on: the device keeps one unsent configuration and a
// newer one replaces it, so without the wait the dialog's restart and the
// window's may reach the clock as one.
CScopedModalAnswers::DialogRunner HandDialog(ClockAndWindow& rig, std::function<void(CSetClockFaceDlg&)> work)
{
    return [&rig, work = std::move(work)](QDialog& d) {
        auto& dialog = static_cast<CSetClockFaceDlg&>(d);
        dialog.show();
        work(dialog);
        const auto device = rig.window->connection->Device();
        if (device && device->IsOnline() && !QTest::qWaitFor([&] { return device->NoWritePending(); }, kClockTimeoutMs))
            QTest::qFail("the dialog's sends did not leave", __FILE__, __LINE__);
        return dialog.result();
    };
}

// Ticks the box and waits until the clock has stopped its hands.
bool TickAndWaitStopped(CSetClockFaceDlg& dialog, ClockAndWindow& rig)
{
    qobject_cast<QCheckBox*>(dialog.Control(Id::kIdSetClock))->click();
    // The clock may hold the stop a moment before the device has noted
    // what it sent (it does so once the bytes are out), and the device takes
    // a hand command only once it has: wait for both.
    const auto device = rig.window->connection->Device();
    return QTest::qWaitFor(
        [&] { return rig.sim.Clock().Config().handMotion == kHandsStopped && device && device->NoWritePending(); },
        kClockTimeoutMs);
}

void TypeFaceTime(CSetClockFaceDlg& dialog, const char* hours, const char* minutes, const char* seconds)
{
    Type(dialog, Id::kIdHours, QString::fromLatin1(hours));
    Type(dialog, Id::kIdMinutes, QString::fromLatin1(minutes));
    Type(dialog, Id::kIdSeconds, QString::fromLatin1(seconds));
}

int CountQuestions(const CScopedModalAnswers& answers, const char* text)
{
    return static_cast<int>(answers.MessageTexts().count(QString::fromUtf8(text)));
}

// Holds back the clock's answer to the time code status read while a test
// looks: the link thread waits for that answer, so nothing queued can be
// sent meanwhile. Never longer than kMaxHold, well inside the read's wait.
class PollGate {
public:
    static constexpr std::chrono::milliseconds kMaxHold{120};

    void Arm()
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        armed_ = true;
    }
    // On the clock's thread, with every frame it receives.
    void OnFrame(const SimReceived& frame)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        if (frame.code != kCmdTimeCodeStatus || !armed_)
            return;
        holding_ = true;
        changed_.notify_all();
        changed_.wait_for(lock, kMaxHold, [this] { return !armed_; });
        armed_ = false;
        holding_ = false;
    }
    bool WaitHolding()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, std::chrono::milliseconds(kClockTimeoutMs), [this] { return holding_; });
    }
    // Whether the answer was still held back until now.
    bool Release()
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        const bool held = holding_;
        armed_ = false;
        changed_.notify_all();
        return held;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool armed_ = false;
    bool holding_ = false;
};

}  // namespace

class TestClockHandPosition : public QObject {
    Q_OBJECT

private slots:

    void okSendsTheFaceTimeBeforeTheRestart();
    void zeroFaceTimeAsksFirst();
    void forwardReachesTheClockOnlyOnceStopped();
    void motionChoiceReachesTheClock_data();
    void motionChoiceReachesTheClock();

    void handsLeftStoppedAreOfferedOnce_data();
    void handsLeftStoppedAreOfferedOnce();
    void handsLeftStoppedRestartInTheirLastMotion();

    void dialogFollowsTheClockThroughAReplug_data();
    void dialogFollowsTheClockThroughAReplug();
    void refusedFaceTimeKeepsTheDialogOpen();
};

void TestClockHandPosition::okSendsTheFaceTimeBeforeTheRestart()
{
    // Unconfigured, so the dialog's send (the working copy as read) tells
    // itself apart from the window's (configured 1).
    ClockAndWindow rig(StartWith(kHandsStep, 0));
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    CKerovantDlg& window = *rig.window->window;
    window.show();  // the refresh runs all along, and must not ask about the stopped hands
    CScopedModalAnswers answers;
    answers.SetDialogRunner(HandDialog(rig, [&](CSetClockFaceDlg& dialog) {
        QVERIFY(TickAndWaitStopped(dialog, rig));
        TypeFaceTime(dialog, "1", "2", "3");
        Click(dialog, Id::kIdOk);
    }));
    window.SetClockHandPosition();
    QCOMPARE(answers.DialogsRun(), 1);
    QVERIFY(rig.WaitConfigWrites(3));

    const CSimClock& clock = rig.sim.Clock();
    const std::vector<SimReceived> writes = Writes(clock);
    QCOMPARE(Codes(writes), QByteArray("61 63 61 61"));
    QCOMPARE(int(Sent(clock, writes[0]).handMotion), int(kHandsStopped));
    // One face time command, every field as the dialog sets it.
    const DisplayConfig face{kDisplaySetFace, 1, 0, 1, 1, 0, kFace010203, 0};
    QCOMPARE(QString::fromStdString(writes[1].payload), QString::fromStdString(EncodeDisplayConfig(face)));
    QCOMPARE(clock.Display(), face);
    // The dialog's restart, then the window's, both in the motion as read.
    QCOMPARE(int(Sent(clock, writes[2]).handMotion), int(kHandsStep));
    QCOMPARE(int(Sent(clock, writes[2]).configured), 0);
    QCOMPARE(int(Sent(clock, writes[3]).handMotion), int(kHandsStep));
    QCOMPARE(int(Sent(clock, writes[3]).configured), 1);
    QCOMPARE(int(Sent(clock, writes[3]).valid), 1);
    QCOMPARE(int(clock.Config().handMotion), int(kHandsStep));

    QTest::qWait(2 * CKerovantDlg::kRefreshIntervalMs);
    QCOMPARE(answers.MessageTexts(), QStringList());
}

void TestClockHandPosition::zeroFaceTimeAsksFirst()
{
    ClockAndWindow rig;
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    CScopedModalAnswers answers;
    answers.AnswerNext(QMessageBox::No);
    answers.AnswerNext(QMessageBox::Yes);
    answers.SetDialogRunner(HandDialog(rig, [&](CSetClockFaceDlg& dialog) {
        QVERIFY(TickAndWaitStopped(dialog, rig));
        Click(dialog, Id::kIdOk);
        // No: the dialog stays, the hands stay stopped, nothing is queued.
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.Setting());
        QVERIFY(rig.window->connection->Device()->NoWritePending());
        QCOMPARE(Codes(Writes(rig.sim.Clock())), QByteArray("61"));
        QCOMPARE(int(rig.sim.Clock().Config().handMotion), int(kHandsStopped));
        // Yes: closes, and no face time goes.
        Click(dialog, Id::kIdOk);
        QVERIFY(!dialog.isVisible());
    }));
    rig.window->window->SetClockHandPosition();
    QCOMPARE(answers.DialogsRun(), 1);

    QCOMPARE(answers.Messages().size(), size_t{2});
    for (const MessageRequest& question : answers.Messages()) {
        QCOMPARE(question.text, QStringLiteral("The set time is 0:0:0 are you sure you want to continue?"));
        QCOMPARE(question.caption, QStringLiteral("Are you sure?"));
        QCOMPARE(question.icon, QMessageBox::Critical);
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    }
    // The stop, then only the window's restart.
    QVERIFY(rig.WaitConfigWrites(2));
    QVERIFY(QTest::qWaitFor([&] { return rig.window->connection->Device()->NoWritePending(); }, kClockTimeoutMs));
    QCOMPARE(Codes(Writes(rig.sim.Clock())), QByteArray("61 61"));
    QCOMPARE(int(rig.sim.Clock().Config().handMotion), int(kHandsSweep));
}

void TestClockHandPosition::forwardReachesTheClockOnlyOnceStopped()
{
    PollGate gate;  // outlives the clock that calls it
    ClockAndWindow rig;
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    rig.sim.Clock().SetObserver([&gate](const SimReceived& frame) { gate.OnFrame(frame); });
    const DisplayConfig nudge{kDisplayNudgeSeconds, 1, 10, 0, 0, 0, 0, 0};

    CScopedModalAnswers answers;
    answers.SetDialogRunner(HandDialog(rig, [&](CSetClockFaceDlg& dialog) {
        // The link is busy with a poll: the stop is queued, not yet sent,
        // when Forward is pressed.
        gate.Arm();
        QVERIFY(gate.WaitHolding());
        qobject_cast<QCheckBox*>(dialog.Control(Id::kIdSetClock))->click();
        Click(dialog, Id::kIdForward);
        QVERIFY2(gate.Release(), "the poll's answer was let go before Forward");
        // Once everything queued has gone, no hand command is among it. The
        // device has nothing pending from the moment it sent the stop; the
        // clock has it a moment later.
        const auto device = rig.window->connection->Device();
        QVERIFY(QTest::qWaitFor(
            [&] { return device->NoWritePending() && rig.sim.Clock().Config().handMotion == kHandsStopped; },
            kClockTimeoutMs));
        QCOMPARE(rig.sim.Clock().CountReceived(kCmdWriteDisplay), size_t{0});
        QCOMPARE(rig.sim.Clock().FaceNudges(), 0u);

        // Now the clock has stopped its hands: each Forward is one nudge.
        Click(dialog, Id::kIdForward);
        QVERIFY(QTest::qWaitFor([&] { return rig.sim.Clock().FaceNudges() == 1; }, kClockTimeoutMs));
        Click(dialog, Id::kIdForward);
        QVERIFY(QTest::qWaitFor([&] { return rig.sim.Clock().FaceNudges() == 2; }, kClockTimeoutMs));
        Click(dialog, Id::kIdCancel);
    }));
    rig.window->window->SetClockHandPosition();
    rig.sim.Clock().SetObserver({});

    std::vector<SimReceived> nudges;
    for (const SimReceived& frame : Writes(rig.sim.Clock())) {
        if (frame.code == kCmdWriteDisplay)
            nudges.push_back(frame);
    }
    QCOMPARE(nudges.size(), size_t{2});
    for (const SimReceived& frame : nudges)
        QCOMPARE(QString::fromStdString(frame.payload), QString::fromStdString(EncodeDisplayConfig(nudge)));
    // Nothing shown, neither for the dropped one nor for the others.
    QCOMPARE(answers.MessageTexts(), QStringList());
}

void TestClockHandPosition::motionChoiceReachesTheClock_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<int>("click");  // 0: neither Sweep nor Step
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("writes");
    QTest::addColumn<int>("final");

    QTest::newRow("Step, OK") << int(kHandsSweep) << false << int(Id::kIdStep) << true << QByteArray("61")
                              << int(kHandsStep);
    QTest::newRow("Step, Cancel") << int(kHandsSweep) << false << int(Id::kIdStep) << false << QByteArray("61")
                                  << int(kHandsSweep);
    QTest::newRow("ticked, Step, OK") << int(kHandsSweep) << true << int(Id::kIdStep) << true
                                      << QByteArray("61 63 61 61") << int(kHandsStep);
    QTest::newRow("ticked, Step, Cancel")
        << int(kHandsSweep) << true << int(Id::kIdStep) << false << QByteArray("61 61") << int(kHandsSweep);
    QTest::newRow("step, Sweep, OK") << int(kHandsStep) << false << int(Id::kIdSweep) << true << QByteArray("61")
                                     << int(kHandsSweep);
    QTest::newRow("never ticked, Cancel")
        << int(kHandsStep) << false << 0 << false << QByteArray("61") << int(kHandsStep);
    // A clock left stopped opens on Sweep, and OK starts it so.
    QTest::newRow("stopped, OK") << int(kHandsStopped) << false << 0 << true << QByteArray("61") << int(kHandsSweep);
    QTest::newRow("stopped, Cancel") << int(kHandsStopped) << false << 0 << false << QByteArray("61")
                                     << int(kHandsStopped);
}

void TestClockHandPosition::motionChoiceReachesTheClock()
{
    QFETCH(int, stored);
    QFETCH(bool, tick);
    QFETCH(int, click);
    QFETCH(bool, ok);
    QFETCH(QByteArray, writes);
    QFETCH(int, final);

    ClockAndWindow rig(StartWith(static_cast<uint8_t>(stored)));
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    CScopedModalAnswers answers;
    answers.SetDialogRunner(HandDialog(rig, [&](CSetClockFaceDlg& dialog) {
        if (tick) {
            QVERIFY(TickAndWaitStopped(dialog, rig));
            TypeFaceTime(dialog, "0", "0", "5");
        }
        if (click != 0)
            Click(dialog, click);
        Click(dialog, ok ? Id::kIdOk : Id::kIdCancel);
    }));
    rig.window->window->SetClockHandPosition();
    QVERIFY(rig.WaitConfigWrites(static_cast<size_t>(writes.count("61"))));
    QVERIFY(QTest::qWaitFor([&] { return rig.window->connection->Device()->NoWritePending(); }, kClockTimeoutMs));

    const CSimClock& clock = rig.sim.Clock();
    QCOMPARE(Codes(Writes(clock)), writes);
    const ClockConfig last = LastSent(clock);
    QCOMPARE(int(last.handMotion), final);
    QCOMPARE(int(last.configured), 1);
    QCOMPARE(int(last.valid), 1);
    QCOMPARE(int(clock.Config().handMotion), final);
    QCOMPARE(answers.MessageTexts(), QStringList());
}

void TestClockHandPosition::handsLeftStoppedAreOfferedOnce_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("No leaves them") << int(QMessageBox::No);
    QTest::newRow("Yes starts them sweeping") << int(QMessageBox::Yes);
}

void TestClockHandPosition::handsLeftStoppedAreOfferedOnce()
{
    QFETCH(int, answer);
    ClockAndWindow rig(StartWith(kHandsStopped));
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    ClockConfig before;
    rig.window->connection->Device()->GetConfig(before);
    CScopedModalAnswers answers;
    answers.AnswerNext(static_cast<QMessageBox::StandardButton>(answer));

    // Nothing is asked of a window that is not open.
    rig.window->window->Refresh();
    QTest::qWait(CKerovantDlg::kRefreshIntervalMs);
    QVERIFY(answers.Messages().empty());

    rig.window->window->show();
    QVERIFY(QTest::qWaitFor([&] { return !answers.Messages().empty(); }, kClockTimeoutMs));
    const MessageRequest& question = answers.Messages().front();
    QCOMPARE(question.text, QStringLiteral("The clock's hands are stopped. Start them again?"));
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);

    if (answer == QMessageBox::Yes) {
        QVERIFY(rig.WaitConfigWrites(1));
        // The configuration as the clock had it, hands sweeping.
        ClockConfig expected = before;
        expected.handMotion = kHandsSweep;
        PrepareConfigForWrite(expected);
        QCOMPARE(rig.sim.Clock().Config(), expected);
    }
    // Many refreshes later: asked once, and nothing (more) sent.
    QTest::qWait(4 * CKerovantDlg::kRefreshIntervalMs);
    QCOMPARE(answers.Messages().size(), size_t{1});
    QCOMPARE(rig.sim.Clock().CountReceived(kCmdWriteConfig), size_t{answer == QMessageBox::Yes ? 1u : 0u});
}

void TestClockHandPosition::handsLeftStoppedRestartInTheirLastMotion()
{
    // The restart after the dialog never reaches the clock (it refuses the
    // write and the link fails), so the clock keeps its hands stopped. The
    // next connection finds them so and offers to start them: in step, as
    // they were before the dialog, not in sweep.
    ClockAndWindow rig(StartWith(kHandsStep));
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    CKerovantDlg& window = *rig.window->window;
    // Not a copy of the pointer: that would keep the port open, and the
    // replacement could not have it.
    const CClockDevice* const first = rig.window->connection->Device().get();
    CScopedModalAnswers answers;
    answers.SetDialogRunner(HandDialog(rig, [&](CSetClockFaceDlg& dialog) {
        QVERIFY(TickAndWaitStopped(dialog, rig));
        SimFaults refuse;
        refuse.nakCode = kCmdWriteConfig;
        rig.sim.Clock().SetFaults(refuse);
        Click(dialog, Id::kIdCancel);
    }));
    window.SetClockHandPosition();
    QVERIFY(QTest::qWaitFor([&] { return !first->IsOnline(); }, kClockTimeoutMs));
    QCOMPARE(int(rig.sim.Clock().Config().handMotion), int(kHandsStopped));
    rig.sim.Clock().SetFaults({});

    QSignalSpy replaced(&window, &CKerovantDlg::deviceReplaced);
    for (int refresh = 0; refresh <= COfflineReplacement::kLooksBeforeReplace; ++refresh)
        window.Refresh();
    QVERIFY(replaced.wait(kClockTimeoutMs));
    answers.AnswerNext(QMessageBox::Yes);
    window.show();
    QVERIFY(QTest::qWaitFor([&] { return rig.sim.Clock().Config().handMotion == kHandsStep; }, 2 * kClockTimeoutMs));
    QCOMPARE(CountQuestions(answers, kStrHandsStopped), 1);
}

void TestClockHandPosition::dialogFollowsTheClockThroughAReplug_data()
{
    QTest::addColumn<bool>("sameClock");
    QTest::newRow("same clock back") << true;
    QTest::newRow("another clock plugged in") << false;
}

void TestClockHandPosition::dialogFollowsTheClockThroughAReplug()
{
    // Unplugged and plugged back with the hands stopped for setting: the
    // window shows the clock online again while the dialog is open, the
    // dialog says the clock is away meanwhile and sends nothing, and goes
    // on with the same clock once it is back; another clock gets nothing.
    QFETCH(bool, sameClock);
    const QString link = QDir(QDir::tempPath()).filePath(QStringLiteral("kerovant-hands-%1").arg(getpid()));
    CSimServer sim;
    sim.SetLinkPath(link.toStdString());
    QVERIFY(sim.Start());
    Window rig(link.toStdString());
    QVERIFY(rig.WaitReady());
    CKerovantDlg& window = *rig.window;
    window.show();
    const CClockDevice* const first = rig.connection->Device().get();

    CScopedModalAnswers answers;
    const auto work = [&](CSetClockFaceDlg& dialog) {
        qobject_cast<QCheckBox*>(dialog.Control(Id::kIdSetClock))->click();
        QVERIFY(QTest::qWaitFor([&] { return sim.Clock().Config().handMotion == kHandsStopped; }, kClockTimeoutMs));
        sim.Unplug();
        QVERIFY(QTest::qWaitFor([&] { return !first->IsOnline(); }, kClockTimeoutMs));
        QVERIFY(QTest::qWaitFor([&] { return dialog.ClockAway(); }, kClockTimeoutMs));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("note"))->text(),
                 QStringLiteral("The clock is not connected. Setting goes on once the same clock is back."));
        for (int id : {Id::kIdSetClock, Id::kIdForward, Id::kIdOk})
            QVERIFY2(!dialog.Control(id)->isEnabled(), qPrintable(dialog.Control(id)->objectName()));
        QVERIFY(dialog.Control(Id::kIdCancel)->isEnabled());

        if (!sameClock) {
            SimIdentity other = sim.Clock().Identity();
            other.serialNumber += 1;
            sim.Clock().SetIdentity(other);
            // Its hands move: nothing to offer to start.
            ClockConfig moving = sim.Clock().Config();
            moving.handMotion = kHandsSweep;
            sim.Clock().SetConfig(moving);
        }
        sim.Clock().ClearReceived();
        QVERIFY(sim.Start());
        QSignalSpy replaced(&window, &CKerovantDlg::deviceReplaced);
        window.ReplaceDevice();
        QVERIFY(replaced.wait(kClockTimeoutMs) || rig.connection->Device().get() != first);
        QVERIFY(rig.WaitReady());
        // The window shows the clock, the dialog still open.
        QTRY_VERIFY_WITH_TIMEOUT(rig.Find<QLineEdit>(CKerovantDlg::kIdUtcTime)->text() != QLatin1String(kOfflineText),
                                 kClockTimeoutMs);
        QTest::qWait(2 * CSetClockFaceDlg::kPresenceCheckMs);
        QCOMPARE(dialog.ClockAway(), !sameClock);
        if (!sameClock) {
            Click(dialog, Id::kIdCancel);
            return;
        }
        // The same clock: Forward and OK reach it.
        QVERIFY(dialog.Control(Id::kIdForward)->isEnabled());
        Click(dialog, Id::kIdForward);
        QVERIFY(QTest::qWaitFor([&] { return sim.Clock().FaceNudges() >= 1; }, kClockTimeoutMs));
        TypeFaceTime(dialog, "1", "2", "3");
        Click(dialog, Id::kIdOk);
    };
    answers.SetDialogRunner([&](QDialog& d) {
        auto& dialog = static_cast<CSetClockFaceDlg&>(d);
        dialog.show();
        work(dialog);
        return dialog.result();
    });
    window.SetClockHandPosition();
    QCOMPARE(answers.DialogsRun(), 1);

    if (sameClock) {
        QVERIFY(QTest::qWaitFor([&] { return sim.Clock().CountReceived(kCmdWriteConfig) >= 2; }, kClockTimeoutMs));
        QCOMPARE(answers.MessageTexts(), QStringList());
        QCOMPARE(sim.Clock().Display().value, kFace010203);
        QCOMPARE(int(sim.Clock().Config().handMotion), int(kHandsSweep));
    } else {
        QCOMPARE(answers.MessageTexts(),
                 QStringList{
                     QStringLiteral("Another clock was connected while the dialog was open. Nothing was sent to it.")});
        QTest::qWait(300);  // three polls' time: a write would be there
        QCOMPARE(sim.Clock().CountReceived(kCmdWriteConfig), size_t{0});
        QCOMPARE(sim.Clock().CountReceived(kCmdWriteDisplay), size_t{0});
    }
}

void TestClockHandPosition::refusedFaceTimeKeepsTheDialogOpen()
{
    ClockAndWindow rig([](CSimClock& clock) {
        SimFaults faults;
        faults.nakCode = kCmdWriteDisplay;
        clock.SetFaults(faults);
    });
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    CScopedModalAnswers answers;
    bool stayedOpen = false;
    answers.SetDialogRunner([&](QDialog& d) {
        auto& dialog = static_cast<CSetClockFaceDlg&>(d);
        dialog.show();
        if (!TickAndWaitStopped(dialog, rig))
            return int(QDialog::Rejected);
        TypeFaceTime(dialog, "1", "2", "3");
        Click(dialog, Id::kIdOk);
        // Said; the hands stay stopped, for another try or Cancel.
        stayedOpen = dialog.isVisible() && dialog.Setting() && FirstLines(answers).size() == 1 &&
            rig.sim.Clock().Config().handMotion == kHandsStopped;
        Click(dialog, Id::kIdCancel);
        return dialog.result();
    });
    rig.window->window->SetClockHandPosition();
    QVERIFY(stayedOpen);
    QCOMPARE(FirstLines(answers).front(), QString::fromUtf8(kStrErrorSettingFaceTime));
    QCOMPARE(answers.MessageTexts().front(), WriteFailureMessage(kStrErrorSettingFaceTime, WriteOutcome::Refused));
    QCOMPARE(rig.sim.Clock().CountReceived(kCmdWriteDisplay), size_t{1});
}

QTEST_MAIN(TestClockHandPosition)
#include "test_ClockHandPosition.moc"
