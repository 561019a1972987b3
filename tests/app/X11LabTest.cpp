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
#include "ui/BlockingStep.h"
#include "ui/RecordingMessages.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include <signal.h>

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

// The real sockets, counting the volume requests that leave through them.
class CountingSockets final : public SocketLayer {
public:
    std::atomic<int> volumeRequests{0};

    std::vector<LocalInterface> localInterfaces() override { return real_.localInterfaces(); }
    int openSendSocket(const LocalInterface& i) override { return real_.openSendSocket(i); }
    int openReceiveSocket(const LocalInterface& i) override { return real_.openReceiveSocket(i); }
    void setMulticastInterface(int s, const std::string& a) override { real_.setMulticastInterface(s, a); }
    bool sendToGroup(int s, std::span<const std::uint8_t> d) override
    {
        if (d.size() > 21 && d[0] == OpGet && d[21] == ItemVolumeList)
            ++volumeRequests;
        return real_.sendToGroup(s, d);
    }
    bool waitReadable(int s, int ms) override { return real_.waitReadable(s, ms); }
    bool waitAnyReadable(std::span<const int> s, int ms, std::span<bool> r) override
    {
        return real_.waitAnyReadable(s, ms, r);
    }
    int receive(int s, std::span<std::uint8_t> b) override { return real_.receive(s, b); }
    int receiveFrom(int s, std::span<std::uint8_t> b, std::uint32_t& from) override
    {
        return real_.receiveFrom(s, b, from);
    }
    void close(int s) override { real_.close(s); }
    bool linkPresent(int s, const LocalInterface& l) override { return real_.linkPresent(s, l); }

private:
    PosixSocketLayer real_;
};

} // namespace

TEST_F(X11Lab, ADoubleClickMadeDuringASearchLoadsTheDeviceItWasMadeOnOnceAfterTheSearch)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    ASSERT_TRUE(startLab(LateFirstRow));
    SteadyClock clock;
    CountingSockets sockets;
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
    EXPECT_EQ(sockets.volumeRequests, 1) << "the double click loaded its device more than once";
    EXPECT_TRUE(messages.empty());
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    std::string why;
    if (!lab::Lab::available(&why)) {
        std::printf("SKIPPED: the lab is not available here: %s\n", why.c_str());
        return 77;
    }
    std::string pid;
    const int started = lab::Lab::runCommand({"/bin/sh", "-c", StartX}, &pid);
    int rc = 77;
    if (started != 0) {
        std::printf("SKIPPED: no X server of our own: %s\n",
                    started == 3 ? "Xvfb or xdotool is not installed (packages xvfb, xdotool)"
                                 : "Xvfb did not start");
    } else {
        setenv("DISPLAY", ":73", 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        unsetenv("WAYLAND_DISPLAY");
        QApplication app(argc, argv);
        rc = RUN_ALL_TESTS();
    }
    if (!pid.empty()) {
        kill(std::stoi(pid), SIGTERM);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return rc;
}
