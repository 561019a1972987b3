// SPDX-License-Identifier: GPL-3.0-or-later
// telvorin-probe install against the lab's smbd and emulator: the bytes on the share are
// the device files, and the device hears "rw", the share-name question, then the codepage
// or "BT" (or "stop" after a failure).

#include "lab/LabTest.h"
#include "protocol/RequestBytes.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using telvorin::lab::Lab;
using telvorin::lab::ReadFile;
using Heard = telvorin::test::HeardRequest;

namespace {

const std::string Standins = TELVORIN_STANDIN_HOME;
const std::string Payload = Standins + "/telvorin/payload";

// Bytes in the engine's own files (being written or left behind) next to `name` in
// `dir`; -1 when there is none.
long OwnBytes(const std::string& dir, const std::string& name)
{
    long bytes = -1;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        std::error_code gone;
        const auto size = e.file_size(gone);
        if (e.path().filename().native().rfind("." + name + ".telvorin-", 0) == 0)
            bytes = std::max(bytes, 0L) + (gone ? 0L : static_cast<long>(size));
    }
    return bytes;
}

class InstallLab : public telvorin::lab::LabTest {
protected:
    static void SetUpTestSuite()
    {
        startLab(R"({"segments": [{"reply": "multicast", "devices": [
            {"name": "NAS-A", "ip": "10.64.0.10", "netmask": "255.255.0.0", "key": "0014a5000010",
             "volumes": ["HDD_a"], "smb": true},
            {"name": "NAS-1", "ip": "10.64.0.11", "netmask": "255.255.0.0", "key": "0014a5000011",
             "volumes": ["HDD_1"], "shareName": "hdd_1", "smb": true},
            {"name": "NAS-Q", "ip": "10.64.0.12", "netmask": "255.255.0.0", "key": "0014a5000012",
             "volumes": ["HDD_a"], "smb": true, "unanswered": [8, 14]}]}]})",
                 telvorin::lab::Entry::None);
    }

    void SetUpInLab() override { lab_->clearRequests(); }

    // The probe's command line in the pc namespace.
    std::vector<std::string> probeCommand(const std::vector<std::string>& args, const std::string& dataHome,
                                          const std::string& runtimeDir = "/nonexistent")
    {
        std::vector<std::string> cmd{"/usr/bin/env",
                                     "XDG_DATA_HOME=" + dataHome,
                                     "XDG_DATA_DIRS=/nonexistent",
                                     "XDG_RUNTIME_DIR=" + runtimeDir,
                                     TELVORIN_LAB_PROBE,
                                     "install"};
        cmd.insert(cmd.end(), args.begin(), args.end());
        return lab_->pcCommand(cmd);
    }

    // Runs the probe in the pc namespace; stdout into *out.
    int probe(const std::vector<std::string>& args, std::string* out = nullptr,
              const std::string& dataHome = Standins)
    {
        return Lab::runCommand(probeCommand(args, dataHome), out);
    }

    // What the device was asked, searches left out.
    std::vector<Heard> heard(const std::string& device)
    {
        return telvorin::test::Heard(lab_->bytesFor(device));
    }

    std::string share(const std::string& device, const std::string& name)
    {
        return lab_->shareDir(device, name);
    }
};

} // namespace

TEST_F(InstallLab, CodepageFilesLandOnTheShareAndTheDeviceHearsTheSequence)
{
    struct Row {
        const char* device;
        const char* ip;
        const char* codepage;
        std::string dir;
        std::vector<std::pair<const char*, int>> files;
    };
    const Row rows[] = {
        {"NAS-A",
         "10.64.0.10",
         "850",
         share("NAS-A", "HDD_a") + "/.codepages",
         {{"codepage.850", 143}, {"nls_cp850.o", 145}, {"unicode_map.850", 148}}},
        {"NAS-1",
         "10.64.0.11",
         "932",
         share("NAS-1", "HDD_1") + "/.systemfile/.codepages",
         {{"codepage.932", 161},
          {"nls_cp932.ko", 173},
          {"nls_euc-jp.ko", 178},
          {"nls_cp932_12.ko", 189},
          {"nls_euc-jp_12.ko", 193},
          {"unicode_map.932", 164}}},
    };
    for (const Row& row : rows) {
        lab_->clearRequests();
        // An older file at a name is replaced; a temporary file of ours left long ago goes.
        std::ofstream(row.dir + "/" + row.files[0].first) << "old contents";
        const std::string stale = row.dir + "/." + row.files[1].first + ".telvorin-4711-1";
        std::ofstream(stale) << "half a file";
        std::filesystem::last_write_time(stale, std::filesystem::file_time_type::clock::now() -
                                                    std::chrono::hours(1));
        std::string out;
        ASSERT_EQ(probe({"codepage", row.ip, row.codepage}, &out), 0) << row.device;
        for (const auto& [name, id] : row.files)
            EXPECT_EQ(ReadFile(row.dir + "/" + name), ReadFile(Payload + "/CODEPAGE/" + std::to_string(id)))
                << row.device << " " << name;
        std::size_t onShare = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(row.dir))
            ++onShare;
        EXPECT_EQ(onShare, row.files.size()) << "no temporary files left, the stale one neither";

        const std::vector<Heard> h = heard(row.device);
        ASSERT_EQ(h.size(), 3u) << row.device;
        EXPECT_EQ(h[0].item, 10);
        EXPECT_EQ(h[0].value, "rw");
        EXPECT_EQ(h[1].opcode, 3);
        EXPECT_EQ(h[1].item, 12);
        EXPECT_EQ(h[2].item, 8);
        EXPECT_EQ(h[2].value, row.codepage);
    }
}

TEST_F(InstallLab, PackageLandsUnderNasProgAndIsAnnounced)
{
    std::string out;
    ASSERT_EQ(probe({"bt", "10.64.0.11"}, &out), 0);
    const std::string dir = share("NAS-1", "HDD_1") + "/Nas_Prog/BT";
    EXPECT_EQ(ReadFile(dir + "/bt"), ReadFile(Payload + "/BT/215"));
    EXPECT_EQ(ReadFile(dir + "/btdog"), ReadFile(Payload + "/BT/220"));
    EXPECT_NE(out.find("\"bytes\":6940408"), std::string::npos) << out;
    const std::vector<Heard> h = heard("NAS-1");
    ASSERT_FALSE(h.empty());
    EXPECT_EQ(h.front().value, "rw");
    EXPECT_EQ(h.back().item, 14);
    EXPECT_EQ(h.back().value, "BT");
}

TEST_F(InstallLab, AFolderAtAFileNameFailsTheInstallAndStopsTheDevice)
{
    const std::string dir = share("NAS-A", "HDD_a") + "/.codepages";
    std::filesystem::create_directories(dir + "/nls_cp949.o");
    EXPECT_EQ(probe({"codepage", "10.64.0.10", "949"}), 1);
    EXPECT_EQ(ReadFile(dir + "/codepage.949"), ReadFile(Payload + "/CODEPAGE/165")) << "written before";
    EXPECT_TRUE(std::filesystem::is_directory(dir + "/nls_cp949.o"));
    EXPECT_FALSE(std::filesystem::exists(dir + "/nls_euc-kr.o")) << "nothing after the failure";
    for (const auto& e : std::filesystem::directory_iterator(dir))
        EXPECT_NE(e.path().filename().native().rfind(".nls_cp949.o", 0), 0u) << "temporary file left";
    const std::vector<Heard> h = heard("NAS-A");
    ASSERT_FALSE(h.empty());
    EXPECT_EQ(h.back().item, 13);
    EXPECT_EQ(h.back().value, "stop");
    for (const Heard& x : h)
        EXPECT_NE(x.item, 8) << "no codepage announced";
    std::filesystem::remove(dir + "/nls_cp949.o");
}

TEST_F(InstallLab, MissingDeviceFilesSendNothing)
{
    const std::string empty = std::filesystem::temp_directory_path() / "telvorin-no-payload";
    std::filesystem::create_directories(empty);
    EXPECT_EQ(probe({"bt", "10.64.0.10"}, nullptr, empty), 3);
    EXPECT_TRUE(heard("NAS-A").empty());
    EXPECT_TRUE(lab_->requests(0).empty()) << "not even a search";
    std::filesystem::remove(empty);
}

TEST_F(InstallLab, ATerminationRequestMidWriteEndsTheWriteRemovesTheCopiesAndStopsTheDevice)
{
    const std::string dir = share("NAS-1", "HDD_1") + "/Nas_Prog/BT";
    const std::string ifc = lab_->segments()[0].pcInterface;
    // A slow link, so that the signal finds bt half written.
    ASSERT_EQ(Lab::runCommand(lab_->pcCommand({"/usr/sbin/tc", "qdisc", "add", "dev", ifc, "root", "tbf",
                                               "rate", "4mbit", "burst", "16kb", "latency", "200ms"})),
              0);
    struct Unshape {
        std::vector<std::string> argv;
        ~Unshape() { Lab::runCommand(argv); }
    } unshape{lab_->pcCommand({"/usr/sbin/tc", "qdisc", "del", "dev", ifc, "root"})};

    for (const auto& [signal, code] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        SCOPED_TRACE(signal);
        lab_->clearRequests();
        std::ofstream(dir + "/bt") << "old bt";
        const std::string runtime = lab_->dir() + "/runtime-" + std::to_string(signal);
        std::filesystem::create_directories(runtime);
        std::vector<std::string> argv = probeCommand({"bt", "10.64.0.11"}, Standins, runtime);
        std::vector<char*> args;
        for (std::string& a : argv)
            args.push_back(a.data());
        args.push_back(nullptr);
        pid_t pid = -1;
        ASSERT_EQ(posix_spawn(&pid, args[0], nullptr, nullptr, args.data(), environ), 0);
        for (int i = 0; i < 600 && OwnBytes(dir, "bt") <= 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_GT(OwnBytes(dir, "bt"), 0) << "bt was never being written";
        kill(pid, signal);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status)) << "ended by the signal itself";
        EXPECT_EQ(WEXITSTATUS(status), code);

        EXPECT_EQ(ReadFile(dir + "/bt"), "old bt");
        EXPECT_EQ(OwnBytes(dir, "bt"), -1) << "a temporary file left";
        EXPECT_TRUE(std::filesystem::is_empty(runtime)) << "the staged copy and its folder are gone";
        const std::vector<Heard> h = heard("NAS-1");
        ASSERT_FALSE(h.empty());
        EXPECT_EQ(h.back().value, "stop");
        EXPECT_TRUE(std::none_of(h.begin(), h.end(), [](const Heard& x) { return x.item == 14; }))
            << "no package announced";
    }
    std::filesystem::remove(dir + "/bt");
}

TEST_F(InstallLab, ADeviceThatNeverAnswersTheAnnouncementGivesExitFour)
{
    // Every file written (the unit test of the sequence shows that), then no answer.
    EXPECT_EQ(probe({"codepage", "10.64.0.12", "850"}), 4);
    const std::vector<Heard> h = heard("NAS-Q");
    ASSERT_FALSE(h.empty());
    EXPECT_EQ(h.back().item, 8) << "announced, no stop";
}
