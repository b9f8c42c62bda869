// What the tests of the main window's commands share: a window on a
// connection, the simulated clock on a pseudo-terminal with a window on it,
// and typing and clicking in a dialog as a user does.
#pragma once

#include "ClockCodec.h"
#include "KerovantDlg.h"
#include "ModalSeam.h"
#include "SimClock.h"
#include "TemplateDialog.h"
#include "WindowConnection.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>
#include <string>

inline constexpr int kClockTimeoutMs = 5000;
inline constexpr const char* kMissingDevice = "/dev/kerovant-test-no-such-tty";

// A main window on a connection to a device path.
struct Window {
    explicit Window(const std::string& path)
    {
        LinkSettings settings;
        SetDeviceName(settings, path);
        connection = std::make_unique<CWindowConnection>(settings);
        connection->Start();
        window = std::make_unique<CKerovantDlg>(nullptr, connection.get());
    }
    ~Window()
    {
        window.reset();
        connection.reset();
    }
    bool WaitReady() const
    {
        return QTest::qWaitFor(
            [this] {
                const auto device = connection->Device();
                return device && device->IsReady() && device->GetPollCount() > 0;
            },
            kClockTimeoutMs);
    }
    template <class Control> Control* Find(int id) const { return qobject_cast<Control*>(window->Control(id)); }

    std::unique_ptr<CWindowConnection> connection;
    std::unique_ptr<CKerovantDlg> window;
};

// The simulated clock with a window on it. prepare sets the clock up before
// the device object first reads it.
struct ClockAndWindow {
    explicit ClockAndWindow(const std::function<void(CSimClock&)>& prepare = {})
    {
        if (prepare)
            prepare(sim.Clock());
        started = sim.Start();
        window = std::make_unique<Window>(sim.DevicePath());
    }
    // Waits until the clock has taken n configuration writes.
    bool WaitConfigWrites(size_t n)
    {
        return QTest::qWaitFor([&] { return sim.Clock().CountReceived(kCmdWriteConfig) >= n; }, kClockTimeoutMs);
    }

    CSimServer sim;
    bool started = false;
    std::unique_ptr<Window> window;
};

// Types into a dialog's field and clicks one of its buttons, as a user does.
inline void Type(CTemplateDialog& dialog, int id, const QString& text)
{
    auto* field = qobject_cast<QLineEdit*>(dialog.Control(id));
    QVERIFY(field);
    field->selectAll();
    QTest::keyClicks(field, text);
}

// The first line of each message asked for: what failed (a second line
// says what became of the write).
inline QStringList FirstLines(const CScopedModalAnswers& answers)
{
    QStringList lines;
    for (const QString& text : answers.MessageTexts())
        lines << text.section(QLatin1Char('\n'), 0, 0);
    return lines;
}

inline void Click(CTemplateDialog& dialog, int id)
{
    auto* button = qobject_cast<QAbstractButton*>(dialog.Control(id));
    QVERIFY(button);
    button->click();
}
