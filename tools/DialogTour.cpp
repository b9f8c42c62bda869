#include "DialogTour.h"

#include "DstDlg.h"
#include "SetClockFaceDlg.h"
#include "SetDateTimeDlg.h"
#include "TimeCodeSettingsDlg.h"
#include "TimeFieldGroup.h"
#include "TzDlg.h"
#include "AboutDlg.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Shows a dialog, lets it settle and visits it.
bool Shown(QWidget& dialog, const DialogVisit& visit, const char* picture)
{
    dialog.show();
    QCoreApplication::processEvents();
    return visit(dialog, picture);
}

}  // namespace

bool VisitAbout(QWidget* parent, uint8_t productIndex, const char* picture, const DialogVisit& visit)
{
    CAboutDlg about(parent, productIndex);
    return Shown(about, visit, picture);
}

bool VisitHandPositionDialog(QWidget& window, CClockDevice& device, const DialogVisit& visit)
{
    ClockConfig config;
    DisplayConfig display;
    device.GetConfig(config);
    device.GetDisplayConfig(display);
    CSetClockFaceDlg dialog(&window, config, display, device);
    bool ok = Shown(dialog, visit, "clock-hand-position.png");
    auto* setClock = qobject_cast<QCheckBox*>(dialog.Control(CSetClockFaceDlg::kIdSetClock));
    setClock->setChecked(true);
    const char* shown[] = {"10", "9", "30"};
    for (int i = 0; i < dialog.Fields().FieldCount(); ++i)
        dialog.Fields().Field(i)->setText(QString::fromLatin1(shown[i]));
    ok = Shown(dialog, visit, "clock-hand-position-setting.png") && ok;
    setClock->setChecked(false);
    return ok;
}

bool VisitSettingsDialogs(QWidget& window, const DialogVisit& visit)
{
    bool ok = true;
    {
        // Picking Berlin from the European zones, over a stored bias of
        // New York's.
        DstRuleSet block;
        block.bias = -18000;
        CTzDlg dialog(&window, block);
        dialog.Filter()->setText(QStringLiteral("Europe/"));
        QAbstractItemModel* listed = dialog.ZoneList()->model();
        for (int row = 0; row < listed->rowCount(); ++row) {
            const QModelIndex index = listed->index(row, 0);
            if (index.data().toString().contains(QStringLiteral("Europe/Berlin"))) {
                dialog.ZoneList()->setCurrentIndex(index);
                dialog.ZoneList()->scrollTo(index, QAbstractItemView::PositionAtCenter);
            }
        }
        ok = Shown(dialog, visit, "time-zone.png") && ok;
    }
    {
        CSetDateTimeDlg dialog(&window);
        ok = Shown(dialog, visit, "set-date-time.png") && ok;
        qobject_cast<QRadioButton*>(dialog.Control(CSetDateTimeDlg::kIdCustom))->click();
        ok = Shown(dialog, visit, "set-date-time-custom.png") && ok;
    }
    {
        CTimeCodeSettingsDlg dialog(&window, 1);
        ok = Shown(dialog, visit, "time-code-settings.png") && ok;
    }
    {
        // A clock in Central Europe, set by the EU preset.
        CDstDlg dialog(&window, DstRuleSet{}, 0, kDstByWeekday);
        dialog.SetClockBias(3600);
        qobject_cast<QPushButton*>(dialog.Control(static_cast<int>(DstId::PresetEu)))->click();
        ok = Shown(dialog, visit, "daylight-saving.png") && ok;
    }
    {
        // Fixed dates: 21 March to 21 September at 02:00 local time.
        DstRuleSet rules;
        rules.daylightBias = 3600;
        rules.startRule = {1, 3, 0, 21, 2, 0, 0};
        rules.endRule = {1, 9, 0, 21, 2, 0, 0};
        CDstDlg dialog(&window, rules, 0, kDstByDate);
        dialog.SetClockBias(3600);
        ok = Shown(dialog, visit, "daylight-saving-fixed-date.png") && ok;
    }
    {
        DstRuleSet rules;
        rules.daylightBias = 3600;
        rules.startRule = {0, 3, 0, 2, 2, 0, 0};
        rules.endRule = {0, 11, 0, 1, 2, 0, 0};
        CDstDlg dialog(&window, rules, 0, kDstDisabled);
        ok = Shown(dialog, visit, "daylight-saving-off.png") && ok;
    }
    return ok;
}
