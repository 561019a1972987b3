// SPDX-License-Identifier: GPL-3.0-or-later
// The window in the language of the environment it starts in, through the program's own
// start (TelvorinApp loads the translations from beside its folder, as installed). Run
// once for each of LANGUAGE=de, ja and zh_TW, LANG=C and LANG=en_US.UTF-8; this process's
// LANGUAGE says what to expect (none: English, exactly as written).
#include "app/MainDialog.h"
#include "app/TelvorinApp.h"
#include "drives/MemoryDriveService.h"
#include "protocol/Protocol.h"
#include "ui/Colours.h"
#include "ui/OfflineNetwork.h"
#include "ui/RecordingMessages.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <type_traits>

namespace telvorin {
namespace {

struct Expected {
    const char* language; // LANGUAGE, "" for none
    const char* refresh;
    const char* configuration;
    const char* exit;
    const char* netmaskLabel;
    const char* deviceGroup;
    const char* dhcpFirst; // the "Disable" item, listed first in every language
    const char* selectMessage;
    const char* errorCaption;
    const char* qtCancel; // Qt's own standard button
};

const Expected Rows[] = {
    {"", "Refresh", "Configuration", "Exit", "Netmask :", "Network Storage Device", "Disable",
     "Please select a device in the above section.", "Error", "Cancel"},
    {"de", "Aktualisieren", "Konfiguration", "Beenden", "Netzmaske:", "Netzwerkspeichergerät", "Aus",
     "Bitte wählen Sie oben ein Gerät aus.", "Fehler", "Abbrechen"},
    {"ja", "更新", "設定", "終了", "サブネットマスク:", "ネットワークストレージデバイス", "無効",
     "上の欄でデバイスを選択してください。", "エラー", "キャンセル"},
    {"zh_TW", "重新整理", "設定", "結束", "子網路遮罩：", "網路儲存裝置", "停用",
     "請在上方區段選擇一台裝置。", "錯誤", "取消"},
};

const Expected* Row()
{
    const QString language = qEnvironmentVariable("LANGUAGE");
    for (const Expected& row : Rows) {
        if (language == QString::fromUtf8(row.language))
            return &row;
    }
    return nullptr;
}

template <class T> QString TextOf(const QWidget& window, const char* name)
{
    const T* widget = window.findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        return QStringLiteral("(no %1)").arg(QString::fromLatin1(name));
    if constexpr (std::is_same_v<T, QGroupBox>)
        return widget->title();
    else
        return widget->text();
}

TEST(WindowLanguage, ButtonsLabelsAndMessagesAreInTheStartingLanguage)
{
    const Expected* expected = Row();
    ASSERT_NE(expected, nullptr) << "no expectations for LANGUAGE=" << qgetenv("LANGUAGE").constData();

    test::SilentSockets sockets{{{"veth0", "10.64.0.1"}}};
    test::ManualClock clock;
    Protocol protocol{sockets, clock, nullptr};
    test::RecordingMessages messages;
    test::MemoryDriveService drives;
    protocol.OpenTransport();
    MainServices services;
    services.protocol = &protocol;
    services.clock = &clock;
    services.messages = &messages;
    services.drives = &drives;
    MainDialog dialog(services);
    dialog.show();
    QApplication::processEvents();

    const auto u = [](const char* text) { return QString::fromUtf8(text); };
    EXPECT_EQ(TextOf<QPushButton>(dialog, "refreshButton"), u(expected->refresh));
    EXPECT_EQ(TextOf<QPushButton>(dialog, "configurationButton"), u(expected->configuration));
    EXPECT_EQ(TextOf<QPushButton>(dialog, "exitButton"), u(expected->exit));
    EXPECT_EQ(TextOf<QLabel>(dialog, "netmaskLabel"), u(expected->netmaskLabel));
    EXPECT_EQ(TextOf<QGroupBox>(dialog, "deviceGroup"), u(expected->deviceGroup));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Telvorin")); // a name, never translated
    auto* dhcp = dialog.findChild<QComboBox*>(QStringLiteral("dhcpCombo"));
    ASSERT_NE(dhcp, nullptr);
    EXPECT_EQ(dhcp->itemText(0), u(expected->dhcpFirst));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u(expected->qtCancel));

    // Apply with no device selected says so in the same language.
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("applyButton")), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }, 5000));
    if (!messages.empty()) {
        EXPECT_EQ(messages.last().text, u(expected->selectMessage));
        EXPECT_EQ(messages.last().caption, u(expected->errorCaption));
    }
    dialog.hide();
    protocol.CloseTransport();
}

} // namespace
} // namespace telvorin

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    telvorin::TelvorinApp app(argc, argv);
    telvorin::ApplyColourScheme(app);
    return RUN_ALL_TESTS();
}
