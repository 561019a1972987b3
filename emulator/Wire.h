// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The emulator's own reading and writing of discovery datagrams. Kept apart from the
// program's protocol code on purpose: both are written from the message layouts, so a
// mistake on one side shows up as a disagreement with the other.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace telvorin::emu {

using Bytes = std::vector<std::uint8_t>;

namespace wire {
constexpr std::uint8_t Search = 1;
constexpr std::uint8_t SearchReply = 2;
constexpr std::uint8_t Get = 3;
constexpr std::uint8_t GetReply = 4;
constexpr std::uint8_t Set = 5;
constexpr std::uint8_t SetReply = 6;
constexpr std::uint8_t SearchReplyExt = 7;

constexpr std::size_t HeaderSize = 11; // opcode, client id, 4 reserved
constexpr std::size_t GetSize = 28;    // header, device id, item, 2 reserved, length
constexpr std::size_t SetSize = 60;    // ... netmask[16], gateway[16], length
} // namespace wire

// A request as the emulator understands it. Fields a layout does not carry stay empty.
struct Request {
    std::uint8_t opcode = 0;
    std::array<std::uint8_t, 10> tag{};    // bytes 1..10: client id and reserved, echoed back
    std::array<std::uint8_t, 6> key{};     // device key (get/set)
    std::array<std::uint8_t, 4> address{}; // device address (get/set)
    std::uint8_t item = 0;
    std::string netmask; // set requests
    std::string gateway;
    Bytes value; // get/set value bytes
};

// Parses a request datagram; nullopt when its length does not fit its opcode's layout.
std::optional<Request> parseRequest(const Bytes& datagram);

// The common reply prefix: opcode, the request's tag, device key and address.
struct ReplyHead {
    std::uint8_t opcode = 0;
    std::array<std::uint8_t, 10> tag{};
    std::array<std::uint8_t, 6> key{};
    std::array<std::uint8_t, 4> address{};
};

struct SearchAnswer {
    bool dhcp = false;
    std::string netmask;
    std::string gateway;
    std::string name;
    bool extended = false;
    std::uint8_t selector1 = 0;
    std::uint8_t selector2 = 0;
};

Bytes buildSearchReply(const ReplyHead& head, const SearchAnswer& answer);
Bytes buildGetReply(const ReplyHead& head, std::uint8_t item, const Bytes& value);
Bytes buildSetReply(const ReplyHead& head, std::uint8_t item);

// Login value: user name, 0x55 0xAA, password. nullopt when the separator is missing.
struct Login {
    std::string user;
    std::string password;
};
std::optional<Login> splitLogin(const Bytes& value);

// Dotted text <-> 4 network-order bytes.
std::optional<std::array<std::uint8_t, 4>> parseAddress(const std::string& text);
std::string formatAddress(const std::array<std::uint8_t, 4>& address);

std::string toHex(const Bytes& bytes);
std::optional<Bytes> fromHex(const std::string& text);

} // namespace telvorin::emu
