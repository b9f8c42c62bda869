#include "ConnectionMenu.h"

#include "UsbSerialPort.h"

#include "PostToThread.h"
#include "Strings.h"
#include "Translations.h"

#include <QAction>
#include <QActionGroup>

#include <cstring>
#include <filesystem>

namespace {

// What the device reports is shown, never interpreted: line breaks and other
// control characters go, and a lone & would turn the next letter into a
// shortcut.
QString Printable(const std::string& text)
{
    QString shown;
    for (const QChar c : QString::fromStdString(text)) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            continue;
        shown += c;
    }
    return shown.trimmed().replace(QLatin1Char('&'), QLatin1String("&&"));
}

bool Exists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

}  // namespace

CConnectionMenu::CConnectionMenu(QWidget* parent, const CWindowConnection* connection)
    : QMenu(Tr(kStrConnection), parent), connection_(connection), lister_([] { return ListBridges(kBridgeVendorId); })
{
    setObjectName(QStringLiteral("connectionMenu"));
    menuAction()->setObjectName(QStringLiteral("connectionMenuAction"));
    // The device node of each bridge is in its item's tooltip.
    setToolTipsVisible(true);
    connect(this, &QMenu::aboutToShow, this, &CConnectionMenu::Opened);
    connect(this, &QMenu::aboutToHide, this, &CConnectionMenu::Closed);
}

CConnectionMenu::~CConnectionMenu()
{
    watcher_.reset();
}

void CConnectionMenu::Opened()
{
    Rebuild();
    if (!watcherMaker_)
        return;
    // Any bridge, whatever the current choice: the list shows them all. A
    // rebuild that arrives after the menu closed redoes what the next
    // opening redoes anyway.
    watcher_ = watcherMaker_(std::string(), [this](const PortEvent&) { PostToThread(this, [this] { Rebuild(); }); });
}

void CConnectionMenu::Closed()
{
    watcher_.reset();
}

QString CConnectionMenu::ItemText(const BridgeInfo& bridge)
{
    const std::string name =
        bridge.byIdPath.empty() ? bridge.devicePath : std::filesystem::path(bridge.byIdPath).filename().string();
    QString text = Printable(name);
    const QString product = Printable(bridge.product);
    if (!product.isEmpty())
        text += QStringLiteral(" (%1)").arg(product);
    return text;
}

void CConnectionMenu::Rebuild()
{
    clear();
    delete group_;
    group_ = new QActionGroup(this);
    group_->setExclusive(true);

    const LinkSettings settings = connection_->CurrentLinkSettings();
    const std::string current(settings.deviceName, strnlen(settings.deviceName, sizeof settings.deviceName));
    bool currentListed = current.empty();

    const auto add = [this, &current](const QString& text, const std::string& path, bool isCurrent) {
        QAction* item = addAction(text);
        item->setCheckable(true);
        item->setChecked(isCurrent);
        item->setData(QString::fromStdString(path));
        group_->addAction(item);
        connect(item, &QAction::triggered, this, [this, path, current] {
            if (path != current)
                emit chosen(QString::fromStdString(path));
        });
        return item;
    };

    add(Tr(kStrFirstBridge), std::string(), current.empty());
    addSeparator();
    const std::vector<BridgeInfo> bridges = lister_ ? lister_() : std::vector<BridgeInfo>();
    for (const BridgeInfo& bridge : bridges) {
        // --port may have named the node or the by-id link of a listed
        // bridge: either is this item.
        const bool isCurrent = !current.empty() && (current == bridge.devicePath || current == bridge.byIdPath);
        currentListed = currentListed || isCurrent;
        QAction* item = add(ItemText(bridge), bridge.StablePath(), isCurrent);
        item->setToolTip(QString::fromStdString(bridge.devicePath));
    }
    if (bridges.empty()) {
        QAction* none = addAction(Tr(kStrNoBridgeListed));
        none->setEnabled(false);
    }
    if (!currentListed) {
        // The device in use, or the one remembered that is gone: shown as it
        // is, so nobody takes another bridge's item for the clock in use.
        QString text = Printable(current);
        if (!Exists(current))
            text += Tr(kStrNotFoundSuffix);
        add(text, current, true);
    }
}
