// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "appstate/MainContext.h"
#include "protocol/Protocol.h"

#include <memory>

namespace telvorin {

class SocketLayer;

// The main window's services, wired in this one place for the program, the benchmark and
// the tests: the protocol over the sockets and the clock handed in, its transport open,
// and the other parts as handed in (a null part is one the window does without, as
// MainServices tells; without a clock of their own, the window's pauses take the
// protocol's). The parts stay the caller's and must outlive this.
//
//   WindowServices window(sockets, clock, {.messages = &messages, .drives = &drives});
//   MainDialog dialog(window.services());
class WindowServices {
public:
    WindowServices(SocketLayer& sockets, Clock& clock, MainServices parts = {}, DiagnosticSink log = {});

    Protocol& protocol() { return protocol_; }
    const MainServices& services() const { return services_; }

private:
    Protocol protocol_;
    MainServices services_;
};

// The program's own parts, on the machine's network and the user's desktop: message
// boxes, GVfs drives that ask for passwords over the active window, the desktop's browser,
// the installs' share and files, the kernel's network notices. An install sees the flag
// of a termination request.
class ProgramServices {
public:
    ProgramServices();
    ~ProgramServices();
    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

    Protocol& protocol() { return window_->protocol(); }
    const MainServices& services() const { return window_->services(); }

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
    std::unique_ptr<WindowServices> window_;
};

} // namespace telvorin
