// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemplateWindows.h"

#include "app/AboutDialog.h"
#include "app/MainDialog.h"
#include "app/WindowServices.h"
#include "dialogs/LoginDialog.h"
#include "drives/MemoryDriveService.h"
#include "install/MemoryShare.h"
#include "installui/InstallDialog.h"
#include "installui/RestartDialog.h"
#include "language/LanguageDialog.h"
#include "protocol/Protocol.h"
#include "ui/OfflineNetwork.h"
#include "ui/RecordingMessages.h"

#include <QApplication>
#include <QGroupBox>

#include <chrono>
#include <memory>
#include <thread>

namespace telvorin::test {

namespace {

// A main window on a network where nothing answers.
struct Offline {
    SilentSockets sockets{{{"veth0", "10.64.0.1"}}};
    ManualClock clock;
    RecordingMessages messages;
    MemoryDriveService drives;
    InstallState install;
    WindowServices window{
        sockets, clock, {.messages = &messages, .drives = &drives, .installState = &install}};
    std::unique_ptr<MainDialog> dialog;

    Offline()
    {
        drives.setDriveType("C:", DriveFixed);
        dialog = std::make_unique<MainDialog>(window.services());
    }
};

void Shown(QWidget& window, const char* name, const std::function<void(const char*, QWidget&)>& check)
{
    window.show();
    QApplication::processEvents();
    check(name, window);
    window.close();
}

} // namespace

void ForEachTemplateWindow(const std::function<void(const char* name, QWidget& window)>& check)
{
    {
        Offline main;
        Shown(*main.dialog, "main", check);
    }
    {
        AboutDialog about;
        Shown(about, "about", check);
    }
    for (const int adminLoginMode : {1, 0}) {
        ProtocolState state;
        LoginDialog login(state, adminLoginMode);
        Shown(login, adminLoginMode ? "login" : "share-login", check);
    }
    {
        Offline main;
        LanguageDialog language(main.dialog->context());
        Shown(language, "language", check);
    }
    {
        Offline main;
        MemoryShare share;
        MemoryDeviceFiles files;
        install::LocalStaging staging;
        install::InstallContext context{main.window.protocol(), share,   files,
                                        main.install,           staging, main.clock};
        InstallDialog dialog(context, "10.64.0.10", main.messages);
        Shown(dialog, "install", check);
    }
    {
        FakeClock clock(2); // steps take a little real time, so the worker stays mid-way
        InstallState install;
        RestartDialog dialog(install, clock);
        Shown(dialog, "restart", check);
    }
}

QString ControlPath(const QWidget& widget)
{
    const QString own = widget.objectName();
    if (own.isEmpty() || own.startsWith(QLatin1String("qt_")) || widget.isWindow())
        return {};
    for (const QWidget* up = widget.parentWidget(); up && !up->isWindow(); up = up->parentWidget()) {
        if (qobject_cast<const QGroupBox*>(up))
            continue;
        const QString name = up->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            return name + u'/' + own;
    }
    return own;
}

} // namespace telvorin::test
