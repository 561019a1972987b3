// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/Templates.h"

namespace telvorin {

namespace {

constexpr const char* DhcpItems[] = {"Disable", "Enable"};

using K = ControlKind;

// In tab order.
// clang-format off
constexpr ControlTemplate MainControls[] = {
    {IdDeviceList, K::ListView, "", 8, 13, 216, 68, "deviceList", {}, StyleNone, "Devices"},
    {IdRefresh, K::PushButton, "Refresh", 228, 13, 45, 14, "refreshButton"},
    {IdConfiguration, K::PushButton, "Configuration", 228, 31, 45, 15, "configurationButton"},
    {IdIpAddress, K::IpAddress, "", 55, 98, 100, 13, "ipAddressEdit", {}, StyleNone, "IP address"},
    {IdNetmask, K::IpAddress, "", 55, 116, 100, 13, "netmaskEdit", {}, StyleNone, "Netmask"},
    {IdGateway, K::IpAddress, "", 55, 135, 100, 13, "gatewayEdit", {}, StyleNone, "Gateway"},
    {IdApply, K::PushButton, "Apply", 222, 129, 50, 14, "applyButton"},
    {IdVolumeList, K::ListView, "", 8, 166, 164, 51, "volumeList", {}, StyleNone, "Volumes"},
    {IdConnect, K::PushButton, "Connect", 182, 201, 43, 14, "connectButton"},
    {IdDisconnect, K::PushButton, "Disconnect", 230, 201, 43, 14, "disconnectButton"},
    {IdExit, K::PushButton, "Exit", 234, 227, 43, 15, "exitButton"},
    {-1, K::GroupBox, "Network Storage Device", 3, 2, 277, 84, "deviceGroup"},
    {-1, K::GroupBox, "LAN", 3, 89, 277, 64, "lanGroup"},
    {-1, K::Label, "I P :", 13, 102, 14, 8, "ipLabel", {}, StyleNone, nullptr, IdIpAddress},
    {-1, K::Label, "Netmask :", 13, 120, 32, 8, "netmaskLabel", {}, StyleNone, nullptr, IdNetmask},
    {-1, K::Label, "Gateway :", 13, 138, 38, 8, "gatewayLabel", {}, StyleNone, nullptr, IdGateway},
    {-1, K::GroupBox, "Drive Mapping", 3, 155, 277, 68, "driveGroup"},
    {IdDriveLetters, K::DropDownList, "", 181, 176, 91, 110, "driveLetterCombo", {}, StyleNone, "Available drive letters"},
    {IdDhcp, K::DropDownList, "", 213, 100, 59, 49, "dhcpCombo", DhcpItems, StyleSorted, "Receive DHCP"},
    {-1, K::Label, "Receive DHCP :", 162, 102, 51, 8, "dhcpLabel", {}, StyleNone, nullptr, IdDhcp},
    {-1, K::Label, "Available Drive Letters :", 182, 165, 78, 8, "driveLettersLabel", {}, StyleNone, nullptr, IdDriveLetters},
    {IdAbout, K::PushButton, "About", 4, 227, 45, 15, "aboutButton"},
    {IdLanguage, K::PushButton, "Language", 228, 50, 45, 14, "languageButton"},
    {IdBitTorrent, K::PushButton, "BitTorrent", 228, 69, 45, 13, "bitTorrentButton"},
};
// clang-format on

} // namespace

const DialogTemplate MainTemplate{102, "Telvorin", "Arial", 8, 283, 245, MainControls};

} // namespace telvorin
