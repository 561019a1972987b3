// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a Wayland desktop: a headless compositor (weston) of the test's own, Qt's
// wayland platform, the real transport in the lab's pc namespace. The window opens and the
// first search fills its list. Skipped, with the reason, when the lab or weston cannot
// start here.
#include "ThreeDevices.h"
#include "app/MainDialog.h"
#include "drives/MemoryDriveService.h"
#include "lab/Lab.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/Protocol.h"
#include "ui/RecordingMessages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

using namespace telvorin;

namespace {

constexpr const char* Socket = "telvorin-wayland";

// weston with its headless back end in a runtime folder of its own; it ends with the test.
class HeadlessWeston {
public:
    HeadlessWeston()
    {
        char folder[] = "/tmp/telvorin-weston-XXXXXX";
        if (!mkdtemp(folder)) {
            why_ = "mkdtemp failed";
            return;
        }
        runtime_ = folder;
        chmod(runtime_.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
        const std::string log = runtime_ + "/weston.log";
        const std::string socketArg = std::string("--socket=") + Socket;
        const char* argv[] = {"weston",
                              "--backend=headless-backend.so",
                              "--shell=desktop-shell.so",
                              "--no-config",
                              "--idle-time=0",
                              socketArg.c_str(),
                              nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT, 0600);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        const int rc = posix_spawnp(&pid_, "weston", &actions, nullptr, const_cast<char**>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0) {
            pid_ = -1;
            why_ = "weston cannot be started (package weston)";
            return;
        }
        const std::string socket = runtime_ + "/" + Socket;
        for (int i = 0; i < 100 && access(socket.c_str(), F_OK) != 0; ++i) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = -1;
                why_ = "weston stopped at start (see its log: " + log + ")";
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        if (access(socket.c_str(), F_OK) != 0)
            why_ = "weston made no socket within 10 s";
    }
    ~HeadlessWeston()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        if (!runtime_.empty())
            std::system(("rm -rf '" + runtime_ + "'").c_str());
    }
    bool ok() const { return why_.empty(); }
    const std::string& why() const { return why_; }

private:
    std::string runtime_;
    std::string why_;
    pid_t pid_ = -1;
};

} // namespace

TEST(WaylandLab, WindowOpensAndTheFirstSearchFillsTheList)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    lab::Lab lab(test::ThreeDevices);
    ASSERT_TRUE(lab.ok()) << lab.error();
    lab.enterPc();
    SteadyClock clock;
    PosixSocketLayer sockets;
    Protocol protocol(sockets, clock, nullptr);
    protocol.OpenTransport();
    test::RecordingMessages messages;
    test::MemoryDriveService drives;
    MainServices services;
    services.protocol = &protocol;
    services.clock = &clock;
    services.messages = &messages;
    services.drives = &drives;
    {
        MainDialog dialog(services);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog, 10000)) << "the compositor never showed the window";
        QTreeWidget* list = dialog.controls().deviceList;
        QElapsedTimer waited;
        waited.start();
        while (list->topLevelItemCount() < 3 && waited.elapsed() < 20000)
            QTest::qWait(50);
        EXPECT_EQ(list->topLevelItemCount(), 3);
        EXPECT_FALSE(list->findItems(QStringLiteral("NAS-1"), Qt::MatchExactly, 0).isEmpty());
        EXPECT_TRUE(messages.empty());
        dialog.hide();
    }
    protocol.CloseTransport();
    lab.leavePc();
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    std::string why;
    if (!lab::Lab::available(&why)) {
        std::printf("SKIPPED: the lab is not available here: %s\n", why.c_str());
        return 77;
    }
    HeadlessWeston weston;
    if (!weston.ok()) {
        std::printf("SKIPPED: no headless Wayland compositor: %s\n", weston.why().c_str());
        return 77;
    }
    // The window goes to this compositor alone, whatever the session around the test has.
    setenv("WAYLAND_DISPLAY", Socket, 1);
    setenv("QT_QPA_PLATFORM", "wayland", 1);
    unsetenv("DISPLAY");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
