#include "settings/LoginDialog.h"

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
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "login_dialog_test";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }
    void TearDown() override { EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()); }

    static void Press(LoginDialog& dialog, const char* objectName)
    {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromUtf8(objectName)), Qt::LeftButton);
    }

    ProtocolState state;
};

TEST_F(LoginDialogTest, AdministratorModeFixesTheNameAndOkStoresWhatWasTyped)
{
    state.adminUser = "admin";
    state.adminPassword = "";
    LoginDialog dialog(state, 1);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Login"));
    EXPECT_EQ(dialog.userNameEdit()->text(), QStringLiteral("admin"));
    EXPECT_FALSE(dialog.userNameEdit()->isEnabled());
    EXPECT_EQ(dialog.passwordEdit()->echoMode(), QLineEdit::Password);

    QTest::keyClicks(dialog.passwordEdit(), QStringLiteral("s3cret"));
    Press(dialog, "okButton");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << "OK ends like Cancel";
    EXPECT_EQ(state.adminUser, "admin");
    EXPECT_EQ(state.adminPassword, "s3cret");
}

TEST_F(LoginDialogTest, CancelAndEscapeLeaveTheCallersTexts)
{
    for (const bool escape : {false, true}) {
        state.adminUser = "admin";
        state.adminPassword = "";
        LoginDialog dialog(state, 1);
        dialog.show();
        QTest::keyClicks(dialog.passwordEdit(), QStringLiteral("typed"));
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            Press(dialog, "cancelButton");
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(state.adminUser, "admin");
        EXPECT_EQ(state.adminPassword, "");
    }
}

TEST_F(LoginDialogTest, ShareModeAsksForBothAndKeepsSixteenCharacters)
{
    state.adminUser = "guest";
    LoginDialog dialog(state, 0);
    dialog.show();
    // No Windows version to ask about here: the user name is empty and editable.
    EXPECT_TRUE(dialog.userNameEdit()->isEnabled());
    EXPECT_EQ(dialog.userNameEdit()->text(), QString());

    QTest::keyClicks(dialog.userNameEdit(), QStringLiteral("abcdefghijklmnopq"));
    QTest::keyClicks(dialog.passwordEdit(), QStringLiteral("0123456789ABCDEFG"));
    EXPECT_EQ(dialog.userNameEdit()->text().size(), 16) << "a 17th character is not taken";
    EXPECT_EQ(dialog.passwordEdit()->text().size(), 16);
    QTest::keyClick(dialog.passwordEdit(), Qt::Key_Return);  // Enter is OK
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(state.adminUser, "abcdefghijklmnop");
    EXPECT_EQ(state.adminPassword, "0123456789ABCDEF");

    // A second run of the same dialog shows what was typed the first time.
    dialog.show();
    EXPECT_EQ(dialog.passwordEdit()->text(), QStringLiteral("0123456789ABCDEF"));
    dialog.reject();
}

TEST_F(LoginDialogTest, NonAsciiTextIsCutOnACharacterBoundary)
{
    LoginDialog dialog(state, 0);
    dialog.show();
    // "a" and fifteen two-byte characters: the 16th byte would split the eighth.
    dialog.userNameEdit()->setText(QStringLiteral("a") + QString(15, QChar(0x00E9)));
    dialog.accept();
    EXPECT_EQ(state.adminUser.size(), 15u);
    EXPECT_EQ(QString::fromStdString(state.adminUser.str()), QStringLiteral("a") + QString(7, QChar(0x00E9)));
}

} // namespace
} // namespace telvorin
