// The main window and the application's start and shutdown, against the
// simulated clock on a pseudo-terminal (the whole real stack in between).
#include "ClockCodec.h"
#include "ClockOffset.h"
#include "DialogUnits.h"
#include "EventLoopWait.h"
#include "ModalSeam.h"
#include "KerovantApp.h"
#include "KerovantDlg.h"
#include "AboutDlg.h"
#include "LinkTiming.h"
#include "SimClock.h"
#include "StatusText.h"
#include "Strings.h"
#include "Translations.h"
#include "WindowTestSupport.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

constexpr int kClockTimeoutMs = 5000;
constexpr const char* kMissingDevice = "/dev/kerovant-test-no-such-tty";
// 2011-06-15 12:00:00 on the clock's scale.
constexpr uint32_t kJune15Noon2011 = 3517128000u;

int ThreadCount()
{
    return static_cast<int>(
        QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

QString Text(QWidget* control)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    return {};
}

// A main window on a connection, the way the application sets them up.
struct Rig {
    explicit Rig(const std::string& path)
    {
        SetDeviceName(settings, path);
        connection = std::make_unique<CWindowConnection>(settings);
        connection->Start();
        window = std::make_unique<CKerovantDlg>(nullptr, connection.get());
    }
    ~Rig()
    {
        window.reset();
        connection.reset();
    }
    QString Show(int id) const { return Text(window->Control(id)); }
    QString Cause() const { return window->findChild<QLabel*>(QStringLiteral("offlineReason"))->text(); }

    LinkSettings settings;
    std::unique_ptr<CWindowConnection> connection;
    std::unique_ptr<CKerovantDlg> window;
};

// A simulated clock with a main window on it. prepare sets the clock up
// before the device object first talks to it.
struct SimRig {
    explicit SimRig(const SimIdentity& identity, const std::function<void(CSimClock&)>& prepare = {})
    {
        sim.Clock().SetIdentity(identity);
        if (prepare)
            prepare(sim.Clock());
        started = sim.Start();
        rig = std::make_unique<Rig>(sim.DevicePath());
    }
    // Identified, and the time code status read by a poll.
    bool WaitIdentified()
    {
        return QTest::qWaitFor(
            [this] {
                const std::shared_ptr<CClockDevice> device = rig->window->Device();
                return device && device->IsReady() && device->GetPollCount() > 0;
            },
            kClockTimeoutMs);
    }
    QMessageBox* VisibleMessage() const
    {
        const auto boxes = rig->window->findChildren<QMessageBox*>();
        for (QMessageBox* box : boxes) {
            if (box->isVisible())
                return box;
        }
        return nullptr;
    }

    CSimServer sim;
    bool started = false;
    std::unique_ptr<Rig> rig;
};

// Ways a user closes the main window.
enum CloseWay { kOkButton, kEnter, kEscape, kCloseBox };

}  // namespace

class TestKerovantDlg : public QObject {
    Q_OBJECT

private slots:
    void init();

    // Title.
    void titleFollowsIdentifiedProduct_data();
    void titleFollowsIdentifiedProduct();
    void unidentifiedTitleAndAboutInTheLanguage_data();
    void unidentifiedTitleAndAboutInTheLanguage();

    // Ready texts.
    void readyTexts_data();
    void readyTexts();
    void sliderShowsEachDeviceObjectsLevel();
    void sliderDisabledWithoutIllumination();
    void clockOffsetLine_data();
    void clockOffsetLine();
    void readAloudAsShownInTheLanguage_data();
    void readAloudAsShownInTheLanguage();

    // Offline.
    void offlineTextsShowAtOnce_data();
    void offlineTextsShowAtOnce();
    void unpluggedClockNamesTheCause();
    void replacesDeviceEvery16thOfflineRefresh();
    void faultedClockIsBackAfterOneReplacement();
    void notReadyTicksKeepTextsAndCount();
    void messageBoxWaitsForUserAndClosesWithItsDevice();
    void windowGoneReleasesWaitingLink();
    void identificationFailureIsNotRepeatedWithinOneOutage();
    void closingTheWindowClosesTheLinkMessage();
    void swappedClockStartsUnidentified();
    void waitForClockKeepsPaintingAndTakesNoInput();

    // Application start and shutdown.
    void shutdownFreesTheLatestDeviceOnce();
    void replacementStaysOffTheWindowThread();
    void shutdownCollectsReplacementOnItsWay();
    void demoIdentifiesSimulatedClock();
    void everyWayOfClosingEndsTheWindow_data();
    void everyWayOfClosingEndsTheWindow();

    // About item, layout.
    void aboutItemOpensAboutBox();
    void dialogUnitsFollowTheFont();
    void noTextClipsAtAnyFontSize_data();
    void noTextClipsAtAnyFontSize();
};

void TestKerovantDlg::init()
{
    g_productIndex = kNoProduct;
    g_protocolVersion = 1;
}

// --- title ---

void TestKerovantDlg::titleFollowsIdentifiedProduct_data()
{
    QTest::addColumn<int>("familyId");
    QTest::addColumn<QString>("title");
    QTest::newRow("no clock") << -1 << "Clock Control";
    QTest::newRow("family 0x0150") << 0x0150 << "TORVEX - Set";
    QTest::newRow("family 0x0350") << 0x0350 << "QVR-Set";
    QTest::newRow("unknown family") << 0x0999 << "Clock Control";
}

void TestKerovantDlg::titleFollowsIdentifiedProduct()
{
    QFETCH(int, familyId);
    QFETCH(QString, title);
    if (familyId < 0) {
        Rig rig(kMissingDevice);
        rig.window->show();
        QCOMPARE(rig.window->windowTitle(), QStringLiteral("Clock Control"));
        rig.window->Refresh();
        QCOMPARE(rig.window->windowTitle(), title);
        return;
    }
    SimIdentity identity;
    identity.familyId = static_cast<uint16_t>(familyId);
    SimRig sim(identity);
    QVERIFY(sim.started);
    QVERIFY(sim.WaitIdentified());
    sim.rig->window->Refresh();
    QCOMPARE(sim.rig->window->windowTitle(), title);
}

void TestKerovantDlg::unidentifiedTitleAndAboutInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("product");  // the About box's product line
    QTest::newRow("C") << QString() << "Clock Control"
                       << "Clock Configuration Utility";
    QTest::newRow("de") << QStringLiteral("de") << "Uhrensteuerung"
                        << "Uhren-Konfigurationsprogramm";
}

void TestKerovantDlg::unidentifiedTitleAndAboutInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(QString, product);
    QVERIFY(LoadLanguage(language));
    struct English {
        ~English() { LoadLanguage(QString()); }
    } english;
    Rig rig(kMissingDevice);
    rig.window->show();
    QCOMPARE(rig.window->windowTitle(), title);
    rig.window->Refresh();
    QCOMPARE(rig.window->windowTitle(), title);
    CScopedModalAnswers answers;
    QString shown;
    answers.SetDialogRunner([&](QDialog& dialog) {
        shown = Text(static_cast<CAboutDlg&>(dialog).Control(CAboutDlg::kIdProductTitle));
        return int(QDialog::Accepted);
    });
    rig.window->ShowAbout();
    QCOMPARE(shown, product);
}

// --- ready texts ---

void TestKerovantDlg::readyTexts_data()
{
    QTest::addColumn<uint>("serial");
    QTest::addColumn<int>("firmwareMajor");
    QTest::addColumn<int>("firmwareMinor");
    QTest::addColumn<int>("firmwareBuild");
    QTest::addColumn<int>("timeCodeType");
    QTest::addColumn<int>("smpteFrameMax");
    QTest::addColumn<QString>("serialText");
    QTest::addColumn<QString>("firmwareText");
    QTest::addColumn<QString>("timeCodeText");

    QTest::newRow("serial 1234, SMPTE 30") << 1234u << 1 << 3 << 0 << 1 << 29 << "Serial Number:  00001234"
                                           << "Firmware Version:  1.3.0"
                                           << "SMPTE 30 fps";
    QTest::newRow("serial 99,999,999, SMPTE 25") << 99999999u << 1 << 3 << 0 << 1 << 24 << "Serial Number:  99999999"
                                                 << "Firmware Version:  1.3.0"
                                                 << "SMPTE 25 fps";
    QTest::newRow("serial 100,000,000, no time code")
        << 100000000u << 1 << 3 << 0 << 0 << 29 << "Serial Number:  0x05F5E100"
        << "Firmware Version:  1.3.0"
        << "No time code";
    QTest::newRow("IRIG-B pulse width") << 10472u << 2 << 10 << 255 << 16 << 0 << "Serial Number:  00010472"
                                        << "Firmware Version:  2.10.255"
                                        << "IRIG-B : pulse width modulated";
    QTest::newRow("IRIG-B amplitude") << 0u << 0 << 9 << 1 << 32 << 0 << "Serial Number:  00000000"
                                      << "Firmware Version:  0.9.1"
                                      << "IRIG-B(1) : amplitude modulated";
    QTest::newRow("unknown kind 2") << 0xFFFFFFFFu << 1 << 3 << 0 << 2 << 29 << "Serial Number:  0xFFFFFFFF"
                                    << "Firmware Version:  1.3.0"
                                    << "Unknown time code";
}

void TestKerovantDlg::readyTexts()
{
    QFETCH(uint, serial);
    QFETCH(int, firmwareMajor);
    QFETCH(int, firmwareMinor);
    QFETCH(int, firmwareBuild);
    QFETCH(int, timeCodeType);
    QFETCH(int, smpteFrameMax);
    QFETCH(QString, serialText);
    QFETCH(QString, firmwareText);
    QFETCH(QString, timeCodeText);

    SimIdentity identity;
    identity.serialNumber = serial;
    identity.firmware = {static_cast<uint8_t>(firmwareMajor), static_cast<uint8_t>(firmwareMinor),
                         static_cast<uint8_t>(firmwareBuild)};
    identity.timeCodeType = static_cast<uint8_t>(timeCodeType);
    identity.smpteFrameMax = static_cast<uint8_t>(smpteFrameMax);
    SimRig sim(identity, [](CSimClock& clock) {
        // The clock's local time is an hour ahead of its UTC.
        ClockConfig config = clock.Config();
        config.biasPositive = 1;
        config.biasSeconds = 3600;
        clock.SetConfig(config);
        clock.SetUtc({1, 0, kJune15Noon2011, 0});
    });
    QVERIFY(sim.started);
    QVERIFY(sim.WaitIdentified());

    Rig& rig = *sim.rig;
    rig.window->Refresh();
    QCOMPARE(rig.Show(CKerovantDlg::kIdSerialNumber), serialText);
    QCOMPARE(rig.Show(CKerovantDlg::kIdFirmwareVersion), firmwareText);
    QCOMPARE(rig.Show(CKerovantDlg::kIdTimeCodeStatus), timeCodeText);
    // The clock's time runs on while the test looks; the seconds may have
    // moved a little.
    const QRegularExpression utc(QStringLiteral("^06-15-2011  12:00:0[0-9]$"));
    const QRegularExpression local(QStringLiteral("^06-15-2011  13:00:0[0-9]$"));
    QVERIFY2(utc.match(rig.Show(CKerovantDlg::kIdUtcTime)).hasMatch(), qPrintable(rig.Show(CKerovantDlg::kIdUtcTime)));
    QVERIFY2(local.match(rig.Show(CKerovantDlg::kIdLocalTime)).hasMatch(),
             qPrintable(rig.Show(CKerovantDlg::kIdLocalTime)));
    QVERIFY(rig.window->findChild<QLabel*>(QStringLiteral("offlineReason"))->text().isEmpty());
    // No cause, no line: nothing for a screen reader to stop at.
    QVERIFY(rig.window->findChild<QLabel*>(QStringLiteral("offlineReason"))->isHidden());
    QCOMPARE(rig.connection->Connection().OfflineReplacement().Looks(), 0);
}

void TestKerovantDlg::sliderShowsEachDeviceObjectsLevel()
{
    // Firmware 1.3.0: the configuration carries the illumination.
    SimRig sim(SimIdentity{}, [](CSimClock& clock) {
        ClockConfig config = clock.Config();
        config.illumination = 9;
        clock.SetConfig(config);
    });
    QVERIFY(sim.started);

    CKerovantDlg& window = *sim.rig->window;
    auto* slider = qobject_cast<QSlider*>(window.Control(CKerovantDlg::kIdIllumination));
    QVERIFY(slider);
    QCOMPARE(slider->minimum(), 0);
    QCOMPARE(slider->maximum(), 12);
    QSignalSpy moved(slider, &QSlider::valueChanged);
    window.show();
    QVERIFY(sim.WaitIdentified());
    window.Refresh();
    QCOMPARE(slider->value(), 9);
    // Loading the slider is not a change the user made.
    QCOMPARE(moved.count(), 0);

    // A level set at the clock meanwhile is not followed by the same
    // object ...
    ClockConfig config = sim.sim.Clock().Config();
    config.illumination = 3;
    sim.sim.Clock().SetConfig(config);
    QVERIFY(QTest::qWaitFor([&] { return window.Device()->GetPollCount() > 2; }, kClockTimeoutMs));
    window.Refresh();
    QCOMPARE(slider->value(), 9);

    // ... but a new device object (the clock swapped on the port, another
    // bridge chosen) shows its clock's level.
    QSignalSpy replaced(&window, &CKerovantDlg::deviceReplaced);
    window.ReplaceDevice();
    QVERIFY(replaced.wait(kClockTimeoutMs));
    QVERIFY(sim.WaitIdentified());
    QCOMPARE(window.Device()->GetIllumination(), uint8_t{3});
    window.Refresh();
    QCOMPARE(slider->value(), 3);
    QCOMPARE(moved.count(), 0);

    // So does the next opening.
    config.illumination = 5;
    sim.sim.Clock().SetConfig(config);
    window.done(QDialog::Accepted);
    window.ReplaceDevice();
    QVERIFY(replaced.wait(kClockTimeoutMs));
    QVERIFY(sim.WaitIdentified());
    window.show();
    window.Refresh();
    QCOMPARE(slider->value(), 5);
}

void TestKerovantDlg::sliderDisabledWithoutIllumination()
{
    // Firmware 1.2.0 speaks protocol version 1: no illumination level.
    SimIdentity identity;
    identity.firmware = {1, 2, 0};
    SimRig sim(identity);
    QVERIFY(sim.started);
    QVERIFY(sim.WaitIdentified());
    CKerovantDlg& window = *sim.rig->window;
    window.Refresh();
    QWidget* slider = window.Control(CKerovantDlg::kIdIllumination);
    QWidget* label = window.Control(CKerovantDlg::kIdIlluminationLabel);
    QVERIFY(!slider->isEnabled());
    QVERIFY(!label->isEnabled());
    const QString why = slider->toolTip();
    QVERIFY2(why.contains(QLatin1String("1.2.0")) && why.contains(QLatin1String("protocol version 1")),
             qPrintable(why));
    QCOMPARE(label->toolTip(), why);
    QCOMPARE(slider->accessibleDescription(), why);

    // The same window on a clock that has it.
    identity.firmware = {1, 3, 0};
    sim.sim.Clock().SetIdentity(identity);
    QSignalSpy replaced(&window, &CKerovantDlg::deviceReplaced);
    window.ReplaceDevice();
    QVERIFY(replaced.wait(kClockTimeoutMs));
    QVERIFY(sim.WaitIdentified());
    window.Refresh();
    QVERIFY(slider->isEnabled() && label->isEnabled());
    QVERIFY(slider->toolTip().isEmpty());
}

void TestKerovantDlg::clockOffsetLine_data()
{
    QTest::addColumn<int>("offsetMs");
    QTest::addColumn<bool>("wholeSeconds");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("warns");
    QTest::newRow("on time") << 0 << false << R"(^Clock vs this computer: [+-]0\.0[0-4]\d s$)" << false;
    QTest::newRow("0.8 s behind") << -800 << false << R"(^Clock vs this computer: -0\.[78]\d\d s$)" << true;
    QTest::newRow("12 s ahead") << 12000 << false << R"(^Clock vs this computer: \+12\.0 s$)" << true;
    QTest::newRow("whole seconds, on time") << 0 << true << R"(^Clock vs this computer: about [+-]0\.0\d s$)" << false;
    QTest::newRow("whole seconds, 12 s ahead")
        << 12000 << true << R"(^Clock vs this computer: about \+12\.0 s$)" << true;
}

void TestKerovantDlg::clockOffsetLine()
{
    QFETCH(int, offsetMs);
    QFETCH(bool, wholeSeconds);
    QFETCH(QString, pattern);
    QFETCH(bool, warns);
    SimRig sim(SimIdentity{}, [&](CSimClock& clock) {
        clock.SetTiming(SimTiming{wholeSeconds, kLineBaudRate});
        clock.SetUtcOffset(std::chrono::milliseconds(offsetMs));
    });
    QVERIFY(sim.started);
    CKerovantDlg& window = *sim.rig->window;
    auto* line = window.findChild<QLabel*>(QStringLiteral("clockOffset"));
    QVERIFY(line);
    window.Refresh();
    QVERIFY2(line->isHidden(), "nothing to show before the clock answers");
    QVERIFY(sim.WaitIdentified());
    const QColor plain = window.palette().color(QPalette::WindowText);

    // It says "measuring" until the readings give a figure (a step of the
    // seconds, for a clock without fractions).
    const QRegularExpression expected(pattern);
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     window.Refresh();
                     return expected.match(line->text()).hasMatch();
                 },
                 kClockTimeoutMs),
             qPrintable(line->text()));
    QVERIFY(!line->isHidden());
    QCOMPARE(line->accessibleName(), line->text());
    QCOMPARE(line->palette().color(QPalette::WindowText) != plain, warns);
    QCOMPARE(!line->accessibleDescription().isEmpty(), warns);

    // Hidden while the clock is offline.
    sim.sim.Unplug();
    QVERIFY(QTest::qWaitFor(
        [&] {
            window.Refresh();
            return line->isHidden();
        },
        kClockTimeoutMs));
}

// What a screen reader reads, in each language: the times and the offset
// in the language's formats, value included, and no control without a name.
// A row per language (the date in its order, the offset with its decimal
// separator).
void TestKerovantDlg::readAloudAsShownInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("utc");     // read from 2011-06-15 12:00:0x UTC
    QTest::addColumn<QString>("offset");  // a clock 12 s ahead
    QTest::addColumn<QString>("serial");
    const QChar nb(0xA0);
    QTest::newRow("C") << QString() << R"(^UTC Time: 06-15-2011  12:00:0\d$)"
                       << "Clock vs this computer: +12.0 s"
                       << "Serial Number:  00001234";
    QTest::newRow("de") << QStringLiteral("de") << R"(^UTC-Zeit: 15\.06\.2011  12:00:0\d$)"
                        << QStringLiteral("Uhr gegenüber diesem Computer: +12,0 s")
                        << QStringLiteral("Seriennummer:  00001234");
    QTest::newRow("fr") << QStringLiteral("fr") << QStringLiteral(R"(^Heure UTC\x{a0}: 15/06/2011  12:00:0\d$)")
                        << QStringLiteral("Horloge par rapport à cet ordinateur%1: +12,0 s").arg(nb)
                        << QStringLiteral("Numéro de série%1:  00001234").arg(nb);
    QTest::newRow("es") << QStringLiteral("es") << QStringLiteral(R"(^Hora UTC: 15/6/2011  12:00:0\d$)")
                        << QStringLiteral("Reloj frente a este equipo: +12,0 s")
                        << QStringLiteral("Número de serie:  00001234");
}

void TestKerovantDlg::readAloudAsShownInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, utc);
    QFETCH(QString, offset);
    QFETCH(QString, serial);
    QVERIFY(LoadLanguage(language));
    struct English {
        ~English() { LoadLanguage(QString()); }
    } english;
    const auto name = [](QWidget* control) {
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
        return reader ? reader->text(QAccessible::Name) : QString();
    };
    SimIdentity identity;
    identity.serialNumber = 1234;
    {
        SimRig sim(identity, [](CSimClock& clock) { clock.SetUtc({1, 0, kJune15Noon2011, 0}); });
        QVERIFY(sim.started);
        QVERIFY(sim.WaitIdentified());
        CKerovantDlg& window = *sim.rig->window;
        window.show();
        window.Refresh();
        const QString utcName = name(window.Control(CKerovantDlg::kIdUtcTime));
        QVERIFY2(QRegularExpression(utc).match(utcName).hasMatch(), qPrintable(utcName));
        QCOMPARE(name(window.Control(CKerovantDlg::kIdSerialNumber)), serial);
        // Every control a screen reader can reach has a name.
        for (QWidget* control : window.findChildren<QWidget*>()) {
            if (control->isVisible())
                QVERIFY2(!name(control).isEmpty(), control->metaObject()->className());
        }
    }
    SimRig sim(SimIdentity{}, [](CSimClock& clock) {
        clock.SetTiming(SimTiming{false, kLineBaudRate});
        clock.SetUtcOffset(std::chrono::milliseconds(12000));
    });
    QVERIFY(sim.started);
    QVERIFY(sim.WaitIdentified());
    auto* line = sim.rig->window->findChild<QLabel*>(QStringLiteral("clockOffset"));
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     sim.rig->window->Refresh();
                     return name(line) == offset;
                 },
                 kClockTimeoutMs),
             qPrintable(name(line)));
}

// --- offline ---

void TestKerovantDlg::offlineTextsShowAtOnce_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no such device")
        << QString::fromLatin1(kMissingDevice)
        << "Device /dev/kerovant-test-no-such-tty does not exist: check the cable and the device name.";
    QTest::newRow("not a serial device") << "/dev/null"
                                         << "/dev/null is not a serial device.";
    QTest::newRow("cannot be opened") << "/"
                                      << "/ could not be opened.";
}

void TestKerovantDlg::offlineTextsShowAtOnce()
{
    QFETCH(QString, device);
    QFETCH(QString, reason);
    Rig rig(device.toStdString());
    rig.window->Refresh();
    QCOMPARE(rig.Show(CKerovantDlg::kIdUtcTime), QStringLiteral("Clock is offline"));
    QCOMPARE(rig.Show(CKerovantDlg::kIdLocalTime), QStringLiteral("Clock is offline"));
    QCOMPARE(rig.Show(CKerovantDlg::kIdTimeCodeStatus), QStringLiteral("Clock is offline"));
    QCOMPARE(rig.Show(CKerovantDlg::kIdFirmwareVersion), QStringLiteral("Firmware Version:  not available"));
    QCOMPARE(rig.Show(CKerovantDlg::kIdSerialNumber), QStringLiteral("Serial Number:  not available"));
    // Under them, why: what became of the port.
    QCOMPARE(rig.window->findChild<QLabel*>(QStringLiteral("offlineReason"))->text(), reason);
    QVERIFY(!rig.window->findChild<QLabel*>(QStringLiteral("offlineReason"))->isHidden());
    QCOMPARE(rig.connection->Connection().OfflineReplacement().Looks(), 1);
    // Lines composed of texts from outside (another program's name in "in
    // use by ...") are never read as markup.
    for (const char* name : {"offlineReason", "clockOffset"})
        QCOMPARE(rig.window->findChild<QLabel*>(QLatin1String(name))->textFormat(), Qt::PlainText);
}

void TestKerovantDlg::unpluggedClockNamesTheCause()
{
    SimRig sim(SimIdentity{});
    QVERIFY(sim.started);
    QVERIFY(sim.WaitIdentified());
    Rig& rig = *sim.rig;
    rig.window->Refresh();
    QVERIFY(rig.Show(CKerovantDlg::kIdUtcTime) != QLatin1String(kOfflineText));

    sim.sim.Unplug();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.window->Device()->IsOnline(), kClockTimeoutMs);
    rig.window->Refresh();
    QCOMPARE(rig.Show(CKerovantDlg::kIdUtcTime), QLatin1String(kOfflineText));
    QCOMPARE(rig.window->findChild<QLabel*>(QStringLiteral("offlineReason"))->text(),
             QStringLiteral("%1 was unplugged.").arg(QString::fromStdString(sim.sim.DevicePath())));
}

void TestKerovantDlg::replacesDeviceEvery16thOfflineRefresh()
{
    Rig rig(kMissingDevice);
    QSignalSpy replaced(rig.window.get(), &CKerovantDlg::deviceReplaced);
    const CClockDevice* const first = rig.window->Device().get();
    const int threadsWithOneDevice = ThreadCount();

    for (int refresh = 1; refresh <= 15; ++refresh)
        rig.window->Refresh();
    QCOMPARE(replaced.count(), 0);
    QCOMPARE(rig.window->Device().get(), first);
    QCOMPARE(rig.connection->Connection().OfflineReplacement().Looks(), 15);

    for (int round = 1; round <= 3; ++round) {
        rig.window->Refresh();
        QCOMPARE(rig.connection->Connection().OfflineReplacement().Looks(), 0);
        // The new object arrives from the replacement thread.
        QTRY_COMPARE_WITH_TIMEOUT(replaced.count(), round, kClockTimeoutMs);
        QCOMPARE(rig.connection->Connection().Generation(), uint64_t(round + 1));
        QVERIFY(rig.window->Device());
        // The old object's threads are gone: one device's worth remain.
        QCOMPARE(ThreadCount(), threadsWithOneDevice);
        for (int refresh = 1; refresh <= 15; ++refresh)
            rig.window->Refresh();
        QCOMPARE(replaced.count(), round);
    }
}

void TestKerovantDlg::faultedClockIsBackAfterOneReplacement()
{
    // Damaged replies take the link down; the cause line says so. Once the
    // line is clean, the replacement the refresh asks for opens the same
    // device: the old object has let go of it, the new one does not find it
    // in use by this very program.
    SimRig sim(SimIdentity{});
    QVERIFY(sim.started);
    QVERIFY(sim.WaitIdentified());
    Rig& rig = *sim.rig;
    for (int round = 1; round <= 3; ++round) {
        SimFaults faults;
        faults.badChecksumEvery = 1;
        sim.sim.Clock().SetFaults(faults);
        QTRY_VERIFY_WITH_TIMEOUT(rig.window->Device()->GetState() == LinkState::Failed, kClockTimeoutMs);
        sim.sim.Clock().SetFaults({});
        rig.connection->Connection().OfflineReplacement().Reset();
        rig.window->Refresh();
        const QString reason = rig.window->findChild<QLabel*>(QStringLiteral("offlineReason"))->text();
        const QString path = QString::fromStdString(sim.sim.DevicePath());
        // A machine too busy to read the damaged reply before the wait ran
        // out saw no answer instead.
        if (rig.window->Device()->GetLastFailure() == LinkFailure::NoAnswer)
            QCOMPARE(
                reason,
                QStringLiteral("No clock answers on %1: check that the clock is powered and connected.").arg(path));
        else
            QCOMPARE(reason, QStringLiteral("The clock on %1 sends damaged replies (bad checksum).").arg(path));

        QSignalSpy replaced(rig.window.get(), &CKerovantDlg::deviceReplaced);
        for (int refresh = 1; refresh <= COfflineReplacement::kLooksBeforeReplace; ++refresh)
            rig.window->Refresh();
        QVERIFY(replaced.wait(kClockTimeoutMs));
        const std::shared_ptr<CClockDevice> fresh = rig.window->Device();
        QVERIFY(fresh);
        QCOMPARE(int(fresh->GetPortState()), int(PortState::Open));
        // Refreshing as the window's timer does, which replaces the object
        // again should a loaded machine make this one miss its answers.
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            rig.window->Refresh();
            const std::shared_ptr<CClockDevice> device = rig.window->Device();
            if (device && device->IsReady() && device->GetPollCount() > 0)
                break;
            QVERIFY(waited.elapsed() < 3 * kClockTimeoutMs);
            QTest::qWait(CKerovantDlg::kRefreshIntervalMs);
        }
    }
}

void TestKerovantDlg::notReadyTicksKeepTextsAndCount()
{
    // The clock answers the hello but never its family ID: the link is up,
    // the clock not ready, and a message waits for the user.
    SimRig sim(SimIdentity{}, [](CSimClock& clock) {
        SimFaults faults;
        faults.ignoreCode = kCmdFamilyId;
        clock.SetFaults(faults);
    });
    QVERIFY(sim.started);
    QTRY_VERIFY_WITH_TIMEOUT(sim.VisibleMessage() != nullptr, kClockTimeoutMs);
    Rig& rig = *sim.rig;
    QVERIFY(rig.window->Device()->IsOnline());
    QVERIFY(!rig.window->Device()->IsReady());

    QSignalSpy replaced(rig.window.get(), &CKerovantDlg::deviceReplaced);
    for (int refresh = 1; refresh <= 20; ++refresh)
        rig.window->Refresh();
    QCOMPARE(replaced.count(), 0);
    QCOMPARE(rig.connection->Connection().OfflineReplacement().Looks(), 20);
    QVERIFY(rig.Show(CKerovantDlg::kIdUtcTime).isEmpty());
    QVERIFY(rig.Show(CKerovantDlg::kIdSerialNumber).isEmpty());
}

void TestKerovantDlg::messageBoxWaitsForUserAndClosesWithItsDevice()
{
    SimRig sim(SimIdentity{}, [](CSimClock& clock) {
        SimFaults faults;
        faults.ignoreCode = kCmdCpuType;
        clock.SetFaults(faults);
    });
    QVERIFY(sim.started);

    QTRY_VERIFY_WITH_TIMEOUT(sim.VisibleMessage() != nullptr, kClockTimeoutMs);
    QMessageBox* box = sim.VisibleMessage();
    QCOMPARE(box->windowTitle(), QStringLiteral("Communication Error"));
    QCOMPARE(box->text(), QStringLiteral("Failed reading CPU type"));
    QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    // The link waits for the user; the window does not.
    QVERIFY(!box->isModal());

    // The link waits for the user: no second identification run meanwhile.
    const size_t familyReads = sim.sim.Clock().CountReceived(kCmdFamilyId);
    QCOMPARE(familyReads, size_t{1});
    box->button(QMessageBox::Ok)->click();
    // OK lets it go on: the next run asks again and fails again.
    QTRY_VERIFY_WITH_TIMEOUT(sim.sim.Clock().CountReceived(kCmdFamilyId) == familyReads + 1, kClockTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(sim.VisibleMessage() != nullptr, kClockTimeoutMs);
    QPointer<QMessageBox> second = sim.VisibleMessage();

    // Replacing the device object closes its box at once; nothing waits
    // for the user.
    sim.sim.Clock().SetFaults({});
    sim.rig->window->ReplaceDevice();
    QVERIFY(!second || !second->isVisible());
    QVERIFY(sim.VisibleMessage() == nullptr);
    QVERIFY(sim.WaitIdentified());
    QVERIFY(sim.VisibleMessage() == nullptr);
}

void TestKerovantDlg::windowGoneReleasesWaitingLink()
{
    SimRig sim(SimIdentity{}, [](CSimClock& clock) {
        SimFaults faults;
        faults.ignoreCode = kCmdSerialNumber;
        clock.SetFaults(faults);
    });
    QVERIFY(sim.started);
    QTRY_VERIFY_WITH_TIMEOUT(sim.VisibleMessage() != nullptr, kClockTimeoutMs);

    // With the window gone nobody can answer the box; the link goes on with
    // its next identification run instead of waiting forever.
    const size_t familyReads = sim.sim.Clock().CountReceived(kCmdFamilyId);
    sim.rig->window.reset();
    QTRY_VERIFY_WITH_TIMEOUT(sim.sim.Clock().CountReceived(kCmdFamilyId) > familyReads, kClockTimeoutMs);
}

void TestKerovantDlg::identificationFailureIsNotRepeatedWithinOneOutage()
{
    // A clock that greets but never tells its family.
    SimRig sim(SimIdentity{}, [](CSimClock& clock) {
        SimFaults faults;
        faults.ignoreCode = kCmdFamilyId;
        clock.SetFaults(faults);
    });
    QVERIFY(sim.started);
    Rig& rig = *sim.rig;
    CSimClock& clock = sim.sim.Clock();
    const auto failed = [&] {
        const std::shared_ptr<CClockDevice> device = rig.window->Device();
        return device && device->GetState() == LinkState::Failed;
    };

    // The first object shows its four runs' messages, each waiting for the
    // user.
    for (int run = 1; run <= 4; ++run) {
        QTRY_VERIFY_WITH_TIMEOUT(sim.VisibleMessage() != nullptr, kClockTimeoutMs);
        QCOMPARE(sim.VisibleMessage()->text(), QStringLiteral("Failed reading Family ID"));
        QCOMPARE(clock.CountReceived(kCmdFamilyId), size_t(run));
        sim.VisibleMessage()->button(QMessageBox::Ok)->click();
    }
    QTRY_VERIFY_WITH_TIMEOUT(failed(), kClockTimeoutMs);
    rig.window->Refresh();
    QCOMPARE(rig.Cause(), QStringLiteral("The clock does not answer: Failed reading Family ID"));

    // The next objects of this outage fail the same way without a box: the
    // link goes through its runs without waiting for anyone.
    for (int object = 2; object <= 3; ++object) {
        QSignalSpy replaced(rig.window.get(), &CKerovantDlg::deviceReplaced);
        clock.ClearReceived();
        rig.window->ReplaceDevice();
        QVERIFY(replaced.wait(kClockTimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(failed(), kClockTimeoutMs);
        QVERIFY(clock.CountReceived(kCmdFamilyId) >= 2);
        QCoreApplication::processEvents();
        QVERIFY(sim.VisibleMessage() == nullptr);
        rig.window->Refresh();
        QCOMPARE(rig.Cause(), QStringLiteral("The clock does not answer: Failed reading Family ID"));
    }

    // Identified once more: the outage is over, and a new failure shows.
    clock.SetFaults({});
    QSignalSpy replaced(rig.window.get(), &CKerovantDlg::deviceReplaced);
    rig.window->ReplaceDevice();
    QVERIFY(replaced.wait(kClockTimeoutMs));
    QVERIFY(sim.WaitIdentified());
    rig.window->Refresh();
    QVERIFY(rig.Cause().isEmpty());
    SimFaults faults;
    faults.ignoreCode = kCmdFamilyId;
    clock.SetFaults(faults);
    rig.window->ReplaceDevice();
    QTRY_VERIFY_WITH_TIMEOUT(sim.VisibleMessage() != nullptr, kClockTimeoutMs);
}

void TestKerovantDlg::closingTheWindowClosesTheLinkMessage()
{
    CSimServer sim;
    SimFaults faults;
    faults.ignoreCode = kCmdFamilyId;
    sim.Clock().SetFaults(faults);
    QVERIFY(sim.Start());
    AppOptions options;
    options.port = sim.DevicePath();
    CKerovantApp app(options);
    QVERIFY(app.Start());
    CKerovantDlg* window = app.MainWindow();

    // While the main window runs, a link message opens; the window is still
    // the one modal window, so the user can close it.
    QPointer<QMessageBox> box;
    bool windowStillModal = false;
    auto* poll = new QTimer(window);
    connect(poll, &QTimer::timeout, window, [&] {
        for (QMessageBox* candidate : window->findChildren<QMessageBox*>()) {
            if (candidate->isVisible())
                box = candidate;
        }
        if (box) {
            poll->stop();
            windowStillModal = QApplication::activeModalWidget() == window && !box->isModal();
            window->close();
        }
    });
    poll->start(10);
    QElapsedTimer running;
    running.start();
    app.RunMainWindow();
    QVERIFY(running.elapsed() < kClockTimeoutMs);
    QVERIFY(windowStillModal);
    QCOMPARE(window->result(), int(QDialog::Rejected));
    // The box went with the window, and its link thread was let go.
    QVERIFY(!box || !box->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(sim.Clock().CountReceived(kCmdFamilyId) > 1, kClockTimeoutMs);
    app.Shutdown();
}

void TestKerovantDlg::swappedClockStartsUnidentified()
{
    SimIdentity identity;
    identity.familyId = 0x0150;
    SimRig sim(identity);
    QVERIFY(sim.started);
    QVERIFY(sim.WaitIdentified());
    Rig& rig = *sim.rig;
    rig.window->Refresh();
    QCOMPARE(rig.window->windowTitle(), QStringLiteral("TORVEX - Set"));

    // The clock is swapped for one of the other family, which takes its time
    // to answer: until it is identified, the brand of the old one is gone.
    identity.familyId = 0x0350;
    sim.sim.Clock().SetIdentity(identity);
    SimFaults slow;
    slow.slowCode = kCmdFamilyId;
    slow.slowDelay = std::chrono::milliseconds(80);
    slow.slowCount = 1;
    sim.sim.Clock().SetFaults(slow);
    QSignalSpy replaced(rig.window.get(), &CKerovantDlg::deviceReplaced);
    rig.window->ReplaceDevice();
    QVERIFY(replaced.wait(kClockTimeoutMs));
    rig.window->Refresh();
    QCOMPARE(rig.window->windowTitle(), QStringLiteral("Clock Control"));

    CScopedModalAnswers answers;
    QString product;
    answers.SetDialogRunner([&](QDialog& dialog) {
        product = Text(static_cast<CAboutDlg&>(dialog).Control(CAboutDlg::kIdProductTitle));
        return int(QDialog::Accepted);
    });
    rig.window->ShowAbout();
    QCOMPARE(product, QStringLiteral("Clock Configuration Utility"));

    QVERIFY(sim.WaitIdentified());
    rig.window->Refresh();
    QCOMPARE(rig.window->windowTitle(), QStringLiteral("QVR-Set"));
    rig.window->ShowAbout();
    QCOMPARE(product, QStringLiteral("QVR-Set"));
}

void TestKerovantDlg::waitForClockKeepsPaintingAndTakesNoInput()
{
    Rig rig(kMissingDevice);
    CKerovantDlg& window = *rig.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int clicks = 0;
    connect(qobject_cast<QPushButton*>(window.Control(CKerovantDlg::kIdOk)), &QPushButton::clicked, &window,
            [&] { ++clicks; });
    int refreshes = 0;
    connect(window.findChild<QTimer*>(QStringLiteral("refreshTimer")), &QTimer::timeout, &window, [&] { ++refreshes; });
    bool busyMeanwhile = false;
    QTimer::singleShot(300, &window, [&] {
        busyMeanwhile = CBusyScope::Active() && QApplication::overrideCursor() &&
            QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        QTest::mouseClick(window.Control(CKerovantDlg::kIdOk), Qt::LeftButton);
    });

    QElapsedTimer waiting;
    waiting.start();
    QCOMPARE(rig.connection->WaitForClock(), nullptr);
    const qint64 elapsed = waiting.elapsed();
    // 40 checks 50 ms apart, the window's refresh running meanwhile.
    QVERIFY2(elapsed >= 1900 && elapsed < 4000, qPrintable(QString::number(elapsed)));
    QVERIFY(refreshes >= 5);
    QVERIFY(busyMeanwhile);
    QCOMPARE(clicks, 0);
    QVERIFY(window.isVisible());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

// --- application ---

void TestKerovantDlg::shutdownFreesTheLatestDeviceOnce()
{
    const int threadsBefore = ThreadCount();
    AppOptions options;
    options.port = kMissingDevice;
    CKerovantApp app(options);
    QVERIFY(app.Start());
    CKerovantDlg* window = app.MainWindow();
    QVERIFY(window);
    QCOMPARE(QString::fromLatin1(app.Settings().deviceName), QLatin1String(kMissingDevice));
    QCOMPARE(app.Settings().baudRate, 57600u);
    QCOMPARE(window->Device(), app.Device());
    QCOMPARE(app.Connection(), window->Connection());

    QSignalSpy replaced(window, &CKerovantDlg::deviceReplaced);
    for (int round = 1; round <= 3; ++round) {
        for (int refresh = 0; refresh < 16; ++refresh)
            window->Refresh();
        QTRY_COMPARE_WITH_TIMEOUT(replaced.count(), round, kClockTimeoutMs);
    }
    QCOMPARE(app.Device(), window->Device());

    QElapsedTimer closing;
    closing.start();
    app.Shutdown();
    QVERIFY(closing.elapsed() >= 500);
    QCOMPARE(app.Device(), nullptr);
    QCOMPARE(app.MainWindow(), nullptr);
    // Every link, timer and replacement thread has ended. (Under AddressSanitizer a
    // device object freed twice or never freed fails the run.)
    QCOMPARE(ThreadCount(), threadsBefore);
    app.Shutdown();
}

void TestKerovantDlg::replacementStaysOffTheWindowThread()
{
    // Opening a port takes over 100 ms (the purge waits alone); the window
    // must not wait for it.
    SimRig sim(SimIdentity{});
    QVERIFY(sim.started);
    QVERIFY(sim.WaitIdentified());
    QSignalSpy replaced(sim.rig->window.get(), &CKerovantDlg::deviceReplaced);
    QElapsedTimer replacing;
    replacing.start();
    sim.rig->window->ReplaceDevice();
    QVERIFY2(replacing.elapsed() < 100, qPrintable(QString::number(replacing.elapsed())));
    // A second request while one is on its way changes nothing.
    sim.rig->window->ReplaceDevice();
    sim.rig->window->Refresh();
    QCOMPARE(sim.rig->Show(CKerovantDlg::kIdUtcTime), QLatin1String(kOfflineText));
    QVERIFY(replaced.wait(kClockTimeoutMs));
    QCOMPARE(replaced.count(), 1);
    QVERIFY(sim.WaitIdentified());
}

void TestKerovantDlg::shutdownCollectsReplacementOnItsWay()
{
    const int threadsBefore = ThreadCount();
    AppOptions options;
    options.port = kMissingDevice;
    CKerovantApp app(options);
    QVERIFY(app.Start());
    app.MainWindow()->ReplaceDevice();
    // No event loop runs: the new object has not been handed back when the
    // shutdown reads the slot, and is freed all the same.
    app.Shutdown();
    QCOMPARE(app.Device(), nullptr);
    QCOMPARE(ThreadCount(), threadsBefore);
}

void TestKerovantDlg::demoIdentifiesSimulatedClock()
{
    AppOptions options;
    options.demo = true;
    CKerovantApp app(options);
    QVERIFY(app.Start());
    QVERIFY(app.DemoClock());
    QCOMPARE(QString::fromLatin1(app.Settings().deviceName), QString::fromStdString(app.DemoClock()->DevicePath()));
    app.MainWindow()->show();
    QTRY_COMPARE_WITH_TIMEOUT(app.MainWindow()->windowTitle(), QStringLiteral("TORVEX - Set"), kClockTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(Text(app.MainWindow()->Control(CKerovantDlg::kIdSerialNumber)),
                              QStringLiteral("Serial Number:  00010472"), kClockTimeoutMs);
    app.MainWindow()->done(QDialog::Accepted);
    app.Shutdown();
    QCOMPARE(app.DemoClock(), nullptr);
}

void TestKerovantDlg::everyWayOfClosingEndsTheWindow_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("result");
    QTest::newRow("OK button") << int(kOkButton) << int(QDialog::Accepted);
    QTest::newRow("Enter") << int(kEnter) << int(QDialog::Accepted);
    QTest::newRow("Esc") << int(kEscape) << int(QDialog::Rejected);
    QTest::newRow("close box") << int(kCloseBox) << int(QDialog::Rejected);
}

void TestKerovantDlg::everyWayOfClosingEndsTheWindow()
{
    QFETCH(int, way);
    QFETCH(int, result);
    AppOptions options;
    options.port = kMissingDevice;
    CKerovantApp app(options);
    QVERIFY(app.Start());
    CKerovantDlg* window = app.MainWindow();
    auto* timer = window->findChild<QTimer*>(QStringLiteral("refreshTimer"));
    QVERIFY(timer);
    bool timerRan = false;
    WhenModal([&](QWidget* modal) {
        timerRan = timer->isActive();
        switch (way) {
        case kOkButton: qobject_cast<QPushButton*>(window->Control(CKerovantDlg::kIdOk))->click(); break;
        case kEnter: QTest::keyClick(modal, Qt::Key_Return); break;
        case kEscape: QTest::keyClick(modal, Qt::Key_Escape); break;
        case kCloseBox: modal->close(); break;
        }
    });
    app.RunMainWindow();
    QVERIFY(timerRan);
    QCOMPARE(window->result(), result);
    QVERIFY(!timer->isActive());
    app.Shutdown();
    QCOMPARE(app.Device(), nullptr);
}

// --- About item and layout ---

void TestKerovantDlg::aboutItemOpensAboutBox()
{
    SimIdentity identity;
    identity.familyId = 0x0350;
    SimRig sim(identity);
    QVERIFY(sim.started);
    QVERIFY(sim.WaitIdentified());
    CKerovantDlg& window = *sim.rig->window;

    // Offered in the window's context menu, with F1.
    QCOMPARE(window.contextMenuPolicy(), Qt::ActionsContextMenu);
    auto* about = window.findChild<QAction*>(QStringLiteral("aboutAction"));
    QVERIFY(about && window.actions().contains(about));
    QCOMPARE(about->text(), QStringLiteral("&About Quintelle Configuration Utility..."));

    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QString caption;
    QString product;
    bool partnerLogo = false;
    WhenModal([&](QWidget* modal) {
        caption = modal->windowTitle();
        if (auto* box = qobject_cast<CAboutDlg*>(modal)) {
            product = Text(box->Control(CAboutDlg::kIdProductTitle));
            partnerLogo = !box->Control(CAboutDlg::kIdLogoPartner)->isHidden();
        }
        modal->close();
    });
    QTest::keyClick(&window, Qt::Key_F1);
    QCOMPARE(caption, QStringLiteral("About Orvessa Configuration Utility"));
    QCOMPARE(product, QStringLiteral("QVR-Set"));
    QVERIFY(partnerLogo);
}

void TestKerovantDlg::dialogUnitsFollowTheFont()
{
    QFont font = QApplication::font();
    font.setPointSize(10);
    const CDialogUnits small(font);
    font.setPointSize(20);
    const CDialogUnits large(font);
    const QFontMetrics metrics(font);
    // Four horizontal units make an average character, eight vertical ones
    // a line of text.
    QCOMPARE(large.y(8), metrics.height());
    QVERIFY(std::abs(large.x(4) - large.CharWidth()) <= 0.5);
    QVERIFY(large.CharWidth() > metrics.horizontalAdvance(QLatin1Char('i')));
    QVERIFY(large.CharWidth() < metrics.horizontalAdvance(QLatin1Char('W')));
    QVERIFY(large.x(320) > 1.6 * small.x(320));
    QVERIFY(large.y(200) > 1.6 * small.y(200));
}

void TestKerovantDlg::noTextClipsAtAnyFontSize_data()
{
    QTest::addColumn<int>("pointSize");
    for (int size : {7, 9, 12, 16, 24})
        QTest::addRow("%d pt", size) << size;
}

void TestKerovantDlg::noTextClipsAtAnyFontSize()
{
    QFETCH(int, pointSize);
    Rig rig(kMissingDevice);
    CKerovantDlg& window = *rig.window;
    QFont font = QApplication::font();
    font.setPointSize(pointSize);
    window.setFont(font);
    // The longest texts each control shows.
    qobject_cast<QLineEdit*>(window.Control(CKerovantDlg::kIdTimeCodeStatus))
        ->setText(QStringLiteral("IRIG-B(1) : amplitude modulated"));
    qobject_cast<QLineEdit*>(window.Control(CKerovantDlg::kIdUtcTime))->setText(QStringLiteral("12-31-2099  23:59:59"));
    qobject_cast<QLabel*>(window.Control(CKerovantDlg::kIdFirmwareVersion))
        ->setText(QStringLiteral("Firmware Version:  255.255.255"));
    qobject_cast<QLabel*>(window.Control(CKerovantDlg::kIdSerialNumber))
        ->setText(QStringLiteral("Serial Number:  not available"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The window is at least the template's 320 by 200 units.
    const CDialogUnits du(window.font());
    QVERIFY(window.width() >= du.x(320) && window.height() >= du.y(200));

    const QFontMetrics metrics(window.font());
    const QRect client = window.rect();
    QList<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->parentWidget() != &window)
            continue;
        controls << widget;
        QVERIFY2(client.contains(widget->geometry()), qPrintable(widget->objectName()));
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap())
            QVERIFY2(label->width() >= metrics.horizontalAdvance(label->text()), qPrintable(label->text()));
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QVERIFY2(button->width() >= button->sizeHint().width() && button->height() >= button->sizeHint().height(),
                     qPrintable(button->text()));
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            QVERIFY2(edit->width() > metrics.horizontalAdvance(edit->text()) + 4, qPrintable(edit->objectName()));
    }
    // No control covers another.
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                     qPrintable(controls[i]->objectName() + QLatin1String(" / ") + controls[j]->objectName()));
        }
    }
}

QTEST_MAIN(TestKerovantDlg)
#include "test_KerovantDlg.moc"
