// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TelvorinApp.h"

#include "app/MainDialog.h"
#include "app/ProtocolLog.h"
#include "app/Translations.h"
#include "drives/CredentialPrompt.h"
#include "install/InstallState.h"
#include "install/LocalStaging.h"
#include "platform/BrowserLauncher.h"
#include "platform/DeviceFiles.h"
#include "platform/GioDriveService.h"
#include "platform/NetworkMonitor.h"
#include "platform/SmbShareWriter.h"
#include "platform/TerminationSignals.h"
#include "platform/WebCheck.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/Protocol.h"
#include "resources/Templates.h"
#include "ui/Colours.h"
#include "ui/Messages.h"

#include <QIcon>
#include <QLocale>
#include <QSocketNotifier>

namespace telvorin {

TelvorinApp::TelvorinApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // Captionless message boxes show the program's name. No display name is set: the
    // window system would append it to every caption ("Error — Telvorin").
    setApplicationName(QStringLiteral("telvorin"));
    setDesktopFileName(QStringLiteral("telvorin"));
    // The user's languages, the first we ship; English (no files loaded) otherwise.
    InstallTranslations(*this, ChooseLanguage(QLocale().uiLanguages()), InstalledTranslationsDir(),
                        QtTranslationsDir());
    EnsureResources();
    setWindowIcon(QIcon(QString::fromLatin1(AppIconSvg)));
}

int TelvorinApp::InitInstance()
{
    PosixSocketLayer sockets;
    SteadyClock clock;
    Protocol protocol(sockets, clock, ProtocolLogSink());
    protocol.OpenTransport();

    QtMessages messages;
    GioDriveService drives;
    drives.setCredentialAnswerer(CredentialPrompt::overActiveWindow());
    TcpWebCheck webCheck;
    GioBrowserLauncher browser;
    InstallState installState;
    SmbShareWriter share;
    XdgDeviceFiles deviceFiles;
    install::LocalStaging staging;
    NetlinkMonitor network;

    ApplyColourScheme(*this);

    MainServices services;
    services.protocol = &protocol;
    services.clock = &clock;
    services.messages = &messages;
    services.drives = &drives;
    services.webCheck = &webCheck;
    services.browser = &browser;
    services.installState = &installState;
    services.share = &share;
    services.deviceFiles = &deviceFiles;
    services.staging = &staging;
    services.network = &network;

    // A termination request ends the program once the handler in progress is over; an
    // install sees the flag and ends its write, then tells the device to stop.
    CatchTerminationSignals();
    services.installCancel = &TerminationSignal();
    MainDialog dialog(services);
    int exitCode = 0;
    QSocketNotifier termination(TerminationNotifier(), QSocketNotifier::Read);
    connect(&termination, &QSocketNotifier::activated, this, [&termination, &exitCode, &dialog] {
        termination.setEnabled(false);
        exitCode = 128 + TerminationSignal().load();
        dialog.endOnTermination();
    });
    dialog.exec();
    return exitCode;
}

} // namespace telvorin
