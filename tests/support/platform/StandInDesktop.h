// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A private desktop for browser tests: a stand-in browser registered as the http handler
// (a desktop file in a test XDG_DATA_HOME, named in a test mimeapps.list) and a stand-in
// xdg-open first in PATH. Each stand-in records the arguments it got, one per line.

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace telvorin::test {

class StandInDesktop {
public:
    // Without the browser installed, the desktop file names a program that is not there.
    explicit StandInDesktop(bool browserInstalled = true)
    {
        char pattern[] = "/tmp/telvorin-desktop-XXXXXX";
        root = mkdtemp(pattern);
        for (const char* d : {"data/applications", "config", "sys", "bin"})
            std::filesystem::create_directories(root / d);
        if (browserInstalled)
            script("browser");
        script("xdg-open");
        std::ofstream(root / "data/applications/test-browser.desktop")
            << "[Desktop Entry]\nType=Application\nName=Test Browser\nExec="
            << (root / "bin/browser").string() << " %u\nMimeType=x-scheme-handler/http;\n";
        std::ofstream(root / "config/mimeapps.list")
            << "[Default Applications]\nx-scheme-handler/http=test-browser.desktop\n";
    }
    ~StandInDesktop() { std::filesystem::remove_all(root); }

    // Points this process at the desktop; GIO reads these once, so call it before any use.
    void enter() const
    {
        setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        setenv("XDG_DATA_DIRS", (root / "sys").c_str(), 1);
        setenv("XDG_CONFIG_DIRS", (root / "sys").c_str(), 1);
        const char* path = std::getenv("PATH");
        setenv("PATH", ((root / "bin").string() + ":" + (path ? path : "/usr/bin:/bin")).c_str(), 1);
    }

    // What the stand-in got, waiting up to five seconds for it to run; consumed.
    std::string took(const std::string& name) const
    {
        const auto file = root / (name + ".args");
        for (int i = 0; i < 500 && !std::filesystem::exists(file); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        std::filesystem::remove(file);
        return text.str();
    }

    std::filesystem::path root;

private:
    void script(const std::string& name) const
    {
        const auto path = root / "bin" / name;
        const std::string record = (root / (name + ".args")).string();
        // Written aside and moved in place, so a reader never sees half of it.
        std::ofstream(path) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" << record << ".tmp'\nmv '" << record
                            << ".tmp' '" << record << "'\n";
        chmod(path.c_str(), 0755);
    }
};

} // namespace telvorin::test
