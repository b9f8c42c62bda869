// The windows as users of other desktops see them: every text and picture
// readable in a dark palette (Fusion with a dark QPalette stands in for a
// dark desktop theme), pictures drawn for the screen's pixel ratio (CTest
// runs this program a second time with QT_SCALE_FACTOR=2), and every window
// usable from the keyboard.
#include "AboutDlg.h"
#include "ClockCodec.h"
#include "DarkPalette.h"
#include "DstDlg.h"
#include "DstYearStripView.h"
#include "Images.h"
#include "KerovantApp.h"
#include "KerovantDlg.h"
#include "ModalSeam.h"
#include "SimClock.h"
#include "Strings.h"

#include "WindowTestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>

namespace {

constexpr int kClockTimeoutMs = 5000;
constexpr const char* kMissingDevice = "/dev/kerovant-test-no-such-tty";
// WCAG's least contrast for text, and for what a disabled control shows
// (which WCAG leaves out, but which must still be made out) or a shape
// carries.
constexpr double kTextContrast = 4.5;
constexpr double kDisabledContrast = 3.0;
constexpr double kShapeContrast = 3.0;

double Luminance(QRgb rgb)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How well what is drawn in the area stands out: the area's most common
// colour is its background, and the contrast is that of the colour that
// differs most from it (the cores of a text's strokes, a logo's letters).
double ContrastIn(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y) | 0xFF000000u];
    }
    if (counts.empty())
        return 0;
    const QRgb background = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                                return a.second < b.second;
                            })->first;
    double best = 1;
    for (const auto& [colour, count] : counts)
        best = std::max(best, Contrast(colour, background));
    return best;
}

// Every visible control of the window that shows a text or a picture, with
// the contrast it has in the window's picture. Failures name the control.
// Frames, grooves and handles are the style's, drawn from the desktop's
// palette; the texts and pictures in them are the program's.
QStringList UnreadableParts(QWidget& window)
{
    const QImage shot = window.grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    QStringList unreadable;
    for (QWidget* part : window.findChildren<QWidget*>()) {
        if (!part->isVisible() || part->window() != &window)
            continue;
        QString shows;
        if (auto* label = qobject_cast<QLabel*>(part))
            shows = label->pixmap().isNull() ? label->text() : QStringLiteral("(picture)");
        else if (auto* edit = qobject_cast<QLineEdit*>(part))
            shows = edit->text();
        else if (auto* button = qobject_cast<QPushButton*>(part))
            shows = button->text();
        if (shows.isEmpty())
            continue;
        const QRect area(part->mapTo(&window, QPoint(0, 0)) * ratio, part->size() * ratio);
        const double contrast = ContrastIn(shot, area);
        const double needed = part->isEnabled() ? kTextContrast : kDisabledContrast;
        if (contrast < needed)
            unreadable << QStringLiteral("%1 '%2': %3").arg(part->objectName(), shows).arg(contrast, 0, 'f', 2);
    }
    return unreadable;
}

// A main window on a given device, as the program starts it.
struct Program {
    explicit Program(const std::string& port)
    {
        AppOptions options;
        options.port = port;
        app = std::make_unique<CKerovantApp>(options);
        started = app->Start();
        if (started) {
            app->MainWindow()->show();
            started = QTest::qWaitForWindowExposed(app->MainWindow());
        }
    }
    CKerovantDlg& Window() const { return *app->MainWindow(); }
    bool WaitIdentified() const
    {
        return QTest::qWaitFor(
            [this] { return app->Device() && app->Device()->IsReady() && app->Device()->GetPollCount() > 0; },
            kClockTimeoutMs);
    }
    std::unique_ptr<CKerovantApp> app;
    bool started = false;
};

}  // namespace

class TestLooks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    // Dark palette.
    void mainWindowReadable_data();
    void mainWindowReadable();
    void aboutBoxReadable_data();
    void aboutBoxReadable();
    void linkMessageReadable();
    void daylightStripReadable();

    // Pixel ratio.
    void picturesDrawnForTheScreen();

    // Keyboard.
    void aboutBoxOpensOnOk();
    void tabReachesEveryControl();
};

void TestLooks::initTestCase()
{
    UseDarkLook();
    // The scale factor asked for is the one the windows get.
    const double asked = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1.0;
    QWidget probe;
    QCOMPARE(probe.devicePixelRatioF(), asked);
}

void TestLooks::init()
{
    g_productIndex = kNoProduct;
}

// --- dark palette ---

void TestLooks::mainWindowReadable_data()
{
    QTest::addColumn<int>("firmwareMinor");  // -1: no clock
    QTest::newRow("clock identified") << 3;
    QTest::newRow("clock without illumination") << 2;
    QTest::newRow("offline, with the cause") << -1;
}

void TestLooks::mainWindowReadable()
{
    QFETCH(int, firmwareMinor);
    SimIdentity identity;
    identity.firmware = {1, static_cast<uint8_t>(std::max(firmwareMinor, 0)), 0};
    CSimServer sim(identity);
    QVERIFY(sim.Start());
    Program program(firmwareMinor < 0 ? std::string(kMissingDevice) : sim.DevicePath());
    QVERIFY(program.started);
    if (firmwareMinor >= 0)
        QVERIFY(program.WaitIdentified());
    program.Window().Refresh();
    if (firmwareMinor == 2)
        QVERIFY(!program.Window().Control(CKerovantDlg::kIdIllumination)->isEnabled());
    if (firmwareMinor < 0)
        QVERIFY(program.Window().findChild<QLabel*>(QStringLiteral("offlineReason"))->isVisible());
    const QStringList unreadable = UnreadableParts(program.Window());
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QLatin1String("; "))));
    program.app->Shutdown();
}

void TestLooks::aboutBoxReadable_data()
{
    QTest::addColumn<int>("productIndex");
    QTest::newRow("none identified") << int(kNoProduct);
    QTest::newRow("brand 1, its logo") << 0;
    QTest::newRow("brand 3, its logo") << 1;
}

void TestLooks::aboutBoxReadable()
{
    QFETCH(int, productIndex);
    CAboutDlg about(nullptr, static_cast<uint8_t>(productIndex));
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QStringList unreadable = UnreadableParts(about);
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QLatin1String("; "))));
}

void TestLooks::linkMessageReadable()
{
    // A clock that never tells its family: the window shows the link's
    // message as it does for a user.
    CSimServer sim;
    SimFaults faults;
    faults.ignoreCode = kCmdFamilyId;
    sim.Clock().SetFaults(faults);
    QVERIFY(sim.Start());
    Program program(sim.DevicePath());
    QVERIFY(program.started);
    QMessageBox* box = nullptr;
    QVERIFY(QTest::qWaitFor(
        [&] {
            for (QMessageBox* candidate : program.Window().findChildren<QMessageBox*>()) {
                if (candidate->isVisible())
                    box = candidate;
            }
            return box != nullptr;
        },
        kClockTimeoutMs));
    QVERIFY(QTest::qWaitForWindowExposed(box));
    const QStringList unreadable = UnreadableParts(*box);
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QLatin1String("; "))));
    program.app->Shutdown();
}

void TestLooks::daylightStripReadable()
{
    // The EU rules for a clock in Central Europe: shaded from March to
    // October of the year shown.
    using namespace std::chrono;
    DstRuleSet rules;
    rules.daylightBias = 3600;
    rules.startRule = {0, 3, 0, 5, 1, 0, 0};
    rules.endRule = {0, 10, 0, 5, 1, 0, 0};
    CDstDlg dialog(nullptr, rules, 1, kDstByWeekday);
    dialog.SetUtcClock([] { return sys_seconds{sys_days{2027y / January / 1}}; });
    dialog.SetClockBias(3600);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QStringList unreadable = UnreadableParts(dialog);
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QLatin1String("; "))));

    // The days above the bar, the months under it, and the shading against
    // the bar, in the middle of July and of February.
    CDstYearStripView& view = *dialog.StripView();
    const QImage shot = view.grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    const int row = view.fontMetrics().height();
    for (const int top : {0, 2 * row}) {
        const double contrast = ContrastIn(shot, QRect(0, top * ratio, view.width() * ratio, row * ratio));
        QVERIFY2(contrast >= kTextContrast, qPrintable(QString::number(contrast)));
    }
    const auto middleOf = [&](size_t month) {
        const DstStripMonth& m = view.Strip().months.at(month);
        return shot.pixel(int((m.from + m.to) / 2 * view.width() * ratio), int(1.5 * row * ratio));
    };
    QCOMPARE(view.Strip().months.at(6).name, std::string("Jul"));
    const double shading = Contrast(middleOf(6), middleOf(1));
    QVERIFY2(shading >= kShapeContrast, qPrintable(QString::number(shading)));
}

// --- pixel ratio ---

void TestLooks::picturesDrawnForTheScreen()
{
    for (uint8_t product : {uint8_t{0}, uint8_t{1}}) {
        CAboutDlg about(nullptr, product);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const qreal ratio = about.devicePixelRatioF();
        const int logoId = product == 0 ? CAboutDlg::kIdLogoMaker : CAboutDlg::kIdLogoPartner;
        const QPixmap logo = qobject_cast<QLabel*>(about.Control(logoId))->pixmap();
        // One pixel of the picture for every pixel of the screen: drawn from
        // the SVG at this ratio, never scaled up.
        QCOMPARE(logo.devicePixelRatio(), ratio);
        const QSize logical = logo.deviceIndependentSize().toSize();
        QVERIFY(std::abs(logo.width() - logical.width() * ratio) <= 1);
    }
    // The window's icon is the SVG drawn at the size a title bar or a
    // task bar asks for, not the nearest fixed size scaled.
    const QIcon icon = ClockIcon();
    for (const int side : {16, 22, 37}) {
        const qreal ratio = QWidget().devicePixelRatioF();
        const QImage shown = icon.pixmap(QSize(side, side), ratio).toImage();
        const QImage drawn = RenderImage(kIconClock, QSize(side, side), ratio).toImage();
        QCOMPARE(shown.size(), drawn.size());
        QVERIFY2(shown.convertToFormat(QImage::Format_ARGB32) == drawn.convertToFormat(QImage::Format_ARGB32),
                 qPrintable(QString::number(side)));
    }
}

// --- keyboard ---

void TestLooks::aboutBoxOpensOnOk()
{
    Program program(kMissingDevice);
    QVERIFY(program.started);
    CKerovantDlg& window = program.Window();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QWidget* focusAtOpening = nullptr;
    QWidget* ok = nullptr;
    int result = -1;
    WhenModal([&](QWidget* modal) {
        auto* about = qobject_cast<CAboutDlg*>(modal);
        if (!about) {
            modal->close();
            return;
        }
        // The control that gets the keyboard when the box is active.
        focusAtOpening = about->focusWidget();
        ok = about->Control(CAboutDlg::kIdOk);
        connect(about, &QDialog::finished, about, [&](int code) { result = code; });
        // Enter presses the button that has the focus; whatever has it, the
        // box goes (Esc), so the test never waits on it.
        QTest::keyClick(focusAtOpening ? focusAtOpening : about, Qt::Key_Return);
        if (about->isVisible())
            QTest::keyClick(about, Qt::Key_Escape);
    });
    QTest::keyClick(&window, Qt::Key_F1);
    QVERIFY(ok);
    QCOMPARE(focusAtOpening, ok);
    QCOMPARE(result, int(QDialog::Accepted));
    program.app->Shutdown();
}

void TestLooks::tabReachesEveryControl()
{
    Program program(kMissingDevice);
    QVERIFY(program.started);
    CKerovantDlg& window = program.Window();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    using Id = CKerovantDlg::ControlId;
    const Id order[] = {Id::kIdLocalTime,   Id::kIdUtcTime,           Id::kIdTimeCodeStatus,
                        Id::kIdTimeZone,    Id::kIdDaylightSavings,   Id::kIdTimeCodeSettings,
                        Id::kIdSetDateTime, Id::kIdClockHandPosition, Id::kIdIllumination,
                        Id::kIdOk};
    // The window opens on OK; Tab goes round every control once and back.
    QCOMPARE(QApplication::focusWidget(), window.Control(Id::kIdOk));
    for (const Id id : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.Control(id));
    }
    program.app->Shutdown();
}

QTEST_MAIN(TestLooks)
#include "test_Looks.moc"
