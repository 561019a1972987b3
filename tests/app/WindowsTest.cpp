// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows as a user meets them, each checked the same way at the scale
// factor the test runs under (registered at 1 and at 2): a screen reader finds every
// control named, texts fit their controls, no control covers another, and texts from
// devices and servers are shown as written.
#include "app/AboutDialog.h"
#include "app/MainDialog.h"
#include "app/WindowServices.h"
#include "dialogs/LoginDialog.h"
#include "drives/CredentialPrompt.h"
#include "drives/MemoryDriveService.h"
#include "install/MemoryShare.h"
#include "installui/InstallDialog.h"
#include "installui/RestartDialog.h"
#include "language/LanguageDialog.h"
#include "protocol/Protocol.h"
#include "ui/DialogBuilder.h"
#include "ui/Messages.h"
#include "ui/ModalHelper.h"
#include "ui/OfflineNetwork.h"
#include "ui/RecordingMessages.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOption>
#include <QTreeWidget>

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

QString NameOf(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// Room the control leaves for its text, and the text's own extent, for every control
// whose text can be cut.
struct TextFit {
    QString text;
    QSize needed;
    QSize room;
};

std::vector<TextFit> TextsOf(QWidget* w)
{
    std::vector<TextFit> out;
    const QFontMetrics fm = w->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty())
            return out;
        const QSize needed = label->wordWrap()
                                 ? QSize(0, label->heightForWidth(label->contentsRect().width()))
                                 : fm.size(Qt::TextSingleLine, label->text());
        out.push_back({label->text(), needed, label->contentsRect().size()});
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        out.push_back({button->text(), fm.size(Qt::TextShowMnemonic, button->text()), contents.size()});
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i)
            out.push_back(
                {combo->itemText(i), fm.size(Qt::TextSingleLine, combo->itemText(i)), field.size()});
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect label =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        // The style sizes the title's rectangle to the text; the box must hold it whole.
        out.push_back({box->title(), label.size(), label.intersected(box->rect()).size()});
    } else if (auto* list = qobject_cast<QTreeWidget*>(w)) {
        const QHeaderView* header = list->header();
        const QFontMetrics hfm = header->fontMetrics();
        for (int i = 0; i < header->count(); ++i) {
            const QString title = list->headerItem()->text(i);
            QSize room(header->sectionSize(i) - 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin),
                       header->height());
            out.push_back({title, hfm.size(Qt::TextSingleLine, title), room});
        }
    }
    return out;
}

// Every fault of the window's layout, as readable lines.
QStringList LayoutFaults(QWidget& window)
{
    QStringList faults;
    const QRect client = window.rect();
    // The controls are the window's children and its group boxes'; each is judged by its
    // rectangle in the window.
    std::vector<QWidget*> controls;
    std::vector<QWidget*> groups;
    QList<QWidget*> children = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < children.size(); ++i) {
        QWidget* child = children[i];
        if (!child->isVisible() || child->isWindow())
            continue;
        if (!client.contains(RectInWindow(*child)))
            faults << NameOf(child) + QStringLiteral(" reaches outside the window");
        (qobject_cast<QGroupBox*>(child) ? groups : controls).push_back(child);
        if (qobject_cast<QGroupBox*>(child)) {
            children << child->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        }
    }
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        for (const TextFit& t : TextsOf(w)) {
            if (t.needed.width() > t.room.width() || t.needed.height() > t.room.height())
                faults << QStringLiteral("%1 cuts \"%2\": needs %3x%4, has %5x%6")
                              .arg(NameOf(w), t.text)
                              .arg(t.needed.width())
                              .arg(t.needed.height())
                              .arg(t.room.width())
                              .arg(t.room.height());
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (RectInWindow(*controls[i]).intersects(RectInWindow(*controls[j])))
                faults << NameOf(controls[i]) + QStringLiteral(" overlaps ") + NameOf(controls[j]);
        }
        // A control sits inside a group box or clear of it, never across its frame.
        for (QWidget* group : groups) {
            const QRect g = RectInWindow(*group);
            const QRect c = RectInWindow(*controls[i]);
            if (g.intersects(c) && !g.contains(c))
                faults << NameOf(controls[i]) + QStringLiteral(" crosses the frame of ") + NameOf(group);
        }
    }
    return faults;
}

// Services for a main window on a network where nothing answers.
struct OfflineMain {
    test::SilentSockets sockets{{{"veth0", "10.64.0.1"}}};
    test::ManualClock clock;
    test::RecordingMessages messages;
    test::MemoryDriveService drives;
    InstallState install;
    WindowServices window{
        sockets, clock, {.messages = &messages, .drives = &drives, .installState = &install}};
    std::unique_ptr<MainDialog> dialog;

    OfflineMain()
    {
        drives.setDriveType("C:", DriveFixed);
        dialog = std::make_unique<MainDialog>(window.services());
    }
};

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
    const auto as = [&](const char* name) { return [&check, name](QWidget& w) { check(name, w); }; };
    {
        OfflineMain main;
        WhileShown(*main.dialog, as("main window"));
    }
    {
        // Grown by the user: the controls inside a group box move with the box.
        OfflineMain main;
        main.dialog->resize(main.dialog->minimumSize() + QSize(220, 160));
        WhileShown(*main.dialog, as("main window, grown"));
    }
    {
        AboutDialog about;
        WhileShown(about, as("About box"));
    }
    for (const int adminLoginMode : {1, 0}) {
        ProtocolState state;
        LoginDialog login(state, adminLoginMode);
        WhileShown(login, as(adminLoginMode ? "administrator login" : "share login"));
    }
    {
        CredentialRequest request;
        request.message = messageText.toStdString();
        request.userName = "alice";
        request.anonymousAllowed = true;
        CredentialPrompt prompt(nullptr, request);
        WhileShown(prompt, as("credential prompt"));
    }
    {
        OfflineMain main;
        LanguageDialog language(main.dialog->context());
        WhileShown(language, as("language window"));
    }
    {
        OfflineMain main;
        test::MemoryShare share;
        test::MemoryDeviceFiles files;
        install::LocalStaging staging;
        install::InstallContext context{main.window.protocol(), share,   files,
                                        main.install,           staging, main.clock};
        InstallDialog dialog(context, "10.64.0.10", main.messages);
        WhileShown(dialog, as("install window"));
    }
    {
        // Its steps take a little real time, so the worker stays mid-way while the window is looked at.
        test::FakeClock clock(2);
        InstallState install;
        RestartDialog dialog(install, clock);
        WhileShown(dialog, as("restart window"));
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
        QStringList faults = LayoutFaults(window);
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
