// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/InstallTables.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace telvorin::install {

namespace {

constexpr std::array<CodepageEntry, CodepageCount> CodepageList{{
    {"Traditional Chinese", "950"},
    {"Simplified Chinese", "936"},
    {"Western European", "850"},
    {"Northern European", "865"},
    {"Central European", "852"},
    {"Turkish", "857"},
    {"Korean Hangul", "949"},
    {"Cyrillic", "866"},
    {"Japanese SJIS", "932"},
}};

constexpr InstallFile Hdda950[] = {
    {"codepage.950", 151}, {"nls_cp950.o", 153}, {"nls_big5.o", 155}, {"unicode_map.950", 156}};
constexpr InstallFile Hdda936[] = {
    {"codepage.936", 157}, {"nls_cp936.o", 158}, {"nls_gb2312.o", 159}, {"unicode_map.936", 160}};
constexpr InstallFile Hdda850[] = {{"codepage.850", 143}, {"nls_cp850.o", 145}, {"unicode_map.850", 148}};
constexpr InstallFile Hdda949[] = {
    {"codepage.949", 165}, {"nls_cp949.o", 166}, {"nls_euc-kr.o", 167}, {"unicode_map.949", 168}};
constexpr InstallFile Hdda866[] = {{"codepage.866", 169},
                                   {"nls_cp866.o", 170},
                                   {"nls_koi8-r.o", 185},
                                   {"unicode_map.866", 171},
                                   {"unicode_map.KOI8-R", 184}};
constexpr InstallFile Hdda932[] = {{"codepage.932", 161},
                                   {"nls_cp932.o", 162},
                                   {"nls_euc-jp.o", 163},
                                   {"nls_sjis.o", 172},
                                   {"unicode_map.932", 164}};

constexpr InstallFile Hdd1950[] = {
    {"codepage.950", 151}, {"nls_cp950.ko", 174}, {"nls_cp950_12.ko", 192}, {"unicode_map.950", 156}};
constexpr InstallFile Hdd1936[] = {
    {"codepage.936", 157}, {"nls_cp936.ko", 175}, {"nls_cp936_12.ko", 190}, {"unicode_map.936", 160}};
constexpr InstallFile Hdd1850[] = {
    {"codepage.850", 143}, {"nls_cp850.ko", 179}, {"nls_cp850_12.ko", 187}, {"unicode_map.850", 148}};
constexpr InstallFile Hdd1949[] = {
    {"codepage.949", 165}, {"nls_cp949.ko", 176}, {"nls_cp949_12.ko", 191}, {"unicode_map.949", 168}};
constexpr InstallFile Hdd1866[] = {
    {"codepage.866", 169},     {"nls_cp866.ko", 177},    {"nls_koi8-r.ko", 183},     {"nls_cp866_12.ko", 188},
    {"nls_koi8-r_12.ko", 194}, {"unicode_map.866", 171}, {"unicode_map.KOI8-R", 184}};
constexpr InstallFile Hdd1932[] = {{"codepage.932", 161},     {"nls_cp932.ko", 173},
                                   {"nls_euc-jp.ko", 178},    {"nls_cp932_12.ko", 189},
                                   {"nls_euc-jp_12.ko", 193}, {"unicode_map.932", 164}};

constexpr InstallFile Package[] = {{"bt", 215}, {"btdog", 220}};

using K = FileKind;
constexpr DeviceFileInfo Installable[] = {
    {TypeBt, 215, "bt", 6940408, K::ArmExecutable},
    {TypeBt, 220, "btdog", 22672, K::ArmExecutable},
    {TypeCodepage, 143, "codepage.850", 132, K::Table},
    {TypeCodepage, 145, "nls_cp850.o", 5020, K::PowerPcModule},
    {TypeCodepage, 148, "unicode_map.850", 131614, K::Table},
    {TypeCodepage, 151, "codepage.950", 8, K::Table},
    {TypeCodepage, 153, "nls_cp950.o", 106268, K::PowerPcModule},
    {TypeCodepage, 155, "nls_big5.o", 1724, K::PowerPcModule},
    {TypeCodepage, 156, "unicode_map.950", 262174, K::Table},
    {TypeCodepage, 157, "codepage.936", 8, K::Table},
    {TypeCodepage, 158, "nls_cp936.o", 129244, K::PowerPcModule},
    {TypeCodepage, 159, "nls_gb2312.o", 1728, K::PowerPcModule},
    {TypeCodepage, 160, "unicode_map.936", 262174, K::Table},
    {TypeCodepage, 161, "codepage.932", 8, K::Table},
    {TypeCodepage, 162, "nls_cp932.o", 82848, K::PowerPcModule},
    {TypeCodepage, 163, "nls_euc-jp.o", 6364, K::PowerPcModule},
    {TypeCodepage, 164, "unicode_map.932", 262174, K::Table},
    {TypeCodepage, 165, "codepage.949", 8, K::Table},
    {TypeCodepage, 166, "nls_cp949.o", 152216, K::PowerPcModule},
    {TypeCodepage, 167, "nls_euc-kr.o", 1728, K::PowerPcModule},
    {TypeCodepage, 168, "unicode_map.949", 262174, K::Table},
    {TypeCodepage, 169, "codepage.866", 588, K::Table},
    {TypeCodepage, 170, "nls_cp866.o", 5308, K::PowerPcModule},
    {TypeCodepage, 171, "unicode_map.866", 588, K::Table},
    {TypeCodepage, 172, "nls_sjis.o", 1724, K::PowerPcModule},
    {TypeCodepage, 173, "nls_cp932.ko", 82562, K::ArmModule},
    {TypeCodepage, 174, "nls_cp950.ko", 105791, K::ArmModule},
    {TypeCodepage, 175, "nls_cp936.ko", 128599, K::ArmModule},
    {TypeCodepage, 176, "nls_cp949.ko", 151405, K::ArmModule},
    {TypeCodepage, 177, "nls_cp866.ko", 6006, K::ArmModule},
    {TypeCodepage, 178, "nls_euc-jp.ko", 6809, K::ArmModule},
    {TypeCodepage, 179, "nls_cp850.ko", 5719, K::ArmModule},
    {TypeCodepage, 183, "nls_koi8-r.ko", 6010, K::ArmModule},
    {TypeCodepage, 184, "unicode_map.KOI8-R", 131614, K::Table},
    {TypeCodepage, 185, "nls_koi8-r.o", 5312, K::PowerPcModule},
    {TypeCodepage, 187, "nls_cp850_12.ko", 5783, K::ArmModule},
    {TypeCodepage, 188, "nls_cp866_12.ko", 6070, K::ArmModule},
    {TypeCodepage, 189, "nls_cp932_12.ko", 82995, K::ArmModule},
    {TypeCodepage, 190, "nls_cp936_12.ko", 128695, K::ArmModule},
    {TypeCodepage, 191, "nls_cp949_12.ko", 151501, K::ArmModule},
    {TypeCodepage, 192, "nls_cp950_12.ko", 105887, K::ArmModule},
    {TypeCodepage, 193, "nls_euc-jp_12.ko", 6921, K::ArmModule},
    {TypeCodepage, 194, "nls_koi8-r_12.ko", 6074, K::ArmModule},
};

bool SameType(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

} // namespace

std::span<const CodepageEntry, CodepageCount> Codepages()
{
    return CodepageList;
}

int CodepageIndexOf(std::string_view codepage)
{
    for (int i = 0; i < CodepageCount; ++i) {
        if (codepage == CodepageList[static_cast<std::size_t>(i)].codepage)
            return i;
    }
    return -1;
}

std::span<const InstallFile> FilesFor(int codepageIndex, Layout layout)
{
    const bool a = layout == Layout::HddA;
    switch (codepageIndex) {
    case 0: return a ? std::span<const InstallFile>(Hdda950) : Hdd1950;
    case 1: return a ? std::span<const InstallFile>(Hdda936) : Hdd1936;
    case 2: return a ? std::span<const InstallFile>(Hdda850) : Hdd1850;
    case 6: return a ? std::span<const InstallFile>(Hdda949) : Hdd1949;
    case 7: return a ? std::span<const InstallFile>(Hdda866) : Hdd1866;
    case 8: return a ? std::span<const InstallFile>(Hdda932) : Hdd1932;
    default: return {};
    }
}

std::span<const InstallFile, 2> PackageFiles()
{
    return Package;
}

std::span<const DeviceFileInfo> InstallableFiles()
{
    return Installable;
}

std::optional<std::uint32_t> ExpectedSize(std::string_view type, int id)
{
    for (const DeviceFileInfo& f : Installable) {
        if (f.id == id && SameType(f.type, type))
            return f.size;
    }
    return std::nullopt;
}

} // namespace telvorin::install
