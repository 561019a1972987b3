// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowServices.h"

#include "app/ProtocolLog.h"
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
#include "ui/Messages.h"

namespace telvorin {

WindowServices::WindowServices(SocketLayer& sockets, Clock& clock, MainServices parts, DiagnosticSink log)
    : protocol_(sockets, clock, std::move(log))
    , services_(parts)
{
    protocol_.OpenTransport();
    services_.protocol = &protocol_;
    // The window's own pauses take the protocol's clock unless another is handed in.
    if (!services_.clock)
        services_.clock = &clock;
}

struct ProgramServices::Parts {
    PosixSocketLayer sockets;
    SteadyClock clock;
    QtMessages messages;
    GioDriveService drives;
    TcpWebCheck webCheck;
    GioBrowserLauncher browser;
    InstallState installState;
    SmbShareWriter share;
    XdgDeviceFiles deviceFiles;
    install::LocalStaging staging;
    NetlinkMonitor network;
};

ProgramServices::ProgramServices()
    : parts_(std::make_unique<Parts>())
{
    Parts& p = *parts_;
    p.drives.setCredentialAnswerer(CredentialPrompt::overActiveWindow());
    window_ = std::make_unique<WindowServices>(p.sockets, p.clock,
                                               MainServices{.messages = &p.messages,
                                                            .drives = &p.drives,
                                                            .webCheck = &p.webCheck,
                                                            .browser = &p.browser,
                                                            .installState = &p.installState,
                                                            .share = &p.share,
                                                            .deviceFiles = &p.deviceFiles,
                                                            .staging = &p.staging,
                                                            .installCancel = &TerminationSignal(),
                                                            .network = &p.network},
                                               ProtocolLogSink());
}

// The protocol goes before the sockets it runs over.
ProgramServices::~ProgramServices()
{
    window_.reset();
}

} // namespace telvorin
