// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/BrowserLauncher.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <gio/gio.h>

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
    return QProcess::startDetached(QStringLiteral("xdg-open"), QStringList{QString::fromStdString(url)});
}

} // namespace telvorin
