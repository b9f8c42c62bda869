// The main window over the mocked USB bridges of BridgeTestbed.h, with the
// program's own bridge list and port watcher: the clock it finds without
// --port, the Connection menu's bridges, a bridge plugged in and pulled out
// through udev's events, and a node the user may not open. Runs under
// umockdev-wrapper; without it every test skips with the reason.

// GLib's headers (umockdev's) come before Qt's, whose "signals" is a macro.
#include "BridgeTestbed.h"

#include "AppSettings.h"
#include "ConnectionMenu.h"
#include "KerovantDlg.h"
#include "WindowConnection.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kTimeoutMs = 5000;
const std::string kBridges = KEROVANT_BRIDGES;
constexpr const char* kNoSerial = "Serial Number:  not available";

QString Label(const CKerovantDlg& window, const char* name)
{
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

// The menu's items: "*" checked, "-" disabled, " " otherwise, then the text.
QStringList Items(const QMenu& menu)
{
    QStringList items;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        const QChar mark = action->isChecked() ? QLatin1Char('*')
            : !action->isEnabled()             ? QLatin1Char('-')
                                               : QLatin1Char(' ');
        items << mark + action->text();
    }
    return items;
}

// The window on "the first USB bridge found", as started without --port.
struct Window {
    Window() : connection(LinkSettings{})
    {
        connection.Start();
        window = std::make_unique<CKerovantDlg>(nullptr, &connection);
        window->show();
    }
    QString Serial() const { return Label(*window, "serialNumber"); }
    QString Cause() const { return Label(*window, "offlineReason"); }

    CWindowConnection connection;
    std::unique_ptr<CKerovantDlg> window;
};

}  // namespace

class TestBridgeWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void firstBridgeFoundAndTheMenu_data();
    void firstBridgeFoundAndTheMenu();
    void pluggedInAndPulledOut();
    void nodeTheUserMayNotOpen();

private:
    QTemporaryDir config_;
};

void TestBridgeWindow::initTestCase()
{
    if (const std::string reason = BridgeTestbedSkipReason(); !reason.empty())
        QSKIP(reason.c_str());
    QVERIFY(config_.isValid());
    // The user's own settings are never touched.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
}

void TestBridgeWindow::init()
{
    QFile::remove(CAppSettings::DefaultFile());
}

void TestBridgeWindow::firstBridgeFoundAndTheMenu_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QStringList>("items");

    const QString ft232r = QStringLiteral(" usb-FTDI_FT232R_USB_UART_A10K1234-if00-port0 (FT232R USB UART)");
    const QString ft230x = QStringLiteral(" usb-FTDI_FT230X_Basic_UART_DK0ABCDE-if00-port0 (FT230X Basic UART)");
    QTest::newRow("two FTDI bridges") << QStringList{QStringLiteral("ft232r-root"), QStringLiteral("ft230x-hub")}
                                      << QStringLiteral("Serial Number:  00010472")
                                      << QStringList{QStringLiteral("*First USB bridge found"), ft232r, ft230x};
    QTest::newRow("a CH340 first") << QStringList{QStringLiteral("ch340"), QStringLiteral("ft230x-hub")}
                                   << QStringLiteral("Serial Number:  00020931")
                                   << QStringList{QStringLiteral("*First USB bridge found"), ft230x};
}

void TestBridgeWindow::firstBridgeFoundAndTheMenu()
{
    QFETCH(QStringList, files);
    QFETCH(QString, serial);
    QFETCH(QStringList, items);

    BridgeTestbed bed;
    for (const QString& file : files)
        QCOMPARE(bed.Load(kBridges, file.toStdString()), std::string());
    // Each node's clock has a serial number of its own.
    QCOMPARE(bed.Attach("/dev/ttyUSB0", 10472), std::string());
    QCOMPARE(bed.Attach("/dev/ttyUSB1", 20931), std::string());

    Window w;
    QTRY_COMPARE_WITH_TIMEOUT(w.Serial(), serial, kTimeoutMs);
    QCOMPARE(w.Cause(), QString());
    w.window->ConnectionMenu()->Rebuild();
    QCOMPARE(Items(*w.window->ConnectionMenu()), items);
}

// udev's add event brings the clock to the window without waiting for its
// offline cycle; the remove event takes it away at once.
void TestBridgeWindow::pluggedInAndPulledOut()
{
    BridgeTestbed bed;
    Window w;
    QTRY_VERIFY_WITH_TIMEOUT(w.Cause().contains(QStringLiteral("No USB bridge found")), kTimeoutMs);

    QCOMPARE(bed.Load(kBridges, "ft232r-root"), std::string());
    QCOMPARE(bed.Attach("/dev/ttyUSB0", 10472), std::string());
    // Well before the window's own retry, 3 s on, would have found it.
    QTRY_COMPARE_WITH_TIMEOUT(w.Serial(), QStringLiteral("Serial Number:  00010472"), 2500);
    QCOMPARE(w.Cause(), QString());

    // The window's own refresh out of the way: the news alone shows it.
    w.window->findChild<QTimer*>(QStringLiteral("refreshTimer"))->setInterval(60 * 60 * 1000);
    const bool hungUp =
        bed.Pull("/dev/ttyUSB0", "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/ttyUSB0/tty/ttyUSB0",
                 "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2",
                 "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K1234-if00-port0", true);
    QTRY_COMPARE_WITH_TIMEOUT(w.Serial(), QString::fromLatin1(kNoSerial), kTimeoutMs);
    if (!hungUp)
        QSKIP("the node could not be hung up as a driver does (TIOCVHANGUP needs CAP_SYS_ADMIN)");
    QVERIFY2(w.Cause().contains(QStringLiteral("/dev/ttyUSB0 was unplugged")), qPrintable(w.Cause()));
}

void TestBridgeWindow::nodeTheUserMayNotOpen()
{
    BridgeTestbed bed;
    QCOMPARE(bed.Load(kBridges, "ft232r-root"), std::string());
    const std::string pty = bed.Backing("/dev/ttyUSB0");
    QVERIFY(!pty.empty());
    // Root may open any node: the window opens it as nobody then, who may
    // not open root's terminal (0600); another user may not open one that
    // grants nothing.
    const bool root = ::geteuid() == 0;
    if (root) {
        // The test bed's folders and the preload's ioctl socket for all.
        QCOMPARE(std::system(("chmod -R a+rwX " + bed.Root()).c_str()), 0);
        QCOMPARE(::chmod(pty.c_str(), 0600), 0);
    } else {
        QCOMPARE(::chmod(pty.c_str(), 0), 0);
    }
    QString cause;
    {
        // Root again however the block ends.
        struct AsNobody {
            explicit AsNobody(bool root) : active(root && ::seteuid(65534) == 0) { }
            ~AsNobody()
            {
                if (active) [[maybe_unused]]
                    const int back = ::seteuid(0);
            }
            const bool active;
        } nobody(root);
        QVERIFY(nobody.active || !root);
        Window w;
        QTRY_VERIFY_WITH_TIMEOUT(w.Cause().contains(QStringLiteral("/dev/ttyUSB0")), kTimeoutMs);
        cause = w.Cause();
        QCOMPARE(w.Serial(), QString::fromLatin1(kNoSerial));
    }
    QVERIFY2(cause.contains(QStringLiteral("only root may read and write it")), qPrintable(cause));
    QVERIFY2(cause.contains(QStringLiteral("70-kerovant.rules")), qPrintable(cause));
}

QTEST_MAIN(TestBridgeWindow)
#include "test_BridgeWindow.moc"
