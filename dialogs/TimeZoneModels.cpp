#include "TimeZoneModels.h"

CTimeZoneListModel::CTimeZoneListModel(const std::vector<TimeZoneEntry>& catalogue, QObject* parent)
    : QAbstractListModel(parent), catalogue_(catalogue)
{
}

int CTimeZoneListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(catalogue_.size());
}

QVariant CTimeZoneListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return catalogue_[static_cast<size_t>(index.row())].displayName;
    if (role == kEntryRole)
        return index.row();
    return {};
}

CTimeZoneFilterModel::CTimeZoneFilterModel(CTimeZoneListModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source)
{
    setSourceModel(source);
}

void CTimeZoneFilterModel::SetFilterText(const QString& text)
{
    text_ = text;
    invalidateFilter();
}

bool CTimeZoneFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& /*sourceParent*/) const
{
    return MatchesFilter(source_->Entry(sourceRow), text_);
}
