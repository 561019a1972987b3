// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared pieces of the lab tests: the real protocol over the real sockets, the probe,
// and the requests the devices should receive.

#include "lab/LabTest.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/Protocol.h"
#include "protocol/RequestBytes.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace labtest {

using telvorin::test::Bytes;

// The protocol with its transport open, its diagnostic lines collected; construct it
// after Lab::enterPc().
struct LiveProtocol {
    std::string lines; // one diagnostic a line
    telvorin::PosixSocketLayer sockets;
    telvorin::SteadyClock clock;
    telvorin::Protocol protocol{sockets, clock, [this](std::string_view line) { (lines += line) += '\n'; }};
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

} // namespace labtest
