#include "DstDlg.h"

#include "DstPreview.h"
#include "DstText.h"
#include "DstYearStripView.h"
#include "DstZoneChooserDlg.h"
#include "DstZoneImport.h"
#include "ModalSeam.h"
#include "Strings.h"
#include "TimeFieldGroup.h"
#include "Translations.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

#include <algorithm>
#include <array>

using namespace std::chrono;

namespace {

// The template is 274 by 302 dialog units. The preview is our addition below
// the rule groups, five lines at most (the next changes, and where imported
// rules differ from their zone, what differs), and under it the strip of the
// coming year: the presets, the import buttons, OK and Cancel sit this much
// lower and the dialog is as much taller. The preview takes the lines its
// text needs and the strip follows right under them. Three controls whose texts the template's widths do not hold in
// this platform's fonts are wider: "Bias is negative?" (one unit to the
// left, to the edge of its frame), "Disable daylight time" and the import
// button, whose text names this platform's setting.
constexpr int kWidthUnits = 274;
constexpr QRect kPreviewUnits(7, 215, 262, 42);
constexpr int kStripGapUnits = 2;
constexpr int kStripUnits = 26;  // a row of days, the bar, a row of months
constexpr int kPreviewRoom = 44 + kStripGapUnits + kStripUnits;
constexpr int kHeightUnits = 302 + kPreviewRoom;

QRect Lower(int x, int y, int width, int height)
{
    return {x, y + kPreviewRoom, width, height};
}

// Both lists of a kind get all their names: the drop-down shows them
// without scrolling.
constexpr int kWeekdays = static_cast<int>(kDstWeekdayNames.size());
constexpr int kMonths = static_cast<int>(kDstMonthNames.size());

struct RadioPlace {
    DstId id;
    const char* text;
    const char* name;
    QRect units;
};

struct FieldPlace {
    DstId id;
    const char* name;
    const char* role;
    QRect units;
};

// One rule group of the template, in template order.
struct GroupPlace {
    const char* title;
    QRect box;
    std::array<RadioPlace, 6> radios;  // First .. Last, Absolute
    FieldPlace dayOfWeek;
    FieldPlace month;
    FieldPlace day;
    std::array<FieldPlace, 3> time;  // hour, minute, second
    FieldPlace spin;
    const char* arrows;  // what the spin's arrows step
    FieldPlace frame;
    // The captions left of the lists, the day field and the time fields
    // (from the group's edge to the control, for the longest of them), and
    // the colons between the time fields.
    std::array<QRect, 4> captions;
    std::array<QRect, 2> colons;
};

const GroupPlace kStartPlace = {
    kStrDstStart,
    {7, 64, 130, 148},
    {{{DstId::StartWeek1, kStrWeekFirst, "startFirst", {13, 74, 71, 10}},
      {DstId::StartWeek2, kStrWeekSecond, "startSecond", {13, 85, 61, 10}},
      {DstId::StartWeek3, kStrWeekThird, "startThird", {13, 96, 75, 10}},
      {DstId::StartWeek4, kStrWeekFourth, "startFourth", {13, 107, 68, 10}},
      {DstId::StartWeekLast, kStrWeekLast, "startLast", {13, 118, 74, 10}},
      {DstId::StartAbsolute, kStrAbsolute, "startAbsolute", {13, 129, 88, 10}}}},
    {DstId::StartDayOfWeek, "startDayOfWeek", kStrStartDayOfWeek, {60, 141, 71, 14}},
    {DstId::StartMonth, "startMonth", kStrStartMonth, {60, 158, 71, 14}},
    {DstId::StartDay, "startDay", kStrStartDayOfMonth, {60, 174, 40, 12}},
    {{{DstId::StartHour, "startHour", kStrStartHour, {64, 194, 13, 12}},
      {DstId::StartMinute, "startMinute", kStrStartMinute, {82, 194, 13, 12}},
      {DstId::StartSecond, "startSecond", kStrStartSecond, {102, 194, 13, 12}}}},
    {DstId::StartTimeSpin, "startSpin", kStrStartSpin, {120, 193, 10, 14}},
    kStrStartArrows,
    {DstId::StartTimeFrame, "startFrame", kStrStartFrame, {60, 187, 59, 23}},
    {{{11, 144, 48, 8}, {11, 161, 48, 8}, {11, 176, 48, 8}, {11, 196, 48, 8}}},
    {{{77, 195, 5, 8}, {95, 195, 7, 8}}},
};

// The end group is the start group moved right: the template puts its
// "First" on the group's frame and its lists, day field and time row a
// unit or two off those of the start group.
const GroupPlace kEndPlace = {
    kStrDstEnd,
    {138, 64, 131, 148},
    {{{DstId::EndWeek1, kStrWeekFirst, "endFirst", {144, 74, 71, 10}},
      {DstId::EndWeek2, kStrWeekSecond, "endSecond", {144, 85, 61, 10}},
      {DstId::EndWeek3, kStrWeekThird, "endThird", {144, 96, 75, 10}},
      {DstId::EndWeek4, kStrWeekFourth, "endFourth", {144, 107, 68, 10}},
      {DstId::EndWeekLast, kStrWeekLast, "endLast", {144, 118, 74, 10}},
      {DstId::EndAbsolute, kStrAbsolute, "endAbsolute", {144, 129, 88, 10}}}},
    {DstId::EndDayOfWeek, "endDayOfWeek", kStrEndDayOfWeek, {191, 141, 71, 14}},
    {DstId::EndMonth, "endMonth", kStrEndMonth, {191, 158, 71, 14}},
    {DstId::EndDay, "endDay", kStrEndDayOfMonth, {191, 174, 40, 12}},
    {{{DstId::EndHour, "endHour", kStrEndHour, {195, 194, 13, 12}},
      {DstId::EndMinute, "endMinute", kStrEndMinute, {213, 194, 13, 12}},
      {DstId::EndSecond, "endSecond", kStrEndSecond, {233, 194, 13, 12}}}},
    {DstId::EndTimeSpin, "endSpin", kStrEndSpin, {251, 193, 10, 14}},
    kStrEndArrows,
    {DstId::EndTimeFrame, "endFrame", kStrEndFrame, {191, 187, 59, 23}},
    {{{142, 144, 48, 8}, {142, 161, 48, 8}, {142, 176, 48, 8}, {142, 196, 48, 8}}},
    {{{208, 195, 5, 8}, {226, 195, 7, 8}}},
};

constexpr FieldKind kTimeKinds[3] = {FieldKind::Hour, FieldKind::Minute, FieldKind::Second};
// A change may fall at 24:00 or on a minute or second 60, which the clock
// takes; the bias stays below a day.
constexpr FieldKind kRuleTimeKinds[3] = {FieldKind::RuleHour, FieldKind::RuleMinute, FieldKind::RuleSecond};

int Id(DstId id)
{
    return static_cast<int>(id);
}

// The entry a list's text names, case aside; -1 for none.
int EntryNamed(const QComboBox& list, const QString& text)
{
    return list.findText(text.trimmed(), Qt::MatchFixedString);
}

sys_seconds ComputerUtc()
{
    return floor<seconds>(system_clock::now());
}

}  // namespace

CDstDlg::CDstDlg(QWidget* parent, const DstRuleSet& rules, uint8_t utcReference, uint8_t mode)
    : CTemplateDialog(parent, kWidthUnits, kHeightUnits, Tr(kDstDialogTitle)),
      editor_(DstSettings{rules, mode, utcReference}),
      mode_(mode),
      now_(ComputerUtc)
{
    setObjectName(QStringLiteral("dstDialog"));
    BuildControls();
    Wire();
    // The editor has loaded the rules as it opened; the spins start bound to
    // no field and the time fields take two digits.
    for (CTimeFieldGroup* group : {biasFields_, startFields_, endFields_}) {
        group->ClearBinding();
        group->LimitLength(2);
    }
    Show();
}

CDstDlg::~CDstDlg() = default;

void CDstDlg::SetClockBias(int64_t seconds)
{
    clockBias_ = seconds;
    ShowPreview();
}

void CDstDlg::SetUtcClock(UtcClock clock)
{
    now_ = clock ? std::move(clock) : UtcClock(ComputerUtc);
    ShowPreview();
}

void CDstDlg::BuildControls()
{
    // Template order, which is also the tab order.
    PlaceBiasRow();
    checkBoxes_[DstId::DisableDst] =
        Place(new QCheckBox(Tr(kStrDisableDst)), Id(DstId::DisableDst), "disableDst", QRect(181, 12, 86, 10));
    checkBoxes_[DstId::UseUtc] =
        Place(new QCheckBox(Tr(kStrUseUtc)), Id(DstId::UseUtc), "useUtc", QRect(33, 46, 133, 11));
    PlaceRuleGroup(true);
    PlaceRuleGroup(false);
    PlaceButtons();
}

void CDstDlg::PlaceBiasRow()
{
    const FieldPlace fields[3] = {
        {DstId::BiasHours, "biasHours", kStrBiasHours, {17, 18, 13, 12}},
        {DstId::BiasMinutes, "biasMinutes", kStrBiasMinutes, {37, 18, 13, 12}},
        {DstId::BiasSeconds, "biasSeconds", kStrBiasSeconds, {57, 18, 13, 12}},
    };
    biasFields_ = new CTimeFieldGroup(FieldVariant::Plain, this);
    for (int i = 0; i < 3; ++i) {
        const FieldPlace& f = fields[i];
        edits_[f.id] = Place(new QLineEdit, Id(f.id), f.name, f.units, Tr(f.role));
        biasFields_->AddField(edits_[f.id], kTimeKinds[i]);
    }
    auto* spin = Place(new CNarrowSpin, Id(DstId::BiasSpin), "biasSpin", QRect(76, 17, 10, 14), Tr(kStrDstBiasSpin));
    spin->SetNames(Tr(kStrDstBiasSpin), Tr(kStrDstBiasArrows));
    biasFields_->SetSpin(spin);
    checkBoxes_[DstId::BiasNegative] =
        Place(new QCheckBox(Tr(kStrBiasNegative)), Id(DstId::BiasNegative), "biasNegative", QRect(91, 19, 70, 10));
}

void CDstDlg::PlaceRuleGroup(bool start)
{
    const GroupPlace& g = start ? kStartPlace : kEndPlace;
    auto* radios = new QButtonGroup(this);
    (start ? startRadios_ : endRadios_) = radios;
    for (const RadioPlace& r : g.radios) {
        radios_[r.id] = Place(new QRadioButton(Tr(r.text)), Id(r.id), r.name, r.units);
        radios->addButton(radios_[r.id], Id(r.id));
        radios_[r.id]->installEventFilter(this);
    }

    for (const FieldPlace* f : {&g.dayOfWeek, &g.month}) {
        auto* list = Place(new QComboBox, Id(f->id), f->name, f->units, Tr(f->role));
        // A drop-down list with an edit part: the user may pick a name or
        // type it. A typed name that is not in the list is not added.
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        const bool weekdays = f == &g.dayOfWeek;
        for (int i = 0; i < (weekdays ? kWeekdays : kMonths); ++i) {
            list->addItem(Tr(weekdays ? kDstWeekdayNames[size_t(i)].data() : kDstMonthNames[size_t(i)].data()));
        }
        list->setMaxVisibleItems(list->count());
        lists_[f->id] = list;
    }
    // Any text: what OK makes of it is the editor's to say.
    edits_[g.day.id] = Place(new QLineEdit, Id(g.day.id), g.day.name, g.day.units, Tr(g.day.role));

    CTimeFieldGroup* fields = new CTimeFieldGroup(FieldVariant::Plain, this);
    (start ? startFields_ : endFields_) = fields;
    for (int i = 0; i < 3; ++i) {
        const FieldPlace& f = g.time[size_t(i)];
        edits_[f.id] = Place(new QLineEdit, Id(f.id), f.name, f.units, Tr(f.role));
        fields->AddField(edits_[f.id], kRuleTimeKinds[i]);
    }
    auto* spin = Place(new CNarrowSpin, Id(g.spin.id), g.spin.name, g.spin.units, Tr(g.spin.role));
    spin->SetNames(Tr(g.spin.role), Tr(g.arrows));
    fields->SetSpin(spin);
}

void CDstDlg::PlaceButtons()
{
    // The pre-2007 preset is in the template but never shown; the daylight
    // time switch enables and disables it with the other buttons all the
    // same.
    auto* pre2007 = Place(new QPushButton(Tr(kStrPresetUsCanadaPre2007)), Id(DstId::PresetUsCanadaPre2007),
                          "presetUsCanadaPre2007", Lower(147, 255, 122, 14));
    pre2007->hide();
    Place(new QPushButton(Tr(kStrPresetEu)), Id(DstId::PresetEu), "presetEu", Lower(37, 255, 84, 14));
    Place(new QPushButton(Tr(kDstImportSystemText)), Id(DstId::ImportSystem), "importSystem", Lower(37, 281, 90, 14));
    // Ours: beside the import of the computer's zone, in the free space
    // before Cancel.
    Place(new QPushButton(Tr(kDstImportZoneText)), Id(DstId::ImportZone), "importZone", Lower(131, 281, 70, 14));
    auto* ok = Place(new QPushButton(Tr(kStrOk)), Id(DstId::Ok), "ok", Lower(219, 231, 50, 14));
    ok->setDefault(true);
    Place(new QPushButton(Tr(kStrCancel)), Id(DstId::Cancel), "cancel", Lower(219, 281, 50, 14));

    // Labels and frames: no tab stops.
    AddGroupBox(0, "biasBox", Tr(kStrDaylightBias), QRect(7, 6, 154, 30));
    AddGroupBox(Id(DstId::BiasFrame), "biasFrame", QString(), QRect(13, 11, 62, 22))
        ->setAccessibleName(Tr(kStrDstBiasFrame));
    const Qt::Alignment colon = Qt::AlignHCenter | Qt::AlignTop;
    AddLabel(QStringLiteral(":"), QRect(30, 19, 7, 8), colon);
    AddLabel(QStringLiteral(":"), QRect(50, 19, 7, 8), colon);
    AddGroupBox(0, "referenceBox", Tr(kStrDstReference), QRect(7, 37, 246, 22));
    for (const GroupPlace* g : {&kStartPlace, &kEndPlace}) {
        AddGroupBox(0, g == &kStartPlace ? "startBox" : "endBox", Tr(g->title), g->box);
        AddGroupBox(Id(g->frame.id), g->frame.name, QString(), g->frame.units)->setAccessibleName(Tr(g->frame.role));
        const char* captions[4] = {kStrDayOfWeekLabel, kStrMonthLabel, kStrDayOfMonthLabel, kStrTimeLabel};
        for (size_t i = 0; i < 4; ++i)
            AddLabel(Tr(captions[i]), g->captions[i], Qt::AlignLeft | Qt::AlignTop)->setWordWrap(false);
        for (const QRect& at : g->colons)
            AddLabel(QStringLiteral(":"), at, colon);
    }
    preview_ = AddLabel(QString(), kPreviewUnits);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setAccessibleName(Tr(kStrDstPreview));
    preview_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    strip_ = new CDstYearStripView(this);

    // Last in the template, so last in the tab order.
    Place(new QPushButton(Tr(kStrPresetUsCanada)), Id(DstId::PresetUsCanada), "presetUsCanada",
          Lower(18, 220, 125, 15));
}

void CDstDlg::Wire()
{
    connect(checkBoxes_[DstId::DisableDst], &QCheckBox::clicked, this, [this](bool ticked) {
        editor_.ClickDisableDst(ticked);
        Show();
    });
    connect(checkBoxes_[DstId::UseUtc], &QCheckBox::clicked, this, [this](bool ticked) {
        editor_.ClickUseUtc(ticked);
        Show();
    });
    connect(checkBoxes_[DstId::BiasNegative], &QCheckBox::clicked, this, [this](bool ticked) {
        editor_.ClickBiasNegative(ticked);
        Show();
    });
    for (const auto& [id, radio] : radios_) {
        connect(radio, &QRadioButton::clicked, this, [this, id = id] {
            editor_.ClickRadio(id);
            Show();
        });
    }
    for (const auto& [id, list] : lists_) {
        connect(list, &QComboBox::currentIndexChanged, this, [this, id = id](int index) { OnListIndex(id, index); });
        connect(list, &QComboBox::editTextChanged, this, [this, id = id, list = list] { OnListText(id, list); });
    }
    // After the time field groups' own handlers (connected as the fields
    // joined them), so a value over range is already corrected.
    for (const auto& [id, edit] : edits_)
        connect(edit, &QLineEdit::textChanged, this, [this, id = id, edit = edit] { OnText(id, edit); });

    for (DstId preset : {DstId::PresetUsCanada, DstId::PresetEu, DstId::PresetUsCanadaPre2007}) {
        connect(qobject_cast<QPushButton*>(Control(Id(preset))), &QPushButton::clicked, this, [this, preset] {
            editor_.ApplyPreset(*DstPresetOfButton(preset));
            Show();
        });
    }
    connect(qobject_cast<QPushButton*>(Control(Id(DstId::ImportSystem))), &QPushButton::clicked, this,
            &CDstDlg::OnImportSystem);
    connect(qobject_cast<QPushButton*>(Control(Id(DstId::ImportZone))), &QPushButton::clicked, this,
            &CDstDlg::OnImportZone);
    connect(qobject_cast<QPushButton*>(Control(Id(DstId::Ok))), &QPushButton::clicked, this, &CDstDlg::OnOk);
    connect(qobject_cast<QPushButton*>(Control(Id(DstId::Cancel))), &QPushButton::clicked, this, &QDialog::reject);
}

void CDstDlg::Show()
{
    const QScopedValueRollback guard(showing_, true);
    const DstControls& c = editor_.Controls();
    for (const auto& [id, box] : checkBoxes_)
        box->setChecked(c.Checked(id));
    // A radio group lets no program clear its selected radio while it is
    // exclusive, and the editor may leave a group without one.
    for (QButtonGroup* group : {startRadios_, endRadios_}) {
        group->setExclusive(false);
        for (QAbstractButton* radio : group->buttons())
            radio->setChecked(c.Checked(static_cast<DstId>(group->id(radio))));
        group->setExclusive(true);
        MoveTabStop(group);
    }
    for (const auto& [id, list] : lists_) {
        // What the edit part names is the selection. A text the user is
        // typing that already names the entry (or, naming none, stands for
        // no selection) is left alone: rewriting it would move the caret
        // under the user's fingers.
        const int wanted = c.Selection(id);
        const int named = EntryNamed(*list, list->currentText());
        if (named != wanted)
            list->setCurrentIndex(wanted);
        else if (wanted >= 0 && list->currentIndex() != wanted && list->currentText() == list->itemText(wanted))
            list->setCurrentIndex(wanted);  // the same text: the arrow keys then step from here
    }
    for (const auto& [id, edit] : edits_) {
        const QString text = QString::fromStdString(c.Text(id));
        if (edit->text() != text)
            edit->setText(text);
    }
    for (const auto& [id, enabled] : c.enabled) {
        if (QWidget* control = Control(Id(id)))
            control->setEnabled(enabled);
    }
    // A loaded value over its field's range (an hour of 25 from the clock)
    // has been corrected by its time field group as it was written; what
    // the field shows is what OK takes.
    for (const auto& [id, edit] : edits_) {
        if (edit->text().toStdString() != c.Text(id))
            editor_.SetText(id, edit->text().toStdString());
    }
    ShowPreview();
}

void CDstDlg::ShowPreview()
{
    const DstShown shown = editor_.Shown();
    const DstPreview preview = PreviewDst(shown, {clockBias_, now_(), editor_.SourceZone()});
    QString text = Tr(preview.nextSentence);
    if (!preview.zoneCheckSentence.empty())
        text += QLatin1Char('\n') + Tr(preview.zoneCheckSentence);
    preview_->setText(text);
    strip_->SetStrip(YearStrip(editor_.Shown(), {clockBias_, now_(), editor_.SourceZone()}), text);
    PlacePreviewAndStrip();
}

void CDstDlg::PlacePreviewAndStrip()
{
    const CDialogUnits du(font());
    const QRect most = du.rect(kPreviewUnits.x(), kPreviewUnits.y(), kPreviewUnits.width(), kPreviewUnits.height());
    const int lines = preview_->heightForWidth(most.width());
    preview_->setGeometry(most.x(), most.y(), most.width(), std::max(lines, preview_->fontMetrics().height()));
    strip_->setGeometry(most.x(), preview_->geometry().bottom() + 1 + du.y(kStripGapUnits), most.width(),
                        std::max(du.y(kStripUnits), strip_->NeededHeight()));
}

void CDstDlg::changeEvent(QEvent* event)
{
    CTemplateDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange && preview_)
        PlacePreviewAndStrip();
}

void CDstDlg::showEvent(QShowEvent* event)
{
    CTemplateDialog::showEvent(event);
    PlacePreviewAndStrip();
}

void CDstDlg::MoveTabStop(QButtonGroup* group)
{
    // As the platform's automatic radios do: Tab enters a group at its
    // selected radio, at the first while none is; the arrow keys move within.
    const QList<QAbstractButton*> radios = group->buttons();
    QAbstractButton* stop = group->checkedButton() ? group->checkedButton() : radios.front();
    for (QAbstractButton* radio : radios)
        radio->setFocusPolicy(radio == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool CDstDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The arrow keys on a radio select the previous or next enabled radio of
    // its group, as automatic radios do.
    auto* radio = qobject_cast<QRadioButton*>(watched);
    if (radio && event->type() == QEvent::KeyPress && radio->group()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
        if (back || key == Qt::Key_Down || key == Qt::Key_Right) {
            const QList<QAbstractButton*> radios = radio->group()->buttons();
            for (qsizetype i = radios.indexOf(radio) + (back ? -1 : 1); i >= 0 && i < radios.size();
                 i += back ? -1 : 1) {
                if (radios[i]->isEnabled()) {
                    radios[i]->setFocus(Qt::TabFocusReason);
                    radios[i]->click();
                    break;
                }
            }
            return true;
        }
    }
    return CTemplateDialog::eventFilter(watched, event);
}

void CDstDlg::OnText(DstId id, QLineEdit* edit)
{
    if (showing_)
        return;
    editor_.SetText(id, edit->text().toStdString());
    Show();
}

void CDstDlg::OnListText(DstId id, QComboBox* list)
{
    if (showing_)
        return;
    editor_.SelectEntry(id, EntryNamed(*list, list->currentText()));
    Show();
}

void CDstDlg::OnListIndex(DstId id, int index)
{
    if (showing_)
        return;
    editor_.SelectEntry(id, index);
    Show();
}

void CDstDlg::OnImportSystem()
{
    Import(ImportSystemDstZone(now_()));
}

void CDstDlg::OnImportZone()
{
    CDstZoneChooserDlg chooser(this, QByteArray::fromStdString(editor_.SourceZone()));
    if (RunModal(chooser) != QDialog::Accepted || chooser.SelectedZone().isEmpty())
        return;
    Import(ImportDstZone(chooser.SelectedZone().toStdString(), now_()));
}

void CDstDlg::Import(const DstZoneImport& imported)
{
    // The rules go in first, so the message stands over what was imported.
    editor_.ApplyImport(imported);
    Show();
    QStringList message;
    for (const Sentence& sentence : imported.sentences)
        message << Tr(sentence);
    ShowMessage(this, QMessageBox::NoIcon, Tr(kDstImportCaption), message.join(QLatin1Char(' ')), QMessageBox::Ok);
}

void CDstDlg::OnOk()
{
    const DstOkResult result = editor_.Ok();
    if (!result.accepted) {
        // The clock would replace a value it cannot use by its defaults;
        // the user corrects it here instead.
        const DstRefusal refusal = result.refusal.value_or(DstRefusal{});
        ShowMessage(this, QMessageBox::NoIcon, windowTitle(), Tr(refusal.sentence), QMessageBox::Ok);
        if (QWidget* control = Control(Id(refusal.focus))) {
            control->setFocus(Qt::OtherFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(control))
                edit->selectAll();
            else if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit())
                list->lineEdit()->selectAll();
        }
        return;
    }
    mode_ = result.mode;
    accept();
}
