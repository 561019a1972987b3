// SPDX-License-Identifier: GPL-3.0-or-later
// telvorin-emulator: plays the discovery side of any number of storage devices on one
// network segment. Runs only inside a network namespace that a lab created.

#include "Devices.h"

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

using namespace telvorin::emu;

namespace {

constexpr std::uint16_t Port = 13579;
constexpr const char* Group = "224.0.0.1";

volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t reloadRequested = 0;

void onStop(int)
{
    stopRequested = 1;
}
void onReload(int)
{
    reloadRequested = 1;
}

struct Options {
    std::string config;
    std::string configText; // the same JSON given on the command line
    std::string record;
    std::string state;
    std::string ready;
    std::string interface;
};

int usage()
{
    std::fprintf(stderr, "usage: telvorin-emulator --config FILE --interface IFNAME [--record FILE]"
                         " [--state FILE] [--ready FILE]\n");
    return 2;
}

// The emulator answers multicast on whatever namespace it runs in; in the machine's own
// namespace that would put fake devices on a real network, so it refuses. A lab
// namespace holds only loopback and the lab's own links (named "tvl...").
bool inOwnNamespaceOfMachine()
{
    struct stat self {};
    struct stat init {};
    if (stat("/proc/self/ns/net", &self) == 0 && stat("/proc/1/ns/net", &init) == 0 &&
        self.st_ino == init.st_ino && self.st_dev == init.st_dev)
        return true;
    struct if_nameindex* names = if_nameindex();
    if (!names)
        return true;
    bool foreign = false;
    for (struct if_nameindex* n = names; n->if_index != 0; ++n) {
        const std::string name = n->if_name;
        if (name != "lo" && name.rfind("tvl", 0) != 0)
            foreign = true;
    }
    if_freenameindex(names);
    return foreign;
}

std::int64_t nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool loadSegment(const Options& opt, Segment& segment)
{
    QByteArray text = QByteArray::fromStdString(opt.configText);
    const std::string path = opt.config.empty() ? "--devices" : opt.config;
    if (!opt.config.empty()) {
        QFile f(QString::fromStdString(opt.config));
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "telvorin-emulator: cannot read %s\n", path.c_str());
            return false;
        }
        text = f.readAll();
    }
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(text, &err);
    if (!doc.isObject()) {
        std::fprintf(stderr, "telvorin-emulator: %s: %s\n", path.c_str(),
                     err.errorString().toLocal8Bit().constData());
        return false;
    }
    std::string why;
    if (!segment.load(doc.object(), &why)) {
        std::fprintf(stderr, "telvorin-emulator: %s: %s\n", path.c_str(), why.c_str());
        return false;
    }
    return true;
}

void writeState(const std::string& path, const Segment& segment)
{
    if (path.empty())
        return;
    QSaveFile f(QString::fromStdString(path));
    if (f.open(QIODevice::WriteOnly)) {
        f.write(QJsonDocument(segment.stateJson()).toJson());
        f.commit();
    }
}

// "<pid> <generation>": tells the lab the emulator listens, and which configuration
// (counted reloads) it answers with.
void writeReady(const std::string& path, int generation)
{
    if (path.empty())
        return;
    QSaveFile f(QString::fromStdString(path));
    if (f.open(QIODevice::WriteOnly)) {
        f.write(QByteArray::number(static_cast<qint64>(getpid())) + ' ' + QByteArray::number(generation) +
                '\n');
        f.commit();
    }
}

int openSocket(const std::string& interface, unsigned* ifindex)
{
    *ifindex = if_nametoindex(interface.c_str());
    if (*ifindex == 0) {
        std::fprintf(stderr, "telvorin-emulator: no interface %s\n", interface.c_str());
        return -1;
    }
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    const int one = 1;
    const int zero = 0;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    const int buffer = 4 << 20;
    setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
    setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &buffer, sizeof buffer);
    if (setsockopt(fd, SOL_SOCKET, SO_BINDTODEVICE, interface.c_str(),
                   static_cast<socklen_t>(interface.size())) != 0) {
        std::perror("telvorin-emulator: SO_BINDTODEVICE");
        close(fd);
        return -1;
    }
    sockaddr_in any{};
    any.sin_family = AF_INET;
    any.sin_port = htons(Port);
    any.sin_addr.s_addr = htonl(INADDR_ANY);
    if (bind(fd, reinterpret_cast<sockaddr*>(&any), sizeof any) != 0) {
        std::perror("telvorin-emulator: bind");
        close(fd);
        return -1;
    }
    ip_mreqn join{};
    inet_pton(AF_INET, Group, &join.imr_multiaddr);
    join.imr_ifindex = static_cast<int>(*ifindex);
    if (setsockopt(fd, IPPROTO_IP, IP_ADD_MEMBERSHIP, &join, sizeof join) != 0) {
        std::perror("telvorin-emulator: IP_ADD_MEMBERSHIP");
        close(fd);
        return -1;
    }
    ip_mreqn out{};
    out.imr_ifindex = static_cast<int>(*ifindex);
    setsockopt(fd, IPPROTO_IP, IP_MULTICAST_IF, &out, sizeof out);
    // Our own multicast replies must not come back as requests.
    setsockopt(fd, IPPROTO_IP, IP_MULTICAST_LOOP, &zero, sizeof zero);
    setsockopt(fd, IPPROTO_IP, IP_MULTICAST_ALL, &zero, sizeof zero);
    return fd;
}

struct Pending {
    Bytes datagram;
    sockaddr_in to{};
    in_addr from{};
};

// Sends from the device's own address, as a device on its own host would; from the
// segment's address when the device's is not (or no longer) one of this namespace's.
bool SendReply(int fd, const Pending& q)
{
    sockaddr_in to = q.to;
    iovec iov{const_cast<std::uint8_t*>(q.datagram.data()), q.datagram.size()};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
    msghdr msg{};
    msg.msg_name = &to;
    msg.msg_namelen = sizeof to;
    msg.msg_iov = &iov;
    msg.msg_iovlen = 1;
    msg.msg_control = control;
    msg.msg_controllen = sizeof control;
    cmsghdr* header = CMSG_FIRSTHDR(&msg);
    header->cmsg_level = IPPROTO_IP;
    header->cmsg_type = IP_PKTINFO;
    header->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
    in_pktinfo info{};
    info.ipi_spec_dst = q.from;
    std::memcpy(CMSG_DATA(header), &info, sizeof info);
    if (sendmsg(fd, &msg, 0) >= 0)
        return true;
    return sendto(fd, q.datagram.data(), q.datagram.size(), 0, reinterpret_cast<const sockaddr*>(&q.to),
                  sizeof q.to) >= 0;
}

} // namespace

int main(int argc, char** argv)
{
    Options opt;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc)
            return usage();
        const std::string v = argv[++i];
        if (a == "--config")
            opt.config = v;
        else if (a == "--devices")
            opt.configText = v;
        else if (a == "--record")
            opt.record = v;
        else if (a == "--state")
            opt.state = v;
        else if (a == "--ready")
            opt.ready = v;
        else if (a == "--interface")
            opt.interface = v;
        else
            return usage();
    }
    if (opt.config.empty() == opt.configText.empty() || opt.interface.empty())
        return usage();
    if (inOwnNamespaceOfMachine()) {
        std::fprintf(stderr, "telvorin-emulator: refusing to run in the machine's own network "
                             "namespace; start it inside a lab namespace\n");
        return 3;
    }

    Segment segment;
    if (!loadSegment(opt, segment))
        return 1;

    unsigned ifindex = 0;
    const int fd = openSocket(opt.interface, &ifindex);
    if (fd < 0)
        return 1;

    std::FILE* record = nullptr;
    if (!opt.record.empty()) {
        record = std::fopen(opt.record.c_str(), "a");
        if (!record) {
            std::perror("telvorin-emulator: record file");
            return 1;
        }
    }

    struct sigaction sa {};
    sa.sa_handler = onStop;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    sa.sa_handler = onReload;
    sigaction(SIGHUP, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    writeState(opt.state, segment);
    int generation = 0;
    writeReady(opt.ready, generation);

    const std::int64_t start = nowMs();
    std::multimap<std::int64_t, Pending> pending; // by due time, then arrival order
    std::vector<std::uint8_t> buffer(65536);

    while (!stopRequested) {
        if (reloadRequested) {
            reloadRequested = 0;
            Segment fresh;
            if (loadSegment(opt, fresh)) {
                segment = std::move(fresh);
                writeState(opt.state, segment);
            }
            // Written even when the new file was bad, so a waiting caller never hangs.
            writeReady(opt.ready, ++generation);
        }
        int timeout = 200;
        if (!pending.empty())
            timeout = static_cast<int>(std::max<std::int64_t>(0, pending.begin()->first - nowMs()));
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, std::min(timeout, 200));
        if (ready > 0 && (p.revents & POLLIN)) {
            // Drain everything waiting, so a burst of requests is answered in one go.
            for (;;) {
                sockaddr_in from{};
                socklen_t fromLength = sizeof from;
                const ssize_t n = recvfrom(fd, buffer.data(), buffer.size(), MSG_DONTWAIT,
                                           reinterpret_cast<sockaddr*>(&from), &fromLength);
                if (n < 0)
                    break;
                const Bytes datagram(buffer.begin(), buffer.begin() + n);
                std::string addressed;
                const std::vector<Outgoing> replies = segment.handle(datagram, &addressed);
                if (record) {
                    char source[INET_ADDRSTRLEN] = "?";
                    inet_ntop(AF_INET, &from.sin_addr, source, sizeof source);
                    std::fprintf(record, "%lld\t%s\t%s:%u\t%s\n", static_cast<long long>(nowMs() - start),
                                 addressed.empty() ? "-" : addressed.c_str(), source,
                                 unsigned{ntohs(from.sin_port)}, toHex(datagram).c_str());
                    std::fflush(record);
                }
                if (!datagram.empty() && datagram[0] == wire::Set && !addressed.empty())
                    writeState(opt.state, segment);
                for (const Outgoing& o : replies) {
                    Pending q;
                    q.datagram = o.datagram;
                    std::memcpy(&q.from, o.from.data(), sizeof q.from);
                    q.to.sin_family = AF_INET;
                    if (o.route == ReplyRoute::Multicast) {
                        inet_pton(AF_INET, Group, &q.to.sin_addr);
                        q.to.sin_port = htons(Port);
                    } else {
                        q.to.sin_addr = from.sin_addr;
                        q.to.sin_port = o.route == ReplyRoute::Unicast ? htons(Port) : from.sin_port;
                    }
                    pending.emplace(nowMs() + o.delayMs, std::move(q));
                }
            }
        }
        const std::int64_t now = nowMs();
        while (!pending.empty() && pending.begin()->first <= now) {
            const Pending& q = pending.begin()->second;
            if (!SendReply(fd, q) && errno != EINTR) {
                std::perror("telvorin-emulator: sendto");
            }
            pending.erase(pending.begin());
        }
    }
    if (record)
        std::fclose(record);
    close(fd);
    return 0;
}
