// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lab.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#ifndef TELVORIN_LAB_SOURCE_DIR
#define TELVORIN_LAB_SOURCE_DIR ""
#endif
#ifndef TELVORIN_LAB_EMULATOR
#define TELVORIN_LAB_EMULATOR ""
#endif

namespace telvorin::lab {

namespace {

std::string sourceDir()
{
    if (const char* env = std::getenv("TELVORIN_SOURCE_DIR"); env && *env)
        return env;
    return TELVORIN_LAB_SOURCE_DIR;
}

std::string emulatorPath()
{
    if (const char* env = std::getenv("TELVORIN_EMULATOR"); env && *env)
        return env;
    return TELVORIN_LAB_EMULATOR;
}

std::string labScript()
{
    return sourceDir() + "/lab/lab.sh";
}

bool executable(const std::string& path)
{
    return !path.empty() && access(path.c_str(), X_OK) == 0;
}

bool onPath(const char* name)
{
    for (const char* dir : {"/usr/sbin", "/usr/bin", "/sbin", "/bin", "/usr/local/sbin", "/usr/local/bin"}) {
        if (executable(std::string(dir) + "/" + name))
            return true;
    }
    return false;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

QJsonObject readJson(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}

std::string str(const QJsonObject& o, const char* key)
{
    return o.value(QLatin1String(key)).toString().toStdString();
}

// Runs argv, waits, returns its exit status; stdout is collected into *out.
int run(const std::vector<std::string>& argv, std::string* out)
{
    if (argv.empty())
        return -1;
    // Everything the child needs is prepared before fork: other threads may hold locks.
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid < 0) {
        close(pipeFds[0]);
        close(pipeFds[1]);
        return -1;
    }
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        execv(args[0], args.data());
        _exit(127);
    }
    close(pipeFds[1]);
    char buf[4096];
    ssize_t n;
    while ((n = read(pipeFds[0], buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR)) {
        if (n > 0 && out)
            out->append(buf, static_cast<std::size_t>(n));
    }
    close(pipeFds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ino_t netInode(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

std::string threadNetPath()
{
    return "/proc/self/task/" + std::to_string(static_cast<long>(syscall(SYS_gettid))) + "/ns/net";
}

std::vector<std::uint8_t> fromHex(const std::string& hex)
{
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

} // namespace

bool Lab::available(std::string* why)
{
    auto no = [why](const std::string& reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (geteuid() != 0)
        return no("the lab needs root (network namespaces)");
    if (!onPath("ip"))
        return no("ip (iproute2) is not installed");
    if (!onPath("smbd"))
        return no("smbd (samba) is not installed");
    if (!onPath("python3"))
        return no("python3 is not installed");
    if (!executable(labScript()))
        return no("lab/lab.sh not found (TELVORIN_SOURCE_DIR)");
    if (!executable(emulatorPath()))
        return no("telvorin-emulator is not built");
    if (access("/proc/self/ns/net", R_OK) != 0)
        return no("no network namespaces here");
    return true;
}

std::string Lab::defaultConfig()
{
    return readFile(sourceDir() + "/lab/default-lab.json");
}

Lab::Lab(const std::string& configJson)
{
    ok_ = bringUp(configJson);
}

Lab::~Lab()
{
    leavePc();
    if (!dir_.empty()) {
        run({"/bin/bash", labScript(), "down", dir_}, nullptr);
    }
}

bool Lab::bringUp(const std::string& configJson)
{
    std::string why;
    if (!available(&why)) {
        error_ = why;
        return false;
    }
    char pattern[] = "/tmp/telvorin-lab.XXXXXX";
    if (!mkdtemp(pattern)) {
        error_ = "cannot make a lab directory";
        return false;
    }
    dir_ = pattern;
    // The description lives beside the lab, so down removes it with everything else.
    const std::string config = dir_ + "/config.json";
    {
        std::ofstream out(config);
        out << configJson;
    }
    setenv("TELVORIN_EMULATOR", emulatorPath().c_str(), 0);
    std::string out;
    // With our pid the lab also goes away if this process dies before ~Lab runs.
    const int status = run({"/bin/bash", labScript(), "up", config, dir_, std::to_string(getpid())}, &out);
    if (status != 0) {
        error_ = "lab.sh up failed (status " + std::to_string(status) + "); see stderr";
        dir_.clear(); // lab.sh tore down and removed it
        return false;
    }
    if (!loadDescription()) {
        error_ = "lab.sh up left no readable lab.json in " + dir_;
        return false;
    }
    return true;
}

bool Lab::loadDescription()
{
    const QJsonObject root = readJson(dir_ + "/lab.json");
    if (root.isEmpty())
        return false;
    pcNamespace_ = str(root, "pcNamespace");
    hostsFile_ = str(root, "hostsFile");
    for (const QJsonValue sv : root.value(QLatin1String("segments")).toArray()) {
        const QJsonObject s = sv.toObject();
        LabSegment seg;
        seg.index = s.value(QLatin1String("index")).toInt();
        seg.namespaceName = str(s, "namespace");
        seg.pcInterface = str(s, "pcInterface");
        seg.pcAddress = str(s, "pcAddress");
        seg.prefixLength = s.value(QLatin1String("prefixLength")).toInt();
        seg.interface = str(s, "interface");
        seg.address = str(s, "address");
        seg.recordFile = str(s, "record");
        seg.stateFile = str(s, "state");
        seg.emulatorConfig = str(s, "emulatorConfig");
        seg.readyFile = dir_ + "/seg" + std::to_string(seg.index) + "/emulator.ready";
        for (const QJsonValue dv : s.value(QLatin1String("devices")).toArray()) {
            const QJsonObject d = dv.toObject();
            LabDevice dev;
            dev.name = str(d, "name");
            dev.ip = str(d, "ip");
            dev.http = d.value(QLatin1String("http")).toBool();
            dev.smb = d.value(QLatin1String("smb")).toBool();
            const QJsonObject shares = d.value(QLatin1String("shares")).toObject();
            for (auto it = shares.begin(); it != shares.end(); ++it)
                dev.shares[it.key().toStdString()] = it.value().toString().toStdString();
            seg.devices.push_back(std::move(dev));
        }
        segments_.push_back(std::move(seg));
    }
    return !pcNamespace_.empty() && !segments_.empty();
}

void Lab::enterPc(bool hostsOverlay)
{
    if (inPc_)
        return;
    // A caller that goes on after a failed bring-up would run its transport on the
    // machine's own network.
    if (!ok_) {
        std::fprintf(stderr, "lab: enterPc() on a lab that is not up (%s); stopping\n", error_.c_str());
        std::abort();
    }
    const std::string self = threadNetPath();
    const ino_t before = netInode(self);
    homeNet_ = open(self.c_str(), O_RDONLY | O_CLOEXEC);
    const std::string target = "/run/netns/" + pcNamespace_;
    const int fd = open(target.c_str(), O_RDONLY | O_CLOEXEC);
    const ino_t targetInode = netInode(target);
    if (homeNet_ < 0 || fd < 0 || setns(fd, CLONE_NEWNET) != 0) {
        std::fprintf(stderr, "lab: cannot enter %s: %s\n", target.c_str(), std::strerror(errno));
        std::abort();
    }
    close(fd);
    const ino_t after = netInode(self);
    // The guard that keeps lab traffic off the machine's own network.
    if (before == 0 || after == 0 || after == before || after != targetInode) {
        std::fprintf(stderr, "lab: thread is not in the lab's pc namespace; stopping\n");
        std::abort();
    }
    inPc_ = true;
    if (hostsOverlay) {
        homeMnt_ = open("/proc/thread-self/ns/mnt", O_RDONLY | O_CLOEXEC);
        // Slave, not private: the machine's later mounts still show, ours never leak out.
        if (homeMnt_ < 0 || unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_SLAVE, nullptr) != 0 ||
            mount(hostsFile_.c_str(), "/etc/hosts", nullptr, MS_BIND, nullptr) != 0) {
            std::fprintf(stderr, "lab: hosts overlay failed: %s\n", std::strerror(errno));
        }
    }
}

void Lab::leavePc()
{
    if (!inPc_)
        return;
    if (homeMnt_ >= 0) {
        if (setns(homeMnt_, CLONE_NEWNS) != 0)
            std::fprintf(stderr, "lab: cannot return to the home mount namespace: %s\n",
                         std::strerror(errno));
        close(homeMnt_);
        homeMnt_ = -1;
    }
    if (setns(homeNet_, CLONE_NEWNET) != 0) {
        std::fprintf(stderr, "lab: cannot leave the pc namespace: %s\n", std::strerror(errno));
        std::abort();
    }
    close(homeNet_);
    homeNet_ = -1;
    inPc_ = false;
}

std::vector<std::string> Lab::pcAddresses() const
{
    std::vector<std::string> out;
    for (const LabSegment& s : segments_)
        out.push_back(s.pcAddress);
    return out;
}

const LabDevice* Lab::device(const std::string& name) const
{
    for (const LabSegment& s : segments_) {
        for (const LabDevice& d : s.devices) {
            if (d.name == name)
                return &d;
        }
    }
    return nullptr;
}

int Lab::segmentOf(const std::string& name) const
{
    for (const LabSegment& s : segments_) {
        for (const LabDevice& d : s.devices) {
            if (d.name == name)
                return s.index;
        }
    }
    return -1;
}

std::string Lab::shareDir(const std::string& deviceName, const std::string& share) const
{
    const LabDevice* d = device(deviceName);
    if (!d)
        return {};
    const auto it = d->shares.find(share);
    return it == d->shares.end() ? std::string() : it->second;
}

int Lab::runCommand(const std::vector<std::string>& argv, std::string* out)
{
    return run(argv, out);
}

std::vector<std::string> Lab::pcCommand(const std::vector<std::string>& command) const
{
    std::vector<std::string> argv{"/bin/bash", labScript(), "exec", dir_};
    argv.insert(argv.end(), command.begin(), command.end());
    return argv;
}

std::vector<RecordedRequest> Lab::requests(int segment) const
{
    std::vector<RecordedRequest> out;
    if (segment < 0 || segment >= static_cast<int>(segments_.size()))
        return out;
    std::istringstream in(readFile(segments_[static_cast<std::size_t>(segment)].recordFile));
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string ms, device, from, hex;
        if (!std::getline(fields, ms, '\t') || !std::getline(fields, device, '\t') ||
            !std::getline(fields, from, '\t') || !std::getline(fields, hex))
            continue; // a line still being written
        RecordedRequest r;
        r.segment = segment;
        r.ms = std::stoll(ms);
        r.device = device;
        const auto colon = from.rfind(':');
        r.fromAddress = from.substr(0, colon);
        r.fromPort = colon == std::string::npos ? 0 : std::stoi(from.substr(colon + 1));
        r.bytes = fromHex(hex);
        out.push_back(std::move(r));
    }
    return out;
}

std::vector<RecordedRequest> Lab::requestsFor(const std::string& deviceName) const
{
    std::vector<RecordedRequest> out;
    for (std::size_t s = 0; s < segments_.size(); ++s) {
        for (RecordedRequest& r : requests(static_cast<int>(s))) {
            if (r.device == deviceName)
                out.push_back(std::move(r));
        }
    }
    return out;
}

std::vector<std::vector<std::uint8_t>> Lab::bytesFor(const std::string& deviceName) const
{
    std::vector<std::vector<std::uint8_t>> out;
    for (RecordedRequest& r : requestsFor(deviceName))
        out.push_back(std::move(r.bytes));
    return out;
}

void Lab::clearRequests()
{
    // The emulator appends; truncating in place keeps its file handle valid.
    for (const LabSegment& s : segments_)
        truncate(s.recordFile.c_str(), 0);
}

std::vector<DeviceState> Lab::deviceStates(int segment) const
{
    std::vector<DeviceState> out;
    if (segment < 0 || segment >= static_cast<int>(segments_.size()))
        return out;
    const QJsonObject root = readJson(segments_[static_cast<std::size_t>(segment)].stateFile);
    for (const QJsonValue v : root.value(QLatin1String("devices")).toArray()) {
        const QJsonObject o = v.toObject();
        DeviceState d;
        d.name = str(o, "name");
        d.ip = str(o, "ip");
        d.netmask = str(o, "netmask");
        d.gateway = str(o, "gateway");
        d.codepage = str(o, "codepage");
        d.workgroup = str(o, "workgroup");
        d.writeMode = str(o, "writeMode");
        d.stop = str(o, "stop");
        d.package = str(o, "package");
        d.item5 = str(o, "item5");
        d.dhcp = o.value(QLatin1String("dhcp")).toBool();
        out.push_back(std::move(d));
    }
    return out;
}

bool Lab::deviceState(const std::string& name, DeviceState* out) const
{
    for (std::size_t s = 0; s < segments_.size(); ++s) {
        for (const DeviceState& d : deviceStates(static_cast<int>(s))) {
            if (d.name == name) {
                *out = d;
                return true;
            }
        }
    }
    return false;
}

bool Lab::reconfigure(int segment, const std::string& devicesJson, std::string* why)
{
    auto fail = [why](const std::string& reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (!ok_ || segment < 0 || segment >= static_cast<int>(segments_.size()))
        return fail("no such segment");
    const LabSegment& seg = segments_[static_cast<std::size_t>(segment)];
    QJsonParseError err{};
    const QJsonDocument devices = QJsonDocument::fromJson(QByteArray::fromStdString(devicesJson), &err);
    if (!devices.isArray())
        return fail("devices must be a JSON array: " + err.errorString().toStdString());
    QJsonObject config = readJson(seg.emulatorConfig);
    config.insert(QLatin1String("devices"), devices.array());
    QSaveFile f(QString::fromStdString(seg.emulatorConfig));
    if (!f.open(QIODevice::WriteOnly))
        return fail("cannot write " + seg.emulatorConfig);
    f.write(QJsonDocument(config).toJson());
    if (!f.commit())
        return fail("cannot write " + seg.emulatorConfig);

    long pid = 0;
    int generation = -1;
    std::istringstream(readFile(seg.readyFile)) >> pid >> generation;
    if (pid <= 0 || kill(static_cast<pid_t>(pid), SIGHUP) != 0)
        return fail("the emulator of segment " + std::to_string(segment) + " is not running");
    for (int i = 0; i < 100; ++i) {
        long p = 0;
        int g = -1;
        std::istringstream(readFile(seg.readyFile)) >> p >> g;
        if (g > generation)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return fail("the emulator did not reload");
}

int WithDisplayServer(const char* start, const char* missing, const std::function<int()>& run)
{
    std::string why;
    if (!Lab::available(&why)) {
        std::printf("SKIPPED: the lab is not available here: %s\n", why.c_str());
        return 77;
    }
    std::string pid;
    const int started = Lab::runCommand({"/bin/sh", "-c", start}, &pid);
    int rc = 77;
    if (started == 3)
        std::printf("SKIPPED: no display server of our own: %s is not installed\n", missing);
    else if (started != 0)
        std::printf("SKIPPED: no display server of our own: it did not start (status %d)\n", started);
    else
        rc = run();
    if (!pid.empty()) {
        kill(std::stoi(pid), SIGTERM);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return rc;
}

} // namespace telvorin::lab
