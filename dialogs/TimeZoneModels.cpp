#include "TimeZoneModels.h"

#include "Translations.h"

#include <QKeyEvent>

std::vector<TimeZoneEntry> LoadWindowTimeZoneCatalogue()
{
    // The C locale has no language: ICU would take its names from the
    // environment's, which may not be the window's.
    const QLocale window = ReaderLocale().value_or(QLocale(QLocale::English, QLocale::UnitedStates));
    const QLocale user;
    return LoadTimeZoneCatalogue(QDateTime::currentDateTimeUtc(), user.language() == window.language() ? user : window);
}

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

bool FilterKeyGoesToList(const QEvent* event, QAbstractItemView* list, const CTimeZoneFilterModel* proxy,
                         bool zoneSelected)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    if (key != Qt::Key_Down && key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (proxy->rowCount() > 0) {
        list->setFocus(Qt::OtherFocusReason);
        if (!zoneSelected)
            list->setCurrentIndex(proxy->index(0, 0));
    }
    return true;
}
