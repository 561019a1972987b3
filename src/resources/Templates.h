// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resources/DialogTemplate.h"

namespace telvorin {

// Control ids of the main window (template 102).
enum MainControlId : int {
    IdDeviceList = 1000,
    IdVolumeList = 1001,
    IdRefresh = 1002,
    IdConnect = 1003,
    IdDisconnect = 1004,
    IdIpAddress = 1006,
    IdApply = 1007,
    IdConfiguration = 1008,
    IdExit = 1009,
    IdNetmask = 1010,
    IdGateway = 1011,
    IdDriveLetters = 1013,
    IdDhcp = 1015,
    IdAbout = 1021,
    IdLanguage = 1022,
    IdBitTorrent = 1025,
};

// The "Receive DHCP" items' data: their index in the template, whatever the language.
enum DhcpItem : int { DhcpDisable = 0, DhcpEnable = 1 };

// The dialog's own OK button id.
constexpr int IdOk = 1;

extern const DialogTemplate MainTemplate;  // 102
extern const DialogTemplate AboutTemplate; // 100

// Registers the icon and other files of this library with Qt's resource system; every
// user of AppIconSvg/AppIconPng calls it first.
void EnsureResources();

// Resource path of the application icon (our own drawing).
inline constexpr const char* AppIconSvg = ":/telvorin/icons/telvorin.svg";
inline constexpr const char* AppIconPng = ":/telvorin/icons/telvorin-32.png";

} // namespace telvorin
