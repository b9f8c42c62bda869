// kerovant-render: draws the main window (demo clock, identified) and the
// About box into PNG files, without a desktop.
//
//   kerovant-render [--font-size POINTS] OUTPUT_DIR
//
// Writes OUTPUT_DIR/main-window.png and OUTPUT_DIR/about.png. A desktop
// draws the windows' title bars itself; the pictures get a plain one drawn
// here, carrying the window's icon and title, so they show what the title
// says.
#include "AboutDlg.h"
#include "ClockCodec.h"
#include "Images.h"
#include "EventLoopWait.h"
#include "KerovantApp.h"
#include "KerovantDlg.h"
#include "SimClock.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QPainter>
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
    window.close();
    app.Shutdown();
    return ok ? 0 : 1;
}
