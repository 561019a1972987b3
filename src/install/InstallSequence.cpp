// SPDX-License-Identifier: GPL-3.0-or-later
#include "install/InstallSequence.h"

#include <cctype>

namespace telvorin::install {

namespace {

bool SameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string NetworkPath(std::string_view host, std::string_view directory, std::string_view name)
{
    return "\\\\" + std::string(host) + "\\" + std::string(directory) + "\\" + std::string(name);
}

// The failure ending: the device is told to stop, again while it does not answer, and
// the user to check the drives.
InstallReport FailureEnding(InstallContext& c, std::string detail,
                            InstallOutcome outcome = InstallOutcome::Failed)
{
    c.state.ExtractFailed = 1;
    c.protocol.state.stopValue = "stop";
    InstallReport report{outcome, CheckHardDrivesMessage, std::move(detail), StopAnswer::Unconfirmed};
    for (int attempt = 0; attempt < StopAttempts; ++attempt) {
        if (c.protocol.SetStopMode()) {
            report.stop = StopAnswer::Confirmed;
            return report;
        }
    }
    report.message += "\n";
    report.message += StopUnconfirmedMessage;
    return report;
}

bool CancelRequested(const InstallContext& c)
{
    return c.cancel && c.cancel->load() != 0;
}

InstallReport Cancelled(InstallContext& c)
{
    return FailureEnding(c, "interrupted", InstallOutcome::Cancelled);
}

// An announcement the device did not answer: the files are there all the same, and the
// window goes on as after an answer.
InstallReport Announced(bool answered, std::string what)
{
    if (answered)
        return {};
    return InstallReport{InstallOutcome::Unconfirmed, {}, "the device did not confirm " + what};
}

struct RunFlags {
    bool writeModeSent = false;
};

InstallReport RunSteps(InstallContext& c, InstallMode mode, std::string_view selectedHost,
                       const std::function<void(const WrittenFile&)>& onWritten, RunFlags& flags);

std::vector<std::string> MissingFileArgs(DeviceFileStore& files, std::string_view type,
                                         const InstallFile& file, std::uint32_t size)
{
    return {std::string(type), std::to_string(file.id), file.name, std::to_string(size), files.home()};
}

// The first device file that is missing or of the wrong size, as MissingFileFormat's
// arguments; empty when all are there.
std::vector<std::string> FindMissingFile(DeviceFileStore& files, InstallMode mode, int codepageIndex)
{
    auto check = [&](std::string_view type, const InstallFile& f) -> std::vector<std::string> {
        const std::uint32_t want = ExpectedSize(type, f.id).value_or(0);
        const auto have = files.size(type, f.id);
        return have && *have == want ? std::vector<std::string>() : MissingFileArgs(files, type, f, want);
    };
    if (mode == InstallMode::Package) {
        for (const InstallFile& f : PackageFiles()) {
            if (auto m = check(TypeBt, f); !m.empty())
                return m;
        }
        return {};
    }
    for (Layout layout : {Layout::HddA, Layout::Hdd1}) {
        for (const InstallFile& f : FilesFor(codepageIndex, layout)) {
            if (auto m = check(TypeCodepage, f); !m.empty())
                return m;
        }
    }
    return {};
}

} // namespace

InstallMode ModeFor(const InstallState& state)
{
    return state.BtInstallMode == 1 ? InstallMode::Package : InstallMode::Codepage;
}

std::string FillFormat(std::string_view format, const std::vector<std::string>& args)
{
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char next = i + 1 < format.size() ? format[i + 1] : '\0';
        if (format[i] == '%' && next >= '1' && next <= '9' && std::size_t(next - '1') < args.size()) {
            out += args[std::size_t(next - '1')];
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

std::string CheckDeviceFiles(DeviceFileStore& files, InstallMode mode, int codepageIndex)
{
    const std::vector<std::string> missing = FindMissingFile(files, mode, codepageIndex);
    return missing.empty() ? std::string() : FillFormat(MissingFileFormat, missing);
}

InstallReport RunInstall(InstallContext& c, InstallMode mode, std::string_view selectedHost,
                         const std::function<void(const WrittenFile&)>& onWritten)
{
    // The share ends a write at its next chunk once the flag is raised.
    struct CancelOnShare {
        ShareWriter& share;
        ~CancelOnShare() { share.setCancelFlag(nullptr); }
    } watch{c.share};
    c.share.setCancelFlag(c.cancel);
    RunFlags flags;
    std::string why;
    try {
        return RunSteps(c, mode, selectedHost, onWritten, flags);
    } catch (const std::exception& e) {
        why = std::string("unexpected error: ") + e.what();
    } catch (...) {
        why = "unexpected error";
    }
    if (flags.writeModeSent)
        return FailureEnding(c, why);
    c.state.ExtractFailed = 1;
    c.state.BtInstalled = 0;
    return InstallReport{InstallOutcome::Failed, CheckHardDrivesMessage, why};
}

namespace {

InstallReport RunSteps(InstallContext& c, InstallMode mode, std::string_view selectedHost,
                       const std::function<void(const WrittenFile&)>& onWritten, RunFlags& flags)
{
    const bool package = mode == InstallMode::Package;
    const int index = c.state.CodepageIndex;
    c.state.ExtractFailed = 0;
    if (!package && (index < 0 || index >= CodepageCount)) {
        c.state.ExtractFailed = 1;
        return InstallReport{InstallOutcome::Failed, CheckHardDrivesMessage,
                             "no language has the index " + std::to_string(index)};
    }
    if (package) {
        c.state.BtInstallMode = 0;
        c.state.BtInstalled = 0;
    }

    if (std::vector<std::string> args = FindMissingFile(c.files, mode, index); !args.empty()) {
        c.state.ExtractFailed = 1;
        c.state.BtInstalled = 0;
        const std::string missing = FillFormat(MissingFileFormat, args);
        return InstallReport{InstallOutcome::FilesMissing, missing,           missing,
                             StopAnswer::NotSent,          MissingFileFormat, std::move(args)};
    }

    if (CancelRequested(c)) {
        c.state.ExtractFailed = 1;
        return InstallReport{InstallOutcome::Cancelled, CheckHardDrivesMessage, "interrupted"};
    }
    ProtocolState& ps = c.protocol.state;
    const std::string folder = package ? "Nas_Prog/BT" : ".codepages";
    ps.writeModeValue = "rw";
    flags.writeModeSent = true;
    c.protocol.SetWriteMode();

    for (int attempt = 0; attempt < ShareNameAttempts; ++attempt) {
        if (CancelRequested(c))
            return Cancelled(c);
        ps.shareName.clear();
        c.protocol.GetShareName();
        if (SameText(ps.shareName.view(), "HDD_1") || SameText(ps.shareName.view(), "HDD_a"))
            break;
    }

    std::string directory;
    Layout layout = Layout::HddA;
    const std::string_view share = ps.shareName.view();
    if (share.empty() || SameText(share, "HDD_a")) {
        directory = "HDD_a\\" + folder;
    } else if (SameText(share, "HDD_1")) {
        layout = Layout::Hdd1;
        // Codepage files go under the share as the device spelled it; the package under
        // the fixed name.
        directory = package ? "HDD_1\\" + folder : std::string(share) + "\\.systemfile\\" + folder;
    } else {
        return FailureEnding(c, "the device named an unknown share \"" + std::string(share) + "\"");
    }

    Extractor extractor(c.share, c.files, c.state, c.staging, &c.clock);
    // Why a file was not written: cancelled, or a failure.
    auto notWritten = [&] {
        return CancelRequested(c) ? Cancelled(c) : FailureEnding(c, extractor.lastError());
    };
    auto extract = [&](std::string_view type, const InstallFile& f, const std::string& target,
                       const std::string& final) {
        const std::int64_t start = c.clock.nowMs();
        if (CancelRequested(c) || !extractor.ExtractEmbeddedFile(type, f.id, target, final))
            return false;
        if (onWritten)
            onWritten(WrittenFile{final.empty() ? target : final, extractor.lastSize(),
                                  c.clock.nowMs() - start, extractor.lastTransferMs()});
        return true;
    };

    if (package) {
        if (!c.staging.create())
            return FailureEnding(c, "cannot make a private staging folder");
        for (const InstallFile& f : PackageFiles()) {
            if (!extract(TypeBt, f, c.staging.pathOf(f.name), NetworkPath(selectedHost, directory, f.name)))
                return notWritten();
        }
        if (CancelRequested(c))
            return Cancelled(c);
        ps.packageValue = "BT";
        const bool answered = c.protocol.SetPackage() != 0;
        c.state.BtInstalled = 1;
        return Announced(answered, "the package");
    }

    const CodepageEntry& entry = Codepages()[static_cast<std::size_t>(index)];
    for (const InstallFile& f : FilesFor(index, layout)) {
        if (!extract(TypeCodepage, f, NetworkPath(selectedHost, directory, f.name), std::string()))
            return notWritten();
    }
    if (CancelRequested(c))
        return Cancelled(c);
    ps.codepage = entry.codepage;
    return Announced(c.protocol.SetCodepage() != 0, "the codepage " + std::string(entry.codepage));
}

} // namespace

} // namespace telvorin::install
