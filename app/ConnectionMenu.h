// The main window's "Connection" menu: which clock the window talks to.
// "First USB bridge found" (the program's default), then one item per USB
// bridge attached now, named by its stable /dev/serial/by-id name and the
// product string it reports; the list is read again every time the menu
// opens, so a bridge plugged in a moment ago is there, and again whenever a
// bridge comes or goes while it is open (a port watcher lives as long as the
// menu is shown). The current choice is
// checked; a chosen device that is not attached now keeps an item of its
// own, so the menu never pretends another one is in use.
//
// Choosing an item only says so (chosen); the window changes the link
// settings and has the device object replaced.
//
// Thread rules: user-interface thread only. The bridge list is read on it:
// a udev enumeration of the ttys, a few milliseconds. The watcher's handler
// runs on its own thread and only posts the rebuild here.
#pragma once

#include "BridgeList.h"
#include "PortWatcher.h"
#include "WindowConnection.h"

#include <QMenu>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QActionGroup;

class CConnectionMenu : public QMenu {
    Q_OBJECT

public:
    // The bridges attached now (tests: a fixed list).
    using BridgeLister = std::function<std::vector<BridgeInfo>()>;

    // connection: whose link settings name the current choice.
    CConnectionMenu(QWidget* parent, const CWindowConnection* connection);
    ~CConnectionMenu() override;

    void SetBridgeLister(BridgeLister lister) { lister_ = std::move(lister); }
    // How bridges coming and going are heard of while the menu is open
    // (tests: a fake; null: not at all).
    void SetPortWatcherMaker(PortWatcherMaker maker) { watcherMaker_ = std::move(maker); }
    // Reads the bridges and builds the items (what opening the menu does).
    void Rebuild();

    // The item's text for a bridge: its by-id name (the node's path when it
    // has none) and its product string. Control characters in what the
    // device reports are dropped, and an ampersand stays an ampersand.
    static QString ItemText(const BridgeInfo& bridge);

signals:
    // The user chose another connection: a device path, or empty for the
    // first USB bridge found.
    void chosen(const QString& devicePath);

private:
    void Opened();
    void Closed();

    const CWindowConnection* connection_;
    BridgeLister lister_;
    PortWatcherMaker watcherMaker_ = MakePortWatcher;
    std::unique_ptr<IPortWatcher> watcher_;  // while shown
    QActionGroup* group_ = nullptr;
};
