#include "TimeCodeSettingsDlg.h"

#include "Strings.h"
#include "Translations.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

// The template gives the size; the places are ours: the note on top, the
// two choices below it, OK and Cancel centred at the bottom.
constexpr int kWidthUnits = 237;
constexpr int kHeightUnits = 121;

}  // namespace

CTimeCodeSettingsDlg::CTimeCodeSettingsDlg(QWidget* parent, uint8_t choice)
    : CTemplateDialog(parent, kWidthUnits, kHeightUnits, Tr(kStrTimeCodeSettings)),
      choice_(choice != 0 ? uint8_t{1} : uint8_t{0})
{
    setObjectName(QStringLiteral("timeCodeSettingsDialog"));
    AddLabel(Tr(kStrTimeCodeNote), QRect(7, 7, 223, 10));
    useDate_ = Place(new QRadioButton(Tr(kStrUseTimeCodeDate)), kIdUseDate, "useDate", QRect(14, 30, 216, 10));
    ignoreDate_ =
        Place(new QRadioButton(Tr(kStrIgnoreTimeCodeDate)), kIdIgnoreDate, "ignoreDate", QRect(14, 46, 216, 10));
    auto* ok = Place(new QPushButton(Tr(kStrOk)), kIdOk, "ok", QRect(62, 100, 50, 14));
    ok->setDefault(true);
    auto* cancel = Place(new QPushButton(Tr(kStrCancel)), kIdCancel, "cancel", QRect(125, 100, 50, 14));

    // Any value but 0 means the date is used.
    (choice_ != 0 ? useDate_ : ignoreDate_)->setChecked(true);

    // A click (or an arrow key moving between the two) takes the choice.
    connect(useDate_, &QRadioButton::clicked, this, [this] { Choose(1); });
    connect(ignoreDate_, &QRadioButton::clicked, this, [this] { Choose(0); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CTimeCodeSettingsDlg::Choose(uint8_t value)
{
    choice_ = value;
    useDate_->setChecked(value != 0);
    ignoreDate_->setChecked(value == 0);
}
