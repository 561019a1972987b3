// What a screen reader finds in each window of the program: every control a user can
// reach is named, and the main window's controls are named for what they are.
#include "app/AboutDialog.h"
#include "app/MainDialog.h"
#include "drives/CredentialPrompt.h"
#include "drives/MemoryDriveService.h"
#include "install/MemoryShare.h"
#include "installui/InstallDialog.h"
#include "installui/RestartDialog.h"
#include "language/LanguageDialog.h"
#include "protocol/Protocol.h"
#include "settings/LoginDialog.h"
#include "ui/Messages.h"
#include "ui/ModalHelper.h"
#include "ui/OfflineNetwork.h"
#include "ui/RecordingMessages.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

using namespace telvorin;

namespace {

// Roles a user operates or reads a value from; each needs a name of its own.
bool IsControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ProgressBar:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree: return true;
    default: return false;
    }
}

// A list's rows and a drop-down list's items are content, named by their own text.
bool HasContentChildren(QAccessible::Role role)
{
    return role == QAccessible::List || role == QAccessible::Table || role == QAccessible::Tree ||
           role == QAccessible::ComboBox;
}

QString Describe(QAccessibleInterface* iface)
{
    const QObject* object = iface->object();
    const QString name = object ? object->objectName() : QString();
    return QStringLiteral("%1 (role %2, %3)")
        .arg(name.isEmpty() ? QStringLiteral("unnamed object") : name)
        .arg(static_cast<int>(iface->role()))
        .arg(object ? QString::fromLatin1(object->metaObject()->className()) : QString());
}

void CollectUnnamed(QAccessibleInterface* iface, QStringList& unnamed)
{
    if (!iface || iface->state().invisible)
        return;
    // A label that names the control counts: screen readers read it with the control.
    if (IsControl(iface->role()) && iface->text(QAccessible::Name).trimmed().isEmpty() &&
        iface->relations(QAccessible::Label).isEmpty())
        unnamed << Describe(iface);
    if (HasContentChildren(iface->role()))
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        CollectUnnamed(iface->child(i), unnamed);
}

// Walks the accessible tree of a shown window: the window itself and every visible
// control in it that a screen reader would announce without a name.
QStringList UnnamedControls(QWidget& window)
{
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
    if (!root)
        return {QStringLiteral("the window has no accessible interface")};
    QStringList unnamed;
    if (root->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << QStringLiteral("the window itself");
    for (int i = 0; i < root->childCount(); ++i)
        CollectUnnamed(root->child(i), unnamed);
    return unnamed;
}

// Services for a main window on a network where nothing answers.
struct OfflineMain {
    test::SilentSockets sockets{{{"veth0", "10.64.0.1"}}};
    test::ManualClock clock;
    Protocol protocol{sockets, clock, nullptr};
    test::RecordingMessages messages;
    test::MemoryDriveService drives;
    InstallState install;
    std::unique_ptr<MainDialog> dialog;

    OfflineMain()
    {
        drives.setDriveType("C:", DriveFixed);
        protocol.OpenTransport();
        MainServices services;
        services.protocol = &protocol;
        services.clock = &clock;
        services.messages = &messages;
        services.drives = &drives;
        services.installState = &install;
        dialog = std::make_unique<MainDialog>(services);
    }
};

QStringList UnnamedWhileShown(QWidget& window)
{
    window.show();
    QApplication::processEvents();
    const QStringList unnamed = UnnamedControls(window);
    window.close();
    return unnamed;
}

// A clock whose sleeps take a little real time, so a worker on it stays mid-way while
// the test looks at its window.
class SlowClock final : public Clock {
public:
    std::int64_t nowMs() override { return 0; }
    void sleepMs(int) override { std::this_thread::sleep_for(std::chrono::milliseconds(20)); }
};

} // namespace

TEST(Accessibility, EveryWindowNamesEachControl)
{
    ProtocolState state;
    CredentialRequest request;
    request.message = "Password required for share HDD_a on NAS-1";
    request.userName = "alice";
    request.anonymousAllowed = true;

    struct Row {
        const char* window;
        std::function<QStringList()> unnamed;
    };
    const Row rows[] = {
        {"main window",
         [] {
             OfflineMain main;
             return UnnamedWhileShown(*main.dialog);
         }},
        {"About box",
         [] {
             AboutDialog about;
             return UnnamedWhileShown(about);
         }},
        {"administrator login",
         [&] {
             LoginDialog login(state, 1);
             return UnnamedWhileShown(login);
         }},
        {"share login",
         [&] {
             LoginDialog login(state, 0);
             return UnnamedWhileShown(login);
         }},
        {"credential prompt",
         [&] {
             CredentialPrompt prompt(nullptr, request);
             return UnnamedWhileShown(prompt);
         }},
        {"install window",
         [] {
             OfflineMain main;
             test::MemoryShare share;
             test::MemoryDeviceFiles files;
             InstallState install;
             install::LocalStaging staging;
             install::InstallContext context{main.protocol, share, files, install, staging, main.clock};
             InstallDialog dialog(context, "10.64.0.10", main.messages);
             return UnnamedWhileShown(dialog);
         }},
        {"language window",
         [] {
             OfflineMain main;
             LanguageDialog dialog(main.dialog->context());
             return UnnamedWhileShown(dialog);
         }},
        {"restart window",
         [] {
             SlowClock clock;
             InstallState install;
             RestartDialog dialog(install, clock);
             return UnnamedWhileShown(dialog);
         }},
        {"message box",
         [] {
             QStringList unnamed{QStringLiteral("the message box never opened")};
             test::ModalAnswerer answer([&](QWidget* box) {
                 unnamed = UnnamedControls(*box);
                 qobject_cast<QDialog*>(box)->accept();
             });
             QtMessages().show(nullptr, QStringLiteral("Please select a device."), QStringLiteral("Error"),
                               MessageIcon::Stop);
             return unnamed;
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.window);
        const QStringList unnamed = r.unnamed();
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral("; ")).toStdString();
    }
    EXPECT_NO_WINDOW_LEFT();
}

TEST(Accessibility, MainWindowControlsAreNamedForWhatTheyAre)
{
    OfflineMain main;
    main.dialog->show();
    QApplication::processEvents();

    struct Row {
        const char* object;
        const char* name;
        const char* label; // the label read with the control, if any
    };
    const Row rows[] = {
        {"deviceList", "Devices", nullptr},
        {"volumeList", "Volumes", nullptr},
        {"ipAddressEdit", "IP address", "ipLabel"},
        {"netmaskEdit", "Netmask", "netmaskLabel"},
        {"gatewayEdit", "Gateway", "gatewayLabel"},
        {"dhcpCombo", "Receive DHCP", "dhcpLabel"},
        {"driveLetterCombo", "Available drive letters", "driveLettersLabel"},
        {"refreshButton", "Refresh", nullptr},
        {"mainDialog", "Telvorin", nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.object);
        QWidget* widget = main.dialog->objectName() == QLatin1String(r.object)
                              ? main.dialog.get()
                              : main.dialog->findChild<QWidget*>(QString::fromLatin1(r.object));
        ASSERT_NE(widget, nullptr);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(iface, nullptr);
        // A drop-down list reports its current item as its name on this platform; what
        // it is, is its own name (reported while no item is chosen) and its label.
        const QString name = iface->role() == QAccessible::ComboBox ? widget->accessibleName()
                                                                    : iface->text(QAccessible::Name);
        EXPECT_EQ(name.toStdString(), r.name);
        if (r.label) {
            const auto labels = iface->relations(QAccessible::Label);
            ASSERT_EQ(labels.size(), 1);
            EXPECT_EQ(labels.front().first->object()->objectName().toStdString(), r.label);
        }
    }

    // Each octet of an address field says which field and which octet it is.
    const std::pair<const char*, const char*> fields[] = {
        {"ipAddressEdit", "IP address"}, {"netmaskEdit", "Netmask"}, {"gatewayEdit", "Gateway"}};
    for (const auto& [object, field] : fields) {
        auto* edit = main.dialog->findChild<QWidget*>(QString::fromLatin1(object));
        for (int octet = 0; octet < 4; ++octet) {
            auto* octetField = edit->findChild<QWidget*>(QStringLiteral("octet%1").arg(octet));
            ASSERT_NE(octetField, nullptr);
            EXPECT_EQ(QAccessible::queryAccessibleInterface(octetField)->text(QAccessible::Name),
                      QStringLiteral("%1, octet %2 of 4").arg(QString::fromLatin1(field)).arg(octet + 1));
        }
    }
    main.dialog->hide();
}
