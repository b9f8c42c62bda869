#include "AboutDlg.h"

#include "ControlIds.h"

#include "DialogUnits.h"
#include "Images.h"
#include "StatusText.h"
#include "Strings.h"
#include "Translations.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <string_view>

static_assert(std::string_view(kStrAboutVersion).starts_with("Version " KEROVANT_VERSION " "),
              "the About box names the program's version");

namespace {

// Geometry in dialog units: the template is 285 by 116.
constexpr int kMargin = 7;
constexpr int kColumnGap = 10;
constexpr int kRowGap = 5;
constexpr int kLogoWidth = 80;
constexpr int kLogoHeight = 28;
constexpr int kButtonMinWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kEditHeight = 12;
constexpr int kEditPadding = 10;

// What the box shows for the identified product. The two brands' titles
// are the main window's titles for them.
struct Branding {
    QString productTitle;   // 1098
    const char* copyright;  // 1094
    int logo;               // control id of the logo shown, 0 for none
};

Branding BrandingFor(uint8_t productIndex)
{
    switch (ProductBrand(productIndex)) {
    case kBrandMaker:
        return {QString::fromStdString(ProductTitle(productIndex)), kStrCopyrightMaker, CAboutDlg::kIdLogoMaker};
    case kBrandPartner:
        return {QString::fromStdString(ProductTitle(productIndex)), kStrCopyrightPartner, CAboutDlg::kIdLogoPartner};
    default: return {Tr(kStrGenericProduct), kStrCopyrightGeneric, 0};
    }
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent, uint8_t productIndex) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(Tr(kStrAboutCaption));
    BuildControls();
    ApplyBranding(productIndex);
    ApplyMetrics();
}

void CAboutDlg::BuildControls()
{
    logoMaker_ = new QLabel(this);
    logoPartner_ = new QLabel(this);
    SetControlId(logoMaker_, kIdLogoMaker, "logoMaker");
    SetControlId(logoPartner_, kIdLogoPartner, "logoPartner");
    for (QLabel* logo : {logoMaker_, logoPartner_}) {
        logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        logo->hide();
    }

    productTitle_ = new QLineEdit(this);
    SetControlId(productTitle_, kIdProductTitle, "productTitle");
    copyright_ = new QLineEdit(this);
    SetControlId(copyright_, kIdCopyright, "copyright");
    for (QLineEdit* edit : {productTitle_, copyright_})
        edit->setReadOnly(true);

    description_ = new QLabel(Tr(kStrAboutDescription), this);
    SetControlId(description_, kIdDescription, "description");
    description_->setWordWrap(true);

    version_ = new QLabel(Tr(kStrAboutVersion), this);
    version_->setObjectName(QStringLiteral("version"));
    version_->setAlignment(Qt::AlignHCenter);

    ok_ = new QPushButton(Tr(kStrOk), this);
    SetControlId(ok_, kIdOk, "ok");
    ok_->setDefault(true);
    ok_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    // The logos stand left of the texts; without a logo the texts take the
    // whole width.
    logoArea_ = new QWidget(this);
    auto* logoColumn = new QVBoxLayout(logoArea_);
    logoColumn->setContentsMargins(0, 0, 0, 0);
    logoColumn->addWidget(logoMaker_);
    logoColumn->addWidget(logoPartner_);
    logoColumn->addStretch(1);

    textColumn_ = new QVBoxLayout;
    textColumn_->addWidget(productTitle_);
    textColumn_->addWidget(description_);
    textColumn_->addWidget(copyright_);
    textColumn_->addWidget(version_);
    textColumn_->addStretch(1);
    textColumn_->addWidget(ok_, 0, Qt::AlignRight);

    root_ = new QHBoxLayout(this);
    root_->addWidget(logoArea_);
    root_->addLayout(textColumn_, 1);
}

void CAboutDlg::ApplyBranding(uint8_t productIndex)
{
    const Branding branding = BrandingFor(productIndex);
    productTitle_->setText(branding.productTitle);
    copyright_->setText(QString::fromUtf8(branding.copyright));
    logoMaker_->setVisible(branding.logo == kIdLogoMaker);
    logoPartner_->setVisible(branding.logo == kIdLogoPartner);
    logoArea_->setVisible(branding.logo != 0);
}

void CAboutDlg::ApplyMetrics()
{
    const bool userSized = templateSize_.UserSized(*this);
    const CDialogUnits du(font());
    root_->setContentsMargins(du.x(kMargin), du.y(kMargin), du.x(kMargin), du.y(kMargin));
    root_->setSpacing(du.x(kColumnGap));
    textColumn_->setSpacing(du.y(kRowGap));

    RenderLogos();
    logoArea_->setFixedWidth(du.size(kLogoWidth, kLogoHeight).width());

    const QFontMetrics metrics(font());
    const int textWidth = std::max({metrics.horizontalAdvance(Tr(kStrGenericProduct)),
                                    metrics.horizontalAdvance(QString::fromUtf8(kStrCopyrightMaker)),
                                    metrics.horizontalAdvance(QString::fromUtf8(kStrCopyrightPartner))});
    for (QLineEdit* edit : {productTitle_, copyright_}) {
        edit->setMinimumWidth(textWidth + du.x(kEditPadding));
        edit->setMinimumHeight(du.y(kEditHeight));
    }
    ok_->setMinimumSize(du.x(kButtonMinWidth), du.y(kButtonHeight));

    root_->activate();
    templateSize_.Fit(*this, userSized);
}

void CAboutDlg::RenderLogos()
{
    // Drawn from their SVG for the size they are shown at and the pixel
    // ratio of the screen the box is on, so they stay sharp at any scale.
    const QSize logoBox = CDialogUnits(font()).size(kLogoWidth, kLogoHeight);
    const qreal ratio = devicePixelRatioF();
    logoMaker_->setPixmap(RenderImage(kBitmapMakerLogo, logoBox, ratio));
    logoPartner_->setPixmap(RenderImage(kBitmapPartnerLogo, logoBox, ratio));
}

bool CAboutDlg::event(QEvent* event)
{
    // Moved to a screen with another pixel ratio.
    if (event->type() == QEvent::ScreenChangeInternal)
        RenderLogos();
    return QDialog::event(event);
}

void CAboutDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Only now is the screen known that the box opens on; before, the
    // pixel ratio was the primary screen's.
    RenderLogos();
    // Enter and Space close the box at once, and a screen reader starts on
    // the button rather than on a read-only text.
    ok_->setFocus(Qt::ActiveWindowFocusReason);
}

void CAboutDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange && layout())
        ApplyMetrics();
}

QWidget* CAboutDlg::Control(int id) const
{
    return FindControl(*this, id);
}
