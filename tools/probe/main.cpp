// SPDX-License-Identifier: GPL-3.0-or-later
// telvorin-probe: searches the LAN for devices and runs single transactions, printing
// JSON for scripts and the lab tests.

#include "DrivesCommand.h"
#include "InstallCommand.h"
#include "Json.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/Printable.h"
#include "protocol/Protocol.h"
#include "rules/DottedAddress.h"
#include "rules/EmptySearch.h"

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>

using namespace telvorin;
using telvorin::probe::JsonString;

namespace {

int Usage()
{
    std::fprintf(
        stderr,
        "usage: telvorin-probe search [--stream] | volumes IP | "
        "get IP codepage|sharename|ide|bt-firmware|domain | drives [restore|watch [--wait SECONDS]] | "
        "install codepage IP CODEPAGE | install bt IP\n");
    return 2;
}

// The address as the device list spells it ("%d.%d.%d.%d"), or empty when it is not one.
std::string CanonicalAddress(const char* text)
{
    std::uint32_t address = 0;
    if (!telvorin::ParseDottedAddress(text, address))
        return {};
    return telvorin::FormatDottedAddress(address);
}

// Runs the get transaction for item and hands back its value; null when unknown.
std::function<bool(Protocol&, std::string&)> GetterFor(std::string_view item)
{
    auto make = [](int (Protocol::*run)(), auto field) {
        return [run, field](Protocol& p, std::string& value) {
            auto& target = field(p.state);
            target.clear();
            const bool ok = (p.*run)() != 0;
            value = target.str();
            return ok;
        };
    };
    if (item == "codepage")
        return make(
            &Protocol::GetCodepage, [](ProtocolState & s) -> auto& { return s.codepage; });
    if (item == "sharename")
        return make(
            &Protocol::GetShareName, [](ProtocolState & s) -> auto& { return s.shareName; });
    if (item == "ide")
        return make(
            &Protocol::GetIdeState, [](ProtocolState & s) -> auto& { return s.ideState; });
    if (item == "bt-firmware")
        return make(
            &Protocol::GetBtFirmware, [](ProtocolState & s) -> auto& { return s.btFirmware; });
    if (item == "domain")
        return make(
            &Protocol::GetDomain, [](ProtocolState & s) -> auto& { return s.domain; });
    return {};
}

void PrintDevice(const Protocol& protocol, const DeviceRecord& d)
{
    const std::string_view local =
        d.interfaceIndex >= 0 && d.interfaceIndex < protocol.interfaces.count
            ? protocol.interfaces.address[static_cast<std::size_t>(d.interfaceIndex)].view()
            : std::string_view();
    std::printf("{\"name\":%s,\"ip\":%s,\"netmask\":%s,\"gateway\":%s,\"dhcp\":%s,"
                "\"interface\":%s}\n",
                JsonString(d.name.view()).c_str(), JsonString(d.ipText.view()).c_str(),
                JsonString(d.netmaskText.view()).c_str(), JsonString(d.gatewayText.view()).c_str(),
                d.dhcpFlag == std::string_view("1") ? "true" : "false", JsonString(local).c_str());
}

// A search that heard nothing says why it may have, on stderr: stdout stays JSON lines.
void SayWhyNothing(const Protocol& protocol)
{
    if (protocol.devices.empty())
        std::fprintf(stderr, "telvorin-probe: %s\n",
                     EmptySearchText(protocol.interfaces.count, ProtocolPort).c_str());
}

// Each device once, as soon as a reply names it: the order replies arrived in, and the
// interface that heard it first.
void SearchStreaming(Protocol& protocol)
{
    std::unordered_set<std::string> printed;
    Protocol::SearchStream stream;
    stream.found = [&](const DeviceRecord& d, std::size_t) {
        if (!printed.insert(d.ipText.str()).second)
            return;
        PrintDevice(protocol, d);
        std::fflush(stdout);
    };
    protocol.SearchDevices(3, 3, stream);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    const std::string_view command = argv[1];
    if (command == "drives")
        return telvorin::probe::RunDrives(argc, argv);
    if (command == "install")
        return telvorin::probe::RunInstallCommand(argc, argv);

    std::string address;
    std::function<bool(Protocol&, std::string&)> getter;
    bool stream = false;
    if (command == "search") {
        stream = argc == 3 && std::string_view(argv[2]) == "--stream";
        if (argc != 2 && !stream)
            return Usage();
    } else if (command == "volumes") {
        if (argc != 3)
            return Usage();
        address = CanonicalAddress(argv[2]);
    } else if (command == "get") {
        if (argc != 4)
            return Usage();
        address = CanonicalAddress(argv[2]);
        getter = GetterFor(argv[3]);
        if (!getter)
            return Usage();
    } else {
        return Usage();
    }
    if (command != "search" && address.empty())
        return Usage();

    PosixSocketLayer sockets;
    SteadyClock clock;
    Protocol protocol(sockets, clock, LinesTo(stderr));
    protocol.OpenTransport();
    if (stream) {
        SearchStreaming(protocol);
        SayWhyNothing(protocol);
        return 0;
    }
    protocol.SearchDevices(3, 3);

    if (command == "search") {
        for (const DeviceRecord& d : protocol.devices)
            PrintDevice(protocol, d);
        SayWhyNothing(protocol);
        return 0;
    }

    if (!protocol.FindDeviceByIp(address)) {
        std::fprintf(stderr, "telvorin-probe: device %s not found\n", address.c_str());
        return 1;
    }
    protocol.state.currentDeviceIp = address;

    if (command == "volumes") {
        if (!protocol.GetVolumeList()) {
            std::fprintf(stderr, "telvorin-probe: device %s did not answer\n", address.c_str());
            return 1;
        }
        std::string out = "[";
        for (const VolumeEntry& v : protocol.volumes) {
            if (out.size() > 1)
                out += ',';
            out += JsonString(v.name.view());
        }
        out += ']';
        std::printf("%s\n", out.c_str());
        return 0;
    }

    std::string value;
    if (!getter(protocol, value)) {
        std::fprintf(stderr, "telvorin-probe: device %s did not answer\n", address.c_str());
        return 1;
    }
    // The value is the device's text: escaped, it cannot drive the terminal.
    std::printf("%s\n", PrintableText(value).c_str());
    return 0;
}
