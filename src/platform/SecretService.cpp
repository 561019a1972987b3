// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SecretService.h"

#include "platform/GioHandles.h"

#include <QtGlobal>

#include <cstring>

namespace telvorin {

namespace {

constexpr const char* SecretsName = "org.freedesktop.secrets";
constexpr int BusTimeoutMs = 2000;

// Whether `name` is in the (as) array that the bus's ListNames or ListActivatableNames
// gives back.
bool BusLists(GDBusConnection* bus, const char* method, const char* name)
{
    GVariant* reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", method, nullptr,
        G_VARIANT_TYPE("(as)"), G_DBUS_CALL_FLAGS_NONE, BusTimeoutMs, nullptr, nullptr);
    if (!reply)
        return false;
    GVariantIter* names = nullptr;
    g_variant_get(reply, "(as)", &names);
    bool found = false;
    const char* each = nullptr;
    while (!found && g_variant_iter_next(names, "&s", &each))
        found = std::strcmp(each, name) == 0;
    g_variant_iter_free(names);
    g_variant_unref(reply);
    return found;
}

} // namespace

bool SecretServiceOnBus(std::string* why)
{
    gio::GErrorHolder error;
    const gio::GPtr<GDBusConnection> bus(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, error.out()));
    if (!bus) {
        if (why)
            *why = QT_TRANSLATE_NOOP("telvorin",
                                     "No desktop session bus, so no keyring to remember the password in.");
        return false;
    }
    if (BusLists(bus.get(), "ListNames", SecretsName) ||
        BusLists(bus.get(), "ListActivatableNames", SecretsName))
        return true;
    if (why)
        *why =
            QT_TRANSLATE_NOOP("telvorin", "No keyring (Secret Service) runs in this desktop session, so the "
                                          "password cannot be remembered.");
    return false;
}

} // namespace telvorin
