// The zone chooser behind the daylight-saving dialog's "From Zone...": the
// time zone dialog's list of the system's zones with the same filter, for a
// clock that hangs in another zone than the computer. OK is offered once a
// zone is selected; a double click on a zone chooses it.
//
// User-interface thread only.
#pragma once

#include "TemplateDialog.h"
#include "TimeZoneCatalogue.h"

#include <QByteArray>

#include <vector>

class CTimeZoneFilterModel;
class CTimeZoneListModel;
class QLineEdit;
class QListView;
class QPushButton;

class CDstZoneChooserDlg : public CTemplateDialog {
    Q_OBJECT

public:
    // Control ids of our own; each control also carries an objectName.
    enum ControlId : int { kIdOk = 1, kIdCancel = 2, kIdFilter = 1001, kIdZoneList = 1012 };

    // Reads the catalogue from the system; `current` (a zone ID, may be
    // empty) starts selected.
    CDstZoneChooserDlg(QWidget* parent, const QByteArray& current);
    // With a catalogue of the caller's.
    CDstZoneChooserDlg(QWidget* parent, const QByteArray& current, std::vector<TimeZoneEntry> catalogue);
    ~CDstZoneChooserDlg() override;

    // The zone ID selected, empty for none.
    QByteArray SelectedZone() const;
    QLineEdit* Filter() const { return filter_; }
    QListView* ZoneList() const { return list_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Select(const QByteArray& zone);
    int SelectedEntry() const;

    std::vector<TimeZoneEntry> catalogue_;
    CTimeZoneListModel* model_ = nullptr;
    CTimeZoneFilterModel* proxy_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QListView* list_ = nullptr;
    QPushButton* ok_ = nullptr;
};
