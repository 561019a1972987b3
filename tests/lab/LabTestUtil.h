// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared pieces of the lab tests: the real protocol over the real sockets, the probe,
// and request layouts written out byte by byte.

#include "lab/Lab.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/Protocol.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <string>
#include <vector>

namespace labtest {

using Bytes = std::vector<std::uint8_t>;

// The protocol with its transport open; construct it after Lab::enterPc().
struct LiveProtocol {
    telvorin::PosixSocketLayer sockets;
    telvorin::SteadyClock clock;
    telvorin::Protocol protocol{sockets, clock, nullptr};
    LiveProtocol() { protocol.OpenTransport(); }
    ~LiveProtocol() { protocol.CloseTransport(); }

    const telvorin::DeviceRecord* find(const std::string& ip) const
    {
        for (const auto& d : protocol.devices) {
            if (d.ipText == ip)
                return &d;
        }
        return nullptr;
    }
};

// One device of a lab config; extra is spliced in as more JSON members.
inline std::string device(const std::string& name, const std::string& ip, const std::string& extra = {})
{
    return "{\"name\": \"" + name + "\", \"ip\": \"" + ip + "\", \"netmask\": \"255.255.0.0\"" +
           (extra.empty() ? "" : ", " + extra) + "}";
}

inline std::string segment(const std::string& reply, const std::vector<std::string>& devices)
{
    std::string list;
    for (const std::string& d : devices)
        list += (list.empty() ? "" : ", ") + d;
    return "{\"reply\": \"" + reply + "\", \"devices\": [" + list + "]}";
}

inline std::string config(const std::vector<std::string>& segments)
{
    std::string list;
    for (const std::string& s : segments)
        list += (list.empty() ? "" : ", ") + s;
    return "{\"segments\": [" + list + "]}";
}

// telvorin-probe's stdout lines as JSON objects; a line that is no object fails the test.
inline std::vector<QJsonObject> jsonLines(const std::string& out, bool* allValid)
{
    std::vector<QJsonObject> objects;
    *allValid = true;
    std::size_t start = 0;
    while (start < out.size()) {
        std::size_t end = out.find('\n', start);
        if (end == std::string::npos)
            end = out.size();
        const std::string line = out.substr(start, end - start);
        start = end + 1;
        if (line.empty())
            continue;
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line));
        if (!doc.isObject())
            *allValid = false;
        else
            objects.push_back(doc.object());
    }
    return objects;
}

inline std::string probePath()
{
    return TELVORIN_LAB_PROBE;
}

// Request layouts, spelled out field by field.
inline void put(Bytes& b, const std::string& s)
{
    b.insert(b.end(), s.begin(), s.end());
}
inline void putLe32(Bytes& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
inline void putField16(Bytes& b, const std::string& s)
{
    for (std::size_t i = 0; i < 16; ++i)
        b.push_back(i < s.size() ? static_cast<std::uint8_t>(s[i]) : 0);
}

inline Bytes header(std::uint8_t opcode, const telvorin::ClientId& id)
{
    Bytes b{opcode};
    b.insert(b.end(), id.begin(), id.end());
    b.insert(b.end(), 4, 0);
    return b;
}

// key: 6 bytes, then the address
inline Bytes getRequest(const telvorin::ClientId& id, const Bytes& deviceId, std::uint8_t item,
                        const Bytes& value = {})
{
    Bytes b = header(3, id);
    b.insert(b.end(), deviceId.begin(), deviceId.end());
    b.push_back(item);
    b.insert(b.end(), 2, 0);
    putLe32(b, static_cast<std::uint32_t>(value.size()));
    b.insert(b.end(), value.begin(), value.end());
    return b;
}

inline Bytes setRequest(const telvorin::ClientId& id, const Bytes& deviceId, std::uint8_t item,
                        const std::string& netmask, const std::string& gateway, const std::string& value)
{
    Bytes b = header(5, id);
    b.insert(b.end(), deviceId.begin(), deviceId.end());
    b.push_back(item);
    b.insert(b.end(), 2, 0);
    putField16(b, netmask);
    putField16(b, gateway);
    putLe32(b, static_cast<std::uint32_t>(value.size()));
    put(b, value);
    return b;
}

inline Bytes deviceId(const Bytes& key, std::initializer_list<std::uint8_t> address)
{
    Bytes b = key;
    b.insert(b.end(), address);
    return b;
}

} // namespace labtest
