// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/LoginDialog.h"

#include "protocol/ProtocolTypes.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace telvorin {
namespace {

class LoginDialogTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()); }

    ProtocolState state;
};

TEST_F(LoginDialogTest, OkStoresWhatWasTypedCancelKeepsTheCallersTexts)
{
    for (const char* button : {"okButton", "cancelButton"}) {
        SCOPED_TRACE(button);
        state.adminUser = "admin";
        state.adminPassword = "";
        LoginDialog dialog(state, 1);
        dialog.show();
        EXPECT_EQ(dialog.userNameEdit()->text(), QStringLiteral("admin"));
        EXPECT_FALSE(dialog.userNameEdit()->isEnabled());
        EXPECT_EQ(dialog.passwordEdit()->echoMode(), QLineEdit::Password);

        QTest::keyClicks(dialog.passwordEdit(), QStringLiteral("s3cret"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromUtf8(button)), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << "OK ends like Cancel";
        EXPECT_EQ(state.adminUser, "admin");
        EXPECT_EQ(state.adminPassword, std::string(button) == "okButton" ? "s3cret" : "");
    }
}

TEST_F(LoginDialogTest, ShareModeTakesSixteenCharactersAndSixteenBytes)
{
    LoginDialog dialog(state, 0);
    dialog.show();
    // No Windows version to ask about here: the user name is empty and editable.
    EXPECT_TRUE(dialog.userNameEdit()->isEnabled());
    EXPECT_EQ(dialog.userNameEdit()->text(), QString());

    QTest::keyClicks(dialog.userNameEdit(), QStringLiteral("abcdefghijklmnopq"));
    QTest::keyClicks(dialog.passwordEdit(), QStringLiteral("0123456789ABCDEFG"));
    QTest::keyClick(dialog.passwordEdit(), Qt::Key_Return); // Enter is OK
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(state.adminUser, "abcdefghijklmnop") << "a 17th character is not taken";
    EXPECT_EQ(state.adminPassword, "0123456789ABCDEF");

    // A second run shows what was typed before. "a" and fifteen two-byte characters:
    // the 16th byte would split the eighth, so the text is cut before it.
    dialog.show();
    EXPECT_EQ(dialog.passwordEdit()->text(), QStringLiteral("0123456789ABCDEF"));
    dialog.userNameEdit()->setText(QStringLiteral("a") + QString(15, QChar(0x00E9)));
    dialog.accept();
    EXPECT_EQ(QString::fromStdString(state.adminUser.str()), QStringLiteral("a") + QString(7, QChar(0x00E9)));
}

} // namespace
} // namespace telvorin
