#include "settings/WebConfiguration.h"

#include "drives/DriveTable.h"
#include "drives/MemoryDriveService.h"
#include "protocol/Clock.h"
#include "settings/BrowserLauncher.h"
#include "settings/WebCheck.h"
#include "ui/MainContext.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace telvorin {
namespace {

struct Shown {
    QString text, caption;
    MessageIcon icon;
};

class Recorder final : public Messages {
public:
    void show(QWidget*, const QString& text, const QString& caption, MessageIcon icon) override
    {
        shown.push_back({text, caption, icon});
    }
    std::vector<Shown> shown;
};

// Sleeps a tenth of what is asked for, for real, so worker threads get to run.
class ShortClock final : public Clock {
public:
    std::int64_t nowMs() override { return 0; }
    void sleepMs(int ms) override
    {
        ++sleeps;
        if (onSleep)
            onSleep();
        std::this_thread::sleep_for(std::chrono::milliseconds(ms / 10));
    }
    int sleeps = 0;
    std::function<void()> onSleep;
};

// A gate a check task waits at; shared with the task, so it outlives the test's objects.
struct Gate {
    std::mutex m;
    std::condition_variable cv;
    bool open = false;
    bool answer = false;
    bool finished = false;
    void release(bool reachable)
    {
        std::lock_guard lock(m);
        open = true;
        answer = reachable;
        cv.notify_all();
    }
};

class FakeWebCheck final : public WebCheck {
public:
    std::function<bool()> MakeCheck(const std::string& host) const override
    {
        hosts.push_back(host);
        auto gate = next ? next : std::make_shared<Gate>();
        if (!next)
            gate->release(reachable);
        return [gate] {
            std::unique_lock lock(gate->m);
            gate->cv.wait(lock, [&] { return gate->open; });
            gate->finished = true;
            return gate->answer;
        };
    }
    bool reachable = true;
    std::shared_ptr<Gate> next;  // when set, the next check waits at this gate
    mutable std::vector<std::string> hosts;
};

class FakeBrowser final : public BrowserLauncher {
public:
    std::string DefaultBrowserName() override { return name; }
    bool LaunchDefaultBrowser(const std::string& url) override
    {
        calls.push_back("browser " + url);
        return launches;
    }
    bool LaunchOpener(const std::string& url) override
    {
        calls.push_back("opener " + url);
        return true;
    }
    std::string name = "web.desktop";
    bool launches = true;
    std::vector<std::string> calls;
};

class WebConfigurationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "web_configuration_test";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }

    void SetUp() override
    {
        window = std::make_unique<QDialog>();
        list = new QTreeWidget(window.get());
        list->setColumnCount(4);
        letters = new QComboBox(window.get());
        ctx.controls.dialog = window.get();
        ctx.controls.deviceList = list;
        ctx.controls.driveLetters = letters;
        ctx.services.clock = &clock;
        ctx.services.messages = &messages;
        ctx.services.drives = &drives;
        ctx.services.webCheck = &check;
        ctx.services.browser = &browser;
        ctx.driveTable = &table;
        ctx.OnRefresh = [this] { ++refreshes; };
        ctx.DeviceSelected = 1;
    }

    QTreeWidgetItem* addDevice(const char* ip)
    {
        return new QTreeWidgetItem(list, QStringList{QStringLiteral("NAS"), QString::fromUtf8(ip)});
    }

    std::unique_ptr<QDialog> window;
    QTreeWidget* list = nullptr;
    QComboBox* letters = nullptr;
    ShortClock clock;
    Recorder messages;
    test::MemoryDriveService drives;
    FakeWebCheck check;
    FakeBrowser browser;
    DriveTable table;
    MainContext ctx;
    int refreshes = 0;
};

TEST_F(WebConfigurationTest, NeedsASelectedRowWhereverItIsScrolled)
{
    OnConfiguration(ctx);
    EXPECT_TRUE(messages.shown.empty()) << "an empty list does nothing";
    EXPECT_TRUE(check.hosts.empty());

    for (int i = 0; i < 40; ++i)
        addDevice(("10.64.0." + std::to_string(10 + i)).c_str());
    OnConfiguration(ctx);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Please select a device to configure."));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Warning"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(check.hosts.empty());

    window->resize(300, 80);
    window->show();
    list->topLevelItem(1)->setSelected(true);
    list->scrollToItem(list->topLevelItem(39));
    OnConfiguration(ctx);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(check.hosts, std::vector<std::string>{"10.64.0.11"});
    EXPECT_EQ(ctx.SelectedHost, "10.64.0.11");
    EXPECT_EQ(browser.calls, std::vector<std::string>{"browser http://10.64.0.11"});
}

TEST_F(WebConfigurationTest, StartsTheBrowserOrFallsBackToTheOpener)
{
    struct Case {
        const char* name;
        bool launches;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"web.desktop", true, {"browser http://10.64.0.10"}},
        {"web.desktop", false, {"browser http://10.64.0.10", "opener http://10.64.0.10"}},
        {"", false, {"browser http://10.64.0.10", "opener http://10.64.0.10"}},
        {"MSIE.desktop", true, {"opener http://10.64.0.10"}},
        {"ie.desktop", true, {"browser http://10.64.0.10"}},
    };
    addDevice("10.64.0.10")->setSelected(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        browser.name = c.name;
        browser.launches = c.launches;
        browser.calls.clear();
        OnConfiguration(ctx);
        EXPECT_EQ(browser.calls, c.calls);
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(refreshes, 0);
    EXPECT_EQ(ctx.DeviceSelected, 1);
}

TEST_F(WebConfigurationTest, WaitLooksThreeTimesAndReportsAFailureAtOnce)
{
    struct Case {
        const char* what;
        int start;
        int afterFirstSleep;  // what the check has written by the second look
        int result;
        int sleeps;
    };
    const Case cases[] = {
        {"answered at once", 1, 1, 1, 0},
        {"refused at once", -1, -1, 0, 0},
        {"answered after a second", 0, 1, 1, 1},
        {"refused after a second", 0, -1, 0, 1},
        {"still pending at the third look", 0, 0, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.shown.clear();
        refreshes = 0;
        clock.sleeps = 0;
        ctx.DeviceSelected = 1;
        WebCheckResult result(c.start);
        clock.onSleep = [&] { result.store(c.afterFirstSleep); };
        EXPECT_EQ(WaitDeviceWeb(ctx, result), c.result);
        EXPECT_EQ(clock.sleeps, c.sleeps);
        if (c.result == 1) {
            EXPECT_EQ(result.load(), 0) << "an answer is taken once";
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_EQ(ctx.DeviceSelected, 1);
        } else {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].text, QStringLiteral("Device is no longer available."));
            EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Warning"));
            EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
            EXPECT_EQ(refreshes, 1);
            EXPECT_EQ(ctx.DeviceSelected, 0);
            EXPECT_EQ(letters->count(), 24) << "the drive letters are filled again";
        }
    }
}

TEST_F(WebConfigurationTest, ACheckThatOutlivesItsWaitTouchesNothingLater)
{
    addDevice("10.64.0.10")->setSelected(true);
    auto late = std::make_shared<Gate>();
    check.next = late;
    OnConfiguration(ctx);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(browser.calls.empty());

    // The first check fails late, while the next press waits for its own check.
    auto own = std::make_shared<Gate>();
    check.next = own;
    clock.onSleep = [&] {
        late->release(false);
        for (int i = 0; i < 400 && !late->finished; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        own->release(true);
    };
    list->clearSelection();
    addDevice("10.64.0.20")->setSelected(true);
    OnConfiguration(ctx);
    EXPECT_TRUE(late->finished);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(browser.calls, std::vector<std::string>{"browser http://10.64.0.20"});

    // A check still running when the window and its services are gone ends quietly.
    clock.onSleep = nullptr;
    auto orphan = std::make_shared<Gate>();
    check.next = orphan;
    OnConfiguration(ctx);
    window.reset();
    orphan->release(true);
    for (int i = 0; i < 400 && !orphan->finished; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(orphan->finished);
}

} // namespace
} // namespace telvorin
