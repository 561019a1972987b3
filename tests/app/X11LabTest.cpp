// SPDX-License-Identifier: GPL-3.0-or-later
// Input through a real X server while the window searches: an Xvfb of the test's own,
// Qt's xcb platform, xdotool as the person's mouse, the real transport in the lab's pc
// namespace. Skipped, with the reason, when the lab, Xvfb or xdotool are not here.
#include "app/MainDialog.h"
#include "app/WindowServices.h"
#include "drives/MemoryDriveService.h"
#include "lab/LabTest.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/ProtocolTypes.h"
#include "protocol/RequestBytes.h"
#include "ui/BlockingStep.h"
#include "ui/RecordingMessages.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>

using namespace telvorin;

namespace {

using X11Lab = lab::LabTest;

// Starts Xvfb on display :73 in the background, waits up to 10 s for its socket and
// prints its pid; exits 3 without Xvfb or xdotool, 2 when it stops at start, 1 without a
// socket.
constexpr const char* StartX = R"(command -v Xvfb >/dev/null && command -v xdotool >/dev/null || exit 3
Xvfb :73 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
echo $!
for i in $(seq 100); do
    [ -e /tmp/.X11-unix/X73 ] && exit 0
    kill -0 $! 2>/dev/null || exit 2
    sleep 0.1
done
exit 1)";

// NAS-1 answers 600 ms late, so its row goes in above Media's, which was listed at once.
constexpr const char* LateFirstRow = R"({"segments": [
    {"reply": "multicast", "devices": [
      {"name": "NAS-1", "ip": "10.64.0.10", "netmask": "255.255.0.0", "gateway": "10.64.0.1",
       "delayMs": 600, "volumes": ["HDD_a", "HDD_b"]}]},
    {"reply": "unicast", "devices": [
      {"name": "Media", "ip": "10.65.0.20", "netmask": "255.255.0.0", "gateway": "10.65.0.1",
       "volumes": ["HDD_a"]}]}]})";

} // namespace

TEST_F(X11Lab, ADoubleClickMadeDuringASearchLoadsTheDeviceItWasMadeOnOnceAfterTheSearch)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    ASSERT_TRUE(startLab(LateFirstRow));
    SteadyClock clock;
    PosixSocketLayer sockets;
    test::RecordingMessages messages;
    test::MemoryDriveService drives;
    WindowServices window(sockets, clock, {.messages = &messages, .drives = &drives});
    MainDialog dialog(window.services());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog, 10000));
    QTreeWidget* list = dialog.controls().deviceList;
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->topLevelItemCount() == 2; }, 20000));

    // As soon as the search lists Media again, the person double-clicks its row, the
    // first; NAS-1's row comes in above it later, and the search goes on for about a
    // second.
    std::atomic<bool> clicked{false};
    std::thread person;
    QString clickedName;
    bool heldDuringSearch = false;
    QTimer look;
    look.setInterval(20);
    QObject::connect(&look, &QTimer::timeout, &look, [&] {
        if (!person.joinable() && list->topLevelItemCount() > 0) {
            clickedName = list->topLevelItem(0)->text(0);
            const QPoint at =
                list->viewport()->mapToGlobal(list->visualItemRect(list->topLevelItem(0)).center());
            const std::string command = "xdotool mousemove " + std::to_string(at.x()) + " " +
                                        std::to_string(at.y()) + " click --repeat 2 --delay 60 1";
            person = std::thread([command, &clicked] {
                EXPECT_EQ(std::system(command.c_str()), 0);
                clicked = true;
            });
        } else if (clicked) {
            look.stop();
            // The presses have reached the program by now; they wait for the search.
            QTest::qWait(100);
            heldDuringSearch = BlockingStepRunning() && list->selectedItems().isEmpty();
        }
    });
    look.start();
    dialog.controls().refresh->click();
    look.stop();
    if (person.joinable())
        person.join();

    EXPECT_TRUE(clicked);
    ASSERT_EQ(clickedName, QStringLiteral("Media"));
    ASSERT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("NAS-1")) << "the clicked row did not move";
    EXPECT_TRUE(heldDuringSearch) << "the double click acted during the search, or came after it";
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return dialog.controls().volumeList->topLevelItemCount() > 0; }, 10000));
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->selectedItems().front()->text(0), clickedName);
    QTest::qWait(300);
    EXPECT_EQ(test::CountOf(test::Heard(lab().bytesFor("Media")), OpGet, ItemVolumeList), 1)
        << "the double click loaded its device more than once";
    EXPECT_TRUE(messages.empty());
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return lab::WithDisplayServer(StartX, "Xvfb or xdotool (packages xvfb, xdotool)", [&] {
        setenv("DISPLAY", ":73", 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        unsetenv("WAYLAND_DISPLAY");
        QApplication app(argc, argv);
        return RUN_ALL_TESTS();
    });
}
