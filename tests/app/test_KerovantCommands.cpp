// The main window's commands against the simulated clock over a
// pseudo-terminal: what reaches the clock, and what the user is told.
#include "ClockCodec.h"
#include "ClockDateTime.h"
#include "EventLoopWait.h"
#include "KerovantDlg.h"
#include "LinkTiming.h"
#include "SetDateTime.h"
#include "TimeCodeSettings.h"
#include "TzDlg.h"
#include "ModalSeam.h"
#include "SimClock.h"
#include "Strings.h"
#include "WindowConnection.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QRegularExpression>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

constexpr int kClockTimeoutMs = 5000;
constexpr const char* kMissingDevice = "/dev/kerovant-test-no-such-tty";

// A main window on a connection to a device path.
struct Window {
    explicit Window(const std::string& path)
    {
        LinkSettings settings;
        SetDeviceName(settings, path);
        connection = std::make_unique<CWindowConnection>(settings);
        connection->Start();
        window = std::make_unique<CKerovantDlg>(nullptr, connection.get());
    }
    ~Window()
    {
        window.reset();
        connection.reset();
    }
    bool WaitReady() const
    {
        return QTest::qWaitFor(
            [this] {
                const auto device = connection->Device();
                return device && device->IsReady() && device->GetPollCount() > 0;
            },
            kClockTimeoutMs);
    }
    template <class Control> Control* Find(int id) const { return qobject_cast<Control*>(window->Control(id)); }

    std::unique_ptr<CWindowConnection> connection;
    std::unique_ptr<CKerovantDlg> window;
};

// The simulated clock with a window on it. prepare sets the clock up before
// the device object first reads it.
struct ClockAndWindow {
    explicit ClockAndWindow(const std::function<void(SimClock&)>& prepare = {})
    {
        if (prepare)
            prepare(sim.Clock());
        started = sim.Start();
        window = std::make_unique<Window>(sim.DevicePath());
    }
    // Waits until the clock has taken n configuration writes.
    bool WaitConfigWrites(size_t n)
    {
        return QTest::qWaitFor([&] { return sim.Clock().CountReceived(kCmdWriteConfig) >= n; }, kClockTimeoutMs);
    }

    SimServer sim;
    bool started = false;
    std::unique_ptr<Window> window;
};

// Types into a dialog's field and clicks one of its buttons, as a user does.
void Type(CTemplateDialog& dialog, int id, const QString& text)
{
    auto* field = qobject_cast<QLineEdit*>(dialog.Control(id));
    QVERIFY(field);
    field->selectAll();
    QTest::keyClicks(field, text);
}

void Click(CTemplateDialog& dialog, int id)
{
    auto* button = qobject_cast<QAbstractButton*>(dialog.Control(id));
    QVERIFY(button);
    button->click();
}

}  // namespace

class TestKerovantCommands : public QObject {
    Q_OBJECT

private slots:
    void timeZoneStoresTheSignedBias_data();
    void timeZoneStoresTheSignedBias();
    void timeZoneCancelSendsNothing();
    void timeCodeSettingsWritesBothDateFlags();
    void setDateTimeSendsTheTypedTime();
    void setDateTimeFromPcClockLandsOnTheSecond();
    void sliderSendsOnlyTheIllumination();
    void sliderMovedByKeyboardSendsOnceItRests();
    void withoutClockEveryCommandSaysSoAfterTwoSeconds();
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

    ClockAndWindow rig([](SimClock& clock) {
        ClockConfig unconfigured = clock.Config();
        unconfigured.configured = 0;  // the command marks the clock configured
        clock.SetConfig(unconfigured);
    });
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    ClockConfig before;
    rig.window->connection->Device()->GetConfig(before);

    ScopedModalAnswers answers;
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
    ScopedModalAnswers answers;
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

void TestKerovantCommands::timeCodeSettingsWritesBothDateFlags()
{
    ClockAndWindow rig([](SimClock& clock) {
        ClockConfig odd = clock.Config();
        odd.useTimeCodeDate() = 0;
        odd.useTimeCodeDateAlt() = 1;
        clock.SetConfig(odd);
    });
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());

    ScopedModalAnswers answers;
    bool useSelected = false;
    answers.SetDialogRunner([&](QDialog& d) {
        auto& dialog = static_cast<CTimeCodeSettings&>(d);
        dialog.show();  // the dialog selects its radio as it opens
        useSelected = qobject_cast<QRadioButton*>(dialog.Control(CTimeCodeSettings::kIdUseDate))->isChecked();
        Click(dialog, CTimeCodeSettings::kIdOk);
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
    ScopedModalAnswers answers;
    answers.SetDialogRunner([&](QDialog& d) {
        auto& dialog = static_cast<CSetDateTime&>(d);
        dialog.show();
        Click(dialog, CSetDateTime::kIdCustom);
        Type(dialog, CSetDateTime::kIdHour, QStringLiteral("12"));
        Type(dialog, CSetDateTime::kIdMonth, QStringLiteral("06"));
        Type(dialog, CSetDateTime::kIdDay, QStringLiteral("15"));
        Type(dialog, CSetDateTime::kIdYear, QStringLiteral("2011"));
        Click(dialog, CSetDateTime::kIdSetNow);
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
    ClockAndWindow rig([](SimClock& clock) {
        clock.SetTiming(SimTiming{false, kLineBaudRate});
        clock.SetUtcOffset(std::chrono::milliseconds(-700));
    });
    QVERIFY(rig.started);
    QVERIFY(rig.window->WaitReady());
    CKerovantDlg& window = *rig.window->window;
    ScopedModalAnswers answers;
    answers.SetDialogRunner([&](QDialog& d) {
        auto& dialog = static_cast<CSetDateTime&>(d);
        dialog.show();
        Click(dialog, CSetDateTime::kIdSetNow);  // "UTC Time from PC clock" is chosen at opening
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
        busyThroughout = busyThroughout && BusyScope::Active();
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
    QVERIFY(!BusyScope::Active());

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

    ScopedModalAnswers answers;
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
    ScopedModalAnswers answers;

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
    const std::vector<void (CKerovantDlg::*)()> commands = {&CKerovantDlg::SetTimeZone, &CKerovantDlg::SetDateTime,
                                                            &CKerovantDlg::SetTimeCodeSettings,
                                                            &CKerovantDlg::SetIlluminationFromSlider};
    for (const auto command : commands) {
        ScopedModalAnswers answers;
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

QTEST_MAIN(TestKerovantCommands)
#include "test_KerovantCommands.moc"
