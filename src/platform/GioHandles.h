// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gio/gio.h>

#include <memory>

namespace telvorin::gio {

// Owners for the GLib objects, strings and errors that the drive service's parts hand
// each other.
struct GObjectDeleter {
    void operator()(gpointer p) const
    {
        if (p)
            g_object_unref(p);
    }
};
template <typename T> using GPtr = std::unique_ptr<T, GObjectDeleter>;

struct GFreeDeleter {
    void operator()(gpointer p) const { g_free(p); }
};
using GText = std::unique_ptr<char, GFreeDeleter>;

struct GErrorHolder {
    GError* error = nullptr;
    ~GErrorHolder() { clear(); }
    void clear() { g_clear_error(&error); }
    GError** out()
    {
        clear();
        return &error;
    }
    const char* message() const { return error ? error->message : "unknown error"; }
};

} // namespace telvorin::gio
