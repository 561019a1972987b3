// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"
#include "ProtocolTypes.h"
#include "SocketLayer.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <thread>
#include <vector>

namespace telvorin {

using SendBuffer = std::span<std::uint8_t, DatagramCapacity>;

// Receives one diagnostic line at a time, without its line end.
using DiagnosticSink = std::function<void(std::string_view line)>;

// A sink that writes each line, with a line end, to `file` and flushes it.
DiagnosticSink LinesTo(std::FILE* file);

// The device discovery protocol: transport, builders, transactions, search and the
// shared device data. One instance serves the whole program; it talks to the user never.
// Every transaction returns 1 on a matching reply and 0 otherwise (VerifyLogin returns
// the reply's first value byte as a signed number).
class Protocol {
public:
    // diagnostics receives the get transactions' "item=value" lines and the note of a
    // full device list; empty for none.
    Protocol(SocketLayer& sockets, Clock& clock, DiagnosticSink diagnostics = {});
    ~Protocol();
    Protocol(const Protocol&) = delete;
    Protocol& operator=(const Protocol&) = delete;

    // Transport. The ClientId is drawn at the first OpenTransport and kept for the life
    // of the object. Every search first follows the host's interfaces: when they differ
    // from the table's, the sockets are made again for the new set.
    void OpenTransport();
    void CloseTransport();
    // Whether the host's IPv4 interfaces now differ from those the table holds.
    bool interfacesChanged() const;
    // Makes the sockets again when the interfaces differ. A search does it itself when it
    // runs on the thread that opened the transport; a caller that searches on another
    // thread calls this first on its own (a thread's network namespace is its own).
    void followInterfaces();
    int InterfaceForCurrentDevice() const; // slot, or -1 when the current device is unknown
    bool CheckClientId(std::span<const std::uint8_t> datagram) const;

    // Builders: write into a zero-filled buffer, return the length or 0 when the current
    // device is not listed.
    int BuildSearchRequest(SendBuffer buffer) const;
    int BuildGetRequest(SendBuffer buffer, std::uint8_t item) const;
    int BuildLoginRequest(SendBuffer buffer) const;
    int BuildSetRequest(SendBuffer buffer, std::uint8_t item, std::string_view value) const;
    int buildDhcpSetRequest(SendBuffer buffer) const;

    // Transactions
    int VerifyLogin();
    int GetWorkgroup();
    int GetCodepage();
    int GetShareName();
    int GetVolumeList();
    int GetIdeState();
    int GetBtFirmware();
    int GetDomain();
    int SetDhcp();
    int SetStaticIp();
    int SetItem5();
    int SetWorkgroup();
    int SetCodepage();
    int SetWriteMode();
    int SetStopMode();
    int SetPackage();

    // Search and lists. The search runs the windows of all slots at the same time, each
    // with its own sends, polls and time bound, and then merges their replies in slot
    // order: the list one window after another would give, in about one window's time.
    // Each window keeps at most MaxRecordsPerSender records from one source address and
    // MaxRecordsPerWindow in all, so a flood on one link crowds out nothing on another;
    // the first time a window reaches a bound, one diagnostic line says so.
    static constexpr int MaxRecordsPerSender = 16;
    static constexpr int MaxRecordsPerWindow = DeviceList::MaxRecords / MaxInterfaces;

    // What a streaming search tells its caller, from the thread that runs the search, as
    // replies are read. The list it describes is always the final list's records heard so
    // far, in the final order: `found` inserts a record at `row`, `withdrawn` removes the
    // record at `row` (a device first heard through a later slot, then through an
    // earlier one, which keeps it; `found` for that slot follows at once). Applied in
    // order, the calls end with exactly the device list the search leaves.
    struct SearchStream {
        std::function<void(const DeviceRecord& record, std::size_t row)> found;
        std::function<void(std::size_t row)> withdrawn;
    };

    void SearchDevices(int selector1, int selector2);
    void SearchDevices(int selector1, int selector2, const SearchStream& stream);

    bool FindDeviceByIp(std::string_view ipText) const;
    void FreeDeviceList();

    // Shared data, read and written by the handlers.
    ProtocolState state;
    DeviceList devices;
    VolumeList volumes;
    InterfaceTable interfaces;
    ClientId clientId{};
    bool transportOpen() const { return open_; }

    // Any wait is cut off this long after its nominal duration, so a stream of
    // datagrams or receive errors cannot hold the caller.
    static constexpr int OverrunLimitMs = 1000;

private:
    // The accepted replies of one search, per slot in arrival order, each slot's unique by
    // address and within the window's bounds.
    struct SearchReplies {
        std::vector<std::vector<DeviceRecord>> perSlot;
    };
    SearchReplies collectSearchReplies(int selector1, int selector2, const SearchStream* stream);
    void mergeSearchReplies(const SearchReplies& replies);

    // The host's interfaces as the table would take them: system order, at most 8.
    std::vector<LocalInterface> hostInterfaces() const;
    void openSockets(std::vector<LocalInterface> found);
    void closeSockets();
    // Whether the link of a slot is still there with its address.
    bool slotPresent(int slot) const;

    // Checked between polls; one select and one receive may still follow it.
    static constexpr int CutOffMs = OverrunLimitMs - 50;

    // One received datagram with room for the zero byte behind it.
    struct Datagram {
        std::array<std::uint8_t, DatagramCapacity + 1> bytes;
        int length = 0;
        std::span<const std::uint8_t> view() const
        {
            return {bytes.data(), static_cast<std::size_t>(length)};
        }
    };

    enum class AddressRule { CurrentDevice, NewIp, Any };

    struct Exchange {
        std::uint8_t replyOpcode;
        int flushPolls;
        int pollLimit;
        AddressRule address;
    };

    // Sends the request that build lays out and waits for the matching reply; false
    // when the device is unknown or nothing matched in time.
    bool transact(const Exchange& exchange, const std::function<int(SendBuffer)>& build, Datagram& reply);
    int getText(std::uint8_t item, int flushPolls, int pollLimit, const char* label,
                const std::function<void(std::string_view)>& store);
    int setValue(std::uint8_t item, std::string_view value);
    const DeviceRecord* currentDevice() const;
    DeviceRecord* currentDevice();
    void writeHeader(SendBuffer buffer, std::uint8_t opcode) const;
    // The header, the current device's id and the item; false when the device is not
    // listed.
    bool writeDeviceRequest(SendBuffer buffer, std::uint8_t opcode, std::uint8_t item) const;
    void diagnostic(const char* label, std::string_view value) const;
    void reportListFull(); // once per search
    // One line per bound a search window reaches.
    void reportWindowBound(int slot, std::string_view localAddress,
                           std::optional<std::uint32_t> sender) const;

    SocketLayer& sockets_;
    Clock& clock_;
    DiagnosticSink diagnostics_;
    bool open_ = false;
    bool clientIdDrawn_ = false;
    bool listFullReported_ = false;
    std::vector<LocalInterface> links_; // what the table's slots were made for
    std::thread::id opener_;
};

} // namespace telvorin
