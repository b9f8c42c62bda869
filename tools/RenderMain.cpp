// kerovant-render: draws the program's windows and the settings dialogs into
// PNG files, without a desktop.
//
//   kerovant-render [--font-size POINTS] [--dark] [--scale FACTOR] [--lang LANGUAGE] [--all] OUTPUT_DIR
//
// Always writes these eleven into OUTPUT_DIR: main-window.png (demo clock, identified),
// about.png (its About box), time-zone.png (a zone picked through the
// filter), set-date-time.png (PC clock), set-date-time-custom.png,
// time-code-settings.png and the daylight-saving dialog: daylight-saving.png
// (the EU preset, weekday rules), daylight-saving-fixed-date.png,
// daylight-saving-off.png, clock-hand-position.png (watching the hands) and
// clock-hand-position-setting.png (hands stopped, a face time typed). With
// --all, also:
//   main-window-offline.png    a chosen bridge that is not attached
//   main-window-protocol1.png  a clock without illumination (firmware 1.2.0)
//   main-window-slider.png     the slider's value while it moves
//   connection-menu.png        the context menu with the Connection menu open
//   about-generic.png          the About box before a clock is identified
//   about-partner.png          the About box of the other brand
//   link-message.png           a message of the identification read
// --dark draws them in the Fusion style with a dark palette, as on a dark
// desktop; --scale sets the screen's scale factor (QT_SCALE_FACTOR), so the
// pictures have that many pixels per point; --lang draws them in that
// language, one of the translations built into the program (the list
// ui/CMakeLists.txt builds; --help names them), English without it,
// whatever the locale says.
//
// A desktop draws the windows' title bars itself; the pictures get a plain
// one drawn here, carrying the window's icon and title, so they show what
// the title says.
#include "AboutDlg.h"
#include "ClockCodec.h"
#include "ConnectionMenu.h"
#include "DarkPalette.h"
#include "DialogTour.h"
#include "DstDlg.h"
#include "EventLoopWait.h"
#include "Images.h"
#include "KerovantApp.h"
#include "KerovantDlg.h"
#include "ModalSeam.h"
#include "SetClockFaceDlg.h"
#include "SetDateTimeDlg.h"
#include "SimClock.h"
#include "TimeCodeSettingsDlg.h"
#include "TimeFieldGroup.h"
#include "Translations.h"
#include "TzDlg.h"
#include "ValueSlider.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QContextMenuEvent>
#include <QDir>
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

namespace {

constexpr int kWaitForClockMs = 10000;
constexpr int kTitleBarPadding = 6;
// A by-id name as udev makes them, for a bridge that is not attached.
constexpr const char* kGoneBridge = "/dev/serial/by-id/usb-Zelvora_TORVEX12_USB_Bridge_ZV1044-if00-port0";

// The widget's picture under a title bar with its icon and title.
QImage Framed(QWidget& window)
{
    const QPixmap body = window.grab();
    const qreal ratio = body.devicePixelRatio();
    const QFontMetrics metrics(window.font());
    const int bar = metrics.height() + 2 * kTitleBarPadding;
    const QSize logical = body.deviceIndependentSize().toSize();
    QImage image(QSize(logical.width(), logical.height() + bar) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect barRect(0, 0, logical.width(), bar);
    painter.fillRect(barRect, QColor(0x2d, 0x34, 0x3b));
    const int iconSide = metrics.height();
    const QPixmap icon = window.windowIcon().pixmap(QSize(iconSide, iconSide), ratio);
    painter.drawPixmap(kTitleBarPadding, kTitleBarPadding, icon);
    painter.setPen(Qt::white);
    painter.setFont(window.font());
    painter.drawText(barRect.adjusted(iconSide + 2 * kTitleBarPadding, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     window.windowTitle());
    painter.drawPixmap(0, bar, body);
    return image;
}

// The framed window with other top-level widgets (a menu, a tooltip) drawn
// over it where they stand.
QImage FramedWith(QWidget& window, const std::vector<QWidget*>& overlays)
{
    QImage framed = Framed(window);
    const qreal ratio = framed.devicePixelRatio();
    const int bar = static_cast<int>(framed.height() / ratio) - window.height();
    QRect area(QPoint(0, 0), framed.size() / ratio);
    for (QWidget* overlay : overlays)
        area |= QRect(overlay->mapToGlobal(QPoint(0, 0)) - window.mapToGlobal(QPoint(0, -bar)), overlay->size());
    QImage image(area.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.drawImage(-area.topLeft(), framed);
    for (QWidget* overlay : overlays)
        painter.drawPixmap(overlay->mapToGlobal(QPoint(0, 0)) - window.mapToGlobal(QPoint(0, -bar)) - area.topLeft(),
                           overlay->grab());
    return image;
}

bool Save(const QImage& image, const QDir& dir, const char* name)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (!image.save(path)) {
        std::fprintf(stderr, "kerovant-render: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Saves the picture of a dialog of the tour.
DialogVisit SaveTo(const QDir& dir)
{
    return [dir](QWidget& dialog, const char* picture) { return Save(Framed(dialog), dir, picture); };
}

// Starts an application on options and waits until its window shows what
// ready says it should; null when it does not come.
std::unique_ptr<CKerovantApp> StartWindow(AppOptions options, const std::function<bool(CKerovantApp&)>& ready)
{
    auto app = std::make_unique<CKerovantApp>(std::move(options));
    std::string error;
    if (!app->Start(&error)) {
        std::fprintf(stderr, "kerovant-render: %s\n", error.c_str());
        return nullptr;
    }
    app->MainWindow()->show();
    if (!RunEventsUntil([&] { return ready(*app); }, kWaitForClockMs)) {
        std::fprintf(stderr, "kerovant-render: the window did not get ready\n");
        return nullptr;
    }
    app->MainWindow()->Refresh();
    // Let the layout settle after the texts changed.
    QCoreApplication::processEvents();
    return app;
}

bool Identified(CKerovantApp& app)
{
    return app.Device() && app.Device()->IsReady() && app.Device()->GetPollCount() > 0;
}

bool SaveAbout(QWidget* parent, uint8_t productIndex, const QDir& dir, const char* name)
{
    return VisitAbout(parent, productIndex, name, SaveTo(dir));
}

// The seven pictures --all adds to the eleven of the documentation.
bool RenderMoreCases(CKerovantApp& demo, const QDir& dir)
{
    CKerovantDlg& window = *demo.MainWindow();
    bool ok = true;

    // The slider while it moves: its value over the handle.
    auto* slider = qobject_cast<CValueSlider*>(window.Control(CKerovantDlg::kIdIllumination));
    slider->setFocus();
    slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCoreApplication::processEvents();
    ok = Save(FramedWith(window, {slider->ValueBubble()}), dir, "main-window-slider.png") && ok;
    slider->ValueBubble()->hide();

    // The context menu, with the Connection menu open.
    QMenu context;
    context.addActions(window.actions());
    context.popup(window.mapToGlobal(QPoint(window.width() / 4, window.height() / 3)));
    QCoreApplication::processEvents();
    CConnectionMenu* connection = window.ConnectionMenu();
    context.setActiveAction(connection->menuAction());
    connection->popup(context.mapToGlobal(context.actionGeometry(connection->menuAction()).topRight()));
    QCoreApplication::processEvents();
    ok = Save(FramedWith(window, {&context, connection}), dir, "connection-menu.png") && ok;
    connection->close();
    context.close();

    ok = SaveAbout(&window, kNoProduct, dir, "about-generic.png") && ok;
    ok = SaveAbout(&window, 1, dir, "about-partner.png") && ok;

    {
        QMessageBox message(QMessageBox::Warning, QString::fromLatin1(kCommunicationErrorCaption),
                            QStringLiteral("Failed reading Family ID"), QMessageBox::Ok, &window);
        message.show();
        QCoreApplication::processEvents();
        ok = Save(Framed(message), dir, "link-message.png") && ok;
    }

    {
        // A remembered bridge that is gone: the window says why.
        AppOptions options;
        options.port = kGoneBridge;
        const auto offline = StartWindow(options, [](CKerovantApp& app) {
            return app.Device() && app.Device()->GetPortState() != PortState::NotOpened;
        });
        ok = offline && Save(Framed(*offline->MainWindow()), dir, "main-window-offline.png") && ok;
    }

    {
        SimIdentity identity;
        identity.firmware = {1, 2, 0};
        CSimServer old(identity);
        std::string error;
        if (!old.Start(&error)) {
            std::fprintf(stderr, "kerovant-render: %s\n", error.c_str());
            return false;
        }
        AppOptions options;
        options.port = old.DevicePath();
        const auto protocol1 = StartWindow(options, Identified);
        ok = protocol1 && Save(Framed(*protocol1->MainWindow()), dir, "main-window-protocol1.png") && ok;
    }
    return ok;
}

// --scale, taken before the application starts: Qt reads the scale factor
// as it starts.
void UseScaleFactorOption(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc)
            qputenv("QT_SCALE_FACTOR", argv[i + 1]);
        else if (std::strncmp(argv[i], "--scale=", 8) == 0)
            qputenv("QT_SCALE_FACTOR", argv[i] + 8);
    }
}

// The options and their help: the pictures each run draws, and the seven
// more --all adds.
void AddOptions(QCommandLineParser& parser)
{
    parser.addHelpOption();
    const QCommandLineOption fontSize(QStringLiteral("font-size"), QStringLiteral("Font size in points."),
                                      QStringLiteral("POINTS"));
    const QCommandLineOption dark(QStringLiteral("dark"), QStringLiteral("Fusion style with a dark palette."));
    const QCommandLineOption scale(QStringLiteral("scale"), QStringLiteral("The screen's scale factor."),
                                   QStringLiteral("FACTOR"));
    // The translations built into the program, the same list LoadLanguage
    // takes.
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("The language of the texts: %1; English without it.")
                                      .arg(AvailableLanguages().join(QLatin1String(", "))),
                                  QStringLiteral("LANGUAGE"));
    const QCommandLineOption all(
        QStringLiteral("all"),
        QStringLiteral("Seven more pictures besides the eleven: main-window-offline.png (a chosen bridge that is not "
                       "attached), main-window-protocol1.png (a clock without illumination), main-window-slider.png "
                       "(the slider's value while it moves), connection-menu.png (the context menu with the "
                       "Connection menu open), about-generic.png (the About box before a clock is identified), "
                       "about-partner.png (the About box of the other brand) and link-message.png (a message of "
                       "the identification read)."));
    parser.setApplicationDescription(
        QStringLiteral("Draws the windows into OUTPUT_DIR: main-window.png, about.png, time-zone.png, "
                       "set-date-time.png, set-date-time-custom.png, time-code-settings.png, daylight-saving.png, "
                       "daylight-saving-fixed-date.png, daylight-saving-off.png, clock-hand-position.png and "
                       "clock-hand-position-setting.png."));
    parser.addOptions({fontSize, dark, scale, lang, all});
    parser.addPositionalArgument(QStringLiteral("OUTPUT_DIR"), QStringLiteral("Where the pictures go."));
}

// --lang, --dark and --font-size, once the application has started. False,
// said on stderr, for a language without a translation.
bool UseLookOptions(const QCommandLineParser& parser)
{
    const QString lang = QStringLiteral("lang");
    if (parser.isSet(lang) && !LoadLanguage(parser.value(lang))) {
        std::fprintf(stderr, "kerovant-render: no translation for '%s' (have: %s)\n", qPrintable(parser.value(lang)),
                     qPrintable(AvailableLanguages().join(QLatin1String(", "))));
        return false;
    }
    if (parser.isSet(QStringLiteral("dark")))
        UseDarkLook();
    if (parser.isSet(QStringLiteral("font-size"))) {
        QFont font = QApplication::font();
        font.setPointSizeF(parser.value(QStringLiteral("font-size")).toDouble());
        QApplication::setFont(font);
    }
    return true;
}

// The demo clock's window and its dialogs into dir (with all, the seven
// more cases too); false when a picture could not be taken or saved.
bool RenderDemo(CKerovantApp& app, const QDir& dir, bool all)
{
    CKerovantDlg& window = *app.MainWindow();
    bool ok = Save(Framed(window), dir, "main-window.png");
    ok = SaveAbout(&window, app.Device() ? app.Device()->GetProductIndex() : kNoProduct, dir, "about.png") && ok;
    if (all)
        ok = RenderMoreCases(app, dir) && ok;
    ok = VisitSettingsDialogs(window, SaveTo(dir)) && ok;
    if (CClockConnection::Hold device = app.Connection()->HoldDevice())
        ok = VisitHandPositionDialog(window, *device, SaveTo(dir)) && ok;
    else
        ok = false;
    window.close();
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    UseScaleFactorOption(argc, argv);
    QApplication application(argc, argv);
    QApplication::setWindowIcon(ClockIcon());

    QCommandLineParser parser;
    AddOptions(parser);
    parser.process(application);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    if (!UseLookOptions(parser))
        return 2;
    const QDir dir(parser.positionalArguments().first());
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "kerovant-render: cannot create %s\n", qPrintable(dir.path()));
        return 1;
    }

    // Nobody is at the keyboard: a message box a window opens on its own
    // (the question whether to start a clock's stopped hands, or to correct
    // a configuration out of range) would wait for an answer for ever in its
    // modal loop. Each is answered with its default button instead, and
    // named on stderr. The pictures are taken of windows shown without one.
    CScopedModalAnswers unattended;
    const auto reportAnswered = [&unattended] {
        for (const MessageRequest& message : unattended.Messages())
            std::fprintf(stderr, "kerovant-render: answered a message box: %s\n", qPrintable(message.text));
    };

    AppOptions options;
    options.demo = true;
    const std::unique_ptr<CKerovantApp> app = StartWindow(options, Identified);
    if (!app)
        return 1;
    const bool ok = RenderDemo(*app, dir, parser.isSet(QStringLiteral("all")));
    app->Shutdown();
    reportAnswered();
    return ok ? 0 : 1;
}
