// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CredentialAnswerer.h"
#include "platform/DriveService.h"
#include "platform/GioHandles.h"

#include <chrono>
#include <string>

namespace telvorin::gio {

// One asynchronous GIO call run to its end in a private main context on the calling
// thread, with a cancellable that a time-out fires. The Qt loop is never entered here:
// the window's callers run the service on a step thread, so it keeps painting meanwhile.
class GioCall {
public:
    explicit GioCall(std::chrono::milliseconds timeout)
        : context_(g_main_context_new())
        , cancellable_(g_cancellable_new())
        , timeout_(timeout)
    {
        g_main_context_push_thread_default(context_);
        arm();
    }
    ~GioCall()
    {
        disarm();
        g_main_context_pop_thread_default(context_);
        // Let sources that the finished call left behind run down before the context goes.
        while (g_main_context_iteration(context_, FALSE)) {
        }
        g_main_context_unref(context_);
    }
    GioCall(const GioCall&) = delete;
    GioCall& operator=(const GioCall&) = delete;

    GCancellable* cancellable() const { return cancellable_.get(); }
    bool timedOut() const { return timedOut_; }

    void finish(GError* error)
    {
        error_.clear();
        error_.error = error;
        done_ = true;
    }
    // Waits for finish(); true when the call succeeded.
    bool wait()
    {
        while (!done_)
            g_main_context_iteration(context_, TRUE);
        return error_.error == nullptr;
    }
    const GError* error() const { return error_.error; }
    const char* message() const { return error_.message(); }

    // The time-out stops while a person types credentials and starts afresh after.
    void disarm()
    {
        if (timer_) {
            g_source_destroy(timer_);
            g_source_unref(timer_);
            timer_ = nullptr;
        }
    }
    void arm()
    {
        disarm();
        timer_ = g_timeout_source_new(static_cast<guint>(timeout_.count()));
        g_source_set_callback(
            timer_,
            [](gpointer self) -> gboolean {
                auto* call = static_cast<GioCall*>(self);
                call->timedOut_ = true;
                g_cancellable_cancel(call->cancellable_.get());
                return G_SOURCE_REMOVE;
            },
            this, nullptr);
        g_source_attach(timer_, context_);
    }

private:
    GMainContext* context_;
    GPtr<GCancellable> cancellable_;
    std::chrono::milliseconds timeout_;
    GSource* timer_ = nullptr;
    bool done_ = false;
    bool timedOut_ = false;
    GErrorHolder error_;
};

// What the mount operation answers when GVfs asks for a password.
struct Credentials {
    std::string user;
    std::string domain;
    std::string password;
    bool noPassword = false; // null password: the user's default
    bool interactive = false;
    bool savePassword = false; // GVfs keeps the password in the desktop keyring
    CredentialAnswerer* answerer = nullptr;
    GioCall* call = nullptr;
    int asks = 0;
};

// Answers GVfs's ask-password signal of a mount operation from the Credentials in `data`.
void OnAskPassword(GMountOperation* op, const char* message, const char* defaultUser,
                   const char* defaultDomain, GAskPasswordFlags flags, gpointer data);

// Unmounts the mount that holds `location` and waits until it is gone from the FUSE folder
// too. Ok when it is gone (or was already), so a caller never reports a removal that did
// not happen.
DriveResult UnmountEnclosing(GFile* location, bool force, std::chrono::milliseconds timeout);

} // namespace telvorin::gio
