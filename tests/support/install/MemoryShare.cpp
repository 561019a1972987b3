// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryShare.h"

#include "install/InstallTables.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <new>

namespace telvorin::test {

bool MemoryShare::fail(int e, const std::string& what)
{
    errno_ = e;
    error_ = what;
    return false;
}

bool MemoryShare::connect(const std::string& host, const std::string& share)
{
    log.push_back("connect \\\\" + host + "\\" + share);
    return unreachable ? fail(EHOSTUNREACH, "unreachable") : true;
}

bool MemoryShare::createFile(const SharePath& path, std::span<const std::uint8_t> bytes)
{
    const std::string name = path.text();
    log.push_back("create " + name);
    if (unreachable)
        return fail(EHOSTUNREACH, "unreachable");
    if (files.count(name) || folders.count(name))
        return fail(EEXIST, name + " exists");
    if (throwOnCreate)
        throw std::bad_alloc();
    modified[name] = now;
    if (++creates_ == failCreateNumber) {
        files[name] = Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 2));
        return fail(ENOSPC, name + ": no space left");
    }
    files[name] = Bytes(bytes.begin(), bytes.end());
    return true;
}

bool MemoryShare::replace(const SharePath& from, const SharePath& to)
{
    const std::string a = from.text();
    const std::string b = to.text();
    log.push_back("replace " + a + " -> " + b);
    if (failReplace || failReplaces.count(++replaces_))
        return fail(EACCES, "replace refused");
    if (folders.count(b))
        return fail(EISDIR, b + " is a folder");
    auto it = files.find(a);
    if (it == files.end())
        return fail(ENOENT, a + " missing");
    files[b] = std::move(it->second);
    files.erase(a);
    modified[b] = modified[a];
    modified.erase(a);
    return true;
}

bool MemoryShare::remove(const SharePath& path)
{
    log.push_back("remove " + path.text());
    if (failRemoves.count(++removes_))
        return fail(EACCES, "remove refused");
    modified.erase(path.text());
    return files.erase(path.text()) ? true : fail(ENOENT, "missing");
}

std::optional<std::uint64_t> MemoryShare::fileSize(const SharePath& path)
{
    if (folders.count(path.text())) {
        fail(EISDIR, path.text() + " is a folder");
        return std::nullopt;
    }
    auto it = files.find(path.text());
    if (it == files.end()) {
        fail(ENOENT, path.text() + " missing");
        return std::nullopt;
    }
    return it->second.size();
}

std::optional<std::vector<ShareEntry>> MemoryShare::list(const SharePath& folder)
{
    if (unreachable) {
        fail(EHOSTUNREACH, "unreachable");
        return std::nullopt;
    }
    const std::string prefix = folder.text() + "\\";
    std::vector<ShareEntry> out;
    const auto add = [&](const std::string& name, bool isFolder) {
        if (name.rfind(prefix, 0) == 0 && name.find('\\', prefix.size()) == std::string::npos)
            out.push_back(ShareEntry{name.substr(prefix.size()), isFolder, isFolder ? 0 : modified[name]});
    };
    for (const auto& file : files)
        add(file.first, false);
    for (const std::string& name : folders)
        add(name, true);
    return out;
}

std::vector<std::string> MemoryShare::names(const std::string& prefix) const
{
    std::vector<std::string> out;
    for (const auto& [name, bytes] : files) {
        if (name.rfind(prefix, 0) == 0)
            out.push_back(name);
    }
    return out;
}

std::string MemoryDeviceFiles::key(std::string_view type, int id)
{
    std::string t(type);
    for (char& c : t)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return t + "/" + std::to_string(id);
}

MemoryDeviceFiles MemoryDeviceFiles::complete()
{
    MemoryDeviceFiles m;
    for (const install::DeviceFileInfo& f : install::InstallableFiles())
        m.files[key(f.type, f.id)] = Bytes(f.size, static_cast<std::uint8_t>(f.id));
    return m;
}

std::optional<std::uint64_t> MemoryDeviceFiles::size(std::string_view type, int id)
{
    auto it = files.find(key(type, id));
    if (it == files.end())
        return std::nullopt;
    return it->second.size();
}

bool MemoryDeviceFiles::read(std::string_view type, int id, std::vector<std::uint8_t>* bytes)
{
    auto it = files.find(key(type, id));
    if (it == files.end())
        return false;
    *bytes = it->second;
    return true;
}

} // namespace telvorin::test
