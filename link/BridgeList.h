// The USB bridges attached now, as a user picks one: each with the stable
// name udev gives it under /dev/serial/by-id (the same for one bridge
// whichever ttyUSB number it gets today) and the product string the bridge
// reports over USB.
//
// Thread rules: plain functions without shared state; any thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline constexpr const char* kSerialByIdFolder = "/dev/serial/by-id";

struct BridgeInfo {
    std::string devicePath;  // the device node: /dev/ttyUSB0
    std::string byIdPath;    // /dev/serial/by-id/usb-...; empty when there is none
    std::string product;     // the USB product string; empty when the device has none

    // What to remember for this bridge: the by-id path when there is one,
    // since the device node's number follows the order of plugging in.
    const std::string& StablePath() const { return byIdPath.empty() ? devicePath : byIdPath; }
    bool operator==(const BridgeInfo&) const = default;
};

// The bridges whose USB device has the given vendor ID, in device-name order
// (FindBridgeDevices), each described by DescribeBridge.
std::vector<BridgeInfo> ListBridges(uint16_t vendorId);

// The by-id path and product string of one device node, through udev. A
// node that udev does not know keeps only its path.
BridgeInfo DescribeBridge(const std::string& devicePath);

// The link in folder that leads to the device node; empty when none does.
// udev names the link in its own records; this is the way to find it when
// those records are missing (a system without the udev daemon).
std::string FindLinkTo(const std::string& devicePath, const std::string& folder = kSerialByIdFolder);
