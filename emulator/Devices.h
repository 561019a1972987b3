// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The emulated devices of one segment: their configuration, their changing state, and
// how each answers a request (including the faults a test asks for).

#include "Wire.h"

#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace telvorin::emu {

enum class ReplyRoute { Multicast, Unicast, UnicastSourcePort };

enum class Corruption { None, Short, Truncated, Oversized, WrongLengths };

struct Device {
    // Identity and LAN settings (address, netmask, gateway, dhcp change with set requests).
    std::string name;
    std::array<std::uint8_t, 4> address{};
    std::string netmask = "255.255.255.0";
    std::string gateway;
    bool dhcp = false;
    std::array<std::uint8_t, 6> key{};
    std::vector<std::string> dhcpAddresses; // handed out in turn when DHCP is switched on
    std::size_t nextDhcp = 0;

    // Values the get items answer with.
    std::vector<std::string> volumes;
    std::string volumeText; // raw value for the volume list, overrides volumes when set
    bool hasVolumeText = false;
    std::string shareName;
    std::string ideState;
    std::string codepage;
    std::string btFirmware;
    std::string domain;
    std::string workgroup;
    std::string adminPassword;
    int loginAccepted = 1; // value byte of an accepted login
    int loginRefused = 0;  // value byte of a refused login

    // What was set on it.
    std::string writeMode;
    std::string stopValue;
    std::string package;
    std::string item5;

    // Behaviour.
    bool answersSearch = true;
    bool answersGet = true;
    bool answersSet = true;
    std::vector<int> unanswered; // get and set items this device never answers (still applied)
    bool extended = false;
    std::uint8_t selector1 = 3;
    std::uint8_t selector2 = 3;
    ReplyRoute route = ReplyRoute::Multicast;
    int delayMs = 0;
    int dropFirst = 0;                   // replies still to be dropped
    int duplicates = 0;                  // extra copies of every reply
    std::vector<Corruption> corruptions; // applied in turn, one per reply
    std::size_t nextCorruption = 0;
};

// One datagram to send, with its route and the delay before it leaves.
struct Outgoing {
    Bytes datagram;
    ReplyRoute route = ReplyRoute::Multicast;
    int delayMs = 0;
    std::string device;
    std::array<std::uint8_t, 4> from{}; // the device's address when it answered
};

class Segment {
public:
    // Reads {"reply": "multicast"|"unicast", "devices": [...]}; false with a reason on error.
    bool load(const QJsonObject& config, std::string* error);

    // The replies every addressed device sends for one request. The name of the device
    // a get or set request addressed is left in *addressed ("*" for a search, "" when
    // no device matched or the datagram is no request).
    std::vector<Outgoing> handle(const Bytes& datagram, std::string* addressed);

    const std::vector<Device>& devices() const { return devices_; }
    // Current state of every device, for tests to read back.
    QJsonObject stateJson() const;

private:
    Device* findDevice(const Request& request);
    Bytes answerGet(Device& device, const Request& request, bool* answer);
    bool applySet(Device& device, const Request& request);
    void queueReply(Device& device, Bytes datagram, std::vector<Outgoing>& out);

    std::vector<Device> devices_;
};

Bytes corrupt(const Bytes& reply, Corruption mode);
bool parseCorruption(const QString& name, Corruption* mode);

} // namespace telvorin::emu
