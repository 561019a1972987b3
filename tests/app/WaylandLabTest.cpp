// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a Wayland desktop: a headless weston of the test's own, Qt's wayland
// platform, the real transport in the lab's pc namespace. Skipped, with the reason, when
// the lab or weston cannot start here.
#include "ThreeDevices.h"
#include "app/MainDialog.h"
#include "drives/MemoryDriveService.h"
#include "lab/LabTest.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/Protocol.h"
#include "ui/RecordingMessages.h"

#include <QApplication>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace telvorin;

namespace {

using WaylandLab = lab::LabTest;

// Starts weston in the background, waits up to 10 s for its socket and prints its pid;
// exits 3 without weston, 2 when it stops at start, 1 without a socket.
constexpr const char* StartWeston = R"(command -v weston >/dev/null || exit 3
weston --backend=headless-backend.so --shell=desktop-shell.so --no-config --idle-time=0 \
    --socket=telvorin-wayland >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
echo $!
for i in $(seq 100); do
    [ -e "$XDG_RUNTIME_DIR/telvorin-wayland" ] && exit 0
    kill -0 $! 2>/dev/null || exit 2
    sleep 0.1
done
exit 1)";

} // namespace

TEST_F(WaylandLab, WindowOpensAndTheFirstSearchFillsTheList)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    ASSERT_TRUE(startLab(test::ThreeDevices));
    SteadyClock clock;
    PosixSocketLayer sockets;
    Protocol protocol(sockets, clock, nullptr);
    protocol.OpenTransport();
    test::RecordingMessages messages;
    test::MemoryDriveService drives;
    // The transport closes and the pc namespace is left as these go, the window first.
    MainDialog dialog(MainServices{&protocol, &clock, &messages, &drives});
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog, 10000)) << "the compositor never showed the window";
    QTreeWidget* list = dialog.controls().deviceList;
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->topLevelItemCount() >= 3; }, 20000));
    EXPECT_EQ(list->topLevelItemCount(), 3);
    EXPECT_FALSE(list->findItems(QStringLiteral("NAS-1"), Qt::MatchExactly, 0).isEmpty());
    EXPECT_TRUE(messages.empty());
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    char runtime[] = "/tmp/telvorin-weston-XXXXXX";
    if (!mkdtemp(runtime))
        return 1;
    setenv("XDG_RUNTIME_DIR", runtime, 1);
    const int rc = lab::WithDisplayServer(StartWeston, "weston (package weston)", [&] {
        // The window goes to this compositor alone, whatever the session around the test has.
        setenv("WAYLAND_DISPLAY", "telvorin-wayland", 1);
        setenv("QT_QPA_PLATFORM", "wayland", 1);
        unsetenv("DISPLAY");
        QApplication app(argc, argv);
        return RUN_ALL_TESTS();
    });
    std::error_code ignored;
    std::filesystem::remove_all(runtime, ignored);
    return rc;
}
