// SPDX-License-Identifier: GPL-3.0-or-later
// The blocking step: a waiting step runs off the UI thread while the window keeps
// painting, with user input held back until the step ends and delivered after it.
#include "ui/BlockingStep.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace telvorin;

namespace {

// A window with one button that counts its clicks and its paints.
class CountingWindow : public QWidget {
public:
    CountingWindow()
    {
        auto* layout = new QVBoxLayout(this);
        button = new QPushButton(QStringLiteral("Press"), this);
        layout->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, this, [this] { ++clicks; });
        resize(200, 100);
        show();
        activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(this));
        button->setFocus();
    }
    ~CountingWindow() override { hide(); }

    // A click as the window system delivers it: queued, not sent at once.
    void queueClick()
    {
        QWindow* window = windowHandle();
        const QPointF at = button->mapTo(this, button->rect().center());
        const QPointF global = mapToGlobal(at.toPoint());
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons state = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
                window, at, global, state, Qt::LeftButton, type);
        }
    }
    void queueSpace()
    {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
                windowHandle(), type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    }

    QPushButton* button = nullptr;
    int clicks = 0;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return QWidget::event(e);
    }

public:
    int paints = 0;
};

Qt::CursorShape CursorShape()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::ArrowCursor;
}

// A step that waits until the test lets it go.
struct Gate {
    std::promise<void> open;
    std::shared_future<void> opened = open.get_future().share();
    std::atomic<bool> reached{false};
    void pass()
    {
        reached = true;
        opened.wait();
    }
};

} // namespace

TEST(BlockingStepTest, InputDuringTheStepIsHeldAndDeliveredAfterIt)
{
    CountingWindow window;
    Gate gate;
    int clicksDuringStep = -1;
    int ticksDuringStep = 0;
    int paintsBefore = 0;
    int paintsDuringStep = 0;
    Qt::CursorShape cursorDuringStep = Qt::ArrowCursor;

    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, &window, [&] { ++ticksDuringStep; });
    // Runs inside the step's wait: queue a click and a Space press on the button, ask for
    // a repaint, then let the step go a few ticks later.
    QTimer::singleShot(20, &window, [&] {
        window.queueClick();
        window.queueSpace();
        paintsBefore = window.paints;
        window.update();
        cursorDuringStep = CursorShape();
        QTimer::singleShot(100, &window, [&] {
            clicksDuringStep = window.clicks;
            paintsDuringStep = window.paints - paintsBefore;
            gate.open.set_value();
        });
    });
    ticker.start(10);

    std::thread::id stepThread;
    const int result = RunBlockingStep([&] {
        stepThread = std::this_thread::get_id();
        gate.pass();
        return 42;
    });
    ticker.stop();

    EXPECT_EQ(result, 42);
    EXPECT_NE(stepThread, std::this_thread::get_id());
    EXPECT_GE(ticksDuringStep, 5) << "the event loop stood still during the step";
    EXPECT_GE(paintsDuringStep, 1) << "the window was not painted during the step";
    EXPECT_EQ(cursorDuringStep, Qt::WaitCursor);
    EXPECT_EQ(clicksDuringStep, 0) << "input reached the window during the step";
    // Nothing is handled inside the call either: the caller finishes its work first.
    EXPECT_EQ(window.clicks, 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Back in the event loop, the held click and key press arrive, in order.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.clicks == 2; }, 5000));
}

TEST(BlockingStepTest, StepsRunInOrderOneAtATimeAndPassResultsAndErrorsBack)
{
    std::vector<int> order;
    std::thread::id outer;
    std::thread::id inner;
    // A step started from within a step runs at once, on the step thread.
    RunBlockingStep([&] {
        outer = std::this_thread::get_id();
        RunBlockingStep([&] {
            inner = std::this_thread::get_id();
            order.push_back(1);
        });
        order.push_back(2);
    });
    EXPECT_EQ(outer, inner);
    EXPECT_EQ(order, (std::vector<int>{1, 2}));

    // A step started by a timer during another step waits for it, then runs.
    std::atomic<int> running{0};
    std::atomic<int> mostAtOnce{0};
    auto occupied = [&](int ms) {
        mostAtOnce = std::max(mostAtOnce.load(), ++running);
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        --running;
    };
    bool nestedDone = false;
    QTimer::singleShot(10, qApp, [&] {
        RunBlockingStep([&] { occupied(10); });
        nestedDone = true;
    });
    RunBlockingStep([&] { occupied(80); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return nestedDone; }));
    EXPECT_EQ(mostAtOnce.load(), 1);

    EXPECT_EQ(RunBlockingStep([] { return std::string("text"); }), "text");
    EXPECT_THROW(RunBlockingStep([]() -> int { throw std::runtime_error("step failed"); }),
                 std::runtime_error);
    EXPECT_FALSE(BlockingStepRunning());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(BlockingStepTest, AStepAsksOnTheUiThreadWithTheNormalCursor)
{
    std::thread::id askedOn;
    bool inputHeldWhileAsking = true;
    bool inputHeldAfterAsking = false;
    Qt::CursorShape cursorWhileAsking = Qt::WaitCursor;
    Qt::CursorShape cursorAfterAsking = Qt::ArrowCursor;
    const std::string answer = RunBlockingStep([&] {
        std::string a = AskOnUiThread([&] {
            askedOn = std::this_thread::get_id();
            cursorWhileAsking = CursorShape();
            inputHeldWhileAsking = BlockingStepHoldsInput();
            // Looks again once the question is over and the step goes on.
            QTimer::singleShot(20, qApp, [&] {
                cursorAfterAsking = CursorShape();
                inputHeldAfterAsking = BlockingStepHoldsInput();
            });
            return std::string("secret");
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return a;
    });
    EXPECT_EQ(answer, "secret");
    EXPECT_EQ(askedOn, std::this_thread::get_id());
    EXPECT_EQ(cursorWhileAsking, Qt::ArrowCursor);
    EXPECT_EQ(cursorAfterAsking, Qt::WaitCursor);
    EXPECT_FALSE(inputHeldWhileAsking);
    EXPECT_TRUE(inputHeldAfterAsking);
    EXPECT_THROW(RunBlockingStep([] { AskOnUiThread([] { throw std::runtime_error("no answer"); }); }),
                 std::runtime_error);
}

TEST(BlockingStepTest, ActionsHeldForTheStepRunAfterIt)
{
    std::vector<std::string> log;
    QObject context;
    AfterBlockingSteps(&context, [&] { log.push_back("at once"); });
    EXPECT_EQ(log, (std::vector<std::string>{"at once"}));

    log.clear();
    {
        QObject gone;
        QTimer::singleShot(10, &context, [&] {
            EXPECT_TRUE(BlockingStepRunning());
            AfterBlockingSteps(&context, [&] { log.push_back("held"); });
            AfterBlockingSteps(&gone, [&] { log.push_back("dropped"); });
        });
        RunBlockingStep([&] { std::this_thread::sleep_for(std::chrono::milliseconds(60)); });
        log.push_back("step returned");
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.size() == std::size_t{2}; }));
    EXPECT_EQ(log, (std::vector<std::string>{"step returned", "held"}));
}

TEST(BlockingStepTest, HeldInputForAWindowThatAModalWindowBlocksByThenIsDropped)
{
    // Input reaches a window that a modal window blocks no more than the window system
    // would let it: held clicks and keys for the window are dropped, not delivered past
    // the modal window (an Escape held so would end the window under it).
    CountingWindow window;
    QTimer::singleShot(20, &window, [&] {
        window.queueClick();
        window.queueSpace();
    });
    RunBlockingStep([] { std::this_thread::sleep_for(std::chrono::milliseconds(100)); });
    QDialog modal;
    modal.setModal(true);
    modal.show();
    QTest::qWait(100);
    EXPECT_EQ(window.clicks, 0);
    modal.hide();
    QTest::qWait(50);
    EXPECT_EQ(window.clicks, 0) << "held input came after the modal window closed";
}
