// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lab devices the main window is shown with: two on a segment that answers by
// multicast, one behind a segment that answers by unicast.
namespace telvorin::test {

inline constexpr const char* ThreeDevices = R"({"segments": [
    {"reply": "multicast", "devices": [
      {"name": "NAS-1", "ip": "10.64.0.10", "netmask": "255.255.0.0", "gateway": "10.64.0.1",
       "volumes": ["HDD_a", "HDD_b"]},
      {"name": "Archive", "ip": "10.64.0.11", "netmask": "255.255.0.0", "gateway": "0.0.0.0",
       "dhcp": true, "volumes": ["HDD_1"]}]},
    {"reply": "unicast", "devices": [
      {"name": "Media", "ip": "10.65.0.20", "netmask": "255.255.0.0", "gateway": "10.65.0.1",
       "volumes": ["HDD_a"]}]}]})";

} // namespace telvorin::test
