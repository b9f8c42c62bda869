// Choosing the clock's connection and finding the program as it was left:
// the Connection menu built from a given list of bridges, a choice that
// replaces the device object, and the settings kept under a configuration
// folder of the test's own (XDG_CONFIG_HOME).
#include "AppSettings.h"
#include "ConnectionMenu.h"
#include "KerovantApp.h"
#include "KerovantDlg.h"
#include "SimClock.h"
#include "StatusText.h"

#include "WindowTestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

Q_DECLARE_METATYPE(std::vector<BridgeInfo>)

namespace {

constexpr int kClockTimeoutMs = 5000;
constexpr const char* kMissingDevice = "/dev/kerovant-test-no-such-tty";
constexpr const char* kGoneBridge = "/dev/serial/by-id/usb-Zelvora_TORVEX12_Gone-if00-port0";

const BridgeInfo kBridgeWithById{"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K3-if00-port0",
                                 "FT232R USB UART"};
const BridgeInfo kBridgeBare{"/dev/ttyUSB1", "", ""};

LinkSettings SettingsFor(const std::string& path)
{
    LinkSettings settings;
    SetDeviceName(settings, path);
    return settings;
}

std::string DeviceName(const LinkSettings& settings)
{
    return std::string(settings.deviceName, strnlen(settings.deviceName, sizeof settings.deviceName));
}

// The menu's items as a user reads them: "*" checked, "-" disabled, " "
// otherwise, then the text. Separators are left out.
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

QAction* ItemNamed(const QMenu& menu, const QString& text)
{
    for (QAction* action : menu.actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// A simulated clock behind a by-id link, as udev makes one for a bridge.
struct LinkedClock {
    LinkedClock()
    {
        started = sim.Start();
        link = folder.filePath(QStringLiteral("usb-Zelvora_TORVEX12_ZV1044-if00-port0")).toStdString();
        std::error_code ec;
        std::filesystem::create_symlink(sim.DevicePath(), link, ec);
        started = started && !ec;
    }
    BridgeInfo Bridge() const { return {sim.DevicePath(), link, "TORVEX12 USB Bridge"}; }

    CSimServer sim;
    QTemporaryDir folder;
    std::string link;
    bool started = false;
};

bool Identified(const std::shared_ptr<CClockDevice>& device)
{
    return device && device->IsReady();
}

QString Cause(const CKerovantDlg& window)
{
    return window.findChild<QLabel*>(QStringLiteral("offlineReason"))->text();
}

QString Label(const CKerovantDlg& window, const char* name)
{
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

// A port watcher the test speaks for: Send delivers news as the watcher's
// thread would, while one is alive.
struct FakeWatchers {
    struct Watcher : IPortWatcher {
        Watcher(FakeWatchers& owner, PortEventHandler handler) : owner_(owner)
        {
            std::lock_guard<std::mutex> lock(owner_.mutex);
            owner_.handler = std::move(handler);
            ++owner_.alive;
        }
        ~Watcher() override
        {
            std::lock_guard<std::mutex> lock(owner_.mutex);
            owner_.handler = {};
            --owner_.alive;
        }
        FakeWatchers& owner_;
    };
    PortWatcherMaker Maker()
    {
        return [this](const std::string& path, PortEventHandler handler) {
            wanted = path;
            return std::make_unique<Watcher>(*this, std::move(handler));
        };
    }
    void Send(PortEvent::Kind kind, const std::string& path)
    {
        PortEventHandler copy;
        {
            std::lock_guard<std::mutex> lock(mutex);
            copy = handler;
        }
        std::thread([copy, kind, path] {
            if (copy)
                copy({kind, path});
        }).join();
    }
    std::mutex mutex;
    PortEventHandler handler;
    int alive = 0;
    std::string wanted;
};

}  // namespace

class TestConnection : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    // The menu.
    void menuItems_data();
    void menuItems();
    void itemsNameTheirPath();
    void openingTheMenuReadsTheBridgesAgain();
    void keyboardOpensTheMenu();
    void openMenuFollowsBridgesPluggedIn();

    // Plugging in.
    void clockPluggedInIsShownWithoutWaitingForTheCycle();

    // Choosing.
    void choosingABridgeReplacesTheObjectOnItsPath();
    void choiceMadeWhileAnObjectIsMadeLands();

    // Remembering.
    void choiceAndPositionSavedAndRestored();
    void rememberedBridgeThatIsGoneSaysWhy();
    void portOptionHoldsForOneRun();
    void unusableStoredValuesAreIgnored_data();
    void unusableStoredValuesAreIgnored();
    void positionOffEveryScreenIsIgnored();
    void unwritableSettingsSayNo();

private:
    QTemporaryDir config_;
};

void TestConnection::initTestCase()
{
    QVERIFY(config_.isValid());
    // Before anything asks where the configuration folder is: the user's own
    // is never touched.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
    QVERIFY(CAppSettings::DefaultFile().startsWith(config_.path() + QLatin1Char('/')));
}

void TestConnection::init()
{
    QFile::remove(CAppSettings::DefaultFile());
}

// --- the menu ---

void TestConnection::menuItems_data()
{
    QTest::addColumn<std::vector<BridgeInfo>>("bridges");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("items");

    const QString byIdItem = QStringLiteral("usb-FTDI_FT232R_USB_UART_A10K3-if00-port0 (FT232R USB UART)");
    QTest::newRow("nothing attached") << std::vector<BridgeInfo>{} << QString()
                                      << QStringList{QStringLiteral("*First USB bridge found"),
                                                     QStringLiteral("-No USB bridge found")};
    QTest::newRow("two bridges, the first found in use")
        << std::vector<BridgeInfo>{kBridgeWithById, kBridgeBare} << QString()
        << QStringList{QStringLiteral("*First USB bridge found"), QLatin1Char(' ') + byIdItem,
                       QStringLiteral(" /dev/ttyUSB1")};
    QTest::newRow("--port names a bridge's node")
        << std::vector<BridgeInfo>{kBridgeWithById, kBridgeBare} << QStringLiteral("/dev/ttyUSB0")
        << QStringList{QStringLiteral(" First USB bridge found"), QLatin1Char('*') + byIdItem,
                       QStringLiteral(" /dev/ttyUSB1")};
    QTest::newRow("remembered by-id link attached")
        << std::vector<BridgeInfo>{kBridgeBare, kBridgeWithById} << QString::fromStdString(kBridgeWithById.byIdPath)
        << QStringList{QStringLiteral(" First USB bridge found"), QStringLiteral(" /dev/ttyUSB1"),
                       QLatin1Char('*') + byIdItem};
    QTest::newRow("remembered bridge gone")
        << std::vector<BridgeInfo>{kBridgeBare} << QString::fromLatin1(kGoneBridge)
        << QStringList{QStringLiteral(" First USB bridge found"), QStringLiteral(" /dev/ttyUSB1"),
                       QStringLiteral("*%1 (not found)").arg(QLatin1String(kGoneBridge))};
    QTest::newRow("a device that is no bridge in use")
        << std::vector<BridgeInfo>{} << QStringLiteral("/dev/null")
        << QStringList{QStringLiteral(" First USB bridge found"), QStringLiteral("-No USB bridge found"),
                       QStringLiteral("*/dev/null")};
    // What the device reports is shown, not obeyed: no line break, no bell,
    // and the ampersand is no shortcut.
    QTest::newRow("product string with control characters")
        << std::vector<BridgeInfo>{{"/dev/ttyUSB0", "/dev/serial/by-id/usb-X-if00", "Tom\n& Jerry\a"}} << QString()
        << QStringList{QStringLiteral("*First USB bridge found"), QStringLiteral(" usb-X-if00 (Tom&& Jerry)")};
}

void TestConnection::menuItems()
{
    QFETCH(std::vector<BridgeInfo>, bridges);
    QFETCH(QString, current);
    QFETCH(QStringList, items);

    CWindowConnection connection(SettingsFor(current.toStdString()));
    CConnectionMenu menu(nullptr, &connection);
    menu.SetBridgeLister([&] { return bridges; });
    menu.Rebuild();
    QCOMPARE(Items(menu), items);
    QCOMPARE(menu.title(), QStringLiteral("Connection"));
}

void TestConnection::itemsNameTheirPath()
{
    CWindowConnection connection(SettingsFor(kBridgeBare.devicePath));
    CConnectionMenu menu(nullptr, &connection);
    menu.SetBridgeLister([] { return std::vector<BridgeInfo>{kBridgeWithById, kBridgeBare}; });
    menu.Rebuild();
    QSignalSpy chosen(&menu, &CConnectionMenu::chosen);

    // The by-id link is what is chosen for a bridge that has one: it names
    // the same bridge tomorrow, whatever ttyUSB number it gets.
    QAction* byId = ItemNamed(menu, CConnectionMenu::ItemText(kBridgeWithById));
    QVERIFY(byId);
    QCOMPARE(byId->toolTip(), QStringLiteral("/dev/ttyUSB0"));
    byId->trigger();
    ItemNamed(menu, QStringLiteral("First USB bridge found"))->trigger();
    // The item in use again: nothing to do.
    ItemNamed(menu, QStringLiteral("/dev/ttyUSB1"))->trigger();
    QCOMPARE(chosen.count(), 2);
    QCOMPARE(chosen[0][0].toString(), QString::fromStdString(kBridgeWithById.byIdPath));
    QCOMPARE(chosen[1][0].toString(), QString());
}

void TestConnection::openingTheMenuReadsTheBridgesAgain()
{
    CWindowConnection connection(SettingsFor(""));
    CConnectionMenu menu(nullptr, &connection);
    int reads = 0;
    std::vector<BridgeInfo> attached;
    menu.SetBridgeLister([&] {
        ++reads;
        return attached;
    });
    for (int opening = 1; opening <= 2; ++opening) {
        menu.popup(QPoint(10, 10));
        QTRY_VERIFY_WITH_TIMEOUT(menu.isVisible(), kClockTimeoutMs);
        QCOMPARE(reads, opening);
        QCOMPARE(Items(menu).size(), 2);
        QCOMPARE(Items(menu).last(),
                 opening == 1 ? QStringLiteral("-No USB bridge found") : QStringLiteral(" /dev/ttyUSB1"));
        menu.close();
        // Plugged in while the menu was closed.
        attached = {kBridgeBare};
    }
}

void TestConnection::openMenuFollowsBridgesPluggedIn()
{
    CWindowConnection connection(SettingsFor(""));
    CConnectionMenu menu(nullptr, &connection);
    FakeWatchers watchers;
    menu.SetPortWatcherMaker(watchers.Maker());
    std::vector<BridgeInfo> attached;
    menu.SetBridgeLister([&] { return attached; });
    menu.popup(QPoint(10, 10));
    QTRY_VERIFY_WITH_TIMEOUT(menu.isVisible(), kClockTimeoutMs);
    QCOMPARE(watchers.alive, 1);
    QCOMPARE(watchers.wanted, std::string());  // every bridge, not only the chosen one

    attached = {kBridgeBare};
    watchers.Send(PortEvent::Kind::Appeared, kBridgeBare.devicePath);
    QTRY_COMPARE_WITH_TIMEOUT(Items(menu).last(), QStringLiteral(" /dev/ttyUSB1"), kClockTimeoutMs);
    attached.clear();
    watchers.Send(PortEvent::Kind::Vanished, kBridgeBare.devicePath);
    QTRY_COMPARE_WITH_TIMEOUT(Items(menu).last(), QStringLiteral("-No USB bridge found"), kClockTimeoutMs);
    menu.close();
    QCOMPARE(watchers.alive, 0);  // nothing watched while the menu is closed
}

// A clock plugged in behind the path the window wants: the port's news
// makes the new object (not the window's 16th offline refresh), the cause
// line gives way to the clock's status, and pulling it out shows offline
// as soon as the news is in.
void TestConnection::clockPluggedInIsShownWithoutWaitingForTheCycle()
{
    QTemporaryDir folder;
    const std::string link = folder.filePath(QStringLiteral("clock")).toStdString();
    CWindowConnection connection(SettingsFor(link));
    FakeWatchers watchers;
    connection.SetPortWatcherMaker(watchers.Maker());
    connection.Start();
    QCOMPARE(watchers.wanted, link);
    CKerovantDlg window(nullptr, &connection);
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(Cause(window).contains(QStringLiteral("does not exist")), kClockTimeoutMs);

    CSimServer sim;
    sim.SetLinkPath(link);
    QVERIFY(sim.Start());
    QSignalSpy replaced(&window, &CKerovantDlg::deviceReplaced);
    watchers.Send(PortEvent::Kind::Appeared, link);
    watchers.Send(PortEvent::Kind::Appeared, link);  // one plug, two events
    QVERIFY(replaced.wait(kClockTimeoutMs));
    // The cause line follows on the window's next look at the new object.
    QTRY_VERIFY_WITH_TIMEOUT(!Cause(window).contains(QStringLiteral("does not exist")), kClockTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(Label(window, "serialNumber") != QStringLiteral("Serial Number:  not available"),
                             kClockTimeoutMs);
    QCOMPARE(connection.Connection().HotPlugReplacements(), 1u);
    QCOMPARE(connection.Connection().Generation(), 2u);
    QVERIFY(Cause(window).isEmpty());

    window.findChild<QTimer*>(QStringLiteral("refreshTimer"))->setInterval(60 * 60 * 1000);
    QSignalSpy news(&connection, &CWindowConnection::portChanged);
    sim.Unplug();
    watchers.Send(PortEvent::Kind::Vanished, link);
    QVERIFY(news.wait(kClockTimeoutMs));
    QCOMPARE(Label(window, "serialNumber"), QStringLiteral("Serial Number:  not available"));
    QVERIFY(Cause(window).contains(QStringLiteral("unplugged")));
}

void TestConnection::keyboardOpensTheMenu()
{
    // The menu key is the window system's to turn into a context menu;
    // Shift+F10, for keyboards without one, is the window's.
    CWindowConnection connection(SettingsFor(kMissingDevice));
    connection.Start();
    CKerovantDlg window(nullptr, &connection);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.focusWidget());

    QStringList offered;
    WhenPopup([&](QWidget* popup) {
        if (auto* menu = qobject_cast<QMenu*>(popup)) {
            for (const QAction* action : menu->actions()) {
                if (!action->isSeparator())
                    offered << action->text();
            }
        }
        popup->close();
    });
    QTest::keyClick(window.focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY_WITH_TIMEOUT(!offered.isEmpty(), kClockTimeoutMs);
    QCOMPARE(offered,
             (QStringList{QStringLiteral("Connection"), QStringLiteral("Save Link Trace..."),
                          QStringLiteral("&About Quintelle Configuration Utility...")}));
}

// --- choosing ---

void TestConnection::choosingABridgeReplacesTheObjectOnItsPath()
{
    LinkedClock clock;
    QVERIFY(clock.started);
    CWindowConnection connection(SettingsFor(kMissingDevice));
    connection.Start();
    CKerovantDlg window(nullptr, &connection);
    window.ConnectionMenu()->SetBridgeLister([&] { return std::vector<BridgeInfo>{clock.Bridge()}; });
    window.ConnectionMenu()->Rebuild();
    QSignalSpy replaced(&window, &CKerovantDlg::deviceReplaced);
    QSignalSpy chosen(&window, &CKerovantDlg::connectionChosen);

    QAction* item = ItemNamed(*window.ConnectionMenu(), CConnectionMenu::ItemText(clock.Bridge()));
    QVERIFY(item);
    item->trigger();
    QVERIFY(replaced.wait(kClockTimeoutMs));
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen[0][0].toString(), QString::fromStdString(clock.link));
    QCOMPARE(DeviceName(connection.CurrentLinkSettings()), clock.link);
    QCOMPARE(window.Device()->GetDevicePath(), clock.link);
    QTRY_VERIFY_WITH_TIMEOUT(Identified(window.Device()), kClockTimeoutMs);
    window.Refresh();
    QCOMPARE(window.windowTitle(), QStringLiteral("TORVEX - Set"));

    // Choosing it again leaves the working connection alone.
    window.ConnectionMenu()->Rebuild();
    const uint64_t generation = connection.Connection().Generation();
    ItemNamed(*window.ConnectionMenu(), CConnectionMenu::ItemText(clock.Bridge()))->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(connection.Connection().Generation(), generation);
    QVERIFY(!connection.ReplacementPending());
    QCOMPARE(chosen.count(), 1);
}

void TestConnection::choiceMadeWhileAnObjectIsMadeLands()
{
    LinkedClock clock;
    QVERIFY(clock.started);
    // A maker that notes the device of each object and holds the second
    // one until the test lets it go.
    std::mutex mutex;
    std::condition_variable wake;
    std::vector<std::string> made;
    bool letGo = false;
    CWindowConnection connection(
        [&](const LinkSettings& settings, LinkMessageHandler handler, std::shared_ptr<ILinkObserver> observer) {
            std::unique_lock<std::mutex> lock(mutex);
            made.push_back(DeviceName(settings));
            wake.notify_all();
            if (made.size() == 2)
                wake.wait(lock, [&] { return letGo; });
            lock.unlock();
            return std::make_shared<CClockDevice>(settings, std::move(handler), std::move(observer));
        },
        SettingsFor(kMissingDevice));
    connection.Start();
    CKerovantDlg window(nullptr, &connection);

    // The window replaces its offline object; while the new one is being
    // made on the old settings, the user chooses the clock.
    window.ReplaceDevice();
    {
        std::unique_lock<std::mutex> lock(mutex);
        QVERIFY(wake.wait_for(lock, std::chrono::milliseconds(kClockTimeoutMs), [&] { return made.size() == 2; }));
    }
    window.ChooseConnection(QString::fromStdString(clock.link));
    {
        std::lock_guard<std::mutex> lock(mutex);
        letGo = true;
        wake.notify_all();
    }
    // The object made on the old settings is followed by one on the chosen
    // device, without waiting for the clock to go offline.
    QTRY_VERIFY_WITH_TIMEOUT(window.Device() && window.Device()->GetDevicePath() == clock.link, kClockTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(Identified(window.Device()), kClockTimeoutMs);
    std::lock_guard<std::mutex> lock(mutex);
    QCOMPARE(made, (std::vector<std::string>{kMissingDevice, kMissingDevice, clock.link}));
}

// --- remembering ---

void TestConnection::choiceAndPositionSavedAndRestored()
{
    LinkedClock clock;
    QVERIFY(clock.started);
    AppOptions options;
    options.settingsFile = CAppSettings::DefaultFile();
    const QPoint where(140, 90);
    {
        // First run: nothing remembered, so the first USB bridge found.
        CKerovantApp app(options);
        QVERIFY(app.Start());
        QCOMPARE(DeviceName(app.Settings()), std::string());
        app.MainWindow()->ChooseConnection(QString::fromStdString(clock.link));
        QCOMPARE(DeviceName(app.Settings()), clock.link);
        QCOMPARE(CAppSettings(options.settingsFile).Connection(), std::optional<std::string>(clock.link));
        app.MainWindow()->move(where);
        WhenModal([](QWidget* modal) { modal->close(); });
        app.RunMainWindow();
        app.Shutdown();
    }
    QVERIFY(QFile::exists(QDir(config_.path()).filePath(QStringLiteral("kerovant/kerovant.conf"))));
    QCOMPARE(CAppSettings(options.settingsFile).WindowPosition(), std::optional<QPoint>(where));

    // Next run: the same clock, the window where it was.
    CKerovantApp app(options);
    QVERIFY(app.Start());
    QCOMPARE(DeviceName(app.Settings()), clock.link);
    QCOMPARE(app.Device()->GetDevicePath(), clock.link);
    QPoint shownAt;
    bool identified = false;
    WhenModal([&](QWidget* modal) {
        shownAt = modal->pos();
        identified = QTest::qWaitFor([&] { return Identified(app.Device()); }, kClockTimeoutMs);
        modal->close();
    });
    app.RunMainWindow();
    QCOMPARE(shownAt, where);
    QVERIFY(identified);
    app.Shutdown();
}

void TestConnection::rememberedBridgeThatIsGoneSaysWhy()
{
    QVERIFY(CAppSettings(CAppSettings::DefaultFile()).SetConnection(kGoneBridge));
    AppOptions options;
    options.settingsFile = CAppSettings::DefaultFile();
    CKerovantApp app(options);
    QVERIFY(app.Start());
    CKerovantDlg& window = *app.MainWindow();
    const QString cause = QString::fromStdString(DescribePortState(PortState::NoBridge, kGoneBridge));

    // Never another clock: the remembered device is what is opened, on the
    // first object and on every replacement, and the window says why.
    QSignalSpy replaced(&window, &CKerovantDlg::deviceReplaced);
    for (int round = 0; round < 2; ++round) {
        QTRY_VERIFY_WITH_TIMEOUT(window.Device(), kClockTimeoutMs);
        QCOMPARE(window.Device()->GetDevicePath(), std::string(kGoneBridge));
        window.Refresh();
        QCOMPARE(window.Control(CKerovantDlg::kIdUtcTime)->property("text").toString(), QLatin1String(kOfflineText));
        QCOMPARE(Cause(window), cause);
        for (int refresh = 1; refresh < 16; ++refresh)
            window.Refresh();
        QTRY_COMPARE_WITH_TIMEOUT(replaced.count(), round + 1, kClockTimeoutMs);
    }
    app.Shutdown();
}

void TestConnection::portOptionHoldsForOneRun()
{
    LinkedClock clock;
    QVERIFY(clock.started);
    QVERIFY(CAppSettings(CAppSettings::DefaultFile()).SetConnection(kGoneBridge));
    AppOptions options;
    options.settingsFile = CAppSettings::DefaultFile();
    options.port = clock.sim.DevicePath();
    {
        CKerovantApp app(options);
        QVERIFY(app.Start());
        QCOMPARE(app.Device()->GetDevicePath(), clock.sim.DevicePath());
        // The menu shows the device in use.
        app.MainWindow()->ConnectionMenu()->SetBridgeLister([&] { return std::vector<BridgeInfo>{clock.Bridge()}; });
        app.MainWindow()->ConnectionMenu()->Rebuild();
        QVERIFY(Items(*app.MainWindow()->ConnectionMenu())
                    .contains(QLatin1Char('*') + CConnectionMenu::ItemText(clock.Bridge())));
        app.Shutdown();
    }
    QCOMPARE(CAppSettings(CAppSettings::DefaultFile()).Connection(), std::optional<std::string>(kGoneBridge));
}

void TestConnection::unusableStoredValuesAreIgnored_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("relative device path") << "connection/device" << QVariant(QStringLiteral("ttyUSB0"));
    QTest::newRow("path too long") << "connection/device"
                                   << QVariant(QLatin1Char('/') + QString(300, QLatin1Char('x')));
    QTest::newRow("position that is no point") << "window/position" << QVariant(QStringLiteral("left of centre"));
}

void TestConnection::unusableStoredValuesAreIgnored()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    {
        QSettings file(CAppSettings::DefaultFile(), QSettings::IniFormat);
        file.setValue(key, stored);
    }
    const CAppSettings settings(CAppSettings::DefaultFile());
    QVERIFY(!settings.Connection());
    QVERIFY(!settings.WindowPosition());

    // The program starts as if nothing had been stored.
    AppOptions options;
    options.settingsFile = CAppSettings::DefaultFile();
    CKerovantApp app(options);
    QVERIFY(app.Start());
    QCOMPARE(DeviceName(app.Settings()), std::string());
    app.Shutdown();
}

void TestConnection::positionOffEveryScreenIsIgnored()
{
    // Stored on a monitor that has since been unplugged.
    QVERIFY(CAppSettings(CAppSettings::DefaultFile()).SetWindowPosition(QPoint(5000, 4000)));
    AppOptions options;
    options.port = kMissingDevice;
    options.settingsFile = CAppSettings::DefaultFile();
    CKerovantApp app(options);
    QVERIFY(app.Start());
    bool onScreen = false;
    WhenModal([&](QWidget* modal) {
        onScreen = modal->screen()->availableGeometry().intersects(modal->frameGeometry());
        modal->close();
    });
    app.RunMainWindow();
    QVERIFY(onScreen);
    app.Shutdown();
}

void TestConnection::unwritableSettingsSayNo()
{
    // The folder cannot be made: a file stands where it would go (this holds
    // even for root, unlike a folder without write permission).
    QTemporaryDir scratch;
    const QString blocker = scratch.filePath(QStringLiteral("kerovant"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    CAppSettings settings(scratch.filePath(QStringLiteral("kerovant/kerovant.conf")));
    QVERIFY(!settings.SetConnection("/dev/ttyUSB0"));
    QVERIFY(!settings.SetWindowPosition(QPoint(1, 2)));
    // Keeping nothing is no failure.
    QVERIFY(CAppSettings().SetConnection("/dev/ttyUSB0"));
    QVERIFY(!CAppSettings().Connection());
}

QTEST_MAIN(TestConnection)
#include "test_Connection.moc"
