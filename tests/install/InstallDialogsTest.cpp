// SPDX-License-Identifier: GPL-3.0-or-later
// The install and restart windows on timers the test fires and a fake clock: which timer
// each sets, that keys do not close them, that the install runs off the UI thread and
// ends with its message, and that the restart wait steps 99 times and settles
// SetupOutcome before it closes.

#include "install/InstallParts.h"
#include "install/MemoryShare.h"
#include "installui/InstallDialog.h"
#include "installui/RestartDialog.h"
#include "ui/RecordingMessages.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressBar>
#include <QTest>

#include <future>

using namespace telvorin;
using namespace telvorin::install;
using namespace telvorin::test;

namespace {

class ManualTimers final : public DialogTimers {
public:
    std::map<int, int> intervals; // live timers: id -> ms
    std::vector<int> killed;
    std::map<int, std::function<void()>> ticks;

    void set(int id, int ms, std::function<void()> tick) override
    {
        intervals[id] = ms;
        ticks[id] = std::move(tick);
    }
    void kill(int id) override
    {
        intervals.erase(id);
        killed.push_back(id);
    }
    void fire(int id)
    {
        ASSERT_TRUE(intervals.count(id)) << "timer " << id << " is not set";
        auto tick = ticks[id];
        tick();
    }
};

void PressKeys(QWidget& w)
{
    QTest::keyClick(&w, Qt::Key_Escape);
    QTest::keyClick(&w, Qt::Key_Return);
    QTest::keyClick(&w, Qt::Key_Enter);
}

// A share whose first write waits until the test lets it go.
class HeldShare final : public ShareWriter {
public:
    explicit HeldShare(ShareWriter& inner)
        : inner_(inner)
    {
    }
    std::promise<void> release;
    std::atomic<bool> waiting{false};

    bool connect(const std::string& h, const std::string& s) override { return inner_.connect(h, s); }
    bool createFile(const SharePath& p, std::span<const std::uint8_t> b) override
    {
        if (!held_) {
            held_ = true;
            waiting = true;
            release.get_future().wait();
        }
        return inner_.createFile(p, b);
    }
    bool replace(const SharePath& a, const SharePath& b) override { return inner_.replace(a, b); }
    bool remove(const SharePath& p) override { return inner_.remove(p); }
    std::optional<std::uint64_t> fileSize(const SharePath& p) override { return inner_.fileSize(p); }
    std::optional<std::vector<ShareEntry>> list(const SharePath& p) override { return inner_.list(p); }
    std::string lastError() const override { return inner_.lastError(); }
    int lastErrorNumber() const override { return inner_.lastErrorNumber(); }

private:
    ShareWriter& inner_;
    bool held_ = false;
};

FakeDevice WithShare()
{
    FakeDevice d;
    d.values[12] = "HDD_a";
    return d;
}

struct InstallFixture : InstallParts {
    RecordingMessages messages;
    ManualTimers timers;

    InstallFixture()
        : InstallParts(WithShare())
    {
    }
};

} // namespace

TEST(InstallDialog, OneTickRunsTheInstallAndTheWindowClosesWithItsMessage)
{
    struct Row {
        const char* name;
        int btInstallMode;
        int failCreate;
        int timerId;
        const char* message;
    };
    const Row rows[] = {
        {"codepage", 0, 0, 1, ""},
        {"package", 1, 0, 2, ""},
        {"codepage failing", 0, 2, 1, "Please check hard drives."},
        {"package failing", 1, 1, 2, "Please check hard drives."},
    };
    for (const Row& row : rows) {
        InstallFixture f;
        f.state.BtInstallMode = row.btInstallMode;
        f.state.CodepageIndex = 2;
        f.share.failCreateNumber = row.failCreate;
        InstallContext context{f.protocol, f.share, f.files, f.state, f.staging, f.clock};
        InstallDialog dialog(context, "10.64.0.10", f.messages, nullptr, &f.timers);
        dialog.open();
        ASSERT_EQ(f.timers.intervals, (std::map<int, int>{{row.timerId, 2000}})) << row.name;
        EXPECT_EQ(dialog.timerId(), row.timerId);
        PressKeys(dialog);
        EXPECT_TRUE(dialog.isVisible()) << row.name << ": keys do not close it";

        f.timers.fire(row.timerId);
        EXPECT_TRUE(f.timers.intervals.empty()) << row.name << ": the tick kills its timer";
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, 10000));
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        const bool failed = row.failCreate != 0;
        EXPECT_EQ(f.state.ExtractFailed, failed ? 1 : 0) << row.name;
        EXPECT_EQ(f.state.BtInstalled, row.btInstallMode == 1 && !failed ? 1 : 0) << row.name;
        EXPECT_EQ(f.state.BtInstallMode, 0) << row.name;
        if (*row.message) {
            ASSERT_EQ(f.messages.count(), 1u) << row.name;
            EXPECT_EQ(f.messages.last().text, QString::fromUtf8(row.message));
            EXPECT_TRUE(f.messages.last().caption.isEmpty());
            EXPECT_EQ(f.messages.last().icon, MessageIcon::None);
            EXPECT_EQ(f.messages.last().owner, &dialog);
        } else {
            EXPECT_TRUE(f.messages.empty()) << row.name;
        }
    }
}

TEST(InstallDialog, TheWindowKeepsHandlingEventsWhileTheInstallWaits)
{
    InstallFixture f;
    f.state.CodepageIndex = 2;
    HeldShare held(f.share);
    InstallContext context{f.protocol, held, f.files, f.state, f.staging, f.clock};
    InstallDialog dialog(context, "10.64.0.10", f.messages, nullptr, &f.timers);
    dialog.open();
    // The tick blocks until the install ends, as a blocking step does; meanwhile this
    // timer must still run, find the window up and the install waiting, and let it go.
    bool ticked = false;
    bool visibleDuringStep = false;
    bool runningDuringStep = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
        if (ticked || !held.waiting.load())
            return;
        ticked = true;
        visibleDuringStep = dialog.isVisible();
        runningDuringStep = dialog.running();
        held.release.set_value();
    });
    poll.start(10);
    f.timers.fire(1);
    EXPECT_TRUE(ticked);
    EXPECT_TRUE(visibleDuringStep);
    EXPECT_TRUE(runningDuringStep);
    EXPECT_FALSE(dialog.running());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, 10000));
    EXPECT_EQ(f.share.files.size(), 3u);
}

TEST(RestartDialog, StepsNinetyNineTimesThenClosesOnItsTimerWithTheOutcomeSettled)
{
    FakeClock clock;
    InstallState state;
    state.SetupOutcome = -1;
    ManualTimers timers;
    RestartDialog dialog(state, clock, nullptr, &timers);
    dialog.open();
    ASSERT_EQ(timers.intervals, (std::map<int, int>{{1, 90000}}));
    EXPECT_EQ(dialog.progressBar()->minimum(), 1);
    EXPECT_EQ(dialog.progressBar()->maximum(), 100);
    PressKeys(dialog);
    EXPECT_TRUE(dialog.isVisible());

    timers.fire(1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(timers.killed, std::vector<int>{1});
    // The worker has ended: its clock and its write are safe to read.
    EXPECT_EQ(state.SetupOutcome, 0);
    EXPECT_EQ(clock.sleeps, RestartDialog::Steps);
    EXPECT_EQ(clock.nowMs(), 99 * 900);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.progressBar()->value() == 100; }));
}

TEST(RestartDialog, AWindowDestroyedEarlyStopsItsWorker)
{
    // A clock that really sleeps: the worker is mid-run when the window goes.
    SteadyClock clock;
    InstallState state;
    state.SetupOutcome = -1;
    ManualTimers timers;
    {
        RestartDialog dialog(state, clock, nullptr, &timers);
        dialog.open();
        QTest::qWait(50);
    }
    EXPECT_EQ(state.SetupOutcome, -1) << "a wait cut short settles nothing";
}
