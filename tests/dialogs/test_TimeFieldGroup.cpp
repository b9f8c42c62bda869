// The time field group as the user drives it: typing, the narrow spin's
// arrows, the Up and Down keys, focus moving between fields, and the hand
// position dialog's variant.
#include "TimeFieldGroup.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <vector>

namespace {

// A window with a group of the given fields, side by side, and its spin.
class Harness : public QWidget {
public:
    Harness(FieldVariant variant, const std::vector<FieldKind>& kinds, int maxLength = 0)
    {
        group = new CTimeFieldGroup(variant, this);
        int x = 0;
        for (FieldKind kind : kinds) {
            auto* edit = new QLineEdit(this);
            edit->setGeometry(x, 0, 40, 24);
            x += 45;
            group->AddField(edit, kind);
        }
        spin = new CNarrowSpin(this);
        spin->setGeometry(x, 0, 16, 24);
        group->SetSpin(spin);
        group->LimitLength(maxLength);
        resize(x + 20, 30);
    }

    QLineEdit* Field(int index) const { return group->Field(index); }

    CTimeFieldGroup* group;
    CNarrowSpin* spin;
};

// Shown and active, so that focus moves as it does for a user.
bool ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

bool Focus(QLineEdit* field)
{
    field->setFocus(Qt::MouseFocusReason);
    return field->hasFocus();
}

}  // namespace

Q_DECLARE_METATYPE(FieldVariant)
Q_DECLARE_METATYPE(FieldKind)

class TestTimeFieldGroup : public QObject {
    Q_OBJECT

private slots:
    void typing_data();
    void typing();
    void spinArrows_data();
    void spinArrows();
    void stepWritesCurrentPositionFirst();
    void spinNeverWrapsAndNeedsABinding();
    void tabToTheNextFieldThenStep();
    void upAndDownKeysStepTheFocusedField();
    void disabledGroupDoesNotStep();
    void handPositionVariant();
    void valuesAreKeptOnEveryEvent();
};

void TestTimeFieldGroup::typing_data()
{
    QTest::addColumn<FieldVariant>("variant");
    QTest::addColumn<FieldKind>("kind");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");

    using K = FieldKind;
    using V = FieldVariant;
    QTest::newRow("time zone hour 7 5") << V::TimeZone << K::Hour << 2 << "75"
                                        << "5";
    QTest::newRow("time zone hour 2 5") << V::TimeZone << K::Hour << 2 << "25"
                                        << "5";
    QTest::newRow("time zone minute 7 5") << V::TimeZone << K::Minute << 2 << "75"
                                          << "05";
    QTest::newRow("time zone minute 6 0") << V::TimeZone << K::Minute << 2 << "60"
                                          << "00";
    QTest::newRow("time zone minute 4 5") << V::TimeZone << K::Minute << 2 << "45"
                                          << "45";
    QTest::newRow("time zone: a third digit is refused") << V::TimeZone << K::Hour << 2 << "123"
                                                         << "12";
    QTest::newRow("minute 6 0") << V::Plain << K::Minute << 0 << "60"
                                << "0";
    QTest::newRow("no length limit: 1 2 3") << V::Plain << K::Hour << 0 << "123"
                                            << "3";
    QTest::newRow("day 3 2") << V::Plain << K::Day << 0 << "32"
                             << "2";
    QTest::newRow("month 1 3") << V::Plain << K::Month << 0 << "13"
                               << "3";
    QTest::newRow("month 0") << V::Plain << K::Month << 0 << "0"
                             << "0";
    QTest::newRow("day 0") << V::Plain << K::Day << 0 << "0"
                           << "0";
    QTest::newRow("year 2100") << V::Plain << K::Year << 0 << "2100"
                               << "2099";
    QTest::newRow("year 1979") << V::Plain << K::Year << 0 << "1979"
                               << "1979";
    QTest::newRow("digits only") << V::Plain << K::Hour << 0 << "1a:-2 "
                                 << "12";
    QTest::newRow("hand position hour 1 2 3") << V::HandPosition << K::Hour << 0 << "123"
                                              << "23";
    QTest::newRow("hand position hour 1 5 0") << V::HandPosition << K::Hour << 0 << "150"
                                              << "0";
    QTest::newRow("hand position hour 7 5") << V::HandPosition << K::Hour << 0 << "75"
                                            << "5";
    QTest::newRow("hand position second 6 0") << V::HandPosition << K::Second << 0 << "60"
                                              << "0";
}

void TestTimeFieldGroup::typing()
{
    QFETCH(FieldVariant, variant);
    QFETCH(FieldKind, kind);
    QFETCH(int, maxLength);
    QFETCH(QString, keys);
    QFETCH(QString, expected);

    Harness harness(variant, {kind}, maxLength);
    QVERIFY(ShowActive(harness));
    QVERIFY(Focus(harness.Field(0)));
    QTest::keyClicks(harness.Field(0), keys);
    QCOMPARE(harness.Field(0)->text(), expected);
}

void TestTimeFieldGroup::spinArrows_data()
{
    QTest::addColumn<FieldKind>("kind");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("expected");

    using K = FieldKind;
    QTest::newRow("hour 5 up") << K::Hour << "5" << true << "6";
    QTest::newRow("hour 5 down") << K::Hour << "5" << false << "4";
    QTest::newRow("hour 23 up") << K::Hour << "23" << true << "23";
    QTest::newRow("hour 0 down") << K::Hour << "0" << false << "00";
    QTest::newRow("minute 0 down") << K::Minute << "0" << false << "00";
    QTest::newRow("minute 00 down") << K::Minute << "00" << false << "00";
    QTest::newRow("month 1 down") << K::Month << "1" << false << "01";
    QTest::newRow("day 31 up") << K::Day << "31" << true << "31";
    QTest::newRow("year 2099 up") << K::Year << "2099" << true << "2099";
    // An empty year is outside the range: the spin starts from its own
    // position, which the year's range has put at 1980.
    QTest::newRow("year empty up") << K::Year << "" << true << "1981";
}

void TestTimeFieldGroup::spinArrows()
{
    QFETCH(FieldKind, kind);
    QFETCH(QString, shown);
    QFETCH(bool, up);
    QFETCH(QString, expected);

    Harness harness(FieldVariant::Plain, {kind});
    QVERIFY(ShowActive(harness));
    harness.Field(0)->setText(shown);
    QVERIFY(Focus(harness.Field(0)));
    QTest::mouseClick(up ? harness.spin->UpArrow() : harness.spin->DownArrow(), Qt::LeftButton);
    QCOMPARE(harness.Field(0)->text(), expected);
    QVERIFY(harness.Field(0)->hasFocus());  // the arrows never take it
}

void TestTimeFieldGroup::stepWritesCurrentPositionFirst()
{
    Harness harness(FieldVariant::Plain, {FieldKind::Hour});
    QVERIFY(ShowActive(harness));
    harness.Field(0)->setText(QStringLiteral("5"));
    QVERIFY(Focus(harness.Field(0)));
    QSignalSpy changes(harness.Field(0), &QLineEdit::textChanged);
    QTest::mouseClick(harness.spin->UpArrow(), Qt::LeftButton);
    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes[0][0].toString(), QStringLiteral("05"));
    QCOMPARE(changes[1][0].toString(), QStringLiteral("6"));

    // At the end only the current position is written.
    harness.Field(0)->setText(QStringLiteral("23"));
    changes.clear();
    QTest::mouseClick(harness.spin->UpArrow(), Qt::LeftButton);
    QCOMPARE(harness.Field(0)->text(), QStringLiteral("23"));
    QVERIFY(changes.size() <= 1);
}

void TestTimeFieldGroup::spinNeverWrapsAndNeedsABinding()
{
    Harness harness(FieldVariant::Plain, {FieldKind::Hour});
    QVERIFY(ShowActive(harness));
    harness.Field(0)->setText(QStringLiteral("5"));
    // Cleared as the dialogs do at opening: the spin is bound to no field
    // and writes nowhere.
    harness.group->ClearBinding();
    QCOMPARE(harness.group->BoundField(), nullptr);
    QTest::mouseClick(harness.spin->UpArrow(), Qt::LeftButton);
    QCOMPARE(harness.Field(0)->text(), QStringLiteral("5"));

    harness.Field(0)->setText(QStringLiteral("21"));
    harness.Field(0)->clearFocus();
    QVERIFY(Focus(harness.Field(0)));
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(harness.spin->UpArrow(), Qt::LeftButton);
    QCOMPARE(harness.Field(0)->text(), QStringLiteral("23"));
    harness.Field(0)->setText(QStringLiteral("1"));
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(harness.spin->DownArrow(), Qt::LeftButton);
    QCOMPARE(harness.Field(0)->text(), QStringLiteral("00"));

    harness.group->ClearBinding();
    QTest::mouseClick(harness.spin->UpArrow(), Qt::LeftButton);
    QCOMPARE(harness.Field(0)->text(), QStringLiteral("00"));
}

void TestTimeFieldGroup::tabToTheNextFieldThenStep()
{
    Harness harness(FieldVariant::Plain, {FieldKind::Hour, FieldKind::Minute, FieldKind::Second});
    QVERIFY(ShowActive(harness));
    harness.Field(0)->setText(QStringLiteral("05"));
    harness.Field(1)->setText(QStringLiteral("58"));
    QVERIFY(Focus(harness.Field(0)));
    QTest::keyClick(harness.Field(0), Qt::Key_Tab);
    QVERIFY(harness.Field(1)->hasFocus());
    QCOMPARE(harness.group->BoundField(), harness.Field(1));
    QTest::mouseClick(harness.spin->UpArrow(), Qt::LeftButton);
    QCOMPARE(harness.Field(1)->text(), QStringLiteral("59"));
    QCOMPARE(harness.Field(0)->text(), QStringLiteral("05"));
    // The minute's range now: 59 is its end.
    QTest::mouseClick(harness.spin->UpArrow(), Qt::LeftButton);
    QCOMPARE(harness.Field(1)->text(), QStringLiteral("59"));
}

void TestTimeFieldGroup::upAndDownKeysStepTheFocusedField()
{
    Harness harness(FieldVariant::Plain, {FieldKind::Hour, FieldKind::Minute});
    QVERIFY(ShowActive(harness));
    harness.Field(1)->setText(QStringLiteral("10"));
    QVERIFY(Focus(harness.Field(1)));
    QTest::keyClick(harness.Field(1), Qt::Key_Up);
    QCOMPARE(harness.Field(1)->text(), QStringLiteral("11"));
    QTest::keyClick(harness.Field(1), Qt::Key_Down);
    QTest::keyClick(harness.Field(1), Qt::Key_Down);
    QCOMPARE(harness.Field(1)->text(), QStringLiteral("9"));
    QCOMPARE(harness.Field(0)->text(), QString());
}

void TestTimeFieldGroup::disabledGroupDoesNotStep()
{
    Harness harness(FieldVariant::Plain, {FieldKind::Hour});
    QVERIFY(ShowActive(harness));
    harness.Field(0)->setText(QStringLiteral("5"));
    QVERIFY(Focus(harness.Field(0)));
    harness.group->SetEnabled(false);
    QVERIFY(!harness.Field(0)->isEnabled() && !harness.spin->isEnabled());
    harness.group->Step(+1);
    QCOMPARE(harness.Field(0)->text(), QStringLiteral("5"));
}

void TestTimeFieldGroup::handPositionVariant()
{
    Harness harness(FieldVariant::HandPosition, {FieldKind::Hour, FieldKind::Minute, FieldKind::Second});
    QVERIFY(ShowActive(harness));
    QLineEdit* hour = harness.Field(0);
    QLineEdit* minute = harness.Field(1);
    QLineEdit* second = harness.Field(2);

    // The dialog's own writes at opening bind the spin to the second field.
    for (QLineEdit* field : {hour, minute, second})
        field->setText(QStringLiteral("0"));
    QCOMPARE(harness.group->BoundField(), second);
    QTest::mouseClick(harness.spin->UpArrow(), Qt::LeftButton);
    QCOMPARE(second->text(), QStringLiteral("1"));

    // Focus rewrites without leading zeros and selects the whole text.
    QVERIFY(Focus(minute));
    hour->setText(QStringLiteral("007"));
    QVERIFY(Focus(hour));
    QCOMPARE(hour->text(), QStringLiteral("7"));
    QCOMPARE(hour->selectedText(), QStringLiteral("7"));
    QCOMPARE(harness.group->BoundField(), hour);
    // Losing it rewrites too (an empty field becomes "0").
    hour->setText(QString());
    QVERIFY(Focus(minute));
    QCOMPARE(hour->text(), QStringLiteral("0"));

    // Minute and second bind on every change of their text; the hour does not.
    QVERIFY(Focus(hour));
    minute->setText(QStringLiteral("5"));
    QCOMPARE(harness.group->BoundField(), minute);
    QVERIFY(Focus(second));
    hour->setText(QStringLiteral("3"));
    QCOMPARE(harness.group->BoundField(), second);

    // "60" in the second field ends as "0" there; the hour stays.
    second->selectAll();
    QTest::keyClicks(second, QStringLiteral("60"));
    QCOMPARE(second->text(), QStringLiteral("0"));
    QCOMPARE(hour->text(), QStringLiteral("3"));
    // "123" in the hour field ends as "23".
    QVERIFY(Focus(hour));
    QTest::keyClicks(hour, QStringLiteral("123"));
    QCOMPARE(hour->text(), QStringLiteral("23"));
}

void TestTimeFieldGroup::valuesAreKeptOnEveryEvent()
{
    Harness harness(FieldVariant::HandPosition, {FieldKind::Hour, FieldKind::Minute, FieldKind::Second});
    QVERIFY(ShowActive(harness));
    QSignalSpy events(harness.group, &CTimeFieldGroup::FieldEvent);
    QVERIFY(Focus(harness.Field(2)));
    QTest::keyClicks(harness.Field(2), QStringLiteral("75"));
    // Typed "7", then "75" corrected to "5": the copy holds the corrected value.
    QCOMPARE(harness.group->KeptValue(2), 5u);
    QVERIFY(!events.isEmpty());
    QCOMPARE(events.last()[0].toInt(), 2);
    QCOMPARE(events.last()[1].toUInt(), 5u);
    QVERIFY(Focus(harness.Field(0)));
    QCOMPARE(events.last()[0].toInt(), 0);  // focus gained is an event too
    QCOMPARE(harness.group->KeptValue(0), 0u);
}

QTEST_MAIN(TestTimeFieldGroup)
#include "test_TimeFieldGroup.moc"
