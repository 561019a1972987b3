// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// telvorin::lab::Lab: a private LAN of emulated storage devices for tests.
//
// Usage (a lab test executable; link telvorin_testsupport_lab and one of the lab mains,
// which exit 77 = skipped when the lab cannot be built, e.g. without root):
//
//   telvorin_add_test(NAME test_my_lab SOURCES test_my_lab.cpp NO_MAIN
//                     LIBS telvorin_testsupport_lab telvorin_lab_main   # or telvorin_lab_gui_main
//                     LABELS lab)
//
//   using MyLab = telvorin::lab::LabTest;  // LabTest.h: skipped where no lab can be built
//   TEST_F(MyLab, FindsDevices) {
//       ASSERT_TRUE(startLab(R"({"segments": [
//           {"reply": "multicast", "devices": [
//               {"name": "NAS-1", "ip": "10.64.0.10", "netmask": "255.255.0.0",
//                "volumes": ["HDD_a"], "smb": true, "http": true}]},
//           {"reply": "unicast", "devices": []}]})", Entry::None));
//       std::ofstream(lab().shareDir("NAS-1", "HDD_a") + "/hello.txt") << "hi";  // pre-fill
//       lab().enterPc();          // this thread now lives in the lab's pc namespace
//       ... run the protocol / the window / fork GVfs daemons (they inherit the namespace) ...
//       lab().leavePc();          // also done when the test ends
//       auto requests = lab().requestsFor("NAS-1");  // what the emulator received
//   }
//   (A suite shares one lab: startLab(...) in its SetUpTestSuite; see LabTest.h.)
//
// Segment i gets the pc address 10.(64+i).0.1/16 unless "pc" says otherwise (the segment
// itself is 10.(64+i).0.2); put device addresses in that subnet. Device keys (all
// optional except "ip"): name, ip, netmask, gateway, dhcp, key (12 hex digits),
// dhcpAddresses (handed out in turn on a DHCP set), volumes, volumeText (raw volume
// value), shareName, ideState, codepage, btFirmware, domain, workgroup, adminPassword,
// loginAccepted/loginRefused (value byte), answers (false = silent, "search-only"),
// extended + selectors [s1, s2], reply ("multicast" | "unicast" | "unicast-source-port";
// also per segment), delayMs, drop (first N replies), duplicate (extra copies),
// corrupt ("short" | "truncated" | "oversized" | "wrong-lengths", or a list used in
// turn), unanswered [items] (get/set items left without a reply; sets still apply).
// Lab keys: http (web server on port 80 at the device address), smb (guest-
// writable shares named by "volumes", or "guestShares"; a share named HDD_a holds
// .codepages and Nas_Prog/BT, one named HDD_1 .systemfile/.codepages and Nas_Prog/BT), users [{user,
// password}] with userShares [names] that need one of those users.
//
// Names: every named smb device has its own NetBIOS name server, so SMB clients
// (libsmbclient, GVfs) in the pc namespace resolve \\NAME by broadcast as on a real LAN.
// Ordinary lookups (getaddrinfo) find the names through the lab's hosts file: in
// processes started with `lab/lab.sh exec DIR ...` (see pcCommand) or after
// enterPc(true).

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace telvorin::lab {

struct LabDevice {
    std::string name;
    std::string ip; // address at start (the emulator may move it: see deviceState)
    bool http = false;
    bool smb = false;
    std::map<std::string, std::string> shares; // share name -> backing directory
};

struct LabSegment {
    int index = 0;
    std::string namespaceName;
    std::string pcInterface; // the pc's link to this segment
    std::string pcAddress;   // the pc's address on it
    int prefixLength = 16;
    std::string interface; // the segment's end of the link
    std::string address;   // the segment's own address
    std::vector<LabDevice> devices;
    std::string recordFile;
    std::string stateFile;
    std::string emulatorConfig;
    std::string readyFile;
};

// One request datagram as the emulator received it.
struct RecordedRequest {
    int segment = 0;
    std::int64_t ms = 0; // since that segment's emulator started
    std::string device;  // addressed device, "*" for a search, "-" for none
    std::string fromAddress;
    int fromPort = 0;
    std::vector<std::uint8_t> bytes;
};

// A device as the emulator holds it now (after any set requests).
struct DeviceState {
    std::string name, ip, netmask, gateway, codepage, workgroup, writeMode, stop, package, item5;
    bool dhcp = false;
};

class Lab {
public:
    // True when a lab can be built here: root, ip, smbd, python3, lab.sh, the emulator.
    static bool available(std::string* why);
    // The text of lab/default-lab.json: two segments, three devices.
    static std::string defaultConfig();

    // Brings the lab up from a JSON description (see above). Check ok() afterwards.
    explicit Lab(const std::string& configJson);
    ~Lab(); // leaves the pc namespace if entered, then tears everything down
    Lab(const Lab&) = delete;
    Lab& operator=(const Lab&) = delete;

    bool ok() const { return ok_; }
    const std::string& error() const { return error_; }

    // Moves the calling thread into the pc namespace and verifies it left the machine's
    // own namespace (aborts the process otherwise, so nothing is sent on a real
    // network). With hostsOverlay the thread also gets a private mount namespace in
    // which /etc/hosts names the lab's devices; mounts made there (FUSE) are then seen
    // only by this thread and its children. Idempotent. Aborts on a lab that is not
    // ok(). leavePc() belongs on the same thread.
    void enterPc(bool hostsOverlay = false);
    void leavePc();
    bool inPc() const { return inPc_; }

    const std::string& dir() const { return dir_; }
    const std::string& pcNamespace() const { return pcNamespace_; }
    const std::string& hostsFile() const { return hostsFile_; }
    const std::vector<LabSegment>& segments() const { return segments_; }
    std::vector<std::string> pcAddresses() const;           // in segment order
    const LabDevice* device(const std::string& name) const; // first of that name
    // Segment index of the first device with that name, -1 when unknown.
    int segmentOf(const std::string& name) const;
    std::string shareDir(const std::string& deviceName, const std::string& share) const;

    // Runs argv (argv[0] a path) in the calling thread's namespaces, waits for it and
    // returns its exit status (-1 when it did not exit normally); stdout into *out.
    // Called after enterPc(), the command runs in the pc namespace.
    static int runCommand(const std::vector<std::string>& argv, std::string* out = nullptr);

    // argv that runs a command in the pc namespace with the lab's hosts file.
    std::vector<std::string> pcCommand(const std::vector<std::string>& command) const;

    std::vector<RecordedRequest> requests(int segment) const;
    std::vector<RecordedRequest> requestsFor(const std::string& deviceName) const; // all segments
    std::vector<std::vector<std::uint8_t>>
    bytesFor(const std::string& deviceName) const; // the same, bytes only
    void clearRequests();                          // forget what was recorded so far
    std::vector<DeviceState> deviceStates(int segment) const;
    bool deviceState(const std::string& name, DeviceState* out) const;

    // Replaces a segment's devices (JSON array text, emulator keys only) while the lab
    // runs; returns when the emulator answers with them.
    bool reconfigure(int segment, const std::string& devicesJson, std::string* why = nullptr);

private:
    bool bringUp(const std::string& configJson);
    bool loadDescription();

    bool ok_ = false;
    std::string error_;
    std::string dir_;
    std::string pcNamespace_;
    std::string hostsFile_;
    std::vector<LabSegment> segments_;
    bool inPc_ = false;
    int homeNet_ = -1;
    int homeMnt_ = -1;
};

// The main() of a test under a display server of its own: `start` is a shell script that
// starts the server, prints its pid and exits 0 once it is ready, 3 when a program it needs
// is missing (`missing` names what to install). `run` makes the application and runs the
// tests; the server is stopped afterwards. Without the lab or the server it returns 77,
// skipped, with the reason.
int WithDisplayServer(const char* start, const char* missing, const std::function<int()>& run);

} // namespace telvorin::lab
