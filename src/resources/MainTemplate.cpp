// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/Templates.h"

#include <QtGlobal>

namespace telvorin {

namespace {

constexpr const char* DhcpItems[] = {QT_TRANSLATE_NOOP("telvorin", "Disable"),
                                     QT_TRANSLATE_NOOP("telvorin", "Enable")};

using K = ControlKind;

// In tab order. The last field says how a control follows a grown window: the extra
// width goes to both lists, with the controls on their right moving along; the extra
// height half to the device list ("upper") and half to the volume list ("lower").
// clang-format off
constexpr ControlTemplate MainControls[] = {
    {IdDeviceList, K::ListView, "", 8, 13, 216, 68, "deviceList", {}, StyleNone, QT_TRANSLATE_NOOP("telvorin", "Devices"), 0, FollowGrowW | FollowGrowHUpper},
    {IdRefresh, K::PushButton, QT_TRANSLATE_NOOP("telvorin", "Refresh"), 228, 13, 45, 14, "refreshButton", {}, StyleNone, nullptr, 0, FollowMoveX},
    {IdConfiguration, K::PushButton, QT_TRANSLATE_NOOP("telvorin", "Configuration"), 228, 31, 45, 15, "configurationButton", {}, StyleNone, nullptr, 0, FollowMoveX},
    {IdIpAddress, K::IpAddress, "", 55, 98, 100, 13, "ipAddressEdit", {}, StyleNone, QT_TRANSLATE_NOOP("telvorin", "IP address"), 0, FollowMoveYUpper},
    {IdNetmask, K::IpAddress, "", 55, 116, 100, 13, "netmaskEdit", {}, StyleNone, QT_TRANSLATE_NOOP("telvorin", "Netmask"), 0, FollowMoveYUpper},
    {IdGateway, K::IpAddress, "", 55, 135, 100, 13, "gatewayEdit", {}, StyleNone, QT_TRANSLATE_NOOP("telvorin", "Gateway"), 0, FollowMoveYUpper},
    {IdApply, K::PushButton, QT_TRANSLATE_NOOP("telvorin", "Apply"), 222, 129, 50, 14, "applyButton", {}, StyleNone, nullptr, 0, FollowMoveX | FollowMoveYUpper},
    {IdVolumeList, K::ListView, "", 8, 166, 164, 51, "volumeList", {}, StyleNone, QT_TRANSLATE_NOOP("telvorin", "Volumes"), 0, FollowGrowW | FollowMoveYUpper | FollowGrowHLower},
    {IdConnect, K::PushButton, QT_TRANSLATE_NOOP("telvorin", "Connect"), 182, 201, 43, 14, "connectButton", {}, StyleNone, nullptr, 0, FollowMoveX | FollowMoveYAll},
    {IdDisconnect, K::PushButton, QT_TRANSLATE_NOOP("telvorin", "Disconnect"), 230, 201, 43, 14, "disconnectButton", {}, StyleNone, nullptr, 0, FollowMoveX | FollowMoveYAll},
    {IdExit, K::PushButton, QT_TRANSLATE_NOOP("telvorin", "Exit"), 234, 227, 43, 15, "exitButton", {}, StyleNone, nullptr, 0, FollowMoveX | FollowMoveYAll},
    {-1, K::GroupBox, QT_TRANSLATE_NOOP("telvorin", "Network Storage Device"), 3, 2, 277, 84, "deviceGroup", {}, StyleNone, nullptr, 0, FollowGrowW | FollowGrowHUpper},
    {-1, K::GroupBox, QT_TRANSLATE_NOOP("telvorin", "LAN"), 3, 89, 277, 64, "lanGroup", {}, StyleNone, nullptr, 0, FollowGrowW | FollowMoveYUpper},
    {-1, K::Label, QT_TRANSLATE_NOOP("telvorin", "I P :"), 13, 102, 14, 8, "ipLabel", {}, StyleNone, nullptr, IdIpAddress, FollowMoveYUpper},
    {-1, K::Label, QT_TRANSLATE_NOOP("telvorin", "Netmask :"), 13, 120, 32, 8, "netmaskLabel", {}, StyleNone, nullptr, IdNetmask, FollowMoveYUpper},
    {-1, K::Label, QT_TRANSLATE_NOOP("telvorin", "Gateway :"), 13, 138, 38, 8, "gatewayLabel", {}, StyleNone, nullptr, IdGateway, FollowMoveYUpper},
    {-1, K::GroupBox, QT_TRANSLATE_NOOP("telvorin", "Drive Mapping"), 3, 155, 277, 68, "driveGroup", {}, StyleNone, nullptr, 0, FollowGrowW | FollowMoveYUpper | FollowGrowHLower},
    {IdDriveLetters, K::DropDownList, "", 181, 176, 91, 110, "driveLetterCombo", {}, StyleNone, QT_TRANSLATE_NOOP("telvorin", "Available drive letters"), 0, FollowMoveX | FollowMoveYUpper},
    {IdDhcp, K::DropDownList, "", 213, 100, 59, 49, "dhcpCombo", DhcpItems, StyleSorted, QT_TRANSLATE_NOOP("telvorin", "Receive DHCP"), 0, FollowMoveX | FollowMoveYUpper},
    {-1, K::Label, QT_TRANSLATE_NOOP("telvorin", "Receive DHCP :"), 162, 102, 51, 8, "dhcpLabel", {}, StyleNone, nullptr, IdDhcp, FollowMoveX | FollowMoveYUpper},
    {-1, K::Label, QT_TRANSLATE_NOOP("telvorin", "Available Drive Letters :"), 182, 165, 78, 8, "driveLettersLabel", {}, StyleNone, nullptr, IdDriveLetters, FollowMoveX | FollowMoveYUpper},
    {IdAbout, K::PushButton, QT_TRANSLATE_NOOP("telvorin", "About"), 4, 227, 45, 15, "aboutButton", {}, StyleNone, nullptr, 0, FollowMoveYAll},
    {IdLanguage, K::PushButton, QT_TRANSLATE_NOOP("telvorin", "Language"), 228, 50, 45, 14, "languageButton", {}, StyleNone, nullptr, 0, FollowMoveX},
    {IdBitTorrent, K::PushButton, "BitTorrent", 228, 69, 45, 13, "bitTorrentButton", {}, StyleNone, nullptr, 0, FollowMoveX},
};
// clang-format on

} // namespace

const DialogTemplate MainTemplate{102, "Telvorin", "Arial", 8, 283, 245, MainControls};

} // namespace telvorin
