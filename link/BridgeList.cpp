#include "BridgeList.h"

#include "UsbSerialPort.h"

#include <libudev.h>

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>

namespace {

// A udev context and device that are released with the scope.
struct UdevDevice {
    udev* context = udev_new();
    udev_device* device = nullptr;
    ~UdevDevice()
    {
        if (device)
            udev_device_unref(device);
        if (context)
            udev_unref(context);
    }
};

std::string Text(const char* value)
{
    return value ? std::string(value) : std::string();
}

}  // namespace

std::vector<BridgeInfo> ListBridges(uint16_t vendorId)
{
    std::vector<BridgeInfo> bridges;
    for (const std::string& node : FindBridgeDevices(vendorId))
        bridges.push_back(DescribeBridge(node));
    return bridges;
}

BridgeInfo DescribeBridge(const std::string& devicePath)
{
    BridgeInfo info;
    info.devicePath = devicePath;
    struct stat st { };
    if (::stat(devicePath.c_str(), &st) != 0 || !S_ISCHR(st.st_mode))
        return info;

    UdevDevice tty;
    if (tty.context)
        tty.device = udev_device_new_from_devnum(tty.context, 'c', st.st_rdev);
    if (tty.device) {
        // The links udev made for the node, from its own records: the one in
        // the by-id folder (a link in it, not the folder itself).
        const std::string prefix = std::string(kSerialByIdFolder) + '/';
        const auto isById = [&](std::string_view link) {
            return link.starts_with(prefix) && link.size() > prefix.size();
        };
        udev_list_entry* entry = nullptr;
        udev_list_entry_foreach(entry, udev_device_get_devlinks_list_entry(tty.device))
        {
            const std::string_view link = udev_list_entry_get_name(entry);
            if (isById(link)) {
                info.byIdPath = link;
                break;
            }
        }
        // Without udev's database entry for the node (its links come from
        // there), the links as the device's properties name them: the
        // uevent's DEVLINKS, space-separated.
        const std::string devlinks = Text(udev_device_get_property_value(tty.device, "DEVLINKS"));
        for (size_t at = 0; info.byIdPath.empty() && at < devlinks.size();) {
            const size_t end = std::min(devlinks.find(' ', at), devlinks.size());
            const std::string_view link = std::string_view(devlinks).substr(at, end - at);
            if (isById(link))
                info.byIdPath = link;
            at = end + 1;
        }
        // The parent belongs to the child; it is not unreferenced here.
        udev_device* usb = udev_device_get_parent_with_subsystem_devtype(tty.device, "usb", "usb_device");
        if (usb) {
            info.product = Text(udev_device_get_sysattr_value(usb, "product"));
            if (info.product.empty())
                info.product = Text(udev_device_get_property_value(tty.device, "ID_MODEL"));
        }
    }
    if (info.byIdPath.empty())
        info.byIdPath = FindLinkTo(devicePath);
    return info;
}

std::string FindLinkTo(const std::string& devicePath, const std::string& folder)
{
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::canonical(devicePath, ec);
    if (ec)
        return {};
    std::filesystem::directory_iterator links(folder, ec);
    if (ec)
        return {};
    for (const std::filesystem::directory_entry& link : links) {
        if (!link.is_symlink(ec))
            continue;
        const std::filesystem::path resolved = std::filesystem::canonical(link.path(), ec);
        if (!ec && resolved == target)
            return link.path().string();
    }
    return {};
}
