// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FixedText.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace telvorin {

constexpr int ProtocolPort = 13579;
constexpr const char* GroupAddress = "224.0.0.1";
constexpr int MaxInterfaces = 8;
constexpr int DatagramCapacity = 4096;

// The destination of every request.
struct GroupEndpoint {
    static constexpr const char* address = GroupAddress;
    static constexpr std::uint16_t port = ProtocolPort;
};

// Six random bytes that tag this run's requests; replies echo them.
using ClientId = std::array<std::uint8_t, 6>;

// Device key (6 bytes) and the device's IPv4 address (4 bytes, network order).
using DeviceId = std::array<std::uint8_t, 10>;

enum Opcode : std::uint8_t {
    OpSearch = 1,
    OpSearchReply = 2,
    OpGet = 3,
    OpGetReply = 4,
    OpSet = 5,
    OpSetReply = 6,
    OpSearchReplyExt = 7,
};

enum Item : std::uint8_t {
    ItemStaticAddress = 1,
    ItemDhcp = 2,
    ItemVolumeList = 3,
    ItemLogin = 4,
    Item5 = 5,
    ItemWorkgroupGet = 6,
    ItemWorkgroupSet = 7,
    ItemCodepageSet = 8,
    ItemCodepageGet = 9,
    ItemWriteMode = 10,
    ItemIdeState = 11,
    ItemShareName = 12,
    ItemStop = 13,
    ItemPackage = 14,
    ItemBtFirmware = 15,
    ItemDomain = 18,
};

// One device found by the last search.
struct DeviceRecord {
    FixedText<256> name;
    FixedText<16> ipText;
    FixedText<16> netmaskText;
    FixedText<16> gatewayText;
    FixedText<8> dhcpFlag;
    DeviceId deviceId{};
    int interfaceIndex = 0;
};

// Devices in reply order, unique by ipText, at most MaxRecords of them. Rebuilt by
// every search. Lookups by address go through an index, so a search that hears
// thousands of addresses stays linear.
class DeviceList {
public:
    // Every slot's search window with its own cap of 4,096 records, far beyond any real
    // segment: a flood of made-up replies on one link stops there.
    static constexpr int MaxRecords = MaxInterfaces * 4096;

    enum class Added { Yes, Known, Full };

    int count() const { return static_cast<int>(records_.size()); }
    bool empty() const { return records_.empty(); }
    void clear();
    // Appends the record unless its address is listed already or the list is full.
    Added add(const DeviceRecord& record);
    void append(const DeviceRecord& record) { add(record); }

    // The first record with exactly this address, or null.
    const DeviceRecord* find(std::string_view ipText) const;
    DeviceRecord* find(std::string_view ipText);
    bool contains(std::string_view ipText) const { return find(ipText) != nullptr; }
    // Gives a listed record a new address; the only way to change a record's ipText.
    void readdress(DeviceRecord& record, std::string_view ipText);

    auto begin() const { return records_.begin(); }
    auto end() const { return records_.end(); }
    const DeviceRecord& operator[](int i) const { return records_.at(static_cast<std::size_t>(i)); }

private:
    void reindex();

    std::vector<DeviceRecord> records_;
    std::unordered_map<std::string, std::size_t> index_; // ipText -> first position
};

struct VolumeEntry {
    FixedText<132> name;
};

// Volume names of the current device, without duplicates, in reply order.
class VolumeList {
public:
    int count() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }
    void clear() { entries_.clear(); }
    void append(std::string_view name) { entries_.push_back(VolumeEntry{FixedText<132>(name)}); }
    bool contains(std::string_view name) const
    {
        for (const VolumeEntry& e : entries_)
            if (e.name == name)
                return true;
        return false;
    }

    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }
    const VolumeEntry& operator[](int i) const { return entries_.at(static_cast<std::size_t>(i)); }

private:
    std::vector<VolumeEntry> entries_;
};

// The texts through which the dialogs hand values to the protocol and get values back.
struct ProtocolState {
    FixedText<16> currentDeviceIp;
    FixedText<16> newIp;
    FixedText<16> newNetmask;
    FixedText<16> newGateway;
    FixedText<17> adminUser;
    FixedText<17> adminPassword;
    FixedText<8> writeModeValue;
    FixedText<8> stopValue;
    FixedText<8> packageValue;
    FixedText<32> item5Value;
    FixedText<32> codepage;
    FixedText<32> workgroup;
    FixedText<20> shareName;
    FixedText<8> ideState;
    FixedText<8> btFirmware;
    FixedText<128> domain;
};

// The local interfaces the transport uses, one socket pair per slot.
struct InterfaceTable {
    int count = 0;
    std::array<FixedText<16>, MaxInterfaces> address;
    std::array<FixedText<16>, MaxInterfaces> name; // kernel interface name
    std::array<int, MaxInterfaces> sendSocket{-1, -1, -1, -1, -1, -1, -1, -1};
    std::array<int, MaxInterfaces> receiveSocket{-1, -1, -1, -1, -1, -1, -1, -1};
};

// Reads a device-sent decimal number from its leading digits; empty or non-numeric is 0.
int ReadDecimal(std::string_view text);

} // namespace telvorin
