// The hand position dialog on its own, over a device object with no port:
// what it shows in each state, what it keeps, names, tab order, layout.
// What reaches the clock, OK and Cancel included, is tested with the main
// window's command (tests/app/test_ClockHandPosition.cpp).
#include "DialogChecks.h"
#include "SetClockFaceDlg.h"
#include "TimeFieldGroup.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

// A device object that never connects: the dialog may call it, nothing is
// ever sent, and NoWritePending tells whether anything was queued.
std::unique_ptr<CClockDevice> InertDevice()
{
    return std::make_unique<CClockDevice>(std::unique_ptr<ISerialPort>{});
}

struct Rig {
    explicit Rig(uint8_t motion = kHandsSweep)
    {
        config.handMotion = motion;
        dialog = std::make_unique<CSetClockFaceDlg>(nullptr, config, display, *device);
    }
    template <class Control> Control* Find(int id) const { return qobject_cast<Control*>(dialog->Control(id)); }
    QCheckBox* Box() const { return Find<QCheckBox>(CSetClockFaceDlg::kIdSetClock); }
    QLineEdit* Field(int index) const { return dialog->Fields().Field(index); }
    QStringList Texts() const { return {Field(0)->text(), Field(1)->text(), Field(2)->text()}; }

    std::unique_ptr<CClockDevice> device = InertDevice();
    ClockConfig config;
    DisplayConfig display;
    std::unique_ptr<CSetClockFaceDlg> dialog;
};

// The controls only setting uses.
const int kSettingControls[] = {CSetClockFaceDlg::kIdHours,        CSetClockFaceDlg::kIdMinutes,
                                CSetClockFaceDlg::kIdSeconds,      CSetClockFaceDlg::kIdForward,
                                CSetClockFaceDlg::kIdNudgeNote,    CSetClockFaceDlg::kIdAlignGroup,
                                CSetClockFaceDlg::kIdFaceTimeGroup};
// The controls enabled in every state.
const int kAlwaysEnabled[] = {CSetClockFaceDlg::kIdSetClock, CSetClockFaceDlg::kIdSpin, CSetClockFaceDlg::kIdSweep,
                              CSetClockFaceDlg::kIdStep,     CSetClockFaceDlg::kIdOk,   CSetClockFaceDlg::kIdCancel};

void Type(QLineEdit* field, const QString& keys)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, keys);
}

}  // namespace

class TestSetClockFace : public QObject {
    Q_OBJECT

private slots:
    void opensWatching_data();
    void opensWatching();
    void tickingStartsOverClearingKeepsTheText();
    void everyControlNamedInTemplateOrder();
    void nothingClips_data();
    void nothingClips();
};

void TestSetClockFace::opensWatching_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("pressed");
    QTest::newRow("sweep") << int(kHandsSweep) << int(CSetClockFaceDlg::kIdSweep);
    QTest::newRow("step") << int(kHandsStep) << int(CSetClockFaceDlg::kIdStep);
    QTest::newRow("stopped shows sweep") << int(kHandsStopped) << int(CSetClockFaceDlg::kIdSweep);
}

void TestSetClockFace::opensWatching()
{
    QFETCH(int, stored);
    QFETCH(int, pressed);
    Rig rig(static_cast<uint8_t>(stored));
    CSetClockFaceDlg& dialog = *rig.dialog;

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Enter The Current Time Shown On The Face Of The Clock"));
    QCOMPARE(rig.Texts(), (QStringList{"0", "0", "0"}));
    // The opening writes bind the spin to the seconds field.
    QCOMPARE(dialog.Fields().BoundField(), rig.Field(CSetClockFaceDlg::kSeconds));
    QVERIFY(!dialog.Setting());
    for (int id : kSettingControls)
        QVERIFY2(!dialog.Control(id)->isEnabled(), qPrintable(dialog.Control(id)->objectName()));
    for (int id : kAlwaysEnabled)
        QVERIFY2(dialog.Control(id)->isEnabled(), qPrintable(dialog.Control(id)->objectName()));

    // One of the two held down, the other released.
    const int released = pressed == CSetClockFaceDlg::kIdSweep ? CSetClockFaceDlg::kIdStep : CSetClockFaceDlg::kIdSweep;
    QVERIFY(rig.Find<QPushButton>(pressed)->isChecked());
    QVERIFY(!rig.Find<QPushButton>(released)->isChecked());
    QCOMPARE(int(dialog.MotionChoice()), pressed == CSetClockFaceDlg::kIdStep ? int(kHandsStep) : int(kHandsSweep));
    // Nothing sent at opening; the working configuration is untouched.
    QVERIFY(rig.device->NoWritePending());
    QCOMPARE(int(rig.config.handMotion), stored);
}

void TestSetClockFace::tickingStartsOverClearingKeepsTheText()
{
    Rig rig(kHandsStep);
    CSetClockFaceDlg& dialog = *rig.dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    rig.Box()->click();
    QVERIFY(dialog.Setting());
    QCOMPARE(rig.Texts(), (QStringList{"00", "00", "00"}));
    ClockDateTime start;
    start.valid = 1;
    start.dayOfWeek = 1;
    start.day = 1;
    start.month = 1;
    start.year = 2000;
    QCOMPARE(dialog.FaceTime(), start);
    for (int id : kSettingControls)
        QVERIFY(dialog.Control(id)->isEnabled());
    // The stop went to the device with the hands stopped, and the working
    // configuration keeps its own motion for the restart.
    QVERIFY(!rig.device->NoWritePending());
    QCOMPARE(int(rig.config.handMotion), int(kHandsStep));

    // What the user types is the face time, corrected as typed.
    Type(rig.Field(CSetClockFaceDlg::kHours), QStringLiteral("123"));
    Type(rig.Field(CSetClockFaceDlg::kMinutes), QStringLiteral("7"));
    Type(rig.Field(CSetClockFaceDlg::kSeconds), QStringLiteral("75"));
    QCOMPARE(rig.Texts(), (QStringList{"23", "7", "5"}));
    QCOMPARE(int(dialog.FaceTime().hour), 23);
    QCOMPARE(int(dialog.FaceTime().minute), 7);
    QCOMPARE(int(dialog.FaceTime().second), 5);

    // Clearing: the fields are off but keep their text.
    rig.Box()->click();
    QVERIFY(!dialog.Setting());
    QCOMPARE(rig.Texts(), (QStringList{"23", "7", "5"}));
    for (int id : kSettingControls)
        QVERIFY(!dialog.Control(id)->isEnabled());
    for (int id : kAlwaysEnabled)
        QVERIFY(dialog.Control(id)->isEnabled());

    // Ticking again starts over.
    rig.Box()->click();
    QCOMPARE(rig.Texts(), (QStringList{"00", "00", "00"}));
    QCOMPARE(dialog.FaceTime(), start);
}

void TestSetClockFace::everyControlNamedInTemplateOrder()
{
    Rig rig;
    CSetClockFaceDlg& dialog = *rig.dialog;
    QCOMPARE(UnnamedControls(dialog), QStringList());
    const QStringList names = {"face time hours", "face time minutes", "face time seconds"};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(rig.Field(i)->accessibleName(), names[i]);
    auto* spin = qobject_cast<CNarrowSpin*>(dialog.Control(CSetClockFaceDlg::kIdSpin));
    QCOMPARE(spin->accessibleName(), QStringLiteral("spin of the three face time fields"));
    QCOMPARE(spin->DownArrow()->accessibleName(), QStringLiteral("face time down"));
    QCOMPARE(dialog.Control(CSetClockFaceDlg::kIdSetClock)->accessibleName(), QStringLiteral("Check to set clock"));
    QCOMPARE(rig.Find<QLabel>(CSetClockFaceDlg::kIdNudgeNote)->text(),
             QStringLiteral("Each cllick of the button will move the Seconds hand 1/5th of a second"));
    QVERIFY(rig.Find<QPushButton>(CSetClockFaceDlg::kIdOk)->isDefault());

    // Tab order is template order: OK, Cancel, Forward, Sweep, Step, the
    // box, the three fields, and round to OK.
    rig.Box()->click();
    const int order[] = {CSetClockFaceDlg::kIdOk,    CSetClockFaceDlg::kIdCancel,  CSetClockFaceDlg::kIdForward,
                         CSetClockFaceDlg::kIdSweep, CSetClockFaceDlg::kIdStep,    CSetClockFaceDlg::kIdSetClock,
                         CSetClockFaceDlg::kIdHours, CSetClockFaceDlg::kIdMinutes, CSetClockFaceDlg::kIdSeconds,
                         CSetClockFaceDlg::kIdOk};
    for (size_t i = 1; i < std::size(order); ++i)
        QCOMPARE(NextTabStop(dialog.Control(order[i - 1])), dialog.Control(order[i]));
}

void TestSetClockFace::nothingClips_data()
{
    QTest::addColumn<int>("pointSize");
    QTest::newRow("normal") << QApplication::font().pointSize();
    QTest::newRow("16 pt") << 16;
}

void TestSetClockFace::nothingClips()
{
    QFETCH(int, pointSize);
    QFont font = QApplication::font();
    font.setPointSize(pointSize);
    Rig rig;
    rig.dialog->setFont(font);
    rig.Box()->click();
    rig.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.dialog.get()));
    const QStringList clipped = ClippedTexts(*rig.dialog);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestSetClockFace)
#include "test_SetClockFace.moc"
