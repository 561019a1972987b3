// SPDX-License-Identifier: GPL-3.0-or-later
#include "Devices.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace telvorin::emu {

namespace {

std::string text(const QJsonObject& o, const char* key, const std::string& fallback = {})
{
    const QJsonValue v = o.value(QLatin1String(key));
    return v.isString() ? v.toString().toStdString() : fallback;
}

bool parseRoute(const QString& s, ReplyRoute* route)
{
    if (s == QLatin1String("multicast"))
        *route = ReplyRoute::Multicast;
    else if (s == QLatin1String("unicast"))
        *route = ReplyRoute::Unicast;
    else if (s == QLatin1String("unicast-source-port"))
        *route = ReplyRoute::UnicastSourcePort;
    else
        return false;
    return true;
}

Bytes bytesOf(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

// Key "001122aabbcc" or, when absent, one derived from the device's position.
bool parseKey(const QJsonObject& o, std::size_t index, std::array<std::uint8_t, 6>* key)
{
    const std::string hex = text(o, "key");
    if (hex.empty()) {
        *key = {
            0x00, 0x14, 0x7e, 0x00, static_cast<std::uint8_t>(index >> 8), static_cast<std::uint8_t>(index)};
        return true;
    }
    const auto b = fromHex(hex);
    if (!b || b->size() != 6)
        return false;
    std::copy(b->begin(), b->end(), key->begin());
    return true;
}

bool leavesUnanswered(const Device& d, std::uint8_t item)
{
    return std::find(d.unanswered.begin(), d.unanswered.end(), int{item}) != d.unanswered.end();
}

} // namespace

bool parseCorruption(const QString& name, Corruption* mode)
{
    static const std::pair<const char*, Corruption> names[] = {
        {"none", Corruption::None},
        {"short", Corruption::Short},
        {"truncated", Corruption::Truncated},
        {"oversized", Corruption::Oversized},
        {"wrong-lengths", Corruption::WrongLengths},
    };
    for (const auto& [n, m] : names) {
        if (name == QLatin1String(n)) {
            *mode = m;
            return true;
        }
    }
    return false;
}

bool Segment::load(const QJsonObject& config, std::string* error)
{
    ReplyRoute defaultRoute = ReplyRoute::Multicast;
    if (config.contains(QLatin1String("reply")) &&
        !parseRoute(config.value(QLatin1String("reply")).toString(), &defaultRoute)) {
        *error = "unknown reply route";
        return false;
    }
    std::vector<Device> devices;
    const QJsonArray list = config.value(QLatin1String("devices")).toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QJsonObject o = list.at(i).toObject();
        Device d;
        d.name = text(o, "name");
        const auto address = parseAddress(text(o, "ip"));
        if (!address) {
            *error = "device " + std::to_string(i) + ": bad or missing \"ip\"";
            return false;
        }
        d.address = *address;
        d.netmask = text(o, "netmask", d.netmask);
        d.gateway = text(o, "gateway");
        d.dhcp = o.value(QLatin1String("dhcp")).toBool(false);
        if (!parseKey(o, static_cast<std::size_t>(i), &d.key)) {
            *error = "device " + d.name + ": \"key\" must be 12 hex digits";
            return false;
        }
        for (const QJsonValue v : o.value(QLatin1String("dhcpAddresses")).toArray())
            d.dhcpAddresses.push_back(v.toString().toStdString());
        for (const QJsonValue v : o.value(QLatin1String("volumes")).toArray())
            d.volumes.push_back(v.toString().toStdString());
        if (o.value(QLatin1String("volumeText")).isString()) {
            d.volumeText = text(o, "volumeText");
            d.hasVolumeText = true;
        }
        d.shareName = text(o, "shareName", d.volumes.empty() ? std::string() : d.volumes.front());
        d.ideState = text(o, "ideState", "1");
        d.codepage = text(o, "codepage", "850");
        d.btFirmware = text(o, "btFirmware", "1");
        d.domain = text(o, "domain", "WORKGROUP");
        d.workgroup = text(o, "workgroup", "WORKGROUP");
        d.adminPassword = text(o, "adminPassword");
        d.loginAccepted = o.value(QLatin1String("loginAccepted")).toInt(1);
        d.loginRefused = o.value(QLatin1String("loginRefused")).toInt(0);

        // "answers": false silences the device; "search-only" lets it be found but
        // leaves every transaction unanswered.
        const QJsonValue answers = o.value(QLatin1String("answers"));
        if (answers.isBool() && !answers.toBool()) {
            d.answersSearch = d.answersGet = d.answersSet = false;
        } else if (answers.toString() == QLatin1String("search-only")) {
            d.answersGet = d.answersSet = false;
        }
        // "unanswered": [12] leaves the share-name gets without a reply; a set of an
        // unanswered item still changes the device, as a device that drops the reply would.
        for (const QJsonValue v : o.value(QLatin1String("unanswered")).toArray())
            d.unanswered.push_back(v.toInt());
        d.extended = o.value(QLatin1String("extended")).toBool(false);
        const QJsonArray selectors = o.value(QLatin1String("selectors")).toArray();
        if (selectors.size() == 2) {
            d.selector1 = static_cast<std::uint8_t>(selectors.at(0).toInt());
            d.selector2 = static_cast<std::uint8_t>(selectors.at(1).toInt());
        }
        d.route = defaultRoute;
        if (o.contains(QLatin1String("reply")) &&
            !parseRoute(o.value(QLatin1String("reply")).toString(), &d.route)) {
            *error = "device " + d.name + ": unknown reply route";
            return false;
        }
        d.delayMs = o.value(QLatin1String("delayMs")).toInt(0);
        d.dropFirst = o.value(QLatin1String("drop")).toInt(0);
        d.duplicates = o.value(QLatin1String("duplicate")).toInt(0);
        const QJsonValue c = o.value(QLatin1String("corrupt"));
        const QJsonArray modes = c.isArray() ? c.toArray() : QJsonArray{c};
        for (const QJsonValue m : modes) {
            if (m.isUndefined() || m.isNull())
                continue;
            Corruption mode;
            if (!parseCorruption(m.toString(), &mode)) {
                *error = "device " + d.name + ": unknown corrupt mode";
                return false;
            }
            d.corruptions.push_back(mode);
        }
        devices.push_back(std::move(d));
    }
    devices_ = std::move(devices);
    return true;
}

Device* Segment::findDevice(const Request& r)
{
    for (Device& d : devices_) {
        if (d.address == r.address && d.key == r.key)
            return &d;
    }
    return nullptr;
}

void Segment::queueReply(Device& device, Bytes datagram, std::vector<Outgoing>& out)
{
    if (device.dropFirst > 0) {
        --device.dropFirst;
        return;
    }
    if (!device.corruptions.empty()) {
        const Corruption mode = device.corruptions[device.nextCorruption % device.corruptions.size()];
        ++device.nextCorruption;
        datagram = corrupt(datagram, mode);
    }
    for (int copy = 0; copy <= device.duplicates; ++copy)
        out.push_back(Outgoing{datagram, device.route, device.delayMs, device.name, device.address});
}

std::vector<Outgoing> Segment::handle(const Bytes& datagram, std::string* addressed)
{
    std::vector<Outgoing> out;
    addressed->clear();
    const auto request = parseRequest(datagram);
    if (!request)
        return out;

    ReplyHead head;
    head.tag = request->tag;
    if (request->opcode == wire::Search) {
        *addressed = "*";
        for (Device& d : devices_) {
            if (!d.answersSearch)
                continue;
            head.key = d.key;
            head.address = d.address;
            SearchAnswer a{d.dhcp, d.netmask, d.gateway, d.name, d.extended, d.selector1, d.selector2};
            queueReply(d, buildSearchReply(head, a), out);
        }
        return out;
    }

    Device* d = findDevice(*request);
    if (!d)
        return out;
    *addressed = d->name;
    if (request->opcode == wire::Get) {
        if (!d->answersGet)
            return out;
        bool answer = true;
        const Bytes value = answerGet(*d, *request, &answer);
        if (!answer || leavesUnanswered(*d, request->item))
            return out;
        head.key = d->key;
        head.address = d->address;
        queueReply(*d, buildGetReply(head, request->item, value), out);
        return out;
    }
    if (!d->answersSet)
        return out;
    if (!applySet(*d, *request) || leavesUnanswered(*d, request->item))
        return out;
    head.key = d->key;
    head.address = d->address; // the address after the change
    queueReply(*d, buildSetReply(head, request->item), out);
    return out;
}

Bytes Segment::answerGet(Device& d, const Request& r, bool* answer)
{
    switch (r.item) {
    case 3: {
        if (d.hasVolumeText)
            return bytesOf(d.volumeText);
        std::string joined;
        for (const std::string& v : d.volumes)
            joined += (joined.empty() ? "" : ":") + v;
        return bytesOf(joined);
    }
    case 4: {
        const auto login = splitLogin(r.value);
        const bool ok = login && login->user == "admin" && login->password == d.adminPassword;
        return Bytes{static_cast<std::uint8_t>(ok ? d.loginAccepted : d.loginRefused)};
    }
    case 6: return bytesOf(d.workgroup);
    case 9: return bytesOf(d.codepage);
    case 11: return bytesOf(d.ideState);
    case 12: return bytesOf(d.shareName);
    case 15: return bytesOf(d.btFirmware);
    case 18: return bytesOf(d.domain);
    default: *answer = false; return {};
    }
}

bool Segment::applySet(Device& d, const Request& r)
{
    const std::string value(r.value.begin(), r.value.end());
    switch (r.item) {
    case 1: {
        const auto address = parseAddress(value);
        if (!address)
            return false;
        d.address = *address;
        d.netmask = r.netmask;
        d.gateway = r.gateway;
        d.dhcp = false;
        return true;
    }
    case 2:
        d.dhcp = true;
        if (!d.dhcpAddresses.empty()) {
            const auto address = parseAddress(d.dhcpAddresses[d.nextDhcp % d.dhcpAddresses.size()]);
            ++d.nextDhcp;
            if (address)
                d.address = *address;
        }
        return true;
    case 5: d.item5 = value; return true;
    case 7: d.workgroup = value; return true;
    case 8: d.codepage = value; return true;
    case 10: d.writeMode = value; return true;
    case 13: d.stopValue = value; return true;
    case 14: d.package = value; return true;
    default: return false;
    }
}

QJsonObject Segment::stateJson() const
{
    QJsonArray list;
    for (const Device& d : devices_) {
        QJsonObject o;
        o.insert(QLatin1String("name"), QString::fromStdString(d.name));
        o.insert(QLatin1String("ip"), QString::fromStdString(formatAddress(d.address)));
        o.insert(QLatin1String("netmask"), QString::fromStdString(d.netmask));
        o.insert(QLatin1String("gateway"), QString::fromStdString(d.gateway));
        o.insert(QLatin1String("dhcp"), d.dhcp);
        o.insert(QLatin1String("codepage"), QString::fromStdString(d.codepage));
        o.insert(QLatin1String("workgroup"), QString::fromStdString(d.workgroup));
        o.insert(QLatin1String("writeMode"), QString::fromStdString(d.writeMode));
        o.insert(QLatin1String("stop"), QString::fromStdString(d.stopValue));
        o.insert(QLatin1String("package"), QString::fromStdString(d.package));
        o.insert(QLatin1String("item5"), QString::fromStdString(d.item5));
        list.append(o);
    }
    QJsonObject root;
    root.insert(QLatin1String("devices"), list);
    return root;
}

Bytes corrupt(const Bytes& reply, Corruption mode)
{
    Bytes d = reply;
    const bool search = !d.empty() && (d[0] == wire::SearchReply || d[0] == wire::SearchReplyExt);
    const std::size_t lengthAt = !search ? 24 : (d[0] == wire::SearchReply ? 56 : 68);
    switch (mode) {
    case Corruption::None: break;
    case Corruption::Short:
        // Opcode and client id survive, so the reply is taken as ours and then read
        // past its end if the reader is careless.
        d.resize(std::min<std::size_t>(d.size(), 9));
        break;
    case Corruption::Truncated:
        // The length field promises more than the datagram carries.
        if (d.size() >= lengthAt + 4) {
            const std::size_t payload = d.size() - lengthAt - 4;
            const std::uint32_t promised = static_cast<std::uint32_t>(payload + 200);
            for (int i = 0; i < 4; ++i)
                d[lengthAt + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(promised >> (8 * i));
            d.resize(lengthAt + 4 + payload / 2);
        }
        break;
    case Corruption::Oversized: {
        // Bigger than any reader's buffer, with a name/value of matching length and no
        // zero byte anywhere in the texts.
        const std::size_t size = 6000;
        const std::size_t start = std::min(d.size(), lengthAt + 4);
        d.resize(size, 'X');
        for (std::size_t i = start; i < size; ++i)
            d[i] = 'X';
        if (search) {
            for (std::size_t i = 24; i < 56; ++i)
                d[i] = '9';
        }
        const std::uint32_t length = static_cast<std::uint32_t>(size - lengthAt - 4);
        for (int i = 0; i < 4; ++i)
            d[lengthAt + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(length >> (8 * i));
        break;
    }
    case Corruption::WrongLengths:
        // Lengths that are negative as signed numbers, and netmask and gateway fields
        // without a terminating zero byte.
        if (d.size() >= lengthAt + 4) {
            d[lengthAt] = 0xf0;
            d[lengthAt + 1] = 0xff;
            d[lengthAt + 2] = 0xff;
            d[lengthAt + 3] = 0xff;
        }
        if (search && d.size() >= 56) {
            for (std::size_t i = 24; i < 56; ++i)
                d[i] = '1';
        }
        break;
    }
    return d;
}

} // namespace telvorin::emu
