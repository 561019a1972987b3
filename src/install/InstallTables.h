// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What an install writes: the languages with their codepages, the device files of each
// codepage per share layout in the order they are written, and the size of every device
// file. Plain data, no I/O, so the install, the stand-in generator and the tests share it.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace telvorin::install {

// Type names of device files. Lookups match them without regard to case.
inline constexpr std::string_view TypeCodepage = "CODEPAGE";
inline constexpr std::string_view TypeBt = "BT";

constexpr int CodepageCount = 9;

struct CodepageEntry {
    const char* listText; // as the language list shows it
    const char* codepage; // the text sent to the device
};

// Index 0 "Traditional Chinese" to 8 "Japanese SJIS", in list order.
std::span<const CodepageEntry, CodepageCount> Codepages();
// The index of a codepage text ("950"), or -1 when no language has it.
int CodepageIndexOf(std::string_view codepage);

// Layout 1: a device whose share is HDD_a (".o" modules); layout 2: HDD_1 (".ko").
enum class Layout { HddA = 1, Hdd1 = 2 };

struct InstallFile {
    const char* name; // installed under this name
    int id;           // CODEPAGE device file id
};

// Files of one language in writing order; empty for the languages that have none
// (indexes 3, 4, 5) and for an index out of range.
std::span<const InstallFile> FilesFor(int codepageIndex, Layout layout);

// The package: "bt" (215) then "btdog" (220), both of type BT.
std::span<const InstallFile, 2> PackageFiles();

enum class FileKind {
    ArmExecutable, // ELF 32-bit little-endian ARM executable
    PowerPcModule, // ELF 32-bit big-endian PowerPC relocatable (".o")
    ArmModule,     // ELF 32-bit little-endian ARM relocatable (".ko")
    Table,         // codepage and unicode map tables
};

struct DeviceFileInfo {
    std::string_view type; // TypeCodepage or TypeBt
    int id;
    const char* installedAs;
    std::uint32_t size;
    FileKind kind;
};

// Every device file an install may write, once each, by type then id.
std::span<const DeviceFileInfo> InstallableFiles();
// The size an installable device file must have; nullopt for one no install writes.
std::optional<std::uint32_t> ExpectedSize(std::string_view type, int id);

} // namespace telvorin::install
