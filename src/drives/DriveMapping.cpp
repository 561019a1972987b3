// SPDX-License-Identifier: GPL-3.0-or-later
#include "drives/DriveMapping.h"
#include "ui/Texts.h"

#include "appstate/MainContext.h"
#include "dialogs/LoginDialog.h"
#include "drives/DriveTable.h"
#include "platform/DriveService.h"
#include "platform/WindowsVersion.h"
#include "protocol/Protocol.h"
#include "rules/SafeNames.h"
#include "ui/BlockingStep.h"
#include "ui/ListRows.h"
#include "ui/Messages.h"

#include <QComboBox>
#include <QString>
#include <QTreeWidget>

#include <string>
#include <string_view>

namespace telvorin {

namespace {

constexpr int NameColumn = 0;
constexpr int IpColumn = 1;
constexpr int VolumeNameColumn = 0;
constexpr int LocationColumn = 1;

// Limits of the texts a Connect press works with (characters, without the terminator).
constexpr std::size_t MaxServerName = 127;
constexpr std::size_t MaxVolumeName = 255;
constexpr std::size_t MaxRemoteName = 255;
constexpr std::size_t MaxUserName = 259;

constexpr int ConnectAttemptsNt = 6;

// A domain may be empty (no domain); otherwise the same rules as a name.
bool IsSafeDomain(const std::string& domain)
{
    return domain.empty() || IsSafeComponent(domain, decltype(ProtocolState::domain)::maxLength);
}

std::string JoinUser(const std::string& domain, const std::string& user)
{
    return domain.empty() ? user : domain + "\\" + user;
}

void ShowFailedToMap(MainContext& ctx)
{
    ctx.services.messages->show(ctx.controls.dialog, Texts::tr("Failed to map drive."), Texts::tr("Error"),
                                MessageIcon::Stop);
}

QString Shown(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The list shows a display form of the device's bytes, and a name that is not UTF-8 does
// not survive the trip through it; the name is taken from the device's record, as the
// device click does.
std::string DeviceName(const Protocol& protocol, const QTreeWidgetItem* row)
{
    const std::string ip = row->text(IpColumn).toStdString();
    for (const DeviceRecord& record : protocol.devices) {
        if (record.ipText.view() == ip)
            return record.name.str();
    }
    return row->text(NameColumn).toStdString();
}

// Row i of the volume list was built from entry i of the volume list; its bytes are used
// while the row still shows that entry. Two names may look alike on screen, so the row's
// position decides before its text does.
std::string VolumeName(const VolumeList& volumes, const QTreeWidget* list, int row)
{
    const QString shown = list->topLevelItem(row)->text(VolumeNameColumn);
    if (row < volumes.count() && Shown(volumes[row].name.view()) == shown)
        return volumes[row].name.str();
    for (const VolumeEntry& volume : volumes) {
        if (Shown(volume.name.view()) == shown)
            return volume.name.str();
    }
    return shown.toStdString();
}

// Runs the share login, its "Remember password" box enabled only when the drive service
// can keep a password (asked off the UI thread: it is a question to the session bus).
// The mapping flags, with ConnectSavePassword when the box was ticked.
unsigned RunShareLogin(LoginDialog& login, DriveService& drives)
{
    std::string why;
    const bool canSave = RunBlockingStep([&] { return drives.canSavePasswords(why); });
    login.setPasswordSaving(canSave, TrText(why.c_str()));
    login.exec();
    return ConnectUpdateProfile | (login.RememberPassword ? ConnectSavePassword : 0u);
}

void RebuildDriveLetters(MainContext& ctx)
{
    DriveService& drives = *ctx.services.drives;
    ctx.driveTable->RefreshDriveTable(drives);
    ctx.controls.driveLetters->clear();
    ctx.driveTable->FillDriveLetters(ctx.controls.driveLetters, drives);
}

} // namespace

void OnConnect(MainContext& ctx)
{
    const MainControls& c = ctx.controls;
    Protocol& protocol = *ctx.services.protocol;
    DriveService& drives = *ctx.services.drives;
    ProtocolState& state = protocol.state;

    ctx.AdminLoginMode = 0;
    state.adminUser.clear();
    state.adminPassword.clear();
    LoginDialog login(state, ctx.AdminLoginMode, c.dialog);

    std::string version;
    GetWindowsVersionName(version);
    const bool ntPath = version.find("NT") != std::string::npos;

    const int deviceRow = SelectedRow(c.deviceList);
    std::string serverName;
    std::string deviceIp;
    if (deviceRow >= 0) {
        const QTreeWidgetItem* row = c.deviceList->topLevelItem(deviceRow);
        deviceIp = row->text(IpColumn).toStdString();
        serverName = DeviceName(protocol, row);
        ctx.SelectedHost = deviceIp;
    }
    const int volumeRow = SelectedRow(c.volumeList);
    if (deviceRow < 0 || volumeRow < 0) {
        ctx.services.messages->show(c.dialog, Texts::tr("Please select a device in the above section."),
                                    Texts::tr("Warning"), MessageIcon::Exclamation);
        return;
    }
    const std::string volumeName = VolumeName(protocol.volumes, c.volumeList, volumeRow);

    if (c.driveLetters->currentIndex() < 0)
        return;
    const std::string drive = c.driveLetters->currentText().left(2).toStdString();

    const std::string remoteName = "\\\\" + serverName + "\\" + volumeName;
    // Refused before the letter's old connection is touched: a name that cannot be
    // mapped safely must not cost the user an existing mapping.
    if (!IsSafeComponent(serverName, MaxServerName) || !IsSafeComponent(volumeName, MaxVolumeName) ||
        remoteName.size() > MaxRemoteName) {
        ShowFailedToMap(ctx);
        return;
    }

    drives.cancelConnection(drive, ConnectUpdateProfile, true);

    if (ntPath) {
        const unsigned flags = RunShareLogin(login, drives);
        bool mapped = false;
        for (int attempt = 0; attempt < ConnectAttemptsNt && !mapped; ++attempt) {
            mapped = drives.addConnection(drive, remoteName, state.adminPassword.c_str(),
                                          state.adminUser.c_str(), flags) == DriveResult::Ok;
        }
        if (!mapped) {
            ShowFailedToMap(ctx);
            return;
        }
    } else {
        state.domain.clear();
        RunBlockingStep([&] { protocol.GetDomain(); });
        const std::string domain = state.domain.str();
        if (!IsSafeDomain(domain)) {
            ShowFailedToMap(ctx);
            return;
        }

        DriveResult result = DriveResult::Ok;
        if (!domain.empty()) {
            const std::string user = JoinUser(domain, drives.networkUserName());
            // No password: the service uses the one it holds for that user, if any.
            result = user.size() > MaxUserName ? DriveResult::BadRemoteName
                                               : drives.addConnection(drive, remoteName, nullptr,
                                                                      user.c_str(), ConnectUpdateProfile);
        } else {
            result = drives.addConnection(drive, remoteName, "", "", ConnectUpdateProfile);
        }

        if (result != DriveResult::Ok) {
            if (version.find("Vista") != std::string::npos) {
                result = drives.addConnection(drive, remoteName, "", "",
                                              ConnectUpdateProfile | ConnectInteractive);
            } else {
                const unsigned flags = RunShareLogin(login, drives);
                const std::string user = JoinUser(domain, state.adminUser.str());
                result =
                    drives.addConnection(drive, remoteName, state.adminPassword.c_str(), user.c_str(), flags);
            }
            if (result != DriveResult::Ok) {
                ShowFailedToMap(ctx);
                return;
            }
        }
    }

    ctx.services.messages->show(c.dialog, Texts::tr("Successfully mapped drive."), Texts::tr("Confirm"),
                                MessageIcon::Information);
    RebuildDriveLetters(ctx);
    ctx.driveTable->ShowVolumeLocations(c.volumeList, protocol.volumes, serverName, deviceIp, false);
}

void OnDisconnect(MainContext& ctx)
{
    const MainControls& c = ctx.controls;

    // A selected volume row wins over the combo, even when it is mapped nowhere.
    QString driveText;
    if (const int volumeRow = SelectedRow(c.volumeList); volumeRow >= 0)
        driveText = c.volumeList->topLevelItem(volumeRow)->text(LocationColumn);
    else if (c.driveLetters->currentIndex() >= 0)
        driveText = c.driveLetters->currentText();
    else
        return;
    const std::string drive = driveText.left(2).toStdString();

    if (ctx.services.drives->cancelConnection(drive, ConnectUpdateProfile, true) != DriveResult::Ok) {
        ctx.services.messages->show(c.dialog,
                                    Texts::tr("Unable to disconnect this drive.\nPlease select a drive to "
                                              "disconnect and verify that the drive is not being accessed."),
                                    Texts::tr("Error"), MessageIcon::Stop);
        return;
    }

    ctx.services.messages->show(c.dialog, Texts::tr("Successfully unmapped drive."), Texts::tr("Confirm"),
                                MessageIcon::Information);
    RebuildDriveLetters(ctx);
    if (const int deviceRow = SelectedRow(c.deviceList); deviceRow >= 0) {
        const QTreeWidgetItem* row = c.deviceList->topLevelItem(deviceRow);
        const Protocol& protocol = *ctx.services.protocol;
        ctx.driveTable->ShowVolumeLocations(c.volumeList, protocol.volumes, DeviceName(protocol, row),
                                            row->text(IpColumn).toStdString(), true);
    }
}

} // namespace telvorin
