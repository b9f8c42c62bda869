// The zone catalogue as Qt item models, for the lists that show it: the
// time zone dialog's and the zone chooser of the daylight-saving dialog.
// Both read the catalogue by index, whatever the filter shows.
//
// User-interface thread only.
#pragma once

#include "TimeZoneCatalogue.h"

#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QEvent>
#include <QSortFilterProxyModel>
#include <QString>

#include <vector>

// The catalogue as of now with the zones' names in the window's language:
// that of the translation loaded, English without one ("Central European
// Standard Time" under C). The user's own locale gives the names when it is
// of that language (en_GB's, de_CH's).
std::vector<TimeZoneEntry> LoadWindowTimeZoneCatalogue();

// The whole catalogue as one list, set in one step. Items show the display
// name and carry their catalogue index under kEntryRole. The catalogue must
// outlive the model.
class CTimeZoneListModel : public QAbstractListModel {
public:
    static constexpr int kEntryRole = Qt::UserRole;

    CTimeZoneListModel(const std::vector<TimeZoneEntry>& catalogue, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const TimeZoneEntry& Entry(int row) const { return catalogue_[static_cast<size_t>(row)]; }

private:
    const std::vector<TimeZoneEntry>& catalogue_;
};

// The zones that match the filter text (MatchesFilter), in catalogue order.
class CTimeZoneFilterModel : public QSortFilterProxyModel {
public:
    CTimeZoneFilterModel(CTimeZoneListModel* source, QObject* parent);

    void SetFilterText(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    CTimeZoneListModel* source_;
    QString text_;
};

// Down, Enter or Return pressed in a zone filter field go on to the list
// that the filter narrows, selecting its first zone when none is selected:
// a user who typed a zone's name wants that zone, not the dialog closed with
// what it had. True when the event was such a key (the caller then takes it).
bool FilterKeyGoesToList(const QEvent* event, QAbstractItemView* list, const CTimeZoneFilterModel* proxy,
                         bool zoneSelected);
