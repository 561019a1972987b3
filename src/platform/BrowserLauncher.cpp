// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/BrowserLauncher.h"

#include <cerrno>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include <gio/gio.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace telvorin {

std::string GioBrowserLauncher::defaultBrowserName()
{
    GAppInfo* app = g_app_info_get_default_for_uri_scheme("http");
    if (!app)
        return {};
    const char* id = g_app_info_get_id(app);
    std::string name = id ? id : "";
    g_object_unref(app);
    return name;
}

bool GioBrowserLauncher::launchDefaultBrowser(const std::string& url)
{
    GAppInfo* app = g_app_info_get_default_for_uri_scheme("http");
    if (!app)
        return false;
    // GIO starts programs through a helper that hides a failed start from us, so a
    // handler whose program is gone counts as one that cannot be started.
    const char* program = g_app_info_get_executable(app);
    gchar* path = program ? g_find_program_in_path(program) : nullptr;
    if (!path) {
        g_object_unref(app);
        return false;
    }
    g_free(path);
    // GIO expands the desktop file's Exec line itself and spawns without a shell.
    GList uris{};
    uris.data = const_cast<char*>(url.c_str());
    GError* error = nullptr;
    const gboolean started = g_app_info_launch_uris(app, &uris, nullptr, &error);
    if (error)
        g_error_free(error);
    g_object_unref(app);
    return started != FALSE;
}

bool GioBrowserLauncher::launchOpener(const std::string& url)
{
    std::string program = "xdg-open";
    std::string argument = url;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv, environ) != 0)
        return false;
    // The opener ends at once when it hands the address to a desktop, fails at once when
    // it finds no browser, and runs on while a browser it started itself is open. A
    // thread of its own reaps it whenever it ends.
    auto ended = std::make_shared<std::promise<int>>();
    std::future<int> status = ended->get_future();
    std::thread([pid, ended] {
        int st = 0;
        while (waitpid(pid, &st, 0) < 0 && errno == EINTR) {
        }
        ended->set_value(st);
    }).detach();
    if (status.wait_for(std::chrono::milliseconds(OpenerVerdictMs)) == std::future_status::timeout)
        return true;
    const int st = status.get();
    return WIFEXITED(st) && WEXITSTATUS(st) == 0;
}

} // namespace telvorin
