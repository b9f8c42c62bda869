// The daylight-saving dialog driven as a user drives it: clicks, typing and
// the Tab key. What each event does to the values is the editor's and is
// tested with it (test_DstEditor); here: that the widgets show what the
// editor says after every event, the tab order, the names, what a refused
// OK does, and the presets and imports through their buttons.
#include "DstDlg.h"
#include "DstYearStripView.h"
#include "DstZoneChooserDlg.h"
#include "DstZoneImport.h"
#include "ModalSeam.h"
#include "Translations.h"
#include "dialogs/DialogChecks.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <chrono>
#include <functional>
#include <memory>
#include <tuple>

using namespace std::chrono;

namespace {

// Every preview counts from here, so its texts are known.
const sys_seconds kNow = sys_days{2027y / January / 1};
constexpr int32_t kCentralEurope = 3600;

int Id(DstId id)
{
    return static_cast<int>(id);
}

DstRule Weekday(uint8_t month, uint8_t week, uint8_t hour)
{
    return DstRule{0, month, 0, week, hour, 0, 0};
}

DstRule FixedDate(uint8_t month, uint8_t day)
{
    return DstRule{1, month, 0, day, 2, 0, 0};
}

DstRuleSet Rules(DstRule start, DstRule end)
{
    DstRuleSet rules;
    rules.daylightBias = 3600;
    rules.startRule = start;
    rules.endRule = end;
    return rules;
}

// A dialog on the caller's mode, previewing from kNow for a clock an
// hour east of UTC.
struct Rig {
    explicit Rig(const DstRuleSet& rules, uint8_t startMode = kDstByWeekday, uint8_t utc = 0)
    {
        dialog = std::make_unique<CDstDlg>(nullptr, rules, utc, startMode);
        dialog->SetUtcClock([] { return kNow; });
        dialog->SetClockBias(kCentralEurope);
    }
    bool Activate()
    {
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        return QTest::qWaitForWindowActive(dialog.get());
    }
    template <class Widget = QWidget> Widget* Get(DstId id) const
    {
        return qobject_cast<Widget*>(dialog->Control(Id(id)));
    }
    QString Preview() const { return dialog->Preview()->text(); }

    std::unique_ptr<CDstDlg> dialog;
};

// The computer's zone, as Qt reads it (TZ first), for as long as it lives.
class ScopedZone {
public:
    explicit ScopedZone(const char* zone) : old_(qgetenv("TZ")), had_(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", zone);
    }
    ~ScopedZone()
    {
        if (had_)
            qputenv("TZ", old_);
        else
            qunsetenv("TZ");
    }
    ScopedZone(const ScopedZone&) = delete;
    ScopedZone& operator=(const ScopedZone&) = delete;

private:
    QByteArray old_;
    bool had_;
};

// A click where a user clicks: on the indicator of a box or radio, in the
// middle of a push button.
void Click(QWidget* control)
{
    QVERIFY(control);
    const bool box = qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control);
    QTest::mouseClick(control, Qt::LeftButton, {}, box ? QPoint(6, control->height() / 2) : control->rect().center());
}

// Replaces what a field or a list's edit part shows by typing.
void Type(QWidget* control, const QString& text)
{
    QVERIFY(control);
    QLineEdit* edit = qobject_cast<QLineEdit*>(control);
    if (auto* list = qobject_cast<QComboBox*>(control))
        edit = list->lineEdit();
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// The control (with a template id) that a widget belongs to; 0 for none.
int ControlIdOf(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QVariant id = widget->property("controlId");
        if (id.isValid())
            return id.toInt();
    }
    return 0;
}

// Where the widgets differ from the editor's controls: ticks, list
// selections (read from what the list shows), texts, enabled states.
QStringList Differences(const CDstDlg& dialog)
{
    const DstControls& c = dialog.Editor().Controls();
    QStringList differences;
    const auto differs = [&](const char* what, DstId id) {
        differences << QStringLiteral("%1 %2").arg(what).arg(Id(id));
    };
    for (const auto& [id, checked] : c.checked) {
        const auto* button = qobject_cast<QAbstractButton*>(dialog.Control(Id(id)));
        if (!button || button->isChecked() != checked)
            differs("checked", id);
    }
    for (const auto& [id, index] : c.selection) {
        const auto* list = qobject_cast<QComboBox*>(dialog.Control(Id(id)));
        if (!list || list->findText(list->currentText(), Qt::MatchFixedString) != index)
            differs("selection", id);
    }
    for (const auto& [id, text] : c.text) {
        const auto* edit = qobject_cast<QLineEdit*>(dialog.Control(Id(id)));
        if (!edit || edit->text() != QString::fromStdString(text))
            differs("text", id);
    }
    for (const auto& [id, enabled] : c.enabled) {
        const QWidget* control = dialog.Control(Id(id));
        if (!control || control->isEnabled() != enabled)
            differs("enabled", id);
    }
    return differences;
}

// The ids Tab visits from the control with the given id until it is back.
QList<int> TabStops(CDstDlg& dialog, DstId from)
{
    QList<int> stops;
    dialog.Control(Id(from))->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        stops << ControlIdOf(dialog.focusWidget());
        if (stops.back() == Id(from))
            break;
    }
    return stops;
}

}  // namespace

class TestDstDlg : public QObject {
    Q_OBJECT

private slots:
    void namedPlacedAndUnclipped();
    void ruleGroupsLineUp();
    void tabOrderFollowsTheTemplateAndTheSelectedRadio();
    void everyEventShowsTheEditorAgain();
    void previewFollowsEveryEdit();
    void yearStripFollowsEveryEdit();
    void refusedOkKeepsTheDialogOpenOnTheNamedControl();
    void modeChangesOnOkOnly();
    void presetsAndImportsThroughTheirButtons();
    void importAndPreviewSpeakTheUserLanguage_data();
    void importAndPreviewSpeakTheUserLanguage();
};

void TestDstDlg::namedPlacedAndUnclipped()
{
    const QFont normal = QApplication::font();
    for (const qreal points : {normal.pointSizeF(), 16.0}) {
        QFont font = normal;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        CScopedModalAnswers answers;
        Rig rig(Rules(Weekday(3, 2, 2), Weekday(11, 1, 2)));
        QVERIFY(rig.Activate());
        QVERIFY2(UnnamedControls(*rig.dialog).isEmpty(), qPrintable(UnnamedControls(*rig.dialog).join(", ")));
        // The longest preview: an inexact import says what differs.
        Click(rig.Get(DstId::PresetEu));
        {
            const ScopedZone jerusalem("Asia/Jerusalem");
            Click(rig.Get(DstId::ImportSystem));
        }
        QVERIFY(rig.Preview().contains(QLatin1Char('\n')));
        QVERIFY2(ClippedTexts(*rig.dialog).isEmpty(), qPrintable(ClippedTexts(*rig.dialog).join(" | ")));
        // The year strip under the preview's text, clear of the presets.
        const QRect strip = rig.dialog->StripView()->geometry();
        QVERIFY(strip.top() > rig.dialog->Preview()->geometry().bottom());
        QVERIFY(strip.bottom() < rig.Get(DstId::PresetUsCanada)->geometry().top());
        QVERIFY(strip.height() >= rig.dialog->StripView()->NeededHeight());
        Click(rig.Get(DstId::StartAbsolute));
        QVERIFY2(ClippedTexts(*rig.dialog).isEmpty(), qPrintable(ClippedTexts(*rig.dialog).join(" | ")));
    }
    QApplication::setFont(normal);

    Rig rig(Rules(Weekday(3, 2, 2), Weekday(11, 1, 2)));
    // Controls without text are named by their role.
    const std::pair<DstId, const char*> roles[] = {
        {DstId::BiasHours, "bias hours"},
        {DstId::StartMinute, "start minute"},
        {DstId::EndSecond, "end second"},
        {DstId::StartDay, "start day of month"},
        {DstId::StartDayOfWeek, "start day of week"},
        {DstId::EndMonth, "end month"},
        {DstId::EndTimeSpin, "spin of the end time fields"},
    };
    for (const auto& [id, role] : roles)
        QCOMPARE(rig.Get(id)->accessibleName(), QString::fromUtf8(role));
    QCOMPARE(rig.Get(DstId::ImportSystem)->accessibleName(), QStringLiteral("Current System Setting"));
    QCOMPARE(rig.dialog->windowTitle(), QStringLiteral("Daylight Savings Time Configuration"));
    // The four lists are drop-down lists with an edit part and every name.
    for (DstId id : {DstId::StartDayOfWeek, DstId::StartMonth, DstId::EndDayOfWeek, DstId::EndMonth}) {
        auto* list = rig.Get<QComboBox>(id);
        QVERIFY(list && list->isEditable());
        const bool weekdays = id == DstId::StartDayOfWeek || id == DstId::EndDayOfWeek;
        QCOMPARE(list->count(), weekdays ? 7 : 12);
        QCOMPARE(list->itemText(weekdays ? 6 : 11), weekdays ? QStringLiteral("Saturday") : QStringLiteral("December"));
    }
}

void TestDstDlg::ruleGroupsLineUp()
{
    // Each control of the end group at the height of its partner in the
    // start group, and as far from the group's left edge (dialog units, so
    // no pixel is rounded apart).
    Rig rig(Rules(Weekday(3, 2, 2), Weekday(11, 1, 2)));
    const std::pair<DstId, DstId> partners[] = {
        {DstId::StartWeek1, DstId::EndWeek1},       {DstId::StartWeekLast, DstId::EndWeekLast},
        {DstId::StartAbsolute, DstId::EndAbsolute}, {DstId::StartDayOfWeek, DstId::EndDayOfWeek},
        {DstId::StartMonth, DstId::EndMonth},       {DstId::StartDay, DstId::EndDay},
        {DstId::StartHour, DstId::EndHour},         {DstId::StartSecond, DstId::EndSecond},
        {DstId::StartTimeSpin, DstId::EndTimeSpin}, {DstId::StartTimeFrame, DstId::EndTimeFrame},
    };
    const auto units = [&](const QWidget* widget) { return rig.dialog->TemplateRect(widget); };
    const QRect startBox = units(rig.dialog->findChild<QWidget*>(QStringLiteral("startBox")));
    const QRect endBox = units(rig.dialog->findChild<QWidget*>(QStringLiteral("endBox")));
    QCOMPARE(endBox.top(), startBox.top());
    QCOMPARE(endBox.height(), startBox.height());
    for (const auto& [start, end] : partners) {
        const QRect a = units(rig.Get(start));
        const QRect b = units(rig.Get(end));
        QVERIFY2(a.top() == b.top() && a.size() == b.size(), qPrintable(QString::number(Id(end))));
        QVERIFY2(a.left() - startBox.left() == b.left() - endBox.left(), qPrintable(QString::number(Id(end))));
    }
}

void TestDstDlg::tabOrderFollowsTheTemplateAndTheSelectedRadio()
{
    // Weekday rules in the first week: Tab enters each radio group at
    // "First"; the day fields are disabled and skipped, and so is the hidden
    // preset.
    Rig weekdays(Rules(Weekday(3, 1, 2), Weekday(11, 1, 2)));
    QVERIFY(weekdays.Activate());
    const QList<int> weekdayStops = {1018, 1019, 1014, 1025, 1036, 1065, 1044, 1043, 1017, 1021, 1026, 1067,
                                     1053, 1052, 1030, 1028, 1029, 1023, 1022, 1078, 1,    2,    1077, 1016};
    QCOMPARE(TabStops(*weekdays.dialog, DstId::BiasHours), weekdayStops);

    // Choosing "Last" with the arrow keys moves the group's tab stop there.
    weekdays.Get(DstId::StartWeek1)->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(weekdays.dialog->focusWidget(), Qt::Key_Down);
    QVERIFY(weekdays.Get<QRadioButton>(DstId::StartWeekLast)->isChecked());
    QCOMPARE(weekdays.dialog->Editor().Controls().Checked(DstId::StartWeekLast), true);
    weekdays.Get(DstId::UseUtc)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(weekdays.dialog->focusWidget(), Qt::Key_Tab);
    QCOMPARE(ControlIdOf(weekdays.dialog->focusWidget()), Id(DstId::StartWeekLast));
    // Down once more selects "Absolute", which takes both groups to fixed
    // dates: the lists of weekdays drop out of the order, the day fields
    // come in.
    QTest::keyClick(weekdays.dialog->focusWidget(), Qt::Key_Down);
    QVERIFY(weekdays.Get<QRadioButton>(DstId::EndAbsolute)->isChecked());
    const QList<int> fixedStops = {1018, 1019, 1014, 1025, 1036, 1071, 1043, 1042, 1017, 1021, 1026, 1076,
                                   1052, 1051, 1030, 1028, 1029, 1023, 1022, 1078, 1,    2,    1077, 1016};
    QCOMPARE(TabStops(*weekdays.dialog, DstId::BiasHours), fixedStops);
    QVERIFY(Differences(*weekdays.dialog).isEmpty());
}

void TestDstDlg::everyEventShowsTheEditorAgain()
{
    CScopedModalAnswers answers;
    // A change at 24:00 or on a minute or second 60 is one the clock takes:
    // showing it changes nothing, and 25 or 61 is still corrected as it is
    // typed.
    DstRule start = Weekday(3, 2, 2);
    start.minute = 60;
    start.second = 60;
    Rig rig(Rules(start, Weekday(11, 1, 24)));
    QVERIFY(rig.Activate());
    QVERIFY2(Differences(*rig.dialog).isEmpty(), qPrintable(Differences(*rig.dialog).join(", ")));
    for (const auto& [field, kept, typed, corrected] :
         {std::tuple{DstId::EndHour, "24", "25", "5"}, std::tuple{DstId::StartMinute, "60", "61", "1"},
          std::tuple{DstId::StartSecond, "60", "61", "1"}}) {
        QCOMPARE(rig.Get<QLineEdit>(field)->text(), QString::fromLatin1(kept));
        rig.Get<QLineEdit>(field)->setText(QString::fromLatin1(typed));
        QCOMPARE(rig.Get<QLineEdit>(field)->text(), QString::fromLatin1(corrected));
        rig.Get<QLineEdit>(field)->setText(QString::fromLatin1(kept));
    }

    struct Step {
        const char* what;
        std::function<void()> act;
        std::function<bool()> check;  // beyond agreeing with the editor
    };
    const auto checked = [&](DstId id) { return rig.Get<QAbstractButton>(id)->isChecked(); };
    const auto enabled = [&](DstId id) { return rig.Get(id)->isEnabled(); };
    const auto text = [&](DstId id) { return rig.Get<QLineEdit>(id)->text(); };
    const Step steps[] = {
        {"daylight time off", [&] { Click(rig.Get(DstId::DisableDst)); },
         [&] {
             return !enabled(DstId::BiasHours) && !enabled(DstId::StartWeek1) && !enabled(DstId::PresetEu) &&
                 !enabled(DstId::PresetUsCanadaPre2007) && !enabled(DstId::ImportZone) && enabled(DstId::Ok) &&
                 enabled(DstId::DisableDst) && rig.Preview() == QStringLiteral("Daylight time off");
         }},
        {"daylight time on", [&] { Click(rig.Get(DstId::DisableDst)); },
         [&] {
             return enabled(DstId::PresetUsCanadaPre2007) && enabled(DstId::StartDayOfWeek) &&
                 !enabled(DstId::StartDay);
         }},
        {"Absolute in the end group", [&] { Click(rig.Get(DstId::EndAbsolute)); },
         [&] {
             return checked(DstId::StartAbsolute) && !checked(DstId::StartWeek2) && enabled(DstId::StartDay) &&
                 !enabled(DstId::EndDayOfWeek) && text(DstId::StartDay).isEmpty();
         }},
        {"a day typed", [&] { Type(rig.Get(DstId::StartDay), QStringLiteral("21")); },
         [&] { return text(DstId::StartDay) == QStringLiteral("21"); }},
        {"Second in the start group", [&] { Click(rig.Get(DstId::StartWeek2)); },
         [&] { return checked(DstId::EndWeek1) && !checked(DstId::EndAbsolute) && !enabled(DstId::EndDay); }},
        {"an hour over range", [&] { Type(rig.Get(DstId::StartHour), QStringLiteral("75")); },
         [&] { return text(DstId::StartHour) == QStringLiteral("5"); }},
        {"the spin steps the field with focus",
         [&] {
             rig.Get(DstId::EndMinute)->setFocus(Qt::TabFocusReason);
             QTest::keyClick(rig.Get(DstId::EndMinute), Qt::Key_Up);
         },
         [&] { return text(DstId::EndMinute) == QStringLiteral("1"); }},
        {"a month named by typing", [&] { Type(rig.Get(DstId::EndMonth), QStringLiteral("april")); },
         [&] { return rig.dialog->Editor().Controls().Selection(DstId::EndMonth) == 3; }},
        {"a name that is no month", [&] { Type(rig.Get(DstId::EndMonth), QStringLiteral("Foo")); },
         [&] {
             return rig.dialog->Editor().Controls().Selection(DstId::EndMonth) == -1 &&
                 rig.Get<QComboBox>(DstId::EndMonth)->currentText() == QStringLiteral("Foo");
         }},
        {"a weekday picked with the keyboard",
         [&] {
             rig.Get(DstId::StartDayOfWeek)->setFocus(Qt::TabFocusReason);
             QTest::keyClick(rig.Get(DstId::StartDayOfWeek), Qt::Key_Down);
         },
         [&] { return rig.dialog->Editor().Controls().Selection(DstId::StartDayOfWeek) == 1; }},
        {"the sign of the bias", [&] { Click(rig.Get(DstId::BiasNegative)); },
         [&] { return rig.dialog->Editor().Controls().Checked(DstId::BiasNegative); }},
        {"UTC", [&] { Click(rig.Get(DstId::UseUtc)); },
         [&] { return rig.dialog->Editor().Settings().utcReference == 1; }},
    };
    for (const Step& step : steps) {
        step.act();
        const QStringList differences = Differences(*rig.dialog);
        QVERIFY2(differences.isEmpty(), qPrintable(QString::fromUtf8(step.what) + ": " + differences.join(", ")));
        QVERIFY2(step.check(), step.what);
        QVERIFY2(rig.Get(DstId::PresetUsCanadaPre2007)->isHidden(), step.what);
    }
    QVERIFY(answers.Messages().empty());
}

void TestDstDlg::previewFollowsEveryEdit()
{
    CScopedModalAnswers answers;
    Rig rig(Rules(Weekday(3, 2, 2), Weekday(11, 1, 2)));
    Click(rig.Get(DstId::PresetEu));
    QCOMPARE(rig.Preview(),
             QStringLiteral("Next: Sun 28 Mar 2027 01:00 UTC (+1:00), Sun 31 Oct 2027 01:00 UTC (-1:00)"));
    Type(rig.Get(DstId::EndHour), QStringLiteral("02"));
    QCOMPARE(rig.Preview(),
             QStringLiteral("Next: Sun 28 Mar 2027 01:00 UTC (+1:00), Sun 31 Oct 2027 02:00 UTC (-1:00)"));
    Type(rig.Get(DstId::BiasMinutes), QStringLiteral("30"));
    QVERIFY2(rig.Preview().contains(QStringLiteral("(+1:30)")), qPrintable(rig.Preview()));
    // Local times count on the clock's face, an hour east of UTC.
    Click(rig.Get(DstId::UseUtc));
    QVERIFY2(rig.Preview().startsWith(QStringLiteral("Next: Sun 28 Mar 2027 01:00 local")), qPrintable(rig.Preview()));
    Type(rig.Get(DstId::StartMonth), QStringLiteral("Foo"));
    QCOMPARE(rig.Preview(), QStringLiteral("Daylight savings time start: choose a month."));
    Click(rig.Get(DstId::DisableDst));
    QCOMPARE(rig.Preview(), QStringLiteral("Daylight time off"));
}

void TestDstDlg::yearStripFollowsEveryEdit()
{
    CScopedModalAnswers answers;
    Rig rig(Rules(Weekday(3, 2, 2), Weekday(11, 1, 2)));
    const CDstYearStripView& view = *rig.dialog->StripView();
    const auto days = [&] {
        QStringList days;
        for (const DstStripMarker& change : view.Strip().changes)
            days << QString::fromStdString(change.day);
        return days.join(QLatin1Char(' '));
    };
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* days;
        size_t shaded;
    };
    const Step steps[] = {
        {"as opened", [] {}, "14 Mar 7 Nov", 1},
        {"the EU preset", [&] { Click(rig.Get(DstId::PresetEu)); }, "28 Mar 31 Oct", 1},
        {"another month", [&] { Type(rig.Get(DstId::EndMonth), QStringLiteral("September")); }, "28 Mar 26 Sep", 1},
        {"a month that is none", [&] { Type(rig.Get(DstId::EndMonth), QStringLiteral("Foo")); }, "", 0},
        {"daylight time off", [&] { Click(rig.Get(DstId::DisableDst)); }, "", 0},
    };
    for (const Step& step : steps) {
        step.act();
        QCOMPARE(days(), QString::fromUtf8(step.days));
        QCOMPARE(view.Strip().daylight.size(), step.shaded);
        // A screen reader hears what the preview line says.
        QCOMPARE(view.accessibleDescription(), rig.Preview());
    }
    QCOMPARE(view.accessibleName(), QStringLiteral("daylight saving over the coming year"));
}

void TestDstDlg::refusedOkKeepsTheDialogOpenOnTheNamedControl()
{
    struct Row {
        const char* what;
        DstRuleSet rules;
        std::function<void(Rig&)> edit;
        const char* message;  // empty: OK is taken
        DstId focus;
    };
    const auto absolute = [](Rig& rig) { Click(rig.Get(DstId::StartAbsolute)); };
    const Row rows[] = {
        {"31 April", Rules(FixedDate(4, 1), FixedDate(10, 1)),
         [](Rig& rig) { Type(rig.Get(DstId::StartDay), QStringLiteral("31")); },
         "Daylight savings time start: April has 30 days.", DstId::StartDay},
        {"29 February", Rules(FixedDate(2, 1), FixedDate(10, 1)),
         [](Rig& rig) { Type(rig.Get(DstId::StartDay), QStringLiteral("29")); }, "", DstId::Ok},
        {"300, kept by the clock as 44", Rules(Weekday(3, 5, 1), Weekday(10, 5, 1)),
         [&](Rig& rig) {
             absolute(rig);
             Type(rig.Get(DstId::StartDay), QStringLiteral("1"));
             Type(rig.Get(DstId::EndDay), QStringLiteral("300"));
         },
         "Daylight savings time end: type a day of the month from 1 to 31.", DstId::EndDay},
        {"no day typed after choosing Absolute", Rules(Weekday(3, 5, 1), Weekday(10, 5, 1)), absolute,
         "Daylight savings time start: type a day of the month from 1 to 31.", DstId::StartDay},
        {"a month typed that is none", Rules(Weekday(3, 5, 1), Weekday(10, 5, 1)),
         [](Rig& rig) { Type(rig.Get(DstId::EndMonth), QStringLiteral("Octobre")); },
         "Daylight savings time end: choose a month.", DstId::EndMonth},
        {"no week chosen", Rules(Weekday(3, 0, 1), Weekday(10, 5, 1)), [](Rig&) {},
         "Daylight savings time start: choose a week (First to Last) or Absolute.", DstId::StartWeek1},
    };
    for (const Row& row : rows) {
        CScopedModalAnswers answers;
        const uint8_t startMode = row.rules.startRule.kind ? kDstByDate : kDstByWeekday;
        Rig rig(row.rules, startMode);
        QVERIFY(rig.Activate());
        row.edit(rig);
        const DstRuleSet shown = rig.dialog->Rules();
        Click(rig.Get(DstId::Ok));
        if (*row.message == '\0') {
            QVERIFY2(answers.Messages().empty(), row.what);
            QCOMPARE(rig.dialog->result(), int(QDialog::Accepted));
            QCOMPARE(int(rig.dialog->Mode()), int(kDstByDate));
            QCOMPARE(int(rig.dialog->Rules().startRule.weekOrDay), 29);
            continue;
        }
        QCOMPARE(answers.MessageTexts(), QStringList{QString::fromUtf8(row.message)});
        QCOMPARE(answers.Messages().front().caption, rig.dialog->windowTitle());
        QCOMPARE(answers.Messages().front().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY2(rig.dialog->isVisible(), row.what);
        QVERIFY2(rig.dialog->result() != QDialog::Accepted, row.what);
        QCOMPARE(int(rig.dialog->Mode()), int(startMode));
        QCOMPARE(rig.dialog->Rules(), shown);  // nothing collected
        QCOMPARE(ControlIdOf(rig.dialog->focusWidget()), Id(row.focus));
    }
}

void TestDstDlg::modeChangesOnOkOnly()
{
    CScopedModalAnswers answers;
    const DstRuleSet us = Rules(Weekday(3, 2, 2), Weekday(11, 1, 2));
    {
        // Cancel after a switch, a form change and a preset.
        Rig rig(us, kDstByWeekday);
        Click(rig.Get(DstId::PresetEu));
        Click(rig.Get(DstId::EndAbsolute));
        Click(rig.Get(DstId::DisableDst));
        Click(rig.Get(DstId::Cancel));
        QCOMPARE(rig.dialog->result(), int(QDialog::Rejected));
        QCOMPARE(int(rig.dialog->Mode()), int(kDstByWeekday));
    }
    {
        // Off: mode 0, the rules as they came.
        Rig rig(us, kDstByWeekday);
        Click(rig.Get(DstId::DisableDst));
        Click(rig.Get(DstId::Ok));
        QCOMPARE(rig.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(int(rig.dialog->Mode()), int(kDstDisabled));
        QCOMPARE(rig.dialog->Rules(), us);
    }
    QVERIFY(answers.Messages().empty());
}

void TestDstDlg::presetsAndImportsThroughTheirButtons()
{
    CScopedModalAnswers answers;
    Rig rig(Rules(FixedDate(3, 21), FixedDate(9, 21)), kDstByDate);
    const auto checked = [&](DstId id) { return rig.Get<QAbstractButton>(id)->isChecked(); };

    // A preset turns fixed dates back into week radios and says no word.
    Click(rig.Get(DstId::PresetUsCanada));
    QVERIFY(checked(DstId::StartWeek2) && checked(DstId::EndWeek1) && !checked(DstId::UseUtc));
    QCOMPARE(rig.Get<QComboBox>(DstId::EndMonth)->currentText(), QStringLiteral("November"));
    QVERIFY(answers.Messages().empty());

    // The computer's zone: its rules, then one message over them.
    {
        const ScopedZone newYork("America/New_York");
        Click(rig.Get(DstId::ImportSystem));
    }
    const DstZoneImport newYork = ImportDstZone("America/New_York", kNow);
    QCOMPARE(answers.Messages().size(), size_t{1});
    const MessageRequest& message = answers.Messages().front();
    QCOMPARE(message.caption, QStringLiteral("Daylight savings time shift reference"));
    QCOMPARE(message.icon, QMessageBox::NoIcon);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(message.text, QString::fromStdString(newYork.message));
    QCOMPARE(rig.dialog->Editor().SourceZone(), std::string("America/New_York"));
    QVERIFY(rig.Preview().contains(QStringLiteral("America/New_York")));
    QVERIFY(Differences(*rig.dialog).isEmpty());

    // Another zone: typed into the chooser's filter, Enter goes to the list
    // and takes its first zone, OK imports it. The chooser opens on the zone
    // imported last.
    answers.ClearMessages();
    QByteArray offered;
    answers.SetDialogRunner([&](QDialog& d) {
        auto* chooser = qobject_cast<CDstZoneChooserDlg*>(&d);
        if (!chooser)
            return int(QDialog::Rejected);
        offered = chooser->SelectedZone();
        chooser->show();
        Type(chooser->Filter(), QStringLiteral("sydney"));
        QTest::keyClick(chooser->Filter(), Qt::Key_Return);
        Click(chooser->Control(CDstZoneChooserDlg::kIdOk));
        return chooser->result();
    });
    Click(rig.Get(DstId::ImportZone));
    QCOMPARE(offered, QByteArray("America/New_York"));
    QCOMPARE(rig.dialog->Editor().SourceZone(), std::string("Australia/Sydney"));
    QCOMPARE(answers.MessageTexts(),
             QStringList{QString::fromStdString(ImportDstZone("Australia/Sydney", kNow).message)});
    // Southern hemisphere: daylight time starts in October.
    QCOMPARE(rig.Get<QComboBox>(DstId::StartMonth)->currentText(), QStringLiteral("October"));

    // A chooser left with Cancel imports nothing and says nothing.
    answers.ClearMessages();
    const DstSettings before = rig.dialog->Editor().Settings();
    answers.SetDialogRunner([](QDialog& d) {
        Click(d.findChild<QPushButton*>(QStringLiteral("cancel")));
        return d.result();
    });
    Click(rig.Get(DstId::ImportZone));
    QVERIFY(answers.Messages().empty());
    QCOMPARE(rig.dialog->Editor().Settings(), before);
    QCOMPARE(answers.DialogsRun(), 2);

    // A computer in a zone without daylight saving: daylight time goes off,
    // the message says so, and OK takes it (no empty rules to refuse).
    {
        const ScopedZone utc("Etc/UTC");
        Click(rig.Get(DstId::ImportSystem));
    }
    QVERIFY(checked(DstId::DisableDst));
    QVERIFY(!rig.Get(DstId::StartWeek1)->isEnabled());
    QCOMPARE(answers.MessageTexts().back(), QString::fromStdString(ImportDstZone("Etc/UTC", kNow).message));
    QVERIFY(answers.MessageTexts().back().contains(QStringLiteral("\"Disable daylight time\" is ticked")));
    QVERIFY(Differences(*rig.dialog).isEmpty());
    Click(rig.Get(DstId::Ok));
    QCOMPARE(rig.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(rig.dialog->Mode(), uint8_t{kDstDisabled});
}

QTEST_MAIN(TestDstDlg)

void TestDstDlg::importAndPreviewSpeakTheUserLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");  // the import of America/New_York
    QTest::addColumn<QString>("preview");  // its first line begins so
    const QChar nb(0xA0);
    QTest::newRow("English") << QString() << QString() << QStringLiteral("Next: Sun 14 Mar 2027 02:00 local (+1:00)");
    QTest::newRow("German") << QStringLiteral("de")
                            << QStringLiteral(
                                   "Regeln von America/New_York übernommen: Die Sommerzeit beginnt am zweiten "
                                   "Sonntag im März um 02:00 Ortszeit und endet am ersten Sonntag im November "
                                   "um 02:00 Ortszeit. Ortszeiten sind die Zeiten, die die Uhr kurz vor "
                                   "jeder Umstellung zeigt.")
                            << QStringLiteral("Nächste Umstellungen: So., 14. März 2027 02:00 Ortszeit (+1:00)");
    QTest::newRow("French") << QStringLiteral("fr")
                            << QStringLiteral(
                                   "Règles du fuseau America/New_York importées%1: l'heure d'été commence le "
                                   "deuxième dimanche de mars à 02:00 heure locale et se termine le premier "
                                   "dimanche de novembre à 02:00 heure locale. Les heures locales sont "
                                   "celles que l'horloge affiche juste avant chaque changement.")
                                   .arg(nb)
                            << QStringLiteral("Prochains%1: dim. 14 mars 2027 02:00 heure locale (+1:00)").arg(nb);
    QTest::newRow("Spanish") << QStringLiteral("es")
                             << QStringLiteral(
                                    "Reglas de America/New_York importadas: el horario de verano empieza el "
                                    "segundo domingo de marzo a las 02:00 hora local y termina el primer domingo "
                                    "de noviembre a las 02:00 hora local. Las horas locales son las que muestra "
                                    "el reloj justo antes de cada cambio.")
                             << QStringLiteral("Próximos: dom, 14 mar 2027 02:00 hora local (+1:00)");
}

void TestDstDlg::importAndPreviewSpeakTheUserLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, message);
    QFETCH(QString, preview);
    QVERIFY(LoadLanguage(language));
    CScopedModalAnswers answers;
    Rig rig(Rules(FixedDate(3, 21), FixedDate(9, 21)), kDstByDate);
    {
        const ScopedZone newYork("America/New_York");
        Click(rig.Get(DstId::ImportSystem));
    }
    LoadLanguage(QString());
    QCOMPARE(answers.MessageTexts().size(), 1);
    // English is the libraries' own sentence, word for word.
    QCOMPARE(answers.MessageTexts().front(),
             message.isEmpty() ? QString::fromStdString(ImportDstZone("America/New_York", kNow).message) : message);
    // The first change: up to its shift's closing parenthesis (the day
    // itself may hold a comma).
    const QString first = rig.Preview().section(QLatin1Char('\n'), 0, 0);
    QCOMPARE(first.left(first.indexOf(QLatin1Char(')')) + 1), preview);
}

#include "test_DstDlg.moc"
