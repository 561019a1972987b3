#include "settings/BrowserLauncher.h"
#include "settings/WebCheck.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>

namespace telvorin {
namespace {

namespace fs = std::filesystem;

// A private desktop: a stand-in browser registered as the http handler and a stand-in
// xdg-open, each recording the arguments it got, one per line.
class StandInDesktop {
public:
    explicit StandInDesktop(bool browserInstalled)
    {
        char pattern[] = "/tmp/telvorin-browser-XXXXXX";
        root_ = mkdtemp(pattern);
        for (const char* d : {"data/applications", "config", "sysdata", "sysconfig", "bin"})
            fs::create_directories(root_ / d);
        WriteScript(root_ / "bin/browser", root_ / "browser.args");
        WriteScript(root_ / "bin/xdg-open", root_ / "opener.args");
        const fs::path program = browserInstalled ? root_ / "bin/browser" : root_ / "bin/missing-browser";
        std::ofstream(root_ / "data/applications/telvorin-test-browser.desktop")
            << "[Desktop Entry]\nType=Application\nName=Test Browser\nExec=" << program.string()
            << " %u\nMimeType=x-scheme-handler/http;\n";
        std::ofstream(root_ / "config/mimeapps.list")
            << "[Default Applications]\nx-scheme-handler/http=telvorin-test-browser.desktop\n";
    }
    ~StandInDesktop() { fs::remove_all(root_); }

    // Points this process at the private desktop; only for a child that has not used GIO.
    void enter() const
    {
        setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
        setenv("XDG_DATA_DIRS", (root_ / "sysdata").c_str(), 1);
        setenv("XDG_CONFIG_DIRS", (root_ / "sysconfig").c_str(), 1);
        setenv("PATH", ((root_ / "bin").string() + ":/usr/bin:/bin").c_str(), 1);
        unsetenv("DBUS_SESSION_BUS_ADDRESS");
    }

    // The recorded arguments, waiting a while for the program to run.
    std::string recorded(const char* which) const
    {
        const fs::path file = root_ / (std::string(which) + ".args");
        for (int i = 0; i < 500 && !fs::exists(root_ / (std::string(which) + ".done")); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    static void WriteScript(const fs::path& path, const fs::path& record)
    {
        const fs::path done = fs::path(record).replace_extension(".done");
        std::ofstream(path) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" << record.string()
                            << "'\ntouch '" << done.string() << "'\n";
        chmod(path.c_str(), 0755);
    }

    fs::path root_;
};

// Runs `body` in a child process, so each case gets GIO fresh; its exit code.
int InChild(const std::function<int()>& body)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const std::string Url = "http://10.64.0.10";

TEST(GioBrowserLauncher, StartsTheDefaultHttpHandlerWithTheOneUrl)
{
    StandInDesktop desktop(true);
    const int code = InChild([&] {
        desktop.enter();
        GioBrowserLauncher launcher;
        if (launcher.DefaultBrowserName() != "telvorin-test-browser.desktop")
            return 2;
        return launcher.LaunchDefaultBrowser(Url) ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(desktop.recorded("browser"), Url + "\n");
}

TEST(GioBrowserLauncher, AHandlerThatCannotStartLeavesItToTheOpener)
{
    StandInDesktop desktop(false);
    const int code = InChild([&] {
        desktop.enter();
        GioBrowserLauncher launcher;
        if (launcher.LaunchDefaultBrowser(Url))
            return 1;
        // A URL with shell syntax stays one argument: nothing passes through a shell.
        return launcher.LaunchOpener(Url + "/;touch pwned") ? 0 : 2;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(desktop.recorded("opener"), Url + "/;touch pwned\n");
}

TEST(TcpWebCheck, ConnectsOnlyWhereAServerListens)
{
    const int server = socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(server, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(server, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ASSERT_EQ(listen(server, 4), 0);
    socklen_t len = sizeof addr;
    getsockname(server, reinterpret_cast<sockaddr*>(&addr), &len);
    const int port = ntohs(addr.sin_port);

    EXPECT_TRUE(TcpWebCheck::Connect("127.0.0.1", port, 2000));
    close(server);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(TcpWebCheck::Connect("127.0.0.1", port, 2000));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500)) << "a refusal ends at once";
    EXPECT_FALSE(TcpWebCheck::Connect("", 80, 100));
}

} // namespace
} // namespace telvorin
