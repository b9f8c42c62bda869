#include "SetDateTimeDlg.h"

#include "CustomDate.h"
#include "ModalSeam.h"
#include "Strings.h"
#include "TimeFieldGroup.h"
#include "Translations.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <optional>
#include <utility>

namespace {

constexpr int kWidthUnits = 240;
constexpr int kHeightUnits = 107;
// A field's value is read from at most this many characters.
constexpr qsizetype kCharactersRead = 62;
constexpr int kMillisecondsPerHundredth = 10;
// Dialog units added either side of the "Time" and "Date" captions.
constexpr int kCaptionRoom = 4;

// Where the date fields and their separators go: in the reader's order,
// from the date frame's left edge; a year field is twice as wide.
struct DateLayout {
    std::array<char, 3> fields{'M', 'd', 'y'};
    std::array<QRect, 3> places{QRect(126, 41, 14, 13), QRect(147, 41, 14, 12), QRect(169, 41, 28, 12)};
    QString separator = QStringLiteral(":");
    std::array<QRect, 2> separators{QRect(140, 42, 8, 8), QRect(161, 42, 8, 8)};
};

DateLayout CustomDateLayout()
{
    DateLayout layout;
    const std::optional<QLocale> reader = ReaderLocale();
    if (!reader)
        return layout;  // English: month:day:year
    const DateOrder order = LocaleDateOrder(*reader);
    layout.fields = order.fields;
    layout.separator = order.separator;
    constexpr int kFieldGap = 7;
    constexpr int kSeparatorWidth = 8;
    int x = 126;
    for (size_t i = 0; i < layout.fields.size(); ++i) {
        const int width = layout.fields[i] == 'y' ? 28 : 14;
        layout.places[i] = QRect(x, 41, width, 12);
        if (i < layout.separators.size())
            layout.separators[i] = QRect(x + width, 42, kSeparatorWidth, 8);
        x += width + kFieldGap;
    }
    return layout;
}

CSetDateTimeDlg::FieldIndex FieldOf(DateField field)
{
    switch (field) {
    case DateField::Month: return CSetDateTimeDlg::kMonth;
    case DateField::Day: return CSetDateTimeDlg::kDay;
    case DateField::Year: return CSetDateTimeDlg::kYear;
    }
    return CSetDateTimeDlg::kMonth;
}

}  // namespace

CSetDateTimeDlg::CSetDateTimeDlg(QWidget* parent, UtcClock clock)
    : CTemplateDialog(parent, kWidthUnits, kHeightUnits, Tr(kStrSetDateTimeCaption)),
      clock_(clock ? std::move(clock) : UtcClock([] { return QDateTime::currentDateTimeUtc(); }))
{
    setObjectName(QStringLiteral("setDateTimeDialog"));
    BuildControls();
    Open();
}

CSetDateTimeDlg::~CSetDateTimeDlg() = default;

void CSetDateTimeDlg::BuildControls()
{
    // Template order, which is also the tab order.
    pcClock_ = Place(new QRadioButton(Tr(kStrPcClock)), kIdPcClock, "pcClock", QRect(10, 10, 125, 14));
    custom_ = Place(new QRadioButton(Tr(kStrCustom)), kIdCustom, "custom", QRect(10, 39, 40, 15));
    auto* hour = Place(new QLineEdit, kIdHour, "hour", QRect(61, 41, 14, 12), Tr(kStrHour));
    auto* minute = Place(new QLineEdit, kIdMinute, "minute", QRect(82, 41, 14, 12), Tr(kStrMinute));
    auto* second = Place(new QLineEdit, kIdSecond, "second", QRect(104, 41, 13, 12), Tr(kStrSecond));
    // The date fields in the reader's order (English: month, day, year), the
    // tab order with them.
    const DateLayout date = CustomDateLayout();
    QLineEdit* month = nullptr;
    QLineEdit* day = nullptr;
    QLineEdit* year = nullptr;
    for (size_t i = 0; i < date.fields.size(); ++i) {
        const QRect& place = date.places[i];
        switch (date.fields[i]) {
        case 'M': month = Place(new QLineEdit, kIdMonth, "month", place, Tr(kStrMonth)); break;
        case 'd': day = Place(new QLineEdit, kIdDay, "day", place, Tr(kStrDayOfMonth)); break;
        default: year = Place(new QLineEdit, kIdYear, "year", place, Tr(kStrYear)); break;
        }
    }
    spin_ = Place(new CNarrowSpin, kIdSpin, "spin", QRect(210, 38, 12, 18), Tr(kStrDateTimeSpin));
    spin_->SetNames(Tr(kStrDateTimeSpin), Tr(kStrDateTimeArrows));
    auto* setNow = Place(new QPushButton(Tr(kStrSetNow)), kIdSetNow, "setNow", QRect(32, 86, 50, 14));
    setNow->setDefault(true);
    auto* cancel = Place(new QPushButton(Tr(kStrCancel)), kIdCancel, "cancel", QRect(129, 86, 50, 14));
    const Qt::Alignment colon = Qt::AlignHCenter | Qt::AlignTop;
    AddLabel(QStringLiteral(":"), QRect(74, 42, 8, 8), colon);
    AddLabel(QStringLiteral(":"), QRect(96, 42, 8, 8), colon);
    AddLabel(Tr(kStrUtcNote), QRect(7, 63, 189, 20));
    timeFrame_ = AddGroupBox(kIdTimeFrame, "timeFrame", QString(), QRect(55, 33, 67, 25));
    AddLabel(date.separator, date.separators[0], colon);
    AddLabel(date.separator, date.separators[1], colon);
    // The two captions are single words: centred on their template place
    // with room either side, so a font whose word is wider than 16 units
    // does not cut them, and never wrapped (a wrapped label asks for a line
    // a pixel taller than 8 units in some fonts).
    for (const auto& [text, x] : {std::pair{kStrTime, 83}, std::pair{kStrDate, 146}}) {
        QLabel* caption =
            AddLabel(Tr(text), QRect(x - kCaptionRoom, 28, 16 + 2 * kCaptionRoom, 8), Qt::AlignHCenter | Qt::AlignTop);
        caption->setWordWrap(false);
    }
    dateFrame_ = AddGroupBox(kIdDateFrame, "dateFrame", QString(), QRect(124, 33, 77, 25));

    fields_ = new CTimeFieldGroup(FieldVariant::Plain, this);
    fields_->AddField(hour, FieldKind::Hour);
    fields_->AddField(minute, FieldKind::Minute);
    fields_->AddField(second, FieldKind::Second);
    fields_->AddField(month, FieldKind::Month);
    fields_->AddField(day, FieldKind::Day);
    fields_->AddField(year, FieldKind::Year);
    fields_->SetSpin(spin_);

    connect(pcClock_, &QRadioButton::clicked, this, &CSetDateTimeDlg::OnPcClock);
    connect(custom_, &QRadioButton::clicked, this, &CSetDateTimeDlg::OnCustom);
    connect(setNow, &QPushButton::clicked, this, &CSetDateTimeDlg::OnSetNow);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CSetDateTimeDlg::Open()
{
    fields_->ClearBinding();
    pcClock_->setChecked(true);
    SetFieldsEnabled(false);
}

bool CSetDateTimeDlg::CustomMode() const
{
    return custom_->isChecked();
}

void CSetDateTimeDlg::SetFieldsEnabled(bool enabled)
{
    fields_->SetEnabled(enabled);
    timeFrame_->setEnabled(enabled);
    dateFrame_->setEnabled(enabled);
}

void CSetDateTimeDlg::OnPcClock()
{
    SetFieldsEnabled(false);  // the fields keep what they show
}

void CSetDateTimeDlg::OnCustom()
{
    // Every click starts over from 2006-01-01 00:00:00, also when Custom was
    // already chosen.
    const char* texts[] = {"00", "00", "00", "01", "01", "2006"};
    for (int i = 0; i < fields_->FieldCount(); ++i)
        fields_->Field(i)->setText(QString::fromLatin1(texts[i]));
    SetFieldsEnabled(true);
}

void CSetDateTimeDlg::OnSetNow()
{
    ClockDateTime record;
    if (CustomMode()) {
        const auto value = [this](FieldIndex index) { return fields_->Value(index, kCharactersRead); };
        if (const auto problem = CheckCustomDate(value(kMonth), value(kDay), value(kYear))) {
            ShowProgramMessage(this, Tr(problem->message));
            QLineEdit* field = fields_->Field(FieldOf(problem->field));
            field->setFocus(Qt::OtherFocusReason);
            field->selectAll();
            return;
        }
        // In range: the typing rules keep the time fields within theirs and
        // the check has passed the date.
        record.hour = static_cast<uint8_t>(value(kHour));
        record.minute = static_cast<uint8_t>(value(kMinute));
        record.second = static_cast<uint8_t>(value(kSecond));
        record.month = static_cast<uint8_t>(value(kMonth));
        record.day = static_cast<uint8_t>(value(kDay));
        record.year = static_cast<int16_t>(value(kYear));
        record.hundredths = 0;
    } else {
        const QDateTime now = clock_().toUTC();
        const QDate date = now.date();
        const QTime time = now.time();
        record.year = static_cast<int16_t>(date.year());
        record.month = static_cast<uint8_t>(date.month());
        record.day = static_cast<uint8_t>(date.day());
        record.hour = static_cast<uint8_t>(time.hour());
        record.minute = static_cast<uint8_t>(time.minute());
        record.second = static_cast<uint8_t>(time.second());
        record.hundredths = static_cast<uint8_t>(time.msec() / kMillisecondsPerHundredth);
    }
    record.dayOfWeek = 0;
    result_ = record;
    accept();
}
