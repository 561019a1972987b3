// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GioMount.h"

#include "platform/FuseView.h"

#include <cstdio>

namespace telvorin::gio {

void OnAskPassword(GMountOperation* op, const char* message, const char* defaultUser,
                   const char* defaultDomain, GAskPasswordFlags flags, gpointer data)
{
    auto* cred = static_cast<Credentials*>(data);
    // GVfs asks again after a refused answer; one mapping attempt is one try.
    if (++cred->asks > 1) {
        g_mount_operation_reply(op, G_MOUNT_OPERATION_ABORTED);
        return;
    }
    // Only the keyring may keep a password, and only when the user asked for it.
    g_mount_operation_set_password_save(op, cred->savePassword && (flags & G_ASK_PASSWORD_SAVING_SUPPORTED)
                                                ? G_PASSWORD_SAVE_PERMANENTLY
                                                : G_PASSWORD_SAVE_NEVER);

    std::string user = cred->user;
    std::string domain = cred->domain;
    std::string password = cred->password;
    // There is no stored default password on this side: GVfs has already tried what it
    // knows (Kerberos) before asking, so the default is a guest login, which is what a
    // share open to everyone grants the user anyway.
    bool anonymous = (user.empty() && password.empty()) || cred->noPassword;

    if (cred->interactive) {
        CredentialRequest request;
        request.message = message ? message : "";
        request.userName = !user.empty() ? user : (defaultUser ? defaultUser : "");
        request.domain = !domain.empty() ? domain : (defaultDomain ? defaultDomain : "");
        request.needUserName = (flags & G_ASK_PASSWORD_NEED_USERNAME) != 0;
        request.needDomain = (flags & G_ASK_PASSWORD_NEED_DOMAIN) != 0;
        request.anonymousAllowed = (flags & G_ASK_PASSWORD_ANONYMOUS_SUPPORTED) != 0;
        cred->call->disarm();
        const bool answered = cred->answerer && *cred->answerer && (*cred->answerer)(request);
        cred->call->arm();
        if (!answered) {
            g_mount_operation_reply(op, G_MOUNT_OPERATION_ABORTED);
            return;
        }
        user = request.userName;
        domain = request.domain;
        password = request.password;
        anonymous = request.anonymous;
    }

    if (anonymous && (flags & G_ASK_PASSWORD_ANONYMOUS_SUPPORTED)) {
        g_mount_operation_set_anonymous(op, TRUE);
    } else {
        g_mount_operation_set_anonymous(op, FALSE);
        g_mount_operation_set_username(op, user.c_str());
        if (!domain.empty())
            g_mount_operation_set_domain(op, domain.c_str());
        g_mount_operation_set_password(op, password.c_str());
    }
    g_mount_operation_reply(op, G_MOUNT_OPERATION_HANDLED);
}

DriveResult UnmountEnclosing(GFile* location, bool force, std::chrono::milliseconds timeout)
{
    // GIO keeps what it learnt of a mount; when another program unmounted a share and it
    // was mounted again since, the first try can go to the gone daemon. The failed call
    // makes GIO forget it, so one more try reaches the live mount.
    for (int attempt = 1;; ++attempt) {
        GErrorHolder err;
        const GPtr<GMount> mount(g_file_find_enclosing_mount(location, nullptr, err.out()));
        if (!mount)
            return DriveResult::Ok;
        const GPtr<GFile> root(g_mount_get_root(mount.get()));
        const GText localPath(g_file_get_path(root.get()));
        const GText uri(g_file_get_uri(root.get()));
        GioCall call(timeout);
        g_mount_unmount_with_operation(
            mount.get(), force ? G_MOUNT_UNMOUNT_FORCE : G_MOUNT_UNMOUNT_NONE, nullptr, call.cancellable(),
            [](GObject* source, GAsyncResult* result, gpointer self) {
                GError* error = nullptr;
                g_mount_unmount_with_operation_finish(G_MOUNT(source), result, &error);
                static_cast<GioCall*>(self)->finish(error);
            },
            &call);
        if (!call.wait() && !g_error_matches(call.error(), G_IO_ERROR, G_IO_ERROR_NOT_MOUNTED)) {
            if (attempt == 1 && !call.timedOut())
                continue;
            std::fprintf(stderr, "telvorin: unmounting %s failed: %s\n", uri.get(),
                         call.timedOut() ? "timed out" : call.message());
            return DriveResult::Failed;
        }
        if (localPath && StillListed(localPath.get())) {
            std::fprintf(stderr, "telvorin: %s is still mounted after unmounting it\n", uri.get());
            return DriveResult::Failed;
        }
        return DriveResult::Ok;
    }
}

} // namespace telvorin::gio
