// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/WebConfiguration.h"

#include "appstate/MainContext.h"
#include "drives/DriveTable.h"
#include "drives/MemoryDriveService.h"
#include "platform/BrowserLauncher.h"
#include "platform/WebCheck.h"
#include "protocol/FakeClock.h"
#include "ui/RecordingMessages.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace telvorin {
namespace {

// Holds a check until released; shared with the task, so it outlives the test's objects.
struct Gate {
    std::mutex m;
    std::condition_variable cv;
    bool open = false, answer = false, finished = false;
    void release(bool reachable)
    {
        std::lock_guard lock(m);
        open = true;
        answer = reachable;
        cv.notify_all();
    }
    void awaitFinish() const
    {
        for (int i = 0; i < 400 && !finished; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::this_thread::sleep_for(std::chrono::milliseconds(20)); // the result is stored after
    }
};

class FakeWebCheck final : public WebCheck {
public:
    std::function<bool()> makeCheck(const std::string& host) const override
    {
        hosts.push_back(host);
        auto gate = next ? next : std::make_shared<Gate>();
        if (!next)
            gate->release(true);
        return [gate] {
            std::unique_lock lock(gate->m);
            gate->cv.wait(lock, [&] { return gate->open; });
            gate->finished = true;
            return gate->answer;
        };
    }
    std::shared_ptr<Gate> next; // when set, the next check waits at this gate
    mutable std::vector<std::string> hosts;
};

class FakeBrowser final : public BrowserLauncher {
public:
    std::string defaultBrowserName() override { return name; }
    bool launchDefaultBrowser(const std::string& url) override
    {
        calls.push_back("browser " + url);
        return launches;
    }
    bool launchOpener(const std::string& url) override
    {
        calls.push_back("opener " + url);
        return opens;
    }
    std::string name;
    bool launches = true;
    bool opens = true;
    std::vector<std::string> calls;
};

class WebConfigurationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ctx.controls.dialog = window.get();
        ctx.controls.deviceList = list;
        ctx.controls.driveLetters = new QComboBox(window.get());
        ctx.services = MainServices{nullptr, &clock, &messages, &drives, &check, &browser};
        ctx.driveTable = &table;
        ctx.OnRefresh = [this] { ++refreshes; };
        ctx.DeviceSelected = 1;
    }
    QTreeWidgetItem* addDevice(const char* ip)
    {
        list->clearSelection();
        return new QTreeWidgetItem(list, QStringList{QStringLiteral("NAS"), QString::fromUtf8(ip)});
    }

    std::unique_ptr<QDialog> window = std::make_unique<QDialog>();
    QTreeWidget* list = new QTreeWidget(window.get());
    test::FakeClock clock{10}; // a tenth of each wait in real time, so the check's thread gets to run
    test::RecordingMessages messages;
    test::MemoryDriveService drives;
    FakeWebCheck check;
    FakeBrowser browser;
    DriveTable table;
    MainContext ctx;
    int refreshes = 0;
};

TEST_F(WebConfigurationTest, NeedsARowThenStartsTheBrowserOrTheOpener)
{
    OnConfiguration(ctx);
    EXPECT_TRUE(messages.empty()) << "an empty list does nothing";
    addDevice("10.64.0.10");
    OnConfiguration(ctx);
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last().text, QStringLiteral("Please select a device to configure."));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
    EXPECT_EQ(messages.last().icon, MessageIcon::Exclamation);
    EXPECT_TRUE(check.hosts.empty());

    struct Case {
        const char* name;
        bool launches, opens;
        std::vector<std::string> calls;
    };
    const std::string browserCall = "browser http://10.64.0.10", openerCall = "opener http://10.64.0.10";
    const Case cases[] = {
        {"web.desktop", true, true, {browserCall}},
        {"web.desktop", false, true, {browserCall, openerCall}},
        {"MSIE.desktop", true, true, {openerCall}}, // "IE" in capitals goes to the opener
        {"ie.desktop", true, true, {browserCall}},
        {"no browser at all", false, false, {browserCall, openerCall}},
    };
    list->topLevelItem(0)->setSelected(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        browser.name = c.name;
        browser.launches = c.launches;
        browser.opens = c.opens;
        browser.calls.clear();
        OnConfiguration(ctx);
        EXPECT_EQ(browser.calls, c.calls);
        // Without any browser the user learns so, and the address to open by hand.
        EXPECT_EQ(messages.count(), c.opens ? 0u : 1u);
        EXPECT_TRUE(c.opens || messages.last().text.contains(QStringLiteral("http://10.64.0.10")));
    }
    EXPECT_EQ(check.hosts.back(), "10.64.0.10");
}

TEST_F(WebConfigurationTest, WaitLooksThreeTimesAndReportsAFailureAtOnce)
{
    struct Case {
        const char* what;
        int start, afterFirstSleep, result, sleeps;
    };
    const Case cases[] = {
        {"refused at once", -1, -1, 0, 0},
        {"answered after a second", 0, 1, 1, 1},
        {"refused after a second", 0, -1, 0, 1},
        {"still pending at the third look", 0, 0, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.clear();
        refreshes = clock.sleeps = 0;
        ctx.DeviceSelected = 1;
        WebCheckResult result(c.start);
        clock.onSleep = [&](int) { result.store(c.afterFirstSleep); };
        EXPECT_EQ(WaitDeviceWeb(ctx, result), c.result);
        EXPECT_EQ(clock.sleeps, c.sleeps);
        if (c.result == 1) {
            EXPECT_EQ(result.load(), 0) << "an answer is taken once";
            EXPECT_TRUE(messages.empty());
            continue;
        }
        ASSERT_EQ(messages.count(), 1u);
        EXPECT_EQ(messages.last().text, QStringLiteral("Device is no longer available."));
        EXPECT_EQ(messages.last().caption, QStringLiteral("Warning"));
        EXPECT_EQ(refreshes, 1);
        EXPECT_EQ(ctx.DeviceSelected, 0);
        EXPECT_EQ(ctx.controls.driveLetters->count(), 24) << "the drive letters are filled again";
    }
}

TEST_F(WebConfigurationTest, ACheckThatOutlivesItsWaitTouchesNothingLater)
{
    addDevice("10.64.0.10")->setSelected(true);
    auto late = std::make_shared<Gate>();
    check.next = late;
    OnConfiguration(ctx);
    ASSERT_EQ(messages.count(), 1u);

    // The first check fails late, while the next press waits for its own check.
    auto own = std::make_shared<Gate>();
    check.next = own;
    clock.onSleep = [&](int) {
        late->release(false);
        late->awaitFinish();
        own->release(true);
    };
    addDevice("10.64.0.20")->setSelected(true);
    OnConfiguration(ctx);
    EXPECT_TRUE(late->finished);
    EXPECT_EQ(messages.count(), 1u);
    EXPECT_EQ(browser.calls, std::vector<std::string>{"browser http://10.64.0.20"});

    // A check still running when the window is gone ends quietly.
    clock.onSleep = nullptr;
    auto orphan = std::make_shared<Gate>();
    check.next = orphan;
    OnConfiguration(ctx);
    window.reset();
    orphan->release(true);
    orphan->awaitFinish();
    EXPECT_TRUE(orphan->finished);
}

} // namespace
} // namespace telvorin
