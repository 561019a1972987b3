// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace telvorin {

// Whether a device's web server answers. The check runs on a worker thread that may
// outlive the window, so it is handed out as a self-contained task: the task owns copies
// of everything it needs and never touches the WebCheck that made it.
class WebCheck {
public:
    virtual ~WebCheck() = default;
    // A task that returns true when a connection to the web server at `host` could be made.
    virtual std::function<bool()> makeCheck(const std::string& host) const = 0;
};

// A TCP connect to host:80, given up after a time-out.
class TcpWebCheck final : public WebCheck {
public:
    explicit TcpWebCheck(int timeoutMs = 2000)
        : timeoutMs_(timeoutMs)
    {
    }
    std::function<bool()> makeCheck(const std::string& host) const override;

    // The blocking check itself.
    static bool connect(const std::string& host, int port, int timeoutMs);

private:
    int timeoutMs_;
};

} // namespace telvorin
