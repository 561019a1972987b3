// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows as a user meets them, each checked the same way at the scale
// factor the test runs under (registered at 1 and at 2): a screen reader finds every
// control named, texts fit their controls, no control covers another, and texts from
// devices and servers are shown as written.
#include "app/MainDialog.h"
#include "drives/CredentialPrompt.h"
#include "ui/Messages.h"
#include "ui/ModalHelper.h"

#include "TemplateWindows.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

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

using WindowCheck = std::function<void(QWidget& window)>;

void WhileShown(QWidget& window, const WindowCheck& check)
{
    window.show();
    QApplication::processEvents();
    check(window);
    window.close();
}

// Opens each window of the program in turn, `messageText` in the ones that show a
// server's or the program's text, and runs `check` on it while it is shown.
void ForEachWindow(const std::function<void(const char* name, QWidget& window)>& check,
                   const QString& messageText = QStringLiteral("Please select a device."))
{
    test::ForEachTemplateWindow(check);
    {
        // Grown by the user: the controls inside a group box move with the box.
        test::OfflineMain main;
        main.dialog->resize(main.dialog->minimumSize() + QSize(220, 160));
        WhileShown(*main.dialog, [&](QWidget& w) { check("main window, grown", w); });
    }
    {
        CredentialRequest request;
        request.message = messageText.toStdString();
        request.userName = "alice";
        request.anonymousAllowed = true;
        CredentialPrompt prompt(nullptr, request);
        WhileShown(prompt, [&](QWidget& w) { check("credential prompt", w); });
    }
    bool opened = false;
    test::ModalAnswerer answer([&](QWidget* box) {
        opened = true;
        check("message box", *box);
        qobject_cast<QDialog*>(box)->accept();
    });
    QtMessages().show(nullptr, messageText, QStringLiteral("Error"), MessageIcon::Stop);
    EXPECT_TRUE(opened) << "the message box never opened";
}

double ScaleUnderTest()
{
    bool ok = false;
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? scale : 1.0;
}

} // namespace

TEST(Windows, EveryControlIsNamedForScreenReaders)
{
    ForEachWindow([](const char* name, QWidget& window) {
        const QStringList unnamed = UnnamedControls(window);
        EXPECT_TRUE(unnamed.isEmpty()) << name << ": " << unnamed.join(QStringLiteral("; ")).toStdString();
    });
    EXPECT_NO_WINDOW_LEFT();
}

TEST(Windows, TextsFitAndControlsStayApart)
{
    ForEachWindow([](const char* name, QWidget& window) {
        QStringList faults = test::LayoutFaults(window);
        if (window.devicePixelRatio() != ScaleUnderTest())
            faults << QStringLiteral("drawn at scale %1, not %2")
                          .arg(window.devicePixelRatio())
                          .arg(ScaleUnderTest());
        EXPECT_TRUE(faults.isEmpty()) << name << ":\n" << faults.join(QStringLiteral("\n")).toStdString();
    });
}

TEST(Windows, ServerTextsAreShownAsWrittenNeverAsMarkup)
{
    const QString markup = QStringLiteral("<b>NAS</b> <img src=\"x\"> &amp; <a href=\"y\">share</a>");
    int shown = 0;
    ForEachWindow(
        [&](const char* name, QWidget& window) {
            for (const QLabel* label : window.findChildren<QLabel*>()) {
                if (!label->text().contains(markup))
                    continue;
                ++shown;
                EXPECT_EQ(label->textFormat(), Qt::PlainText)
                    << name << ": " << label->objectName().toStdString();
            }
        },
        markup);
    EXPECT_EQ(shown, 2); // the credential prompt and the message box
}

TEST(Windows, MainWindowControlsAreNamedForWhatTheyAre)
{
    test::OfflineMain main;
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
            // Its label, beside the title of the group box it sits in.
            auto labels = iface->relations(QAccessible::Label);
            labels.removeIf([](const auto& l) { return !qobject_cast<QLabel*>(l.first->object()); });
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
