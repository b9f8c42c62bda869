// The main window's commands against the simulated clock over a
// pseudo-terminal: what reaches the clock, and what the user is told.
#include "ClockCodec.h"
#include "CommandRig.h"
#include "DstDlg.h"
#include "DstRules.h"
#include "ClockDateTime.h"
#include "EventLoopWait.h"
#include "KerovantDlg.h"
#include "LinkTiming.h"
#include "SetDateTimeDlg.h"
#include "TimeCodeSettingsDlg.h"
#include "TzDlg.h"
#include "ModalSeam.h"
#include "SimClock.h"
#include "StatusText.h"
#include "Strings.h"
#include "WindowConnection.h"
#include "WindowTestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QRegularExpression>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

namespace {

// Sets the simulated clock's UTC to a moment of the system clock's scale.
void SetClockUtc(CSimClock& clock, std::chrono::sys_seconds at)
{
    const int64_t seconds = at.time_since_epoch().count() + kClockEpochToUnix;
    clock.SetUtc(ClockTime{1, static_cast<uint8_t>(seconds >> 32), static_cast<uint32_t>(seconds), 0});
}

int64_t Seconds(const ClockTime& time)
{
    return (int64_t{time.secondsHigh} << 32) | time.seconds;
}

// What a screen reader does when its user "presses" a button: no event,
// a call on the button.
void PressByAssistiveTechnology(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible && accessible->actionInterface());
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Ways a user tries to start something while a command waits.
enum class Input { F1, ClickCommand, PressCommand, PressOk, MoveSlider, MenuKeys, ContextMenu, Escape, Close };

void TryInput(CKerovantDlg& window, Input input)
{
    QWidget* daylight = window.Control(CKerovantDlg::kIdDaylightSavings);
    switch (input) {
    case Input::F1: QTest::keyClick(&window, Qt::Key_F1); break;
    case Input::ClickCommand: QTest::mouseClick(daylight, Qt::LeftButton); break;
    case Input::PressCommand: PressByAssistiveTechnology(daylight); break;
    case Input::PressOk: PressByAssistiveTechnology(window.Control(CKerovantDlg::kIdOk)); break;
    case Input::MoveSlider: {
        QWidget* slider = window.Control(CKerovantDlg::kIdIllumination);
        QAccessible::queryAccessibleInterface(slider)->valueInterface()->setCurrentValue(5);
        break;
    }
    case Input::MenuKeys: QTest::keyClick(&window, Qt::Key_F10, Qt::ShiftModifier); break;
    case Input::ContextMenu: {
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), window.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&window, &menu);
        break;
    }
    case Input::Escape: QTest::keyClick(&window, Qt::Key_Escape); break;
    case Input::Close: window.close(); break;
    }
}

}  // namespace

class TestKerovantCommands : public QObject {
    Q_OBJECT

private slots:
    void timeZoneStoresTheSignedBias_data();
    void timeZoneStoresTheSignedBias();
    void timeZoneCancelSendsNothing();
    void daylightSavingEuPresetSwitchesTheClockOnTime();
    void daylightSavingRefusedOkAndCancelSendNothing();
    void timeCodeSettingsWritesBothDateFlags();
    void setDateTimeSendsTheTypedTime();
    void setDateTimeFromPcClockLandsOnTheSecond();
    void sliderSendsOnlyTheIllumination();
    void sliderMovedByKeyboardSendsOnceItRests();
    void withoutClockEveryCommandSaysSoAfterTwoSeconds();
    void nothingStartsWhileACommandWaits_data();
    void nothingStartsWhileACommandWaits();
    void replugWhileADialogIsOpen_data();
    void replugWhileADialogIsOpen();
    void everyCommandSaysWhetherItsWriteLanded_data();
    void everyCommandSaysWhetherItsWriteLanded();
    void aConfigurationOutOfRangeIsToldOnceAndCorrectedOnYes_data();
    void aConfigurationOutOfRangeIsToldOnceAndCorrectedOnYes();
    void noCommandStartsWhileADialogIsOpen_data();
    void noCommandStartsWhileADialogIsOpen();
    void aWriteThatDidNotLandIsSaid_data();
    void aWriteThatDidNotLandIsSaid();
    void anAcknowledgedWriteCutOffIsCheckedWhenTheClockIsBack_data();
    void anAcknowledgedWriteCutOffIsCheckedWhenTheClockIsBack();
};

void TestKerovantCommands::timeZoneStoresTheSignedBias_data()
{
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<int>("biasPositive");
    QTest::addColumn<uint>("biasSeconds");
    QTest::newRow("-18,000 s") << "05"
                               << "00" << true << 0 << 18000u;
    QTest::newRow("0") << "00"
                       << "00" << false << 1 << 0u;
    QTest::newRow("negative zero is zero") << "00"
                                           << "00" << true << 1 << 0u;
    QTest::newRow("+5:30") << "05"
                           << "30" << false << 1 << 19800u;
}

void TestKerovantCommands::timeZoneStoresTheSignedBias()
{
    QFETCH(QString, hours);
    QFETCH(QString, minutes);
    QFETCH(bool, negative);
    QFETCH(int, biasPositive);
    QFETCH(uint, biasSeconds);

    ClockAndWindow rig([](CSimClock& clock) {
        ClockConfig unconfigured = clock.Config();
        unconfigured.configured = 0;  // the command marks the clock configured
        clock.SetConfig(unconfigured);
    });
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    ClockConfig before;
    rig.window->connection->Device()->GetConfig(before);

    CScopedModalAnswers answers;
    answers.SetDialogRunner([&](QDialog& d) {
        auto& dialog = static_cast<CTzDlg&>(d);
        Type(dialog, CTzDlg::kIdHours, hours);
        Type(dialog, CTzDlg::kIdMinutes, minutes);
        Type(dialog, CTzDlg::kIdSeconds, QStringLiteral("00"));
        qobject_cast<QCheckBox*>(dialog.Control(CTzDlg::kIdBiasNegative))->setChecked(negative);
        Click(dialog, CTzDlg::kIdOk);
        return dialog.result();
    });
    rig.window->window->SetTimeZone();
    QCOMPARE(answers.DialogsRun(), 1);
    QVERIFY(rig.WaitConfigWrites(1));
    QVERIFY(answers.Messages().empty());

    const ClockConfig stored = rig.sim.Clock().Config();
    QCOMPARE(int(stored.biasPositive), biasPositive);
    QCOMPARE(stored.biasSeconds, uint32_t(biasSeconds));
    QCOMPARE(int(stored.configured), 1);
    QCOMPARE(int(stored.valid), 1);
    // Everything else as the device object held it.
    ClockConfig expected = before;
    expected.biasPositive = stored.biasPositive;
    expected.biasSeconds = stored.biasSeconds;
    expected.configured = 1;
    PrepareConfigForWrite(expected);
    QCOMPARE(stored, expected);
}

void TestKerovantCommands::timeZoneCancelSendsNothing()
{
    ClockAndWindow rig;
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    CScopedModalAnswers answers;
    answers.SetDialogRunner([&](QDialog& d) {
        auto& dialog = static_cast<CTzDlg&>(d);
        Type(dialog, CTzDlg::kIdHours, QStringLiteral("07"));
        Click(dialog, CTzDlg::kIdCancel);
        return dialog.result();
    });
    rig.window->window->SetTimeZone();
    QCOMPARE(answers.DialogsRun(), 1);
    QTest::qWait(300);  // three polls' time: a write would be there
    QCOMPARE(rig.sim.Clock().CountReceived(kCmdWriteConfig), size_t{0});
}

void TestKerovantCommands::daylightSavingEuPresetSwitchesTheClockOnTime()
{
    using namespace std::chrono;
    // A clock in Central Europe without daylight saving.
    ClockAndWindow rig([](CSimClock& clock) {
        ClockConfig config = clock.Config();
        config.biasPositive = 1;
        config.biasSeconds = 3600;
        config.dstMode = kDstDisabled;
        clock.SetConfig(config);
    });
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    ClockConfig before;
    rig.window->connection->Device()->GetConfig(before);

    CScopedModalAnswers answers;
    answers.SetDialogRunner([&](QDialog& d) {
        auto& dialog = static_cast<CDstDlg&>(d);
        Click(dialog, static_cast<int>(DstId::DisableDst));  // the clock had it off
        Click(dialog, static_cast<int>(DstId::PresetEu));
        Click(dialog, static_cast<int>(DstId::Ok));
        return dialog.result();
    });
    rig.window->window->SetDaylightSaving();
    QCOMPARE(answers.DialogsRun(), 1);
    QVERIFY(rig.WaitConfigWrites(1));
    QVERIFY(answers.Messages().empty());

    const ClockConfig stored = rig.sim.Clock().Config();
    QCOMPARE(int(stored.dstMode), int(kDstByWeekday));
    QCOMPARE(int(stored.dstStartWeek), 5);
    QCOMPARE(int(stored.dstEndWeek), 5);
    QCOMPARE(int(stored.dstStartMonth), 3);
    QCOMPARE(int(stored.dstEndMonth), 10);
    QCOMPARE(int(stored.dstStartDayOfWeek), 1);  // Sunday
    QCOMPARE(int(stored.dstEndDayOfWeek), 1);
    for (const uint8_t* field : {&stored.dstStartHour, &stored.dstEndHour})
        QCOMPARE(int(*field), 1);
    for (const uint8_t* field :
         {&stored.dstStartMinute, &stored.dstStartSecond, &stored.dstEndMinute, &stored.dstEndSecond})
        QCOMPARE(int(*field), 0);
    QCOMPARE(int(stored.dstUseUtc), 1);
    QCOMPARE(int(stored.dstUseLocal), 0);
    QCOMPARE(stored.dstBiasSeconds, 3600u);
    QCOMPARE(int(stored.dstBiasPositive), 1);
    // Everything outside the daylight-saving part as the device object held
    // it.
    QCOMPARE(stored.biasSeconds, before.biasSeconds);
    QCOMPARE(stored.illumination, before.illumination);
    QCOMPARE(stored.handMotion, before.handMotion);

    // The clock's local time, as the program reads it, jumps exactly when
    // the UTC passes 01:00 on the last Sundays of March and October 2027.
    struct Change {
        sys_seconds at;
        int64_t before;
        int64_t after;
    };
    const Change changes[] = {{sys_days{2027y / March / 28} + 1h, 3600, 7200},
                              {sys_days{2027y / October / 31} + 1h, 7200, 3600}};
    const auto device = rig.window->connection->Device();
    for (const Change& change : changes) {
        SetClockUtc(rig.sim.Clock(), change.at - 2s);
        const int64_t changeSeconds = change.at.time_since_epoch().count() + kClockEpochToUnix;
        bool sawBefore = false;
        QString wrong;
        const bool sawAfter = QTest::qWaitFor(
            [&] {
                ClockTime utc;
                ClockTime local;
                device->GetClockTimes(utc, local);
                const int64_t at = Seconds(utc);
                if (at < changeSeconds - 2)
                    return false;  // a reading from before the UTC was set
                const int64_t offset = Seconds(local) - at;
                const int64_t expected = at < changeSeconds ? change.before : change.after;
                if (offset != expected)
                    wrong = QStringLiteral("offset %1 at %2").arg(offset).arg(at - changeSeconds);
                sawBefore = sawBefore || at < changeSeconds;
                return at >= changeSeconds + 1;
            },
            kClockTimeoutMs);
        QVERIFY(sawAfter);
        QVERIFY(sawBefore);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }
}

void TestKerovantCommands::daylightSavingRefusedOkAndCancelSendNothing()
{
    ClockAndWindow rig;
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    CScopedModalAnswers answers;
    bool stayedOpen = false;
    answers.SetDialogRunner([&](QDialog& d) {
        auto& dialog = static_cast<CDstDlg&>(d);
        dialog.show();
        Click(dialog, static_cast<int>(DstId::DisableDst));
        Click(dialog, static_cast<int>(DstId::PresetEu));
        // A month the list does not have: OK is refused and the dialog stays.
        auto* month = qobject_cast<QComboBox*>(dialog.Control(static_cast<int>(DstId::EndMonth)));
        month->lineEdit()->selectAll();
        QTest::keyClicks(month->lineEdit(), QStringLiteral("Foo"));
        Click(dialog, static_cast<int>(DstId::Ok));
        stayedOpen = dialog.isVisible() && dialog.result() != QDialog::Accepted;
        Click(dialog, static_cast<int>(DstId::Cancel));
        return dialog.result();
    });
    rig.window->window->SetDaylightSaving();
    QCOMPARE(answers.DialogsRun(), 1);
    QVERIFY(stayedOpen);
    QCOMPARE(answers.MessageTexts(), QStringList{QStringLiteral("Daylight savings time end: choose a month.")});
    QTest::qWait(300);  // three polls' time: a write would be there
    QCOMPARE(rig.sim.Clock().CountReceived(kCmdWriteConfig), size_t{0});
}

void TestKerovantCommands::timeCodeSettingsWritesBothDateFlags()
{
    ClockAndWindow rig([](CSimClock& clock) {
        ClockConfig odd = clock.Config();
        odd.useTimeCodeDate() = 0;
        odd.useTimeCodeDateAlt() = 1;
        clock.SetConfig(odd);
    });
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());

    CScopedModalAnswers answers;
    bool useSelected = false;
    answers.SetDialogRunner([&](QDialog& d) {
        auto& dialog = static_cast<CTimeCodeSettingsDlg&>(d);
        dialog.show();  // the dialog selects its radio as it opens
        useSelected = qobject_cast<QRadioButton*>(dialog.Control(CTimeCodeSettingsDlg::kIdUseDate))->isChecked();
        Click(dialog, CTimeCodeSettingsDlg::kIdOk);
        return dialog.result();
    });
    rig.window->window->SetTimeCodeSettings();
    QVERIFY(useSelected);
    QVERIFY(rig.WaitConfigWrites(1));
    QCOMPARE(int(rig.sim.Clock().Config().useTimeCodeDate()), 1);
    QCOMPARE(int(rig.sim.Clock().Config().useTimeCodeDateAlt()), 1);
}

void TestKerovantCommands::setDateTimeSendsTheTypedTime()
{
    ClockAndWindow rig;
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    CScopedModalAnswers answers;
    answers.SetDialogRunner([&](QDialog& d) {
        auto& dialog = static_cast<CSetDateTimeDlg&>(d);
        dialog.show();
        Click(dialog, CSetDateTimeDlg::kIdCustom);
        Type(dialog, CSetDateTimeDlg::kIdHour, QStringLiteral("12"));
        Type(dialog, CSetDateTimeDlg::kIdMonth, QStringLiteral("06"));
        Type(dialog, CSetDateTimeDlg::kIdDay, QStringLiteral("15"));
        Type(dialog, CSetDateTimeDlg::kIdYear, QStringLiteral("2011"));
        Click(dialog, CSetDateTimeDlg::kIdSetNow);
        return dialog.result();
    });
    rig.window->window->SetDateTime();
    QVERIFY(QTest::qWaitFor([&] { return rig.sim.Clock().CountReceived(kCmdSetTime) == 1; }, kClockTimeoutMs));
    QVERIFY(answers.Messages().empty());
    std::string payload;
    for (const SimReceived& frame : rig.sim.Clock().Received()) {
        if (frame.code == kCmdSetTime)
            payload = frame.payload;
    }
    // set 1, high part 0, 3,517,128,000 s, fraction 0.
    QCOMPARE(QString::fromStdString(payload), QString::fromStdString(EncodeSetTime({1, 0, 3517128000u, 0})));
}

void TestKerovantCommands::setDateTimeFromPcClockLandsOnTheSecond()
{
    // A clock 0.7 s behind, on a line as slow as the real cable.
    ClockAndWindow rig([](CSimClock& clock) {
        clock.SetTiming(SimTiming{false, kLineBaudRate});
        clock.SetUtcOffset(std::chrono::milliseconds(-700));
    });
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    CKerovantDlg& window = *rig.window->window;
    CScopedModalAnswers answers;
    answers.SetDialogRunner([&](QDialog& d) {
        auto& dialog = static_cast<CSetDateTimeDlg&>(d);
        dialog.show();
        Click(dialog, CSetDateTimeDlg::kIdSetNow);  // "UTC Time from PC clock" is chosen at opening
        return dialog.result();
    });

    // While the command waits for the second the event loop runs, and the
    // window is busy: it takes no other input.
    int beats = 0;
    bool busyThroughout = true;
    QTimer beat;
    beat.setInterval(20);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        ++beats;
        busyThroughout = busyThroughout && CBusyScope::Active();
    });
    beat.start();
    QElapsedTimer waited;
    waited.start();
    window.SetDateTime();
    beat.stop();
    QCOMPARE(answers.DialogsRun(), 1);
    QVERIFY2(answers.Messages().empty(), qPrintable(answers.MessageTexts().join(QLatin1Char('|'))));
    QVERIFY2(waited.elapsed() < 3500, qPrintable(QString::number(waited.elapsed())));
    QVERIFY2(beats >= 3, qPrintable(QString::number(beats)));
    QVERIFY(busyThroughout);
    QVERIFY(!CBusyScope::Active());

    // One whole second, exactly as the calendar steps give it (hundredths
    // 0, no fraction), complete at the clock at that second's boundary.
    const std::vector<SimSet> sets = rig.sim.Clock().Sets();
    QCOMPARE(sets.size(), size_t{1});
    const SimSet set = sets.front();
    QCOMPARE(int(set.time.fraction), 0);
    ClockDateTime calendar = TimeValueToCalendar(set.time);
    QCOMPARE(int(calendar.hundredths), 0);
    QCOMPARE(CalendarToTimeValue(calendar), set.time);
    const double errorMs = std::chrono::duration<double, std::milli>(set.error).count();
    QVERIFY2(std::abs(errorMs) < 50, qPrintable(QString::number(errorMs)));

    // The line under the UTC time comes to say about nothing.
    auto* line = window.findChild<QLabel*>(QStringLiteral("clockOffset"));
    QVERIFY(line);
    const QRegularExpression nearZero(QStringLiteral(R"(^Clock vs this computer: [+-]0\.0[0-4]\d s$)"));
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     window.Refresh();
                     return nearZero.match(line->text()).hasMatch();
                 },
                 kClockTimeoutMs),
             qPrintable(line->text()));
}

void TestKerovantCommands::sliderSendsOnlyTheIllumination()
{
    ClockAndWindow rig;
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    ClockConfig before;
    rig.window->connection->Device()->GetConfig(before);

    CScopedModalAnswers answers;
    auto* slider = rig.window->Find<QSlider>(CKerovantDlg::kIdIllumination);
    {
        const QSignalBlocker quiet(slider);
        slider->setValue(7);
    }
    rig.window->window->SetIlluminationFromSlider();
    QVERIFY(rig.WaitConfigWrites(1));
    QVERIFY(answers.Messages().empty());

    // Exactly what the device object held, but the level.
    ClockConfig expected = before;
    expected.illumination = 7;
    PrepareConfigForWrite(expected);
    QCOMPARE(rig.sim.Clock().Config(), expected);
    QCOMPARE(rig.sim.Clock().CountReceived(kCmdWriteConfig), size_t{1});
}

void TestKerovantCommands::sliderMovedByKeyboardSendsOnceItRests()
{
    ClockAndWindow rig;
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    CKerovantDlg& window = *rig.window->window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.Refresh();  // loads the slider from the clock
    auto* slider = rig.window->Find<QSlider>(CKerovantDlg::kIdIllumination);
    const int start = slider->value();
    CScopedModalAnswers answers;

    // Three steps in quick succession: one write, of the last level.
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    QTest::keyClick(slider, Qt::Key_Right);
    QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(slider->value(), start + 3);
    QTest::qWait(100);
    QCOMPARE(rig.sim.Clock().CountReceived(kCmdWriteConfig), size_t{0});
    QVERIFY(rig.WaitConfigWrites(1));
    QTest::qWait(CKerovantDlg::kIlluminationRestMs + 100);
    QCOMPARE(rig.sim.Clock().CountReceived(kCmdWriteConfig), size_t{1});
    QCOMPARE(int(rig.sim.Clock().Config().illumination), start + 3);
}

void TestKerovantCommands::withoutClockEveryCommandSaysSoAfterTwoSeconds()
{
    Window rig(kMissingDevice);
    CKerovantDlg& window = *rig.window;
    const std::vector<void (CKerovantDlg::*)()> commands = {&CKerovantDlg::SetTimeZone,
                                                            &CKerovantDlg::SetDaylightSaving,
                                                            &CKerovantDlg::SetDateTime,
                                                            &CKerovantDlg::SetTimeCodeSettings,
                                                            &CKerovantDlg::SetIlluminationFromSlider,
                                                            &CKerovantDlg::SetClockHandPosition};
    for (const auto command : commands) {
        CScopedModalAnswers answers;
        QElapsedTimer waited;
        waited.start();
        (window.*command)();
        const qint64 elapsed = waited.elapsed();
        QVERIFY2(elapsed >= 1900 && elapsed < 4000, qPrintable(QString::number(elapsed)));
        QCOMPARE(answers.MessageTexts(), QStringList{QString::fromUtf8(kStrNoCommunication)});
        QCOMPARE(answers.Messages().front().caption, QCoreApplication::applicationName());
        QCOMPARE(answers.Messages().front().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(answers.DialogsRun(), 0);
    }
}

void TestKerovantCommands::nothingStartsWhileACommandWaits_data()
{
    QTest::addColumn<bool>("setNow");  // else the wait for a clock that is not there
    QTest::addColumn<int>("input");
    const std::pair<const char*, Input> inputs[] = {
        {"F1", Input::F1},
        {"click on a command", Input::ClickCommand},
        {"screen reader presses a command", Input::PressCommand},
        {"screen reader presses OK", Input::PressOk},
        {"screen reader moves the slider", Input::MoveSlider},
        {"Shift+F10", Input::MenuKeys},
        {"context menu", Input::ContextMenu},
        {"Escape", Input::Escape},
        {"close", Input::Close},
    };
    for (const auto& [name, input] : inputs)
        QTest::addRow("clock wait, %s", name) << false << int(input);
    QTest::newRow("Set Now, F1") << true << int(Input::F1);
    QTest::newRow("Set Now, screen reader presses a command") << true << int(Input::PressCommand);
}

void TestKerovantCommands::nothingStartsWhileACommandWaits()
{
    QFETCH(bool, setNow);
    QFETCH(int, input);
    // Set Now waits for its second and the clock's answer (at least
    // 100 ms, the answer a little late here); the other command for a clock
    // that never comes (2 s).
    ClockAndWindow rig([](CSimClock& clock) {
        SimFaults late;
        late.slowCode = kCmdSetTime;
        late.slowDelay = std::chrono::milliseconds(60);
        clock.SetFaults(late);
    });
    Window missing(kMissingDevice);
    Window& shown = setNow ? *rig.window : missing;
    CKerovantDlg& window = *shown.window;
    QVERIFY(!setNow || (rig.started && shown.WaitReady()));
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.Refresh();  // loads the slider from the clock

    auto* slider = qobject_cast<QSlider*>(window.Control(CKerovantDlg::kIdIllumination));
    const int level = slider->value();
    CScopedModalAnswers answers;
    QStringList dialogs;
    answers.SetDialogRunner([&](QDialog& dialog) {
        dialogs << dialog.metaObject()->className();
        auto* setDateTime = qobject_cast<CSetDateTimeDlg*>(&dialog);
        if (!setDateTime)
            return int(QDialog::Rejected);
        setDateTime->show();
        Click(*setDateTime, CSetDateTimeDlg::kIdSetNow);
        // As soon as the command waits for the second.
        QTimer::singleShot(0, &window, [&] { TryInput(window, Input(input)); });
        return setDateTime->result();
    });
    bool menuOpened = false;
    WhenPopup(
        [&](QWidget* menu) {
            menuOpened = true;
            menu->close();
        },
        3000);
    if (setNow) {
        window.SetDateTime();
    } else {
        QTimer::singleShot(300, &window, [&] { TryInput(window, Input(input)); });
        window.SetTimeZone();
    }
    // A press by a screen reader lets go of the button 100 ms later.
    for (int id : {int(CKerovantDlg::kIdDaylightSavings), int(CKerovantDlg::kIdOk)})
        QTRY_VERIFY(!qobject_cast<QPushButton*>(window.Control(id))->isDown());

    QCOMPARE(dialogs, setNow ? QStringList{QStringLiteral("CSetDateTimeDlg")} : QStringList{});
    QCOMPARE(answers.MessageTexts(), setNow ? QStringList{} : QStringList{QString::fromUtf8(kStrNoCommunication)});
    QVERIFY(!menuOpened);
    QVERIFY(window.isVisible());
    QCOMPARE(slider->value(), level);
    QVERIFY(!CBusyScope::Active());
}

namespace {

// A command, what its user does, what the clock holds when its write
// landed, and what the window says when it did not.
enum class Command { TimeZone, DaylightSaving, TimeCode, DateTime, DateTimeNow, Illumination };

struct CommandCase {
    void (CKerovantDlg::*run)();
    uint8_t code;  // of the write it sends
    std::function<void(QDialog&)> work;
    std::function<bool(const CSimClock&)> landed;
    const char* failure = nullptr;
};

CommandCase CaseOf(Command command)
{
    switch (command) {
    case Command::TimeZone:
        return {&CKerovantDlg::SetTimeZone, kCmdWriteConfig,
                [](QDialog& d) {
                    auto& dialog = static_cast<CTzDlg&>(d);
                    Type(dialog, CTzDlg::kIdHours, QStringLiteral("03"));
                    Click(dialog, CTzDlg::kIdOk);
                },
                [](const CSimClock& clock) { return clock.Config().biasSeconds == 3 * 3600; }, kStrErrorSettingConfig};
    case Command::DaylightSaving:
        return {&CKerovantDlg::SetDaylightSaving, kCmdWriteConfig,
                [](QDialog& d) {
                    auto& dialog = static_cast<CDstDlg&>(d);
                    Click(dialog, static_cast<int>(DstId::DisableDst));  // the clock has it off
                    Click(dialog, static_cast<int>(DstId::PresetEu));
                    Click(dialog, static_cast<int>(DstId::Ok));
                },
                [](const CSimClock& clock) { return clock.Config().dstMode == kDstByWeekday; }, kStrErrorSettingConfig};
    case Command::TimeCode:
        return {&CKerovantDlg::SetTimeCodeSettings, kCmdWriteConfig,
                [](QDialog& d) {
                    auto& dialog = static_cast<CTimeCodeSettingsDlg&>(d);
                    Click(dialog, CTimeCodeSettingsDlg::kIdIgnoreDate);
                    Click(dialog, CTimeCodeSettingsDlg::kIdOk);
                },
                [](const CSimClock& clock) { return clock.Config().useTimeCodeDate() == 0; }, kStrErrorSettingTimeCode};
    case Command::DateTime:
        return {&CKerovantDlg::SetDateTime, kCmdSetTime,
                [](QDialog& d) {
                    auto& dialog = static_cast<CSetDateTimeDlg&>(d);
                    Click(dialog, CSetDateTimeDlg::kIdCustom);
                    Type(dialog, CSetDateTimeDlg::kIdYear, QStringLiteral("2011"));
                    Click(dialog, CSetDateTimeDlg::kIdSetNow);
                },
                [](const CSimClock& clock) { return clock.Sets().size() == 1; }, kStrErrorSettingTime};
    case Command::DateTimeNow:
        return {&CKerovantDlg::SetDateTime, kCmdSetTime,
                [](QDialog& dialog) { Click(static_cast<CSetDateTimeDlg&>(dialog), CSetDateTimeDlg::kIdSetNow); },
                [](const CSimClock& clock) { return clock.Sets().size() == 1; }, kStrErrorSettingTime};
    case Command::Illumination:
        // No dialog: the slider stands at 9 when it is let go.
        return {&CKerovantDlg::SetIlluminationFromSlider,
                kCmdWriteConfig,
                {},
                [](const CSimClock& clock) { return clock.Config().illumination == 9; },
                kStrErrorSettingIllumination};
    }
    return {};
}

}  // namespace

void TestKerovantCommands::replugWhileADialogIsOpen_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("sameClock");
    const std::pair<const char*, Command> commands[] = {{"time zone", Command::TimeZone},
                                                        {"daylight saving", Command::DaylightSaving},
                                                        {"time code", Command::TimeCode},
                                                        {"date and time", Command::DateTime}};
    for (const auto& [name, command] : commands) {
        QTest::addRow("%s, same clock", name) << int(command) << true;
        QTest::addRow("%s, another clock", name) << int(command) << false;
    }
}

void TestKerovantCommands::replugWhileADialogIsOpen()
{
    QFETCH(int, command);
    QFETCH(bool, sameClock);
    const CommandCase test = CaseOf(Command(command));
    ClockAndWindow rig([](CSimClock& clock) {
        ClockConfig config = clock.Config();
        config.illumination = 3;
        config.useTimeCodeDate() = 1;
        config.useTimeCodeDateAlt() = 1;
        clock.SetConfig(config);
    });
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    CKerovantDlg& window = *rig.window->window;

    CScopedModalAnswers answers;
    bool replaced = false;
    answers.SetDialogRunner([&](QDialog& dialog) {
        dialog.show();
        // The clock is unplugged and plugged back (or another one put in
        // its place), its illumination changed meanwhile at the clock: the
        // window gets a new device object while the dialog is open.
        ClockConfig config = rig.sim.Clock().Config();
        config.illumination = 7;
        rig.sim.Clock().SetConfig(config);
        if (!sameClock) {
            SimIdentity other = rig.sim.Clock().Identity();
            other.serialNumber += 1;
            rig.sim.Clock().SetIdentity(other);
        }
        QSignalSpy changed(&window, &CKerovantDlg::deviceReplaced);
        window.ReplaceDevice();
        replaced = changed.wait(kClockTimeoutMs) && rig.window->WaitReady();
        rig.sim.Clock().ClearReceived();
        test.work(dialog);
        return dialog.result();
    });
    (window.*test.run)();
    QVERIFY(replaced);

    if (sameClock) {
        QVERIFY(QTest::qWaitFor([&] { return rig.sim.Clock().CountReceived(test.code) == 1; }, kClockTimeoutMs));
        QVERIFY(answers.Messages().empty());
        QVERIFY(test.landed(rig.sim.Clock()));
        // What changed at the clock, and the dialog does not edit, stays.
        QCOMPARE(int(rig.sim.Clock().Config().illumination), 7);
    } else {
        QCOMPARE(answers.MessageTexts(), QStringList{QString::fromUtf8(kStrClockChanged)});
        QTest::qWait(300);  // three polls' time: a write would be there
        QCOMPARE(rig.sim.Clock().CountReceived(test.code), size_t{0});
        QVERIFY(!test.landed(rig.sim.Clock()));
    }
}

void TestKerovantCommands::everyCommandSaysWhetherItsWriteLanded_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("refuses");
    const std::pair<const char*, Command> commands[] = {{"time zone", Command::TimeZone},
                                                        {"daylight saving", Command::DaylightSaving},
                                                        {"time code", Command::TimeCode},
                                                        {"typed date and time", Command::DateTime},
                                                        {"date and time from the PC", Command::DateTimeNow},
                                                        {"illumination", Command::Illumination}};
    for (const auto& [name, command] : commands) {
        QTest::addRow("%s, clock accepts", name) << int(command) << false;
        QTest::addRow("%s, clock refuses", name) << int(command) << true;
    }
}

void TestKerovantCommands::everyCommandSaysWhetherItsWriteLanded()
{
    QFETCH(int, command);
    QFETCH(bool, refuses);
    const CommandCase test = CaseOf(Command(command));
    ClockAndWindow rig([&](CSimClock& clock) {
        ClockConfig config = clock.Config();
        config.useTimeCodeDate() = 1;
        config.useTimeCodeDateAlt() = 1;
        clock.SetConfig(config);
        SimFaults faults;
        faults.nakCode = refuses ? test.code : -1;
        clock.SetFaults(faults);
    });
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    const ClockConfig before = rig.sim.Clock().Config();
    auto* slider = rig.window->Find<QSlider>(CKerovantDlg::kIdIllumination);
    {
        const QSignalBlocker quiet(slider);
        slider->setValue(9);
    }

    CScopedModalAnswers answers;
    answers.SetDialogRunner([&](QDialog& dialog) {
        dialog.show();
        test.work(dialog);
        return dialog.result();
    });
    (rig.window->window.get()->*test.run)();

    if (refuses) {
        // Said once the clock has refused; nothing at the clock changed.
        QCOMPARE(FirstLines(answers), QStringList{QString::fromUtf8(test.failure)});
        if (Command(command) != Command::DateTimeNow)
            QCOMPARE(answers.MessageTexts().front(), WriteFailureMessage(test.failure, WriteOutcome::Refused));
        QCOMPARE(rig.sim.Clock().CountReceived(test.code), size_t{1});
        QVERIFY(!test.landed(rig.sim.Clock()));
        QCOMPARE(rig.sim.Clock().Config(), before);
    } else {
        QVERIFY2(answers.Messages().empty(), qPrintable(answers.MessageTexts().join(QLatin1Char('|'))));
        // Landed before the command ended.
        QVERIFY(test.landed(rig.sim.Clock()));
    }
}

void TestKerovantCommands::aConfigurationOutOfRangeIsToldOnceAndCorrectedOnYes_data()
{
    // Legend: the clock's start week and bias; the answer given; the
    // message's first line after the list; writes the clock takes.
    QTest::addColumn<int>("week");
    QTest::addColumn<uint>("bias");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("writes");
    const QString week6 = QStringLiteral(
        "The clock's configuration holds values out of range:\n"
        "dstStartWeek is 6 (allowed: 0 to 5)\n\n"
        "Correct them now? Hand motion out of range becomes sweep, a date flag above "
        "1 becomes 1, and daylight-saving rules out of range go back to the defaults "
        "(no daylight saving shift).");
    QTest::newRow("Yes corrects") << 6 << 3600u << int(QMessageBox::Yes) << week6 << 1;
    QTest::newRow("No leaves it") << 6 << 3600u << int(QMessageBox::No) << week6 << 0;
    QTest::newRow("a bias past a day is only told")
        << 2 << 90000u << int(QMessageBox::Ok)
        << QStringLiteral(
               "The clock's configuration holds values out of range:\n"
               "biasSeconds is 90000 (allowed: 0 to 86400)\n\n"
               "A time zone bias or daylight saving shift beyond 24 hours is not corrected here: set them "
               "with Time Zone and Daylight Savings Time.")
        << 0;
}

void TestKerovantCommands::aConfigurationOutOfRangeIsToldOnceAndCorrectedOnYes()
{
    QFETCH(int, week);
    QFETCH(uint, bias);
    QFETCH(int, answer);
    QFETCH(QString, text);
    QFETCH(int, writes);
    ClockAndWindow rig([&](CSimClock& clock) {
        ClockConfig config = clock.Config();
        config.dstMode = kDstByWeekday;
        config.dstStartWeek = static_cast<uint8_t>(week);
        config.dstStartMonth = 4;
        config.biasSeconds = bias;
        clock.SetConfig(config);
    });
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    CScopedModalAnswers answers;
    answers.AnswerNext(static_cast<QMessageBox::StandardButton>(answer));
    rig.window->window->show();
    QVERIFY(QTest::qWaitFor([&] { return !answers.Messages().empty(); }, kClockTimeoutMs));
    QCOMPARE(answers.Messages().front().text, text);
    if (writes != 0) {
        QVERIFY(rig.WaitConfigWrites(1));
        QVERIFY(QTest::qWaitFor([&] { return answers.Messages().size() == 2; }, kClockTimeoutMs));
        QCOMPARE(answers.Messages().back().text, QStringLiteral("The clock's configuration was corrected."));
        // The daylight-saving defaults in the clock's own mode; the rest kept.
        const ClockConfig held = rig.sim.Clock().Config();
        QCOMPARE(int(held.dstMode), int(kDstByWeekday));
        QCOMPARE(int(held.dstStartWeek), 1);
        QCOMPARE(int(held.dstStartMonth), 3);
        QCOMPARE(int(held.dstEndMonth), 7);
        QCOMPARE(held.biasSeconds, 3600u);
    }
    // Many refreshes later: told once, nothing more sent.
    QTest::qWait(4 * CKerovantDlg::kRefreshIntervalMs);
    QCOMPARE(answers.Messages().size(), size_t(writes != 0 ? 2 : 1));
    QCOMPARE(int(rig.sim.Clock().CountReceived(kCmdWriteConfig)), writes);
}

void TestKerovantCommands::noCommandStartsWhileADialogIsOpen_data()
{
    QTest::addColumn<int>("first");  // the command whose dialog is open
    QTest::addColumn<bool>("screenReader");
    const std::pair<const char*, int> firsts[] = {{"time zone", CKerovantDlg::kIdTimeZone},
                                                  {"daylight saving", CKerovantDlg::kIdDaylightSavings},
                                                  {"time code", CKerovantDlg::kIdTimeCodeSettings},
                                                  {"date and time", CKerovantDlg::kIdSetDateTime},
                                                  {"hand position", CKerovantDlg::kIdClockHandPosition}};
    for (const auto& [name, first] : firsts) {
        QTest::addRow("%s, click", name) << first << false;
        QTest::addRow("%s, screen reader", name) << first << true;
    }
}

void TestKerovantCommands::noCommandStartsWhileADialogIsOpen()
{
    QFETCH(int, first);
    QFETCH(bool, screenReader);
    ClockAndWindow rig;
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    CKerovantDlg& window = *rig.window->window;
    window.show();

    CScopedModalAnswers answers;
    QStringList dialogs;
    answers.SetDialogRunner([&](QDialog& dialog) {
        dialogs << dialog.metaObject()->className();
        dialog.show();
        // Every other command's button, while this dialog is open.
        for (int id : {int(CKerovantDlg::kIdTimeZone), int(CKerovantDlg::kIdDaylightSavings),
                       int(CKerovantDlg::kIdTimeCodeSettings), int(CKerovantDlg::kIdSetDateTime),
                       int(CKerovantDlg::kIdClockHandPosition)}) {
            if (id == first)
                continue;
            if (screenReader)
                PressByAssistiveTechnology(window.Control(id));
            else
                qobject_cast<QPushButton*>(window.Control(id))->click();
        }
        QTest::qWait(150);  // a screen reader's press lets go 100 ms later
        return int(QDialog::Rejected);
    });
    qobject_cast<QPushButton*>(window.Control(first))->click();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(answers.DialogsRun(), 1);
    QCOMPARE(answers.MessageTexts(), QStringList());
}

void TestKerovantCommands::aWriteThatDidNotLandIsSaid_data()
{
    // A refusal is no missing answer, and a configuration the clock
    // acknowledged but holds otherwise has not landed.
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("refuses");  // else the clock acknowledges and keeps what it held
    QTest::addColumn<QString>("text");
    QTest::newRow("time zone refused") << int(Command::TimeZone) << true
                                       << QStringLiteral(
                                              "Communication error setting clock configuration\nThe clock refused it.");
    QTest::newRow("time zone held otherwise")
        << int(Command::TimeZone) << false
        << QStringLiteral(
               "Communication error setting clock configuration\nThe clock holds other values than were sent.");
    QTest::newRow("time code refused") << int(Command::TimeCode) << true
                                       << QStringLiteral(
                                              "Communication error setting time code date use\nThe clock refused it.");
    QTest::newRow("time code held otherwise")
        << int(Command::TimeCode) << false
        << QStringLiteral(
               "Communication error setting time code date use\nThe clock holds other values than were sent.");
    QTest::newRow("illumination refused")
        << int(Command::Illumination) << true
        << QStringLiteral("Communication error setting dial illumination\nThe clock refused it.");
    QTest::newRow("illumination held otherwise")
        << int(Command::Illumination) << false
        << QStringLiteral(
               "Communication error setting dial illumination\nThe clock holds other values than were sent.");
    QTest::newRow("typed time refused") << int(Command::DateTime) << true
                                        << QStringLiteral(
                                               "Communication error setting clock time\nThe clock refused it.");
}

void TestKerovantCommands::aWriteThatDidNotLandIsSaid()
{
    QFETCH(int, command);
    QFETCH(bool, refuses);
    QFETCH(QString, text);
    const CommandCase test = CaseOf(Command(command));
    ClockAndWindow rig([&](CSimClock& clock) {
        ClockConfig config = clock.Config();
        config.illumination = 4;
        config.useTimeCodeDate() = 1;
        config.useTimeCodeDateAlt() = 1;
        clock.SetConfig(config);
        SimFaults faults;
        (refuses ? faults.nakCode : faults.keepCode) = test.code;
        clock.SetFaults(faults);
    });
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    CKerovantDlg& window = *rig.window->window;
    window.show();
    auto* slider = rig.window->Find<QSlider>(CKerovantDlg::kIdIllumination);
    QTRY_COMPARE_WITH_TIMEOUT(slider->value(), 4, kClockTimeoutMs);
    {
        const QSignalBlocker quiet(slider);
        slider->setValue(9);
    }
    CScopedModalAnswers answers;
    answers.SetDialogRunner([&](QDialog& dialog) {
        dialog.show();
        test.work(dialog);
        return dialog.result();
    });
    (window.*test.run)();
    QCOMPARE(answers.MessageTexts(), QStringList{text});
    QVERIFY(!test.landed(rig.sim.Clock()));
    // Not counted as landed: the slider shows the clock's level again.
    if (Command(command) == Command::Illumination)
        QTRY_COMPARE_WITH_TIMEOUT(slider->value(), 4, kClockTimeoutMs);
}

void TestKerovantCommands::anAcknowledgedWriteCutOffIsCheckedWhenTheClockIsBack_data()
{
    QTest::addColumn<bool>("keeps");  // the clock acknowledges and keeps what it held
    QTest::addColumn<QStringList>("texts");
    const QString unconfirmed = QStringLiteral(
        "Communication error setting clock configuration\n"
        "The clock acknowledged it, but the connection was lost before it could be confirmed. It is checked when "
        "the clock is back; you are told only if the clock holds other values.");
    QTest::newRow("the clock holds it") << false << QStringList{unconfirmed};
    QTest::newRow("the clock holds other values")
        << true
        << QStringList{unconfirmed,
                       QStringLiteral("Communication error setting clock configuration\n"
                                      "The clock holds other values than were sent.")};
}

void TestKerovantCommands::anAcknowledgedWriteCutOffIsCheckedWhenTheClockIsBack()
{
    // The clock acknowledges the time zone, and the link is lost before the
    // read-back answers (the clock sends nothing more).
    QFETCH(bool, keeps);
    QFETCH(QStringList, texts);
    const CommandCase test = CaseOf(Command::TimeZone);
    ClockAndWindow rig;
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    CKerovantDlg& window = *rig.window->window;
    window.show();
    const CClockDevice* const first = rig.window->connection->Device().get();
    SimFaults cutOff;
    cutOff.ignoreCode = kCmdReadConfig;
    cutOff.keepCode = keeps ? kCmdWriteConfig : -1;
    rig.sim.Clock().SetFaults(cutOff);

    CScopedModalAnswers answers;
    answers.SetDialogRunner([&](QDialog& dialog) {
        dialog.show();
        test.work(dialog);
        return dialog.result();
    });
    window.SetTimeZone();
    QCOMPARE(answers.MessageTexts(), texts.mid(0, 1));
    QVERIFY(!first->IsOnline());

    // The clock answers again; the next device object reads it.
    rig.sim.Clock().SetFaults({});
    QSignalSpy replaced(&window, &CKerovantDlg::deviceReplaced);
    window.ReplaceDevice();
    QVERIFY(replaced.wait(kClockTimeoutMs));
    QVERIFY(rig.window->WaitReady());
    QTRY_COMPARE_WITH_TIMEOUT(answers.MessageTexts().size(), texts.size(), kClockTimeoutMs);
    QTest::qWait(4 * CKerovantDlg::kRefreshIntervalMs);  // told once
    QCOMPARE(answers.MessageTexts(), texts);
    QCOMPARE(test.landed(rig.sim.Clock()), !keeps);
    QCOMPARE(rig.sim.Clock().CountReceived(kCmdWriteConfig), size_t{1});
}

QTEST_MAIN(TestKerovantCommands)
#include "test_KerovantCommands.moc"
