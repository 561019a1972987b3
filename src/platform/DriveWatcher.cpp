// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DriveWatcher.h"

#include "platform/GioHandles.h"
#include "platform/NetworkChanges.h"

#include <gio/gio.h>
#include <glib-unix.h>

#include <csignal>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace telvorin {

namespace {

struct Loop {
    DriveWatch& watch;
    GMainLoop* loop = nullptr;
    NetworkChanges network;
    guint timer = 0;
    WatchEnd end = WatchEnd::SessionEnded;

    // Runs what is due and sets the one timer for what comes next.
    void schedule()
    {
        if (timer) {
            g_source_remove(timer);
            timer = 0;
        }
        if (const auto ms = watch.run()) {
            timer =
                g_timeout_add(static_cast<guint>(std::min<std::int64_t>(*ms, G_MAXINT)), &Loop::due, this);
        }
    }
    static gboolean due(gpointer self)
    {
        auto* l = static_cast<Loop*>(self);
        l->timer = 0;
        l->schedule();
        return G_SOURCE_REMOVE;
    }
    static gboolean readable(gint, GIOCondition, gpointer self)
    {
        auto* l = static_cast<Loop*>(self);
        if (l->network.drain()) {
            l->watch.networkChanged();
            l->schedule();
        }
        return G_SOURCE_CONTINUE;
    }
    static void sleeping(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                         GVariant* parameters, gpointer self)
    {
        gboolean goingToSleep = TRUE;
        if (!g_variant_is_of_type(parameters, G_VARIANT_TYPE("(b)")))
            return;
        g_variant_get(parameters, "(b)", &goingToSleep);
        if (goingToSleep)
            return;
        auto* l = static_cast<Loop*>(self);
        l->watch.resumed();
        l->schedule();
    }
    static void closed(GDBusConnection*, gboolean, GError*, gpointer self)
    {
        auto* l = static_cast<Loop*>(self);
        l->end = WatchEnd::SessionEnded;
        g_main_loop_quit(l->loop);
    }
    static gboolean signalled(gpointer self)
    {
        auto* l = static_cast<Loop*>(self);
        l->end = WatchEnd::Signalled;
        g_main_loop_quit(l->loop);
        return G_SOURCE_CONTINUE;
    }
};

// Held for the life of the watcher; the kernel lets go of it when the process ends.
bool OnlyWatcher()
{
    const std::string path = std::string(g_get_user_runtime_dir()) + "/telvorin-drives-watch.lock";
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true; // no lock to be had: watching twice is better than not at all
    if (flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    close(fd);
    return false;
}

} // namespace

WatchEnd WatchDrives(DriveWatch& watch)
{
    gio::GPtr<GDBusConnection> session(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr));
    if (!session)
        return WatchEnd::NoSessionBus;
    if (!OnlyWatcher())
        return WatchEnd::AlreadyWatched;
    g_dbus_connection_set_exit_on_close(session.get(), FALSE);

    Loop l{watch, nullptr, {}, 0, WatchEnd::SessionEnded};
    l.loop = g_main_loop_new(nullptr, FALSE);
    const gulong closedHandler = g_signal_connect(session.get(), "closed", G_CALLBACK(&Loop::closed), &l);
    // The bus may have gone before the handler was there.
    if (g_dbus_connection_is_closed(session.get())) {
        g_signal_handler_disconnect(session.get(), closedHandler);
        g_main_loop_unref(l.loop);
        return WatchEnd::SessionEnded;
    }

    guint networkSource = 0;
    if (l.network.fd() >= 0)
        networkSource = g_unix_fd_add(l.network.fd(), G_IO_IN, &Loop::readable, &l);

    // Without a system bus (a container, a minimal session) resumes go unheard; the
    // network's own changes after a wake-up still bring the letters back.
    gio::GPtr<GDBusConnection> system(g_bus_get_sync(G_BUS_TYPE_SYSTEM, nullptr, nullptr));
    guint sleepSubscription = 0;
    if (system) {
        g_dbus_connection_set_exit_on_close(system.get(), FALSE);
        sleepSubscription = g_dbus_connection_signal_subscribe(
            system.get(), "org.freedesktop.login1", "org.freedesktop.login1.Manager", "PrepareForSleep",
            "/org/freedesktop/login1", nullptr, G_DBUS_SIGNAL_FLAGS_NONE, &Loop::sleeping, &l, nullptr);
    }
    const guint signals[] = {g_unix_signal_add(SIGTERM, &Loop::signalled, &l),
                             g_unix_signal_add(SIGINT, &Loop::signalled, &l),
                             g_unix_signal_add(SIGHUP, &Loop::signalled, &l)};

    watch.loggedIn();
    l.schedule();
    g_main_loop_run(l.loop);

    for (const guint s : signals)
        g_source_remove(s);
    if (sleepSubscription)
        g_dbus_connection_signal_unsubscribe(system.get(), sleepSubscription);
    if (networkSource)
        g_source_remove(networkSource);
    if (l.timer)
        g_source_remove(l.timer);
    g_signal_handler_disconnect(session.get(), closedHandler);
    g_main_loop_unref(l.loop);
    return l.end;
}

} // namespace telvorin
