// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemplateWindows.h"

#include "app/AboutDialog.h"
#include "dialogs/LoginDialog.h"
#include "install/MemoryShare.h"
#include "installui/InstallDialog.h"
#include "installui/RestartDialog.h"
#include "language/LanguageDialog.h"
#include "protocol/Protocol.h"
#include "ui/DialogBuilder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyleOption>
#include <QTreeWidget>

#include <chrono>
#include <memory>
#include <thread>

namespace telvorin::test {

OfflineMain::OfflineMain()
{
    drives.setDriveType("C:", DriveFixed);
    dialog = std::make_unique<MainDialog>(window.services());
}

namespace {

void Shown(QWidget& window, const char* name, const std::function<void(const char*, QWidget&)>& check)
{
    window.show();
    QApplication::processEvents();
    check(name, window);
    window.close();
}

} // namespace

void ForEachTemplateWindow(const std::function<void(const char* name, QWidget& window)>& check)
{
    {
        OfflineMain main;
        Shown(*main.dialog, "main", check);
    }
    {
        AboutDialog about;
        Shown(about, "about", check);
    }
    for (const int adminLoginMode : {1, 0}) {
        ProtocolState state;
        LoginDialog login(state, adminLoginMode);
        Shown(login, adminLoginMode ? "login" : "share-login", check);
    }
    {
        OfflineMain main;
        LanguageDialog language(main.dialog->context());
        Shown(language, "language", check);
    }
    {
        OfflineMain main;
        MemoryShare share;
        MemoryDeviceFiles files;
        install::LocalStaging staging;
        install::InstallContext context{main.window.protocol(), share,   files,
                                        main.install,           staging, main.clock};
        InstallDialog dialog(context, "10.64.0.10", main.messages);
        Shown(dialog, "install", check);
    }
    {
        FakeClock clock(2); // steps take a little real time, so the worker stays mid-way
        InstallState install;
        RestartDialog dialog(install, clock);
        Shown(dialog, "restart", check);
    }
}

QString ControlPath(const QWidget& widget)
{
    const QString own = widget.objectName();
    if (own.isEmpty() || own.startsWith(QLatin1String("qt_")) || widget.isWindow())
        return {};
    for (const QWidget* up = widget.parentWidget(); up && !up->isWindow(); up = up->parentWidget()) {
        if (qobject_cast<const QGroupBox*>(up))
            continue;
        const QString name = up->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            return name + u'/' + own;
    }
    return own;
}

namespace {

QString NameOf(const QWidget* w)
{
    const QString path = ControlPath(*w);
    return path.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : path;
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
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        if (check->text().isEmpty())
            return out;
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        const QRect contents = check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
        out.push_back({check->text(), fm.size(Qt::TextShowMnemonic, check->text()), contents.size()});
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
        const QRect title =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        // The style sizes the title's rectangle to the text; the box must hold it whole.
        out.push_back({box->title(), title.size(), title.intersected(box->rect()).size()});
    } else if (auto* list = qobject_cast<QTreeWidget*>(w)) {
        const QHeaderView* header = list->header();
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int i = 0; i < header->count(); ++i) {
            const QString title = list->headerItem()->text(i);
            out.push_back({title, header->fontMetrics().size(Qt::TextSingleLine, title),
                           QSize(header->sectionSize(i) - 2 * margin, header->height())});
        }
    }
    return out;
}

} // namespace

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
        const bool group = qobject_cast<QGroupBox*>(child) != nullptr;
        (group ? groups : controls).push_back(child);
        if (group)
            children << child->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
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
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const QRect a = RectInWindow(*groups[i]);
        for (std::size_t j = i + 1; j < groups.size(); ++j) {
            const QRect b = RectInWindow(*groups[j]);
            if (a.intersects(b) && !a.contains(b) && !b.contains(a))
                faults << NameOf(groups[i]) + QStringLiteral(" overlaps ") + NameOf(groups[j]);
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QRect c = RectInWindow(*controls[i]);
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (c.intersects(RectInWindow(*controls[j])))
                faults << NameOf(controls[i]) + QStringLiteral(" overlaps ") + NameOf(controls[j]);
        }
        // A control sits inside a group box or clear of it, never across its frame.
        for (QWidget* group : groups) {
            const QRect g = RectInWindow(*group);
            if (g.intersects(c) && !g.contains(c))
                faults << NameOf(controls[i]) + QStringLiteral(" crosses the frame of ") + NameOf(group);
        }
    }
    return faults;
}

} // namespace telvorin::test
