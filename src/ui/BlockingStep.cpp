// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BlockingStep.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace telvorin {

namespace {

// The one thread that runs steps, in the order they come. One long-lived thread rather
// than one per step: GIO keeps its connections to the GVfs daemons per thread.
class StepThread {
public:
    static StepThread& instance()
    {
        // Never destroyed: it may still be waiting for work while the process exits.
        static StepThread* const thread = new StepThread;
        return *thread;
    }

    void post(std::function<void()> job)
    {
        {
            const std::lock_guard lock(mutex_);
            jobs_.push_back(std::move(job));
        }
        wake_.notify_one();
    }

private:
    StepThread()
        : thread_([this] { run(); })
    {
        thread_.detach();
    }

    void run()
    {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return !jobs_.empty(); });
                job = std::move(jobs_.front());
                jobs_.pop_front();
            }
            job();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    std::thread thread_;
};

// State of the UI thread only. What it is inside of, innermost last; the busy cursor, the
// held input and the queue all follow from it.
enum class Nesting { Handler, Step, Question };
std::vector<Nesting> nesting;
bool busyShown = false;

// Held input (an event for a window) and queued actions, in the order they came.
struct Deferred {
    QPointer<QObject> target;
    std::unique_ptr<QEvent> event; // input to deliver to target
    std::function<bool()> instead; // for a press: what replaces it, if anything
    std::function<void()> action;  // else an action, dropped when target is gone
};
std::deque<Deferred> deferred;
bool drainPosted = false;

struct Watch {
    QPointer<QObject> owner;
    HeldPressWatch watch;
};
std::vector<Watch> watches;

bool OnUiThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

bool StepInside()
{
    return std::ranges::find(nesting, Nesting::Step) != nesting.end();
}

QWidget* WidgetOf(const QWindow* window)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->windowHandle() == window)
                return top;
    return nullptr;
}

void Drain();

void Changed()
{
    // The wait cursor shows while a step waits, not while it asks the user.
    const bool busy = !nesting.empty() && nesting.back() == Nesting::Step &&
                      qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (busy != busyShown) {
        busyShown = busy;
        if (busy)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QGuiApplication::restoreOverrideCursor();
    }
    // Queued, so the code that started the step or handler finishes first.
    if (!drainPosted && !deferred.empty() && !StepInside()) {
        drainPosted = true;
        QMetaObject::invokeMethod(QCoreApplication::instance(), &Drain, Qt::QueuedConnection);
    }
}

class Nest {
public:
    explicit Nest(Nesting kind)
    {
        nesting.push_back(kind);
        Changed();
    }
    ~Nest()
    {
        nesting.pop_back();
        Changed();
    }
    Nest(const Nest&) = delete;
    Nest& operator=(const Nest&) = delete;
};

// Input goes on when no step runs; an action only when nothing at all does.
void Drain()
{
    drainPosted = false;
    while (!deferred.empty() && (deferred.front().event ? !StepInside() : nesting.empty())) {
        Deferred next = std::move(deferred.front());
        deferred.pop_front();
        if (!next.target)
            continue;
        if (!next.event) {
            next.action();
            continue;
        }
        // A window hidden since takes no input; one that a modal window blocks by now
        // drops it, as it drops the window system's input.
        const auto* window = static_cast<const QWindow*>(next.target.data());
        if (!window->isVisible())
            continue;
        if (!(next.instead && next.instead()))
            QCoreApplication::sendEvent(next.target.data(), next.event.get());
    }
}

bool IsWindowInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::Close:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease: return true;
    default: return false;
    }
}

// Sees the window system's input as it reaches a window and keeps it while a step holds
// input. Events sent to a widget directly (by the program itself, a screen reader's
// action) are not the window system's and pass.
class InputHold final : public QObject {
public:
    static void ensure()
    {
        static InputHold* const hold = [] {
            auto* h = new InputHold;
            QCoreApplication::instance()->installEventFilter(h);
            return h;
        }();
        (void)hold;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!IsWindowInput(event->type()) || !watched->isWindowType() || !BlockingStepHoldsInput())
            return false;
        Deferred held{watched, std::unique_ptr<QEvent>(event->clone()), {}, {}};
        const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
        if (event->type() == QEvent::MouseButtonPress || doubleClick) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (QWidget* top = WidgetOf(static_cast<QWindow*>(watched)))
                if (QWidget* under = top->childAt(at))
                    for (const Watch& w : watches)
                        if (w.owner && !held.instead)
                            held.instead = w.watch(under, under->mapFrom(top, at), doubleClick);
        }
        deferred.push_back(std::move(held));
        // Not taken yet: it is the program's to take after the step.
        event->ignore();
        return true;
    }
};

} // namespace

bool BlockingStepRunning()
{
    return OnUiThread() && StepInside();
}

bool BlockingStepHoldsInput()
{
    return OnUiThread() && !nesting.empty() && nesting.back() == Nesting::Step;
}

bool HandlerOrStepRunning()
{
    return OnUiThread() && !nesting.empty();
}

HandlerRun::HandlerRun()
{
    nesting.push_back(Nesting::Handler);
}

HandlerRun::~HandlerRun()
{
    nesting.pop_back();
    Changed();
}

void AfterBlockingSteps(QObject* context, std::function<void()> action)
{
    if (!context)
        return;
    if (!HandlerOrStepRunning()) {
        action();
        return;
    }
    deferred.push_back({context, nullptr, {}, std::move(action)});
}

void DropQueuedActions(const QObject* context)
{
    std::erase_if(deferred, [context](const Deferred& d) { return !d.event && d.target == context; });
}

bool ActionsQueued()
{
    return std::ranges::any_of(deferred, [](const Deferred& d) { return !d.event; });
}

void WatchHeldPresses(QObject* owner, HeldPressWatch watch)
{
    std::erase_if(watches, [](const Watch& w) { return !w.owner; });
    watches.push_back({owner, std::move(watch)});
}

namespace detail {

void RunStep(const std::function<void()>& step)
{
    if (!OnUiThread()) {
        step();
        return;
    }
    InputHold::ensure();

    QEventLoop loop;
    std::promise<void> finished;
    std::future<void> ended = finished.get_future();
    std::exception_ptr error;
    {
        const Nest nest(Nesting::Step);
        StepThread::instance().post([&] {
            try {
                step();
            } catch (...) {
                error = std::current_exception();
            }
            // The queued quit reaches the loop even when it has not started yet.
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
            finished.set_value();
        });
        // Returns early only when the whole application is told to quit; the step is then
        // waited for as a blocking call would be.
        loop.exec();
        ended.wait();
    }
    if (error)
        std::rethrow_exception(error);
}

void RunQuestion(const std::function<void()>& question)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || OnUiThread()) {
        question();
        return;
    }
    std::exception_ptr error;
    QMetaObject::invokeMethod(
        app,
        [&] {
            const Nest nest(Nesting::Question);
            try {
                question();
            } catch (...) {
                error = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (error)
        std::rethrow_exception(error);
}

} // namespace detail

} // namespace telvorin
