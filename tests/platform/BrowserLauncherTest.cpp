// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StandInDesktop.h"

#include "platform/BrowserLauncher.h"
#include "platform/WebCheck.h"

#include <gtest/gtest.h>

#include <fstream>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace telvorin {
namespace {

// Runs `body` in a child process, so each case meets GIO fresh; its exit code.
int InChild(const std::function<int()>& body)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(GioBrowserLauncher, StartsTheHttpHandlerOrLeavesItToTheOpener)
{
    for (const bool installed : {true, false}) {
        SCOPED_TRACE(installed ? "browser installed" : "browser program missing");
        test::StandInDesktop desktop(installed);
        // A URL with shell syntax stays one argument: nothing passes through a shell.
        const std::string url = "http://10.64.0.10/;touch pwned";
        const int code = InChild([&] {
            desktop.enter();
            unsetenv("DBUS_SESSION_BUS_ADDRESS");
            GioBrowserLauncher launcher;
            if (installed)
                return launcher.defaultBrowserName() == "test-browser.desktop" &&
                               launcher.launchDefaultBrowser(url)
                           ? 0
                           : 1;
            return !launcher.launchDefaultBrowser(url) && launcher.launchOpener(url) ? 0 : 1;
        });
        EXPECT_EQ(code, 0);
        EXPECT_EQ(desktop.took(installed ? "browser" : "xdg-open"), url + "\n");
    }
}

TEST(GioBrowserLauncher, AnOpenerThatFindsNoBrowserCountsAsNotStarted)
{
    test::StandInDesktop desktop(false);
    // As xdg-open ends when no browser can be found.
    std::ofstream(desktop.root / "bin/xdg-open", std::ios::trunc) << "#!/bin/sh\nexit 3\n";
    const int code = InChild([&] {
        desktop.enter();
        GioBrowserLauncher launcher;
        return launcher.launchOpener("http://10.64.0.10") ? 1 : 0;
    });
    EXPECT_EQ(code, 0);
}

TEST(TcpWebCheck, ConnectsOnlyWhereAServerListens)
{
    const int server = socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(server, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    ASSERT_EQ(bind(server, reinterpret_cast<sockaddr*>(&addr), len), 0);
    ASSERT_EQ(listen(server, 4), 0);
    getsockname(server, reinterpret_cast<sockaddr*>(&addr), &len);
    const int port = ntohs(addr.sin_port);

    EXPECT_TRUE(TcpWebCheck::connect("127.0.0.1", port, 2000));
    close(server);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(TcpWebCheck::connect("127.0.0.1", port, 2000));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500))
        << "a refusal ends at once";
    EXPECT_FALSE(TcpWebCheck::connect("", 80, 100));
}

} // namespace
} // namespace telvorin
