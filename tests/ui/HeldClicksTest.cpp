// SPDX-License-Identifier: GPL-3.0-or-later
// A click on a list held back while a step moves its rows acts on the row it was made on.
#include "ui/HeldClicks.h"
#include "ui/BlockingStep.h"
#include "ui/ReportList.h"

#include <QApplication>
#include <QDateTime>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>

#include <future>

using namespace telvorin;

namespace {

// The window system's clock in this test: far from ours, so nothing can be learnt from it.
constexpr std::int64_t WindowSystemOffsetMs = 7'000'000;
// How long apart the click and the move of the rows come.
constexpr int ApartMs = 50;

ulong WindowSystemNow()
{
    return static_cast<ulong>(QDateTime::currentMSecsSinceEpoch() % 1'000'000 + WindowSystemOffsetMs);
}

// Queued as the window system queues input: delivered at the next turn of the event loop.
void SendMouse(QWidget* viewport, int y, QEvent::Type type)
{
    const Qt::MouseButtons state = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        viewport->window()->windowHandle(), WindowSystemNow(),
        viewport->mapTo(viewport->window(), QPoint(20, y)), viewport->mapToGlobal(QPoint(20, y)), state,
        type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, type);
}

} // namespace

TEST(HeldClicks, AHeldClickActsOnTheDeviceUnderThePointerWhenItWasMade)
{
    struct Case {
        const char* what;
        std::vector<const char*> before;
        int clickedRow; // visual row, past the last for empty space
        std::vector<std::pair<int, const char*>> inserted;
        const char* expected; // empty: no row current
    };
    const std::vector<Case> cases = {
        {"rows inserted above the clicked one", {"A", "B", "C"}, 1, {{0, "X"}, {0, "Y"}}, "B"},
        {"the list filled in under a click on empty space", {"A"}, 2, {{1, "B"}, {2, "C"}}, ""},
        {"rows inserted below the clicked one", {"A", "B"}, 0, {{2, "C"}}, "A"},
    };

    ReportList list;
    list.setColumns({{"Name", 80}, {"IP", 80}});
    list.resize(240, 200);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    HeldClicks clicks(&list, 1);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        list.clear();
        auto row = [](const char* key) {
            return new QTreeWidgetItem(QStringList{QStringLiteral("dev"), QString::fromLatin1(key)});
        };
        for (const char* key : c.before)
            list.addTopLevelItem(row(key));
        const int rowHeight = list.visualItemRect(list.topLevelItem(0)).height();
        const int y = rowHeight * c.clickedRow + rowHeight / 2;

        std::promise<void> gate;
        QTimer::singleShot(60, &list, [&] {
            SendMouse(list.viewport(), y, QEvent::MouseButtonPress);
            SendMouse(list.viewport(), y, QEvent::MouseButtonRelease);
        });
        QTimer::singleShot(60 + 2 * ApartMs, &list, [&] {
            for (const auto& [at, key] : c.inserted)
                list.insertTopLevelItem(at, row(key));
        });
        QTimer::singleShot(60 + 4 * ApartMs, &list, [&] { gate.set_value(); });
        RunBlockingStep([&] { gate.get_future().wait(); });
        list.setCurrentItem(nullptr);

        // The held press and release arrive now, after the rows have moved.
        QTest::qWait(100);
        const QTreeWidgetItem* current = list.currentItem();
        EXPECT_EQ(current ? current->text(1).toStdString() : std::string(), c.expected);
        EXPECT_EQ(list.selectedItems().size(), *c.expected ? 1 : 0);
    }
}
