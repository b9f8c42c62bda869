// kerovant-render: draws the main window (demo clock, identified), the
// About box and the settings dialogs into PNG files, without a desktop.
//
//   kerovant-render [--font-size POINTS] OUTPUT_DIR
//
// Writes into OUTPUT_DIR: main-window.png, about.png, time-zone.png (a zone
// picked through the filter), set-date-time.png (PC clock),
// set-date-time-custom.png, time-code-settings.png, clock-hand-position.png
// (watching the hands) and clock-hand-position-setting.png (hands stopped,
// a face time typed). A desktop
// draws the windows' title bars itself; the pictures get a plain one drawn
// here, carrying the window's icon and title, so they show what the title
// says.
#include "AboutDlg.h"
#include "ClockCodec.h"
#include "Images.h"
#include "EventLoopWait.h"
#include "KerovantApp.h"
#include "KerovantDlg.h"
#include "SetClockFace.h"
#include "SetDateTime.h"
#include "SimClock.h"
#include "TimeCodeSettings.h"
#include "TimeFieldGroup.h"
#include "TzDlg.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDir>
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kWaitForClockMs = 10000;
constexpr int kTitleBarPadding = 6;

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

// Shows a dialog, lets it settle and saves its picture.
bool SaveDialog(QDialog& dialog, const QDir& dir, const char* name)
{
    dialog.show();
    QCoreApplication::processEvents();
    return Save(Framed(dialog), dir, name);
}

// The hand position dialog watching the hands, then setting them: the
// demo clock's hands stop while the box is ticked, and move again after.
bool SaveHandPositionDialog(QWidget& window, CClockDevice& device, const QDir& dir)
{
    ClockConfig config;
    DisplayConfig display;
    device.GetConfig(config);
    device.GetDisplayConfig(display);
    CSetClockFace dialog(&window, config, display, device);
    bool ok = SaveDialog(dialog, dir, "clock-hand-position.png");
    auto* setClock = qobject_cast<QCheckBox*>(dialog.Control(CSetClockFace::kIdSetClock));
    setClock->setChecked(true);
    const char* shown[] = {"10", "9", "30"};
    for (int i = 0; i < dialog.Fields().FieldCount(); ++i)
        dialog.Fields().Field(i)->setText(QString::fromLatin1(shown[i]));
    ok = SaveDialog(dialog, dir, "clock-hand-position-setting.png") && ok;
    setClock->setChecked(false);
    return ok;
}

// The settings dialogs as a user meets them.
bool SaveSettingsDialogs(QWidget& window, const QDir& dir)
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
        ok = SaveDialog(dialog, dir, "time-zone.png") && ok;
    }
    {
        CSetDateTime dialog(&window);
        ok = SaveDialog(dialog, dir, "set-date-time.png") && ok;
        qobject_cast<QRadioButton*>(dialog.Control(CSetDateTime::kIdCustom))->click();
        ok = SaveDialog(dialog, dir, "set-date-time-custom.png") && ok;
    }
    {
        uint8_t useDate = 1;
        CTimeCodeSettings dialog(&window, &useDate);
        ok = SaveDialog(dialog, dir, "time-code-settings.png") && ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setWindowIcon(ClockIcon());

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption fontSize(QStringLiteral("font-size"), QStringLiteral("Font size in points."),
                                      QStringLiteral("POINTS"));
    parser.addOption(fontSize);
    parser.addPositionalArgument(QStringLiteral("OUTPUT_DIR"), QStringLiteral("Where the pictures go."));
    parser.process(application);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    if (parser.isSet(fontSize)) {
        QFont font = QApplication::font();
        font.setPointSizeF(parser.value(fontSize).toDouble());
        QApplication::setFont(font);
    }
    const QDir dir(parser.positionalArguments().first());
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "kerovant-render: cannot create %s\n", qPrintable(dir.path()));
        return 1;
    }

    AppOptions options;
    options.demo = true;
    CKerovantApp app(options);
    std::string error;
    if (!app.Start(&error)) {
        std::fprintf(stderr, "kerovant-render: %s\n", error.c_str());
        return 1;
    }
    CKerovantDlg& window = *app.MainWindow();
    window.show();
    // Identified and polled at least once, so every text is the clock's.
    const bool ready = RunEventsUntil(
        [&] { return app.Device() && app.Device()->IsReady() && app.Device()->GetPollCount() > 0; }, kWaitForClockMs);
    if (!ready) {
        std::fprintf(stderr, "kerovant-render: the demo clock was not identified\n");
        return 1;
    }
    window.Refresh();
    // Let the layout settle after the texts changed.
    QCoreApplication::processEvents();

    bool ok = Save(Framed(window), dir, "main-window.png");

    {
        CAboutDlg about(&window, app.Device() ? app.Device()->GetProductIndex() : kNoProduct);
        about.show();
        QCoreApplication::processEvents();
        ok = Save(Framed(about), dir, "about.png") && ok;
    }
    ok = SaveSettingsDialogs(window, dir) && ok;
    if (CClockConnection::Hold device = app.Connection()->HoldDevice())
        ok = SaveHandPositionDialog(window, *device, dir) && ok;
    else
        ok = false;
    window.close();
    app.Shutdown();
    return ok ? 0 : 1;
}
