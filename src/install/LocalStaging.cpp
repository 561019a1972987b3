// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/LocalStaging.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace telvorin::install {

namespace {

// Where a private folder may go, best first.
std::vector<std::string> Bases()
{
    std::vector<std::string> bases;
    for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
        const char* v = std::getenv(name);
        struct stat st {};
        if (v && v[0] == '/' && ::stat(v, &st) == 0 && S_ISDIR(st.st_mode))
            bases.emplace_back(v);
    }
    bases.emplace_back("/tmp");
    return bases;
}

} // namespace

LocalStaging::~LocalStaging()
{
    removeIfEmpty();
}

bool LocalStaging::create()
{
    if (!dir_.empty()) {
        struct stat st {};
        if (::lstat(dir_.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            return true;
        dir_.clear();
    }
    for (const std::string& base : Bases()) {
        const std::string pattern = base + "/telvorin-bt.XXXXXX";
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (::mkdtemp(buffer.data())) { // mode 0700
            dir_ = buffer.data();
            return true;
        }
    }
    return false;
}

std::string LocalStaging::pathOf(std::string_view name) const
{
    return dir_.empty() ? std::string() : dir_ + "/" + std::string(name);
}

bool LocalStaging::holds(std::string_view path) const
{
    if (dir_.empty() || path.size() <= dir_.size() + 1 || path.substr(0, dir_.size()) != dir_ ||
        path[dir_.size()] != '/')
        return false;
    const std::string_view name = path.substr(dir_.size() + 1);
    return name != "." && name != ".." && name.find('/') == std::string_view::npos;
}

void LocalStaging::removeIfEmpty()
{
    if (!dir_.empty() && (::rmdir(dir_.c_str()) == 0 || errno == ENOENT))
        dir_.clear();
}

} // namespace telvorin::install
