// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the drive lab tests need around a desktop login: a home of its own, and the probe
// run as the login runs it.

#include "gvfs/SharesLabTest.h"

#include <cstdlib>
#include <string>

#include <stdlib.h>
#include <sys/wait.h>

namespace telvorin::test {

struct ProbeRun {
    int status = -1;
    std::string out;
    std::string err;
};

// The probe as the login would start it: a process of its own, with this process's
// environment (session bus, runtime and home folders).
inline ProbeRun Probe(const std::string& scratch, const std::string& arguments)
{
    const std::string out = scratch + "/probe.out";
    const std::string err = scratch + "/probe.err";
    const std::string command =
        std::string("'") + TELVORIN_PROBE + "' " + arguments + " >'" + out + "' 2>'" + err + "' </dev/null";
    ProbeRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    return run;
}

class ScratchHome {
public:
    ScratchHome()
    {
        char name[] = "/tmp/telvorin-restore-XXXXXX";
        path_ = mkdtemp(name) ? name : "";
    }
    ~ScratchHome()
    {
        if (!path_.empty())
            std::system(("rm -rf '" + path_ + "'").c_str());
    }
    const std::string& path() const { return path_; }
    // The program and the probe find their folders from these, as in a desktop session.
    void use() const
    {
        setenv("XDG_DATA_HOME", (path_ + "/data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (path_ + "/config").c_str(), 1);
    }

private:
    std::string path_;
};

} // namespace telvorin::test
