// SPDX-License-Identifier: GPL-3.0-or-later
// telvorin-standins: writes a labelled stand-in for every device file an install may
// write, at its exact size, into DIR/telvorin/payload/<TYPE>/<id>. We do not have the
// real files; these let the tests and the lab demo run an install end to end. Each
// begins with a label saying what it is (after an ELF header for the ELF kinds, so a
// device that inspects the file sees the right class, byte order and machine), and the
// rest is a pattern unique to the file, so a file written in the wrong place shows.

#include "install/InstallTables.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

using namespace telvorin::install;

namespace {

void Put16(std::vector<unsigned char>& b, std::size_t at, unsigned v, bool big)
{
    b[at + (big ? 1 : 0)] = static_cast<unsigned char>(v & 0xff);
    b[at + (big ? 0 : 1)] = static_cast<unsigned char>((v >> 8) & 0xff);
}

void Put32(std::vector<unsigned char>& b, std::size_t at, unsigned long v, bool big)
{
    for (std::size_t i = 0; i < 4; ++i)
        b[at + (big ? 3 - i : i)] = static_cast<unsigned char>((v >> (8 * i)) & 0xff);
}

// A 52-byte ELF32 file header without program or section tables.
std::vector<unsigned char> ElfHeader(FileKind kind)
{
    std::vector<unsigned char> h(52, 0);
    const bool big = kind == FileKind::PowerPcModule;
    h[0] = 0x7f;
    h[1] = 'E';
    h[2] = 'L';
    h[3] = 'F';
    h[4] = 1;                                                   // 32-bit
    h[5] = big ? 2 : 1;                                         // byte order
    h[6] = 1;                                                   // version
    Put16(h, 16, kind == FileKind::ArmExecutable ? 2 : 1, big); // executable or relocatable
    Put16(h, 18, big ? 20 : 40, big);                           // PowerPC or ARM
    Put32(h, 20, 1, big);
    Put16(h, 40, 52, big); // header size
    Put16(h, 46, 40, big); // section header entry size
    return h;
}

std::vector<unsigned char> StandIn(const DeviceFileInfo& f)
{
    std::vector<unsigned char> bytes;
    if (f.kind != FileKind::Table)
        bytes = ElfHeader(f.kind);
    const std::string label = "STAND-IN: not a real device file, made for Telvorin's tests. " +
                              std::string(f.type) + "/" + std::to_string(f.id) + " (" + f.installedAs + ")\n";
    bytes.insert(bytes.end(), label.begin(), label.end());
    std::uint32_t x = static_cast<std::uint32_t>(f.id) * 2654435761u;
    while (bytes.size() < f.size) {
        x = x * 1664525u + 1013904223u;
        bytes.push_back(static_cast<unsigned char>(x >> 24));
    }
    bytes.resize(f.size); // the smallest files keep only the start of the label
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: telvorin-standins DIR\n");
        return 2;
    }
    const std::filesystem::path root = std::filesystem::path(argv[1]) / "telvorin" / "payload";
    for (const DeviceFileInfo& f : InstallableFiles()) {
        const std::filesystem::path dir = root / std::string(f.type);
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        const std::filesystem::path path = dir / std::to_string(f.id);
        const std::vector<unsigned char> bytes = StandIn(f);
        std::FILE* out = std::fopen(path.c_str(), "wb");
        const bool ok = out && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
        if (!out || std::fclose(out) != 0 || !ok) {
            std::fprintf(stderr, "telvorin-standins: cannot write %s: %s\n", path.c_str(),
                         std::strerror(errno));
            return 1;
        }
    }
    return 0;
}
