#include "TzDlg.h"

#include "Strings.h"
#include "Translations.h"
#include "TimeFieldGroup.h"
#include "TimeZoneModels.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace {

// The filter field is our addition above the list: the template's rows from
// the list down sit this many dialog units lower, and the dialog is as much
// taller, so the list keeps its size.
constexpr int kFilterTop = 35;
constexpr int kFilterHeight = 12;
constexpr int kShift = 10;
constexpr int kWidthUnits = 268;
constexpr int kHeightUnits = 191 + kShift;
// The bias label is wider than the template's 14 units so that its German,
// French and Spanish words fit; the fields and the check box right of it
// move right by as much.
constexpr int kBiasLabelWidth = 27;
constexpr int kBiasShift = kBiasLabelWidth - 14;

QRect Below(int x, int y, int width, int height)
{
    return {x, y + kShift, width, height};
}

}  // namespace

CTzDlg::CTzDlg(QWidget* parent, const DstRuleSet& block) : CTzDlg(parent, block, LoadWindowTimeZoneCatalogue()) { }

CTzDlg::CTzDlg(QWidget* parent, const DstRuleSet& block, std::vector<TimeZoneEntry> catalogue)
    : CTemplateDialog(parent, kWidthUnits, kHeightUnits, Tr(kStrTzCaption)),
      block_(block),
      catalogue_(std::move(catalogue))
{
    setObjectName(QStringLiteral("timeZoneDialog"));
    BuildControls();
    Open();
}

CTzDlg::~CTzDlg() = default;

void CTzDlg::BuildControls()
{
    // Template order, which is also the tab order; the filter goes just
    // before the list it narrows.
    auto* ok = Place(new QPushButton(Tr(kStrOk)), kIdOk, "ok", Below(59, 170, 50, 14));
    ok->setDefault(true);
    auto* cancel = Place(new QPushButton(Tr(kStrCancel)), kIdCancel, "cancel", Below(149, 170, 50, 14));
    AddLabel(Tr(kStrTzInstructions), QRect(7, 6, 254, 26));

    filter_ = Place(new QLineEdit, 0, "filter", QRect(7, kFilterTop, 254, kFilterHeight), Tr(kStrFilterZones));
    filter_->setPlaceholderText(Tr(kStrFilterZonesHint));
    filter_->setClearButtonEnabled(true);

    list_ = Place(new QListView, kIdZoneList, "zoneList", Below(7, 41, 254, 83), Tr(kStrZoneListRole));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setUniformItemSizes(true);  // hundreds of rows of one height: no per-row measuring

    AddLabel(Tr(kStrBias), Below(7, 134, kBiasLabelWidth, 10));
    negative_ = Place(new QCheckBox(Tr(kStrBiasNegative)), kIdBiasNegative, "biasNegative",
                      Below(108 + kBiasShift, 133, 82, 10));
    auto* hours = Place(new QLineEdit, kIdHours, "hours", Below(25 + kBiasShift, 131, 14, 12), Tr(kStrBiasHours));
    auto* minutes =
        Place(new QLineEdit, kIdMinutes, "minutes", Below(47 + kBiasShift, 131, 14, 12), Tr(kStrBiasMinutes));
    auto* seconds =
        Place(new QLineEdit, kIdSeconds, "seconds", Below(69 + kBiasShift, 131, 13, 12), Tr(kStrBiasSeconds));
    spin_ = Place(new CNarrowSpin, kIdSpin, "spin", Below(89 + kBiasShift, 128, 12, 18), Tr(kStrBiasSpin));
    spin_->SetNames(Tr(kStrBiasSpin), Tr(kStrBiasArrows));
    AddGroupBox(kIdBiasFrame, "biasFrame", QString(), Below(23 + kBiasShift, 123, 64, 25));
    AddLabel(QStringLiteral(":"), Below(39 + kBiasShift, 133, 8, 8), Qt::AlignHCenter | Qt::AlignTop);
    AddLabel(QStringLiteral(":"), Below(61 + kBiasShift, 132, 8, 8), Qt::AlignHCenter | Qt::AlignTop);

    fields_ = new CTimeFieldGroup(FieldVariant::TimeZone, this);
    fields_->AddField(hours, FieldKind::Hour);
    fields_->AddField(minutes, FieldKind::Minute);
    fields_->AddField(seconds, FieldKind::Second);
    fields_->SetSpin(spin_);

    model_ = new CTimeZoneListModel(catalogue_, this);
    proxy_ = new CTimeZoneFilterModel(model_, this);
    list_->setModel(proxy_);

    connect(ok, &QPushButton::clicked, this, &CTzDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(filter_, &QLineEdit::textChanged, this, &CTzDlg::OnFilterEdited);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CTzDlg::OnSelectionChanged);
    filter_->installEventFilter(this);
}

void CTzDlg::Open()
{
    fields_->ClearBinding();
    // The list holds the whole catalogue from the start, nothing selected.
    fields_->LimitLength(2);
    ShowBias(BiasSecondsToFields(block_.bias));
}

void CTzDlg::ShowBias(const BiasFieldTexts& texts)
{
    negative_->setChecked(texts.negative);
    fields_->Field(kHours)->setText(texts.hours);
    fields_->Field(kMinutes)->setText(texts.minutes);
    fields_->Field(kSeconds)->setText(texts.seconds);
}

int CTzDlg::SelectedEntry() const
{
    const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
    return selected.size() == 1 ? selected.front().data(CTimeZoneListModel::kEntryRole).toInt() : -1;
}

int CTzDlg::ListedCount() const
{
    return proxy_->rowCount();
}

void CTzDlg::OnSelectionChanged()
{
    // The filter hiding the selected zone is no choice of the user's.
    if (filtering_)
        return;
    const int entry = SelectedEntry();
    if (entry >= 0)
        ShowBias(ZoneBiasToFields(catalogue_[static_cast<size_t>(entry)].biasMinutes));
}

void CTzDlg::OnFilterEdited(const QString& text)
{
    filtering_ = true;
    proxy_->SetFilterText(text);
    filtering_ = false;
}

bool CTzDlg::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the filter then takes the zone the user narrowed the list to.
    if (watched == filter_ && FilterKeyGoesToList(event, list_, proxy_, SelectedEntry() >= 0))
        return true;
    return CTemplateDialog::eventFilter(watched, event);
}

void CTzDlg::OnOk()
{
    block_.bias = BiasSecondsFromFields(fields_->Field(kHours)->text(), fields_->Field(kMinutes)->text(),
                                        fields_->Field(kSeconds)->text(), negative_->isChecked());
    accept();
}
