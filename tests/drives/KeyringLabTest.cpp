// SPDX-License-Identifier: GPL-3.0-or-later
// "Remember password" in the real window's share login, with a keyring daemon in the
// session: the box can be ticked, the password goes into the keyring, and the next login's
// restore mounts the share with it, asking nobody.
#include "LoginSession.h"
#include "WindowSteps.h"
#include "app/MainDialog.h"
#include "app/WindowServices.h"
#include "dialogs/LoginDialog.h"
#include "gvfs/GvfsSession.h"
#include "lab/LabTest.h"
#include "platform/GioDriveService.h"
#include "protocol/PosixSocketLayer.h"
#include "ui/ModalHelper.h"
#include "ui/RecordingMessages.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>

namespace telvorin {
namespace {

using KeyringLab = lab::LabTest;

const char* const LabConfig = R"({"segments": [{"reply": "multicast", "devices": [
    {"name": "NAS-1", "ip": "10.64.0.10", "netmask": "255.255.0.0", "key": "0014a5000410",
     "volumes": ["PRIVATE"], "smb": true, "domain": "WORKGROUP",
     "users": [{"user": "user1", "password": "secret1"}], "userShares": ["PRIVATE"]}]}]})";

// What a command prints on its standard output.
std::string Output(const std::string& command)
{
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe))
            out += buffer;
        pclose(pipe);
    }
    return out;
}

TEST_F(KeyringLab, ThePasswordRememberedInTheWindowMountsTheShareAtTheNextLogin)
{
    ASSERT_TRUE(startLab(LabConfig, lab::Entry::None));
    std::ofstream(lab().shareDir("NAS-1", "PRIVATE") + "/private.txt") << "private data\n";
    lab().enterPc(true);
    const test::ScratchHome home;
    ASSERT_FALSE(home.path().empty());
    const std::string drives = home.path() + "/data/telvorin/drives";
    const test::GvfsSession::Keyring keyring{home.path() + "/keyrings-home", "login password"};
    auto session = std::make_unique<test::GvfsSession>(&keyring);
    ASSERT_TRUE(session->ok()) << session->error();
    home.use();

    {
        // The program's window, on the lab's network and this session's GVfs.
        PosixSocketLayer sockets;
        SteadyClock clock;
        test::RecordingMessages messages;
        GioDriveService service;
        WindowServices window(sockets, clock, {.messages = &messages, .drives = &service});
        MainDialog dialog(window.services());
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        const MainControls& c = dialog.controls();
        const auto rows = c.deviceList->findItems(QStringLiteral("NAS-1"), Qt::MatchExactly, 0);
        ASSERT_EQ(rows.size(), 1);
        QTest::mouseClick(c.deviceList->viewport(), Qt::LeftButton, {},
                          c.deviceList->visualItemRect(rows.front()).center());
        test::SelectVolume(dialog, QStringLiteral("PRIVATE"));
        test::ChooseLetter(dialog, QStringLiteral("Y:"));

        bool boxEnabled = false;
        test::ModalAnswerer answer(
            [&](QWidget* modal) {
                auto* login = qobject_cast<LoginDialog*>(modal);
                ASSERT_NE(login, nullptr);
                QCheckBox* box = login->rememberPasswordBox();
                boxEnabled = box->isEnabled();
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
                test::TypeLogin(QStringLiteral("user1"), QStringLiteral("secret1"))(modal);
            },
            30000);
        QTest::mouseClick(c.connect, Qt::LeftButton);
        EXPECT_TRUE(answer.answered());
        EXPECT_TRUE(boxEnabled) << "\"Remember password\" is disabled";
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.last().text, QStringLiteral("Successfully mapped drive."));
        EXPECT_EQ(test::ReadFile(drives + "/Y/private.txt"), "private data\n");
        dialog.hide();
    }
    EXPECT_NE(Output("secret-tool search --all --unlock protocol smb 2>&1").find("secret = secret1"),
              std::string::npos)
        << "the password is not in the keyring";

    // The logout, and the next login: only the probe speaks to the new session's GVfs.
    session.reset();
    EXPECT_EQ(test::ReadFile(drives + "/Y/private.txt"), "<unreadable>");
    session = std::make_unique<test::GvfsSession>(&keyring);
    ASSERT_TRUE(session->ok()) << session->error();
    home.use();
    const test::ProbeRun restored = test::Probe(home.path(), "drives restore --wait 30");
    EXPECT_EQ(restored.status, 0) << restored.err;
    EXPECT_EQ(restored.err.find("wants a password"), std::string::npos) << restored.err;
    EXPECT_EQ(test::ReadFile(drives + "/Y/private.txt"), "private data\n");
}

} // namespace
} // namespace telvorin
