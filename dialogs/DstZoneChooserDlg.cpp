#include "DstZoneChooserDlg.h"

#include "Strings.h"
#include "Translations.h"
#include "TimeZoneModels.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace {

constexpr int kWidthUnits = 268;
constexpr int kHeightUnits = 160;

}  // namespace

CDstZoneChooserDlg::CDstZoneChooserDlg(QWidget* parent, const QByteArray& current)
    : CDstZoneChooserDlg(parent, current, LoadWindowTimeZoneCatalogue())
{
}

CDstZoneChooserDlg::CDstZoneChooserDlg(QWidget* parent, const QByteArray& current, std::vector<TimeZoneEntry> catalogue)
    : CTemplateDialog(parent, kWidthUnits, kHeightUnits, Tr(kStrZoneChooserCaption)), catalogue_(std::move(catalogue))
{
    setObjectName(QStringLiteral("zoneChooser"));
    BuildControls();
    Select(current);
}

CDstZoneChooserDlg::~CDstZoneChooserDlg() = default;

void CDstZoneChooserDlg::BuildControls()
{
    // The filter comes first: a user who knows the zone types its name.
    AddLabel(Tr(kStrZoneChooserNote), QRect(7, 6, 254, 18));
    filter_ = Place(new QLineEdit, kIdFilter, "filter", QRect(7, 26, 254, 12), Tr(kStrFilterZones));
    filter_->setPlaceholderText(Tr(kStrFilterZonesHint));
    filter_->setClearButtonEnabled(true);
    list_ = Place(new QListView, kIdZoneList, "zoneList", QRect(7, 42, 254, 92), Tr(kStrZoneChooserListRole));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setUniformItemSizes(true);
    ok_ = Place(new QPushButton(Tr(kStrOk)), kIdOk, "ok", QRect(157, 140, 50, 14));
    ok_->setDefault(true);
    auto* cancel = Place(new QPushButton(Tr(kStrCancel)), kIdCancel, "cancel", QRect(211, 140, 50, 14));

    model_ = new CTimeZoneListModel(catalogue_, this);
    proxy_ = new CTimeZoneFilterModel(model_, this);
    list_->setModel(proxy_);

    const auto offerOk = [this] { ok_->setEnabled(SelectedEntry() >= 0); };
    offerOk();
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, offerOk);
    connect(filter_, &QLineEdit::textChanged, this, [this, offerOk](const QString& text) {
        proxy_->SetFilterText(text);
        offerOk();  // the filter may have hidden the selected zone
    });
    connect(list_, &QListView::doubleClicked, this, [this] {
        if (SelectedEntry() >= 0)
            accept();
    });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    filter_->installEventFilter(this);
}

void CDstZoneChooserDlg::Select(const QByteArray& zone)
{
    for (size_t i = 0; i < catalogue_.size(); ++i) {
        if (!zone.isEmpty() && catalogue_[i].keyName == zone) {
            const QModelIndex index = proxy_->mapFromSource(model_->index(static_cast<int>(i), 0));
            list_->setCurrentIndex(index);
            list_->scrollTo(index, QAbstractItemView::PositionAtCenter);
            return;
        }
    }
}

int CDstZoneChooserDlg::SelectedEntry() const
{
    const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
    return selected.size() == 1 ? selected.front().data(CTimeZoneListModel::kEntryRole).toInt() : -1;
}

QByteArray CDstZoneChooserDlg::SelectedZone() const
{
    const int entry = SelectedEntry();
    return entry < 0 ? QByteArray() : catalogue_[static_cast<size_t>(entry)].keyName;
}

bool CDstZoneChooserDlg::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the filter then takes the zone the user narrowed the list to.
    if (watched == filter_ && FilterKeyGoesToList(event, list_, proxy_, SelectedEntry() >= 0))
        return true;
    return CTemplateDialog::eventFilter(watched, event);
}
