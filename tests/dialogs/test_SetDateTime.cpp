// The set date/time dialog: both modes, the typing rules in its fields, the
// refusal of dates the clock cannot be set to, names and layout.
#include "DialogChecks.h"
#include "ModalSeam.h"
#include "SetDateTimeDlg.h"
#include "TimeFieldGroup.h"
#include "Translations.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// 2011-06-15 12:00:00.987 UTC, as the PC's clock in these tests.
QDateTime FixedNow()
{
    return QDateTime(QDate(2011, 6, 15), QTime(12, 0, 0, 987), Qt::UTC);
}

ClockDateTime Record(int year, int month, int day, int hour, int minute, int second, int hundredths)
{
    ClockDateTime record;
    record.year = static_cast<int16_t>(year);
    record.month = static_cast<uint8_t>(month);
    record.day = static_cast<uint8_t>(day);
    record.hour = static_cast<uint8_t>(hour);
    record.minute = static_cast<uint8_t>(minute);
    record.second = static_cast<uint8_t>(second);
    record.hundredths = static_cast<uint8_t>(hundredths);
    return record;
}

QRadioButton* Radio(const CSetDateTimeDlg& dialog, int id)
{
    return qobject_cast<QRadioButton*>(dialog.Control(id));
}

QLineEdit* Field(const CSetDateTimeDlg& dialog, CSetDateTimeDlg::FieldIndex index)
{
    return dialog.Fields().Field(index);
}

QStringList Texts(const CSetDateTimeDlg& dialog)
{
    QStringList texts;
    for (int i = 0; i < dialog.Fields().FieldCount(); ++i)
        texts << dialog.Fields().Field(i)->text();
    return texts;
}

void SetNow(CSetDateTimeDlg& dialog)
{
    qobject_cast<QPushButton*>(dialog.Control(CSetDateTimeDlg::kIdSetNow))->click();
}

// Replaces a field's text by typing, as the user does.
void Type(QLineEdit* field, const QString& keys)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, keys);
}

}  // namespace

class TestSetDateTime : public QObject {
    Q_OBJECT

private slots:
    void opensInPcClockModeWithFieldsOff();
    void setNowReadsThePcClockAtThatMoment();
    void customWithoutEditsIs2006();
    void typedValuesAndSwitchingModes();
    void typingRulesInTheDateFields();
    void datesTheClockCannotTakeAreRefused_data();
    void datesTheClockCannotTakeAreRefused();
    void cancelReturnsNothing();
    void everyControlNamed();
    void nothingClips_data();
    void nothingClips();
    void dateFieldsInTheReadersOrder_data();
    void dateFieldsInTheReadersOrder();
};

void TestSetDateTime::opensInPcClockModeWithFieldsOff()
{
    CSetDateTimeDlg dialog(nullptr, FixedNow);
    QVERIFY(Radio(dialog, CSetDateTimeDlg::kIdPcClock)->isChecked());
    QVERIFY(!dialog.CustomMode());
    QCOMPARE(Texts(dialog), QStringList(6, QString()));
    for (int i = 0; i < 6; ++i)
        QVERIFY(!dialog.Fields().Field(i)->isEnabled());
    for (int id : {CSetDateTimeDlg::kIdSpin, CSetDateTimeDlg::kIdTimeFrame, CSetDateTimeDlg::kIdDateFrame})
        QVERIFY(!dialog.Control(id)->isEnabled());
    QCOMPARE(dialog.Fields().BoundField(), nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Set Date Time"));
}

void TestSetDateTime::setNowReadsThePcClockAtThatMoment()
{
    int reads = 0;
    CSetDateTimeDlg dialog(nullptr, [&] {
        ++reads;
        return FixedNow();
    });
    QCOMPARE(reads, 0);  // not at opening
    SetNow(dialog);
    QCOMPARE(reads, 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    // Hundredths from the milliseconds; valid, reserved and day of week 0.
    QCOMPARE(dialog.Result(), Record(2011, 6, 15, 12, 0, 0, 98));

    // The system clock by default: some moment around now.
    const QDateTime before = QDateTime::currentDateTimeUtc();
    CSetDateTimeDlg system(nullptr);
    SetNow(system);
    const ClockDateTime& now = system.Result();
    const QDateTime read(QDate(now.year, now.month, now.day), QTime(now.hour, now.minute, now.second), Qt::UTC);
    QVERIFY(read.secsTo(before) <= 1 && before.secsTo(read) <= 5);
}

void TestSetDateTime::customWithoutEditsIs2006()
{
    CSetDateTimeDlg dialog(nullptr, FixedNow);
    Radio(dialog, CSetDateTimeDlg::kIdCustom)->click();
    QCOMPARE(Texts(dialog), (QStringList{"00", "00", "00", "01", "01", "2006"}));
    for (int id : {CSetDateTimeDlg::kIdSpin, CSetDateTimeDlg::kIdTimeFrame, CSetDateTimeDlg::kIdDateFrame,
                   CSetDateTimeDlg::kIdYear})
        QVERIFY(dialog.Control(id)->isEnabled());
    SetNow(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Result(), Record(2006, 1, 1, 0, 0, 0, 0));
}

void TestSetDateTime::typedValuesAndSwitchingModes()
{
    CSetDateTimeDlg dialog(nullptr, FixedNow);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    Radio(dialog, CSetDateTimeDlg::kIdCustom)->click();
    Type(Field(dialog, CSetDateTimeDlg::kHour), QStringLiteral("13"));
    Type(Field(dialog, CSetDateTimeDlg::kMinute), QStringLiteral("7"));

    // Back to the PC clock: the fields keep their text but are off, and
    // Set Now ignores them.
    Radio(dialog, CSetDateTimeDlg::kIdPcClock)->click();
    QCOMPARE(Field(dialog, CSetDateTimeDlg::kHour)->text(), QStringLiteral("13"));
    QVERIFY(!Field(dialog, CSetDateTimeDlg::kHour)->isEnabled());
    // Custom again starts over, also when clicked while already chosen.
    Radio(dialog, CSetDateTimeDlg::kIdCustom)->click();
    QCOMPARE(Texts(dialog), (QStringList{"00", "00", "00", "01", "01", "2006"}));
    Type(Field(dialog, CSetDateTimeDlg::kDay), QStringLiteral("9"));
    Radio(dialog, CSetDateTimeDlg::kIdCustom)->click();
    QCOMPARE(Field(dialog, CSetDateTimeDlg::kDay)->text(), QStringLiteral("01"));

    // Tab from hour to minute, then the spin steps the minute. An empty
    // second reads as 0.
    Type(Field(dialog, CSetDateTimeDlg::kHour), QStringLiteral("23"));
    QTest::keyClick(Field(dialog, CSetDateTimeDlg::kHour), Qt::Key_Tab);
    QVERIFY(Field(dialog, CSetDateTimeDlg::kMinute)->hasFocus());
    QTest::mouseClick(dialog.findChild<CNarrowSpin*>()->UpArrow(), Qt::LeftButton);
    QCOMPARE(Field(dialog, CSetDateTimeDlg::kMinute)->text(), QStringLiteral("1"));
    Field(dialog, CSetDateTimeDlg::kSecond)->clear();
    Type(Field(dialog, CSetDateTimeDlg::kMonth), QStringLiteral("6"));
    Type(Field(dialog, CSetDateTimeDlg::kDay), QStringLiteral("15"));
    Type(Field(dialog, CSetDateTimeDlg::kYear), QStringLiteral("2011"));
    SetNow(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Result(), Record(2011, 6, 15, 23, 1, 0, 0));
}

void TestSetDateTime::typingRulesInTheDateFields()
{
    CSetDateTimeDlg dialog(nullptr, FixedNow);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    Radio(dialog, CSetDateTimeDlg::kIdCustom)->click();
    Type(Field(dialog, CSetDateTimeDlg::kMonth), QStringLiteral("13"));
    QCOMPARE(Field(dialog, CSetDateTimeDlg::kMonth)->text(), QStringLiteral("3"));
    Type(Field(dialog, CSetDateTimeDlg::kDay), QStringLiteral("32"));
    QCOMPARE(Field(dialog, CSetDateTimeDlg::kDay)->text(), QStringLiteral("2"));
    Type(Field(dialog, CSetDateTimeDlg::kYear), QStringLiteral("2150"));
    QCOMPARE(Field(dialog, CSetDateTimeDlg::kYear)->text(), QStringLiteral("2099"));
    Type(Field(dialog, CSetDateTimeDlg::kYear), QStringLiteral("1979"));
    QCOMPARE(Field(dialog, CSetDateTimeDlg::kYear)->text(), QStringLiteral("1979"));
    // The spin on a year below its range starts from 1980.
    QTest::keyClick(Field(dialog, CSetDateTimeDlg::kYear), Qt::Key_Up);
    QCOMPARE(Field(dialog, CSetDateTimeDlg::kYear)->text(), QStringLiteral("1981"));
}

void TestSetDateTime::datesTheClockCannotTakeAreRefused_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("focused");
    QTest::addColumn<QString>("message");

    QTest::newRow("31 April") << "4"
                              << "31"
                              << "2027" << int(CSetDateTimeDlg::kDay) << "Day: April 2027 has 30 days; enter 1 to 30.";
    // The year field turns 2100 into 2099, whose February is short too.
    QTest::newRow("29 February 2100") << "2"
                                      << "29"
                                      << "2100" << int(CSetDateTimeDlg::kDay)
                                      << "Day: February 2099 has 28 days; enter 1 to 28.";
    QTest::newRow("month 0") << "0"
                             << "1"
                             << "2024" << int(CSetDateTimeDlg::kMonth) << "Month: enter a month from 1 to 12.";
    QTest::newRow("day 0") << "1"
                           << "0"
                           << "2024" << int(CSetDateTimeDlg::kDay) << "Day: January 2024 has 31 days; enter 1 to 31.";
    QTest::newRow("2000") << "1"
                          << "1"
                          << "2000" << int(CSetDateTimeDlg::kYear) << "Year: enter a year from 2001 to 2099.";
    QTest::newRow("empty year") << "1"
                                << "1"
                                << "" << int(CSetDateTimeDlg::kYear) << "Year: enter a year from 2001 to 2099.";
    QTest::newRow("29 February 2024") << "2"
                                      << "29"
                                      << "2024" << -1 << "";
    QTest::newRow("2001") << "1"
                          << "1"
                          << "2001" << -1 << "";
}

void TestSetDateTime::datesTheClockCannotTakeAreRefused()
{
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, year);
    QFETCH(int, focused);
    QFETCH(QString, message);

    CScopedModalAnswers answers;
    CSetDateTimeDlg dialog(nullptr, FixedNow);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    Radio(dialog, CSetDateTimeDlg::kIdCustom)->click();
    Field(dialog, CSetDateTimeDlg::kMonth)->setText(month);
    Field(dialog, CSetDateTimeDlg::kDay)->setText(day);
    Field(dialog, CSetDateTimeDlg::kYear)->setText(year);
    qobject_cast<QPushButton*>(dialog.Control(CSetDateTimeDlg::kIdSetNow))->setFocus();
    SetNow(dialog);

    if (focused < 0) {
        QCOMPARE(answers.MessageTexts(), QStringList());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Result().day, static_cast<uint8_t>(day.toUInt()));
        return;
    }
    // Told which field and what it takes; still open, that field focused,
    // nothing returned.
    QCOMPARE(answers.MessageTexts(), QStringList{message});
    QCOMPARE(answers.Messages().front().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    QVERIFY(Field(dialog, static_cast<CSetDateTimeDlg::FieldIndex>(focused))->hasFocus());
    QCOMPARE(dialog.Result(), ClockDateTime());
}

void TestSetDateTime::cancelReturnsNothing()
{
    CScopedModalAnswers answers;
    answers.SetDialogRunner([](QDialog& d) {
        auto& dialog = static_cast<CSetDateTimeDlg&>(d);
        Radio(dialog, CSetDateTimeDlg::kIdCustom)->click();
        qobject_cast<QPushButton*>(dialog.Control(CSetDateTimeDlg::kIdCancel))->click();
        return dialog.result();
    });
    CSetDateTimeDlg dialog(nullptr, FixedNow);
    QCOMPARE(RunModal(dialog), int(QDialog::Rejected));
    QCOMPARE(dialog.Result(), ClockDateTime());
}

void TestSetDateTime::everyControlNamed()
{
    CSetDateTimeDlg dialog(nullptr, FixedNow);
    QCOMPARE(UnnamedControls(dialog), QStringList());
    const QStringList names = {"hour", "minute", "second", "month", "day of month", "year"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(dialog.Fields().Field(i)->accessibleName(), names[i]);
    auto* spin = qobject_cast<CNarrowSpin*>(dialog.Control(CSetDateTimeDlg::kIdSpin));
    QCOMPARE(spin->accessibleName(), QStringLiteral("spin of the six fields"));
    QCOMPARE(spin->UpArrow()->accessibleName(), QStringLiteral("time and date up"));
    // Template order is tab order: the fields left to right after the modes.
    Radio(dialog, CSetDateTimeDlg::kIdCustom)->click();
    QCOMPARE(NextTabStop(Radio(dialog, CSetDateTimeDlg::kIdCustom)), dialog.Control(CSetDateTimeDlg::kIdHour));
    QCOMPARE(NextTabStop(dialog.Control(CSetDateTimeDlg::kIdSecond)), dialog.Control(CSetDateTimeDlg::kIdMonth));
    QCOMPARE(NextTabStop(dialog.Control(CSetDateTimeDlg::kIdYear)), dialog.Control(CSetDateTimeDlg::kIdSetNow));
}

void TestSetDateTime::nothingClips_data()
{
    QTest::addColumn<int>("pointSize");
    QTest::newRow("normal") << QApplication::font().pointSize();
    QTest::newRow("16 pt") << 16;
}

void TestSetDateTime::nothingClips()
{
    QFETCH(int, pointSize);
    QFont font = QApplication::font();
    font.setPointSize(pointSize);
    CSetDateTimeDlg dialog(nullptr, FixedNow);
    dialog.setFont(font);
    Radio(dialog, CSetDateTimeDlg::kIdCustom)->click();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QStringList clipped = ClippedTexts(dialog);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(", "))));
}

void TestSetDateTime::dateFieldsInTheReadersOrder_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("shown");  // the date row, left to right
    QTest::newRow("English") << QString() << QStringLiteral("month : day : year");
    QTest::newRow("German") << QStringLiteral("de") << QStringLiteral("day . month . year");
    QTest::newRow("French") << QStringLiteral("fr") << QStringLiteral("day / month / year");
    QTest::newRow("Spanish") << QStringLiteral("es") << QStringLiteral("day / month / year");
}

// The custom date reads as the user writes a date: the fields and the
// separators between them in the language's order, tab stops left to right.
void TestSetDateTime::dateFieldsInTheReadersOrder()
{
    QFETCH(QString, language);
    QFETCH(QString, shown);
    QVERIFY(LoadLanguage(language));
    CSetDateTimeDlg dialog(nullptr, FixedNow);
    LoadLanguage(QString());
    Radio(dialog, CSetDateTimeDlg::kIdCustom)->click();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QRect frame = dialog.Control(CSetDateTimeDlg::kIdDateFrame)->geometry();
    std::vector<std::pair<int, QString>> row;
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        const QRect at = child->geometry();
        if (child == dialog.Control(CSetDateTimeDlg::kIdDateFrame) || !frame.contains(at.center()))
            continue;
        if (auto* label = qobject_cast<QLabel*>(child))
            row.emplace_back(at.x(), label->text());
        else if (qobject_cast<QLineEdit*>(child))
            row.emplace_back(at.x(), child->objectName());
    }
    std::sort(row.begin(), row.end());
    QStringList texts;
    for (const auto& [x, text] : row)
        texts << text;
    QCOMPARE(texts.join(QLatin1Char(' ')), shown);
    const QStringList names = shown.split(QLatin1Char(' '));
    QCOMPARE(NextTabStop(dialog.Control(CSetDateTimeDlg::kIdSecond)), dialog.findChild<QWidget*>(names[0]));
    QCOMPARE(NextTabStop(dialog.findChild<QWidget*>(names[0])), dialog.findChild<QWidget*>(names[2]));
    QCOMPARE(NextTabStop(dialog.findChild<QWidget*>(names[2])), dialog.findChild<QWidget*>(names[4]));
}

QTEST_MAIN(TestSetDateTime)
#include "test_SetDateTime.moc"
