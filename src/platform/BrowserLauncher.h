// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace telvorin {

// Starts the user's web browser. Nothing here ever goes through a shell.
class BrowserLauncher {
public:
    virtual ~BrowserLauncher() = default;
    // The default http handler's name (a desktop file id such as "web.desktop"); empty
    // when there is none.
    virtual std::string defaultBrowserName() = 0;
    // Starts the default http handler with the one URL; false when it could not be started.
    virtual bool launchDefaultBrowser(const std::string& url) = 0;
    // The desktop's own opener ("xdg-open URL"); false when it could not be started or
    // reported soon that it found no browser. May wait up to a few seconds.
    virtual bool launchOpener(const std::string& url) = 0;
};

// GIO's default handler for http, and xdg-open from PATH.
class GioBrowserLauncher final : public BrowserLauncher {
public:
    std::string defaultBrowserName() override;
    bool launchDefaultBrowser(const std::string& url) override;
    bool launchOpener(const std::string& url) override;

    // How long the opener may take to fail before it counts as showing the page.
    static constexpr int OpenerVerdictMs = 3000;
};

} // namespace telvorin
