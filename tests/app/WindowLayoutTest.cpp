// The windows keep their layout at the scale factor the test runs under (registered at
// 1 and at 2): every text fits its control, and no control covers another.
#include "app/AboutDialog.h"
#include "app/MainDialog.h"
#include "drives/MemoryDriveService.h"
#include "install/MemoryShare.h"
#include "installui/InstallDialog.h"
#include "installui/RestartDialog.h"
#include "language/LanguageDialog.h"
#include "protocol/Protocol.h"
#include "settings/LoginDialog.h"
#include "ui/OfflineNetwork.h"
#include "ui/RecordingMessages.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
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
    std::vector<QWidget*> controls;
    std::vector<QWidget*> groups;
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible() || child->isWindow())
            continue;
        if (!client.contains(child->geometry()))
            faults << NameOf(child) + QStringLiteral(" reaches outside the window");
        (qobject_cast<QGroupBox*>(child) ? groups : controls).push_back(child);
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
            if (controls[i]->geometry().intersects(controls[j]->geometry()))
                faults << NameOf(controls[i]) + QStringLiteral(" overlaps ") + NameOf(controls[j]);
        }
        // A control sits inside a group box or clear of it, never across its frame.
        for (QWidget* group : groups) {
            const QRect g = group->geometry();
            const QRect c = controls[i]->geometry();
            if (g.intersects(c) && !g.contains(c))
                faults << NameOf(controls[i]) + QStringLiteral(" crosses the frame of ") + NameOf(group);
        }
    }
    return faults;
}

double ScaleUnderTest()
{
    bool ok = false;
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? scale : 1.0;
}

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

QStringList FaultsWhileShown(QWidget& window)
{
    window.show();
    QApplication::processEvents();
    QStringList faults = LayoutFaults(window);
    if (window.devicePixelRatio() != ScaleUnderTest())
        faults << QStringLiteral("drawn at scale %1, not %2")
                      .arg(window.devicePixelRatio())
                      .arg(ScaleUnderTest());
    window.close();
    return faults;
}

// A clock whose sleeps take a little real time, so the restart window's worker stays
// mid-way while the test measures the window.
class SlowClock final : public Clock {
public:
    std::int64_t nowMs() override { return 0; }
    void sleepMs(int) override { std::this_thread::sleep_for(std::chrono::milliseconds(20)); }
};

} // namespace

TEST(WindowLayout, TextsFitAndControlsStayApart)
{
    ProtocolState state;
    struct Row {
        const char* window;
        std::function<QStringList()> faults;
    };
    const Row rows[] = {
        {"main window",
         [] {
             OfflineMain main;
             return FaultsWhileShown(*main.dialog);
         }},
        {"About box",
         [] {
             AboutDialog about;
             return FaultsWhileShown(about);
         }},
        {"login",
         [&] {
             LoginDialog login(state, 1);
             return FaultsWhileShown(login);
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
             return FaultsWhileShown(dialog);
         }},
        {"language window",
         [] {
             OfflineMain main;
             LanguageDialog dialog(main.dialog->context());
             return FaultsWhileShown(dialog);
         }},
        {"restart window",
         [] {
             SlowClock clock;
             InstallState install;
             RestartDialog dialog(install, clock);
             return FaultsWhileShown(dialog);
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.window);
        const QStringList faults = r.faults();
        EXPECT_TRUE(faults.isEmpty()) << faults.join(QStringLiteral("\n")).toStdString();
    }
}
