#include "KerovantDlg.h"

#include "ControlIds.h"

#include "AboutDlg.h"
#include "ConnectionMenu.h"
#include "ClockOffset.h"
#include "ModalSeam.h"
#include "DialogUnits.h"
#include "EventLoopWait.h"
#include "Images.h"
#include "StatusText.h"
#include "Strings.h"
#include "Translations.h"
#include "ValueSlider.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

namespace {

// Geometry in dialog units. The template is 320 by 200; the rest follows
// the usual dialog spacing: 7 units of margin, 4 between related controls.
constexpr int kMargin = 7;
constexpr int kColumnGap = 14;
constexpr int kRowGap = 7;
constexpr int kGroupGap = 5;
constexpr int kCaptionGap = 1;
constexpr int kButtonGap = 4;
constexpr int kButtonMinWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonTextPadding = 8;
constexpr int kEditHeight = 12;
constexpr int kLineHeight = 8;
// Room for an edit box's frame and inner margins beside its text.
constexpr int kEditPadding = 10;
// A page of the slider is a fifth of its range.
constexpr int kIlluminationPageStep = 2;

// The longest texts the three boxes show, in English; each box is wide enough
// for them in the user's language.
const char* const kLongestBoxTexts[] = {"00-00-0000  00:00:00", "IRIG-B(1) : amplitude modulated", "Unknown time code",
                                        kOfflineText};

// Where a box keeps its caption, for the name read aloud with its text.
constexpr const char* kCaptionProperty = "kerovantCaption";

}  // namespace

CKerovantDlg::CKerovantDlg(QWidget* parent, CWindowConnection* connection)
    : QDialog(parent),
      connection_(connection),
      commands_(std::make_unique<CWindowCommands>(static_cast<ICommandWindow&>(*this), *connection))
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowIcon(ClockIcon());
    BuildControls();
    ApplyMetrics();

    refreshTimer_ = new QTimer(this);
    refreshTimer_->setObjectName(QStringLiteral("refreshTimer"));
    refreshTimer_->setInterval(kRefreshIntervalMs);
    connect(refreshTimer_, &QTimer::timeout, this, &CKerovantDlg::Refresh);

    // The desktop gives an application no window menu of its own; the About
    // item is offered in the window's context menu and on F1 instead.
    aboutAction_ = new QAction(Tr(kStrAboutBox), this);
    aboutAction_->setObjectName(QStringLiteral("aboutAction"));
    aboutAction_->setShortcut(QKeySequence(Qt::Key_F1));
    aboutAction_->setShortcutContext(Qt::WindowShortcut);
    connect(aboutAction_, &QAction::triggered, this, &CKerovantDlg::ShowAbout);
    addAction(aboutAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    // Which clock to talk to, above the About item.
    connectionMenu_ = new CConnectionMenu(this, connection_);
    connect(connectionMenu_, &CConnectionMenu::chosen, this, &CKerovantDlg::ChooseConnection);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    insertActions(aboutAction_, {connectionMenu_->menuAction(), separator});
    // The link's latest events, for a user to send when the clock
    // misbehaved; above the About item.
    saveTraceAction_ = new QAction(Tr(kStrSaveLinkTrace), this);
    saveTraceAction_->setObjectName(QStringLiteral("saveLinkTraceAction"));
    connect(saveTraceAction_, &QAction::triggered, this, &CKerovantDlg::SaveLinkTrace);
    insertAction(aboutAction_, saveTraceAction_);
    // The menu key opens the context menu by itself; Shift+F10 is the other
    // key desktops use for it, on keyboards without one.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, &CKerovantDlg::OpenContextMenu);

    // The slider: a release after a drag or a click sends at once; a change
    // made with the keyboard or the wheel once the slider has rested.
    illuminationRest_ = new QTimer(this);
    illuminationRest_->setSingleShot(true);
    illuminationRest_->setInterval(kIlluminationRestMs);
    connect(illuminationRest_, &QTimer::timeout, this, &CKerovantDlg::SetIlluminationFromSlider);
    connect(illumination_, &QSlider::valueChanged, this, &CKerovantDlg::OnIlluminationMoved);
    illumination_->installEventFilter(this);

    const auto command = [this](int id, void (CKerovantDlg::*run)()) {
        connect(qobject_cast<QPushButton*>(Control(id)), &QPushButton::clicked, this, run);
    };
    command(kIdTimeZone, &CKerovantDlg::SetTimeZone);
    command(kIdDaylightSavings, &CKerovantDlg::SetDaylightSaving);
    command(kIdSetDateTime, &CKerovantDlg::SetDateTime);
    command(kIdTimeCodeSettings, &CKerovantDlg::SetTimeCodeSettings);
    command(kIdClockHandPosition, &CKerovantDlg::SetClockHandPosition);

    connection_->SetPresenter([this](std::shared_ptr<CLinkMessage> message) { OpenMessageBox(std::move(message)); });
    connect(connection_, &CWindowConnection::deviceChanged, this, &CKerovantDlg::OnDeviceChanged);
    connect(connection_, &CWindowConnection::portChanged, this, &CKerovantDlg::ShowNow);
    connect(connection_, &CWindowConnection::clockIdentified, this, &CKerovantDlg::ShowNow);
}

CKerovantDlg::~CKerovantDlg()
{
    connection_->SetPresenter({});
    // Nobody can answer these boxes any more; let their link threads go on.
    for (const OpenMessage& open : messages_)
        open.message->Dismiss();
}

void CKerovantDlg::BuildControls()
{
    BuildStatusColumn();
    BuildButtonColumn();
    BuildOfflineReason();
    BuildSliderAndOk();
    LayOutControls();
}

// The clock's times and time code status, each under its caption, the
// offset, the firmware version and the serial number.
void CKerovantDlg::BuildStatusColumn()
{
    const auto captioned = [this](const char* caption, QLineEdit* edit, int id, const char* name) {
        auto* column = new QVBoxLayout;
        auto* label = new QLabel(Tr(caption), this);
        SetControlId(edit, id, name);
        // The caption is read with the text the box shows (SetShown).
        edit->setProperty(kCaptionProperty, label->text());
        edit->setAccessibleName(label->text());
        column->addWidget(label);
        column->addWidget(edit);
        captionedBoxes_.push_back(column);
        return column;
    };

    localTime_ = new QLineEdit(this);
    utcTime_ = new QLineEdit(this);
    timeCodeStatus_ = new QLineEdit(this);
    firmwareVersion_ = new QLabel(this);
    serialNumber_ = new QLabel(this);
    SetControlId(firmwareVersion_, kIdFirmwareVersion, "firmwareVersion");
    SetControlId(serialNumber_, kIdSerialNumber, "serialNumber");

    statusColumn_ = new QVBoxLayout;
    statusColumn_->addLayout(captioned(kStrLocalTime, localTime_, kIdLocalTime, "localTime"));
    statusColumn_->addLayout(captioned(kStrUtcTime, utcTime_, kIdUtcTime, "utcTime"));
    // Under the UTC time, how far it is from this computer's. Its place is
    // kept while it is hidden, so the lines below do not jump.
    clockOffset_ = new QLabel(this);
    clockOffset_->setObjectName(QStringLiteral("clockOffset"));
    clockOffset_->setAccessibleName(Tr(kStrClockOffsetName));
    clockOffset_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QSizePolicy keepPlace = clockOffset_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    clockOffset_->setSizePolicy(keepPlace);
    clockOffset_->hide();
    statusColumn_->addWidget(clockOffset_);
    statusColumn_->addLayout(captioned(kStrTimeCodeStatus, timeCodeStatus_, kIdTimeCodeStatus, "timeCodeStatus"));
    statusColumn_->addWidget(firmwareVersion_);
    statusColumn_->addWidget(serialNumber_);
    statusColumn_->addStretch(1);
}

// The five buttons that start the commands.
void CKerovantDlg::BuildButtonColumn()
{
    struct CommandButton {
        const char* text;
        int id;
        const char* name;
    };
    static constexpr CommandButton kButtons[] = {
        {kStrTimeZone, kIdTimeZone, "timeZone"},
        {kStrDaylightSavings, kIdDaylightSavings, "daylightSavings"},
        {kStrTimeCodeSettings, kIdTimeCodeSettings, "timeCodeSettings"},
        {kStrSetDateTime, kIdSetDateTime, "setDateTime"},
        {kStrClockHandPosition, kIdClockHandPosition, "clockHandPosition"},
    };
    buttonColumn_ = new QVBoxLayout;
    for (const CommandButton& entry : kButtons) {
        auto* button = new QPushButton(Tr(entry.text), this);
        SetControlId(button, entry.id, entry.name);
        button->setAutoDefault(false);
        buttonColumn_->addWidget(button);
        commandButtons_.push_back(button);
    }
    buttonColumn_->addStretch(1);
}

void CKerovantDlg::BuildOfflineReason()
{
    // Under the offline texts: why the clock cannot be reached. Hidden while
    // there is no cause, so a screen reader finds no empty line.
    offlineReason_ = new QLabel(this);
    offlineReason_->hide();
    offlineReason_->setObjectName(QStringLiteral("offlineReason"));
    offlineReason_->setWordWrap(true);
    offlineReason_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    offlineReason_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Composed of texts from outside (another program's name, a device's
    // path): shown as they are, never read as markup.
    for (QLabel* line : {offlineReason_, clockOffset_, firmwareVersion_, serialNumber_})
        line->setTextFormat(Qt::PlainText);
}

// The dial illumination slider with its caption, and OK.
void CKerovantDlg::BuildSliderAndOk()
{
    illumination_ = new CValueSlider(Qt::Horizontal, this);
    SetControlId(illumination_, kIdIllumination, "illumination");
    illumination_->setRange(kIlluminationMin, kIlluminationMax);
    illumination_->setTickPosition(QSlider::TicksBothSides);
    illumination_->setTickInterval(1);
    illumination_->setSingleStep(1);
    illumination_->setPageStep(kIlluminationPageStep);
    illuminationLabel_ = new QLabel(Tr(kStrIllumination), this);
    SetControlId(illuminationLabel_, kIdIlluminationLabel, "illuminationLabel");
    illuminationLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    illuminationLabel_->setAccessibleName(illuminationLabel_->text());
    illumination_->setAccessibleName(illuminationLabel_->text());
    sliderColumn_ = new QVBoxLayout;
    sliderColumn_->addWidget(illumination_);
    sliderColumn_->addWidget(illuminationLabel_);

    ok_ = new QPushButton(Tr(kStrOk), this);
    SetControlId(ok_, kIdOk, "ok");
    ok_->setDefault(true);
    ok_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

// The columns and lines into the window's grid, and the tab order.
void CKerovantDlg::LayOutControls()
{
    enum GridRow { kRowControls, kRowReason, kRowBottom };
    enum GridColumn { kColumnStatus, kColumnButtons };
    grid_ = new QGridLayout;
    grid_->addLayout(statusColumn_, kRowControls, kColumnStatus);
    grid_->addLayout(buttonColumn_, kRowControls, kColumnButtons);
    grid_->addWidget(offlineReason_, kRowReason, kColumnStatus, 1, 2);
    grid_->addLayout(sliderColumn_, kRowBottom, kColumnStatus, Qt::AlignBottom);
    grid_->addWidget(ok_, kRowBottom, kColumnButtons, Qt::AlignRight | Qt::AlignBottom);
    grid_->setColumnStretch(kColumnStatus, 1);
    grid_->setRowStretch(kRowReason, 1);

    rootLayout_ = new QVBoxLayout(this);
    rootLayout_->addLayout(grid_);

    // Tab order: the three boxes, the five buttons, the slider, OK.
    QWidget* order[] = {
        localTime_,         utcTime_,           timeCodeStatus_,    commandButtons_[0], commandButtons_[1],
        commandButtons_[2], commandButtons_[3], commandButtons_[4], illumination_,      ok_};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void CKerovantDlg::ApplyMetrics()
{
    const bool userSized = templateSize_.UserSized(*this);
    const CDialogUnits du(font());
    rootLayout_->setContentsMargins(du.x(kMargin), du.y(kMargin), du.x(kMargin), du.y(kMargin));
    grid_->setHorizontalSpacing(du.x(kColumnGap));
    grid_->setVerticalSpacing(du.y(kRowGap));
    statusColumn_->setSpacing(du.y(kGroupGap));
    buttonColumn_->setSpacing(du.y(kButtonGap));
    sliderColumn_->setSpacing(du.y(kCaptionGap));
    for (QVBoxLayout* column : captionedBoxes_)
        column->setSpacing(du.y(kCaptionGap));

    const QFontMetrics metrics(font());
    int textWidth = 0;
    for (const char* text : kLongestBoxTexts)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(Tr(text)));
    for (QLineEdit* edit : {localTime_, utcTime_, timeCodeStatus_}) {
        edit->setMinimumWidth(textWidth + du.x(kEditPadding));
        edit->setMinimumHeight(du.y(kEditHeight));
    }
    for (QLabel* line : {firmwareVersion_, serialNumber_, clockOffset_})
        line->setMinimumHeight(du.y(kLineHeight));
    // A button is at least the usual width, and its text keeps a character
    // of room on either side.
    for (QPushButton* button : commandButtons_) {
        const int textWidth = metrics.horizontalAdvance(button->text()) + du.x(kButtonTextPadding);
        button->setMinimumSize(std::max(du.x(kButtonMinWidth), textWidth), du.y(kButtonHeight));
    }
    ok_->setMinimumSize(du.x(kButtonMinWidth), du.y(kButtonHeight));

    rootLayout_->activate();
    templateSize_.Fit(*this, userSized);
}

void CKerovantDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange && rootLayout_)
        ApplyMetrics();
}

QWidget* CKerovantDlg::Control(int id) const
{
    return FindControl(*this, id);
}

void CKerovantDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!opened_) {
        opened_ = true;
        Open();
    }
}

void CKerovantDlg::Open()
{
    illuminationPending_ = true;
    refreshTimer_->start();
    setWindowTitle(Tr(kDefaultTitle));
    ok_->setFocus();
}

bool CKerovantDlg::event(QEvent* event)
{
    // The context menu opens nothing while a command runs, however it was
    // asked for.
    if (event->type() == QEvent::ContextMenu && !CommandAllowed()) {
        event->accept();
        return true;
    }
    return QDialog::event(event);
}

void CKerovantDlg::done(int result)
{
    // Not in the middle of a command: its wait or its dialog would go on
    // in a window already closed. (The keys and the close box do not come
    // through then; an assistive technology's press on OK does.)
    if (!CommandAllowed())
        return;
    // However the window closes (OK, Enter, Esc, the close box), the
    // refresh stops with it, and the link's open messages close with it.
    refreshTimer_->stop();
    opened_ = false;
    CloseOrphanedMessages(true);
    QDialog::done(result);
}

void CKerovantDlg::SetText(QLineEdit* edit, const std::string& text)
{
    // Setting an unchanged text would still move the cursor and drop a
    // selection the user is copying from. The fixed status texts are
    // translated; times and numbers are not in the translation and stay.
    SetShown(edit, Tr(text.c_str()));
}

void CKerovantDlg::SetShown(QLineEdit* edit, const QString& value)
{
    if (edit->text() != value)
        edit->setText(value);
    // A screen reader hears what the box shows, not only its caption.
    const QString name = Tr(kStrCaptionedValue).arg(edit->property(kCaptionProperty).toString(), value);
    if (edit->accessibleName() != name)
        edit->setAccessibleName(name);
}

QString CKerovantDlg::TimeText(const ClockTime& time)
{
    const std::optional<QLocale> reader = ReaderLocale();
    if (!reader)
        return QString::fromStdString(FormatClockTime(time));
    const ClockDateTime c = TimeValueToCalendar(time);
    return LocaleDateTime(*reader, c.year, c.month, c.day, c.hour, c.minute, c.second);
}

void CKerovantDlg::SetText(QLabel* label, const std::string& text)
{
    SetTranslated(label, Tr(text.c_str()));
}

void CKerovantDlg::SetTranslated(QLabel* label, const QString& value)
{
    if (label->text() != value)
        label->setText(value);
    // What a screen reader reads is what the line shows, value included.
    if (label->accessibleName() != value)
        label->setAccessibleName(value);
}

void CKerovantDlg::Refresh()
{
    Update(true);
}

void CKerovantDlg::ShowNow()
{
    if (refreshTimer_->isActive())
        Update(false);
}

void CKerovantDlg::Update(bool tick)
{
    // An object made because its port appeared is a fresh start: its
    // offline looks count from now, so one plug never makes two objects.
    COfflineReplacement& offline = connection_->Connection().OfflineReplacement();
    const uint64_t hotPlugs = connection_->Connection().HotPlugReplacements();
    if (hotPlugs != hotPlugsSeen_) {
        hotPlugsSeen_ = hotPlugs;
        offline.Reset();
    }

    // The identification is the shown object's own: a new object starts
    // unidentified, so a clock swapped for one of another family does not
    // keep the old brand.
    std::shared_ptr<CClockDevice> device = connection_->Device();
    const uint8_t product = device ? device->GetProductIndex() : kNoProduct;
    // A brand's product name is a name and comes back from Tr as it is.
    const QString title = Tr(ProductTitle(product).c_str());
    if (windowTitle() != title)
        setWindowTitle(title);

    if (!device || !device->IsOnline()) {
        ShowOffline(device.get());
        if (!tick)
            return;
        if (offline.OfflineLook()) {
            // Let go of the old object first: a copy held here would keep
            // its port open while the new object opens it (which then finds
            // the device in use by this very program), and would make this
            // thread the one that shuts the old object down.
            device.reset();
            ReplaceDevice();
        }
        return;
    }
    if (!device->IsReady()) {
        // The link is up but the clock is not identified yet: everything
        // keeps what it showed, but for the cause line of a clock that keeps
        // failing its identification.
        if (tick)
            offline.UnidentifiedLook();
        if (!connection_->LastIdentificationFailure().empty())
            ShowCause(CauseLine(*device));
        return;
    }
    offline.Reset();
    connection_->Identified();
    ShowReady(*device);
    commands_->ConfirmAcknowledged(device);
    commands_->OfferToStartHands(device);
    commands_->OfferToCorrectConfig(device);
}

Sentence CKerovantDlg::CauseLine(const CClockDevice& device) const
{
    const LinkPhase phase = device.GetState() == LinkState::Failed ? LinkPhase::NoAnswer : LinkPhase::Searching;
    return OfflineCauseSentence(device.GetPortState(), device.GetDevicePath(), phase,
                                connection_->LastIdentificationFailure(), device.GetLastFailure());
}

void CKerovantDlg::ShowOffline(const CClockDevice* device)
{
    SetText(utcTime_, kOfflineText);
    SetText(localTime_, kOfflineText);
    SetText(timeCodeStatus_, kOfflineText);
    SetTranslated(firmwareVersion_, Tr(FirmwareSentence(nullptr)));
    SetTranslated(serialNumber_, Tr(SerialSentence(nullptr)));
    ShowClockOffset(nullptr);
    // While a replacement is on its way the last cause stands.
    if (device)
        ShowCause(CauseLine(*device));
}

void CKerovantDlg::ShowCause(const Sentence& cause)
{
    SetTranslated(offlineReason_, Tr(cause));
    offlineReason_->setVisible(!cause.empty());
}

void CKerovantDlg::ShowReady(CClockDevice& device)
{
    ClockTime utc;
    ClockTime local;
    device.GetClockTimes(utc, local);
    TimeCodeStatus status;
    device.GetTimeCodeStatus(status);
    // Not under the user's hand: a level being dragged stays until it is
    // let go (and sent).
    if (illuminationPending_ && !illumination_->isSliderDown()) {
        illuminationPending_ = false;
        // Loading the slider is not a change by the user.
        const QSignalBlocker quiet(illumination_);
        illumination_->setValue(device.GetIllumination());
        illuminationLevel_ = illumination_->value();
    }
    SetShown(utcTime_, TimeText(utc));
    SetShown(localTime_, TimeText(local));
    SetText(timeCodeStatus_, TimeCodeText(status));
    FirmwareVersion firmware;
    device.GetFirmwareVersion(firmware);
    SetTranslated(firmwareVersion_, Tr(FirmwareSentence(&firmware)));
    const uint32_t serial = device.GetSerialNumber();
    SetTranslated(serialNumber_, Tr(SerialSentence(&serial)));
    ShowIlluminationAvailable(firmware);
    ShowCause(Sentence());
    ShowClockOffset(&device);
}

void CKerovantDlg::ShowIlluminationAvailable(const FirmwareVersion& firmware)
{
    // Protocol version 1 carries no illumination level: the slider would
    // move and nothing would change at the clock.
    const bool available = ProtocolVersionFor(firmware) >= 2;
    const QString why =
        available ? QString() : Tr(kStrNoIllumination).arg(QString::fromStdString(FirmwareNumber(firmware)));
    if (illumination_->isEnabled() == available && illumination_->toolTip() == why)
        return;
    for (QWidget* part : {static_cast<QWidget*>(illumination_), static_cast<QWidget*>(illuminationLabel_)}) {
        part->setEnabled(available);
        part->setToolTip(why);
    }
    illumination_->setAccessibleDescription(why);
}

void CKerovantDlg::ShowClockOffset(const CClockDevice* device)
{
    if (!device || !device->IsOnline()) {
        clockOffset_->hide();
        return;
    }
    ClockTimeHistory history;
    device->GetTimeHistory(history);
    const ClockOffset offset = EstimateClockOffset(history);
    SetTranslated(clockOffset_, Tr(ClockOffsetSentence(offset)));
    // A warning colour that reads on the palette in use: a dark amber on a
    // light window, a light one on a dark window. The accessible
    // description says it too, for whoever does not see the colour.
    const bool warn = ClockOffsetWarns(offset);
    const QPalette& window = palette();
    const bool darkWindow = window.color(QPalette::Window).lightness() < 128;
    const QColor warning = darkWindow ? QColor(0xFF, 0xB7, 0x4D) : QColor(0x9A, 0x4F, 0x00);
    QPalette shown = window;
    if (warn)
        shown.setColor(QPalette::WindowText, warning);
    if (clockOffset_->palette() != shown)
        clockOffset_->setPalette(shown);
    const QString description = warn ? Tr(kStrClockOffsetWarning) : QString();
    if (clockOffset_->accessibleDescription() != description)
        clockOffset_->setAccessibleDescription(description);
    clockOffset_->show();
}

void CKerovantDlg::ReplaceDevice()
{
    if (connection_->ReplacementPending())
        return;
    connection_->Replace();
    // Every open box belongs to the object about to go (unless a command
    // holds it, and it stays); its link thread is let go, and the shutdown
    // cancels what it shows next.
    if (!connection_->Connection().ReplacementDeferred())
        CloseOrphanedMessages(true);
}

void CKerovantDlg::OnDeviceChanged()
{
    // The new object may talk to another clock (swapped on the port, or
    // another bridge chosen): the slider shows its level, not the last
    // one's.
    if (opened_)
        illuminationPending_ = true;
    CloseOrphanedMessages();
    ShowNow();
    emit deviceReplaced();
}

void CKerovantDlg::SaveLinkTrace()
{
    if (!CommandAllowed())
        return;
    const CWindowCommands::Running running(*commands_);
    const QString suggestion = QDir::home().filePath(QString::fromUtf8(kStrLinkTraceFile));
    const QString path = AskSaveFileName(this, Tr(kStrSaveLinkTraceCaption), suggestion, Tr(kStrLinkTraceFilter));
    if (path.isEmpty())
        return;
    std::string reason;
    if (!connection_->TraceRing()->Save(path.toStdString(), &reason))
        ShowProgramMessage(this, Tr(kStrLinkTraceNotSaved).arg(path, QString::fromStdString(reason)));
}

void CKerovantDlg::ChooseConnection(const QString& devicePath)
{
    LinkSettings settings = connection_->CurrentLinkSettings();
    if (!SetDeviceName(settings, devicePath.toStdString()))
        return;
    connection_->SetLinkSettings(settings);
    // As when the clock stays offline; a replacement already on its way is
    // followed by one for the new device.
    ReplaceDevice();
    emit connectionChosen(devicePath);
}

void CKerovantDlg::OpenContextMenu()
{
    // Where the keyboard is: below the control that has the focus.
    QWidget* focus = focusWidget();
    const QPoint local = focus && focus != this ? focus->mapTo(this, QPoint(0, focus->height())) : QPoint(0, 0);
    QContextMenuEvent event(QContextMenuEvent::Keyboard, local, mapToGlobal(local));
    QApplication::sendEvent(this, &event);
}

void CKerovantDlg::ShowAbout()
{
    if (!CommandAllowed())
        return;
    const CWindowCommands::Running running(*commands_);
    const std::shared_ptr<CClockDevice> device = connection_->Device();
    CAboutDlg about(this, device ? device->GetProductIndex() : kNoProduct);
    RunModal(about);
}

// --- the identification read's messages ---

void CKerovantDlg::OpenMessageBox(std::shared_ptr<CLinkMessage> message)
{
    CloseOrphanedMessages();
    // The link's messages and their caption are marked texts.
    auto* box = new QMessageBox(QMessageBox::Warning, Tr(message->Caption().c_str()), Tr(message->Text().c_str()),
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("linkMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Not modal: the link waits for the user, the window does not, and can
    // always be closed.
    box->setWindowModality(Qt::NonModal);
    connect(box, &QDialog::finished, box, [message] { message->Dismiss(); });
    messages_.push_back({box, std::move(message)});
    box->show();
}

void CKerovantDlg::CloseOrphanedMessages(bool closeAll)
{
    for (const OpenMessage& open : messages_) {
        if (open.box && (closeAll || open.message->IsCancelled()))
            open.box->close();
    }
    std::erase_if(messages_, [](const OpenMessage& open) {
        return !open.box || open.message->IsCancelled() || open.message->IsDismissed();
    });
}

// --- the commands' side of the window ---

void CKerovantDlg::ShowMessage(const QString& text)
{
    ShowProgramMessage(this, text);
}

void CKerovantDlg::ShowBusy(bool busy)
{
    if (busy)
        busy_.push_back(std::make_unique<CBusyScope>());
    else if (!busy_.empty())
        busy_.pop_back();
}

bool CKerovantDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The user lets go of the slider after dragging or clicking it.
    if (watched == illumination_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // After the slider has taken the release and its value.
        QTimer::singleShot(0, this, &CKerovantDlg::SetIlluminationFromSlider);
    }
    return QDialog::eventFilter(watched, event);
}

void CKerovantDlg::OnIlluminationMoved()
{
    if (!CommandAllowed()) {
        // Only an assistive technology reaches the slider now: the level
        // stays where it was.
        const QSignalBlocker quiet(illumination_);
        illumination_->setValue(illuminationLevel_);
        return;
    }
    illuminationLevel_ = illumination_->value();
    // While the handle is dragged the release sends; other moves (keys,
    // wheel, clicks on the groove) are sent once the slider rests.
    if (!illumination_->isSliderDown())
        illuminationRest_->start();
}

void CKerovantDlg::SetIlluminationFromSlider()
{
    illuminationRest_->stop();
    if (!CommandAllowed()) {
        // Another command's wait or dialog is on; this one follows it.
        illuminationRest_->start();
        return;
    }
    // The level the user chose, before the wait for the clock.
    commands_->SetIllumination(static_cast<uint8_t>(illumination_->value()));
}
