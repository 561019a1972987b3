// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BlockingStep.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QThread>

#include <condition_variable>
#include <deque>
#include <exception>
#include <future>
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

// State of the UI thread only.
int stepDepth = 0;
// What the UI thread is inside of, innermost last: a step's wait or a step's question.
enum class Nesting { Step, Question };
std::vector<Nesting> nesting;
int busyCursors = 0;
struct Pending {
    QPointer<QObject> context;
    std::function<void()> action;
};
std::vector<Pending> afterSteps;

bool OnUiThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

bool HasCursor()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

class BusyCursor {
public:
    BusyCursor()
        : shown_(HasCursor())
    {
        if (shown_) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            ++busyCursors;
        }
    }
    ~BusyCursor()
    {
        if (shown_) {
            --busyCursors;
            QGuiApplication::restoreOverrideCursor();
        }
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool shown_;
};

// The busy cursors of the running steps step aside while the user is asked something.
class CursorsLifted {
public:
    CursorsLifted()
        : count_(HasCursor() ? busyCursors : 0)
    {
        for (int i = 0; i < count_; ++i)
            QGuiApplication::restoreOverrideCursor();
    }
    ~CursorsLifted()
    {
        for (int i = 0; i < count_; ++i)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    CursorsLifted(const CursorsLifted&) = delete;
    CursorsLifted& operator=(const CursorsLifted&) = delete;

private:
    int count_;
};

void RunAfterSteps()
{
    std::vector<Pending> pending;
    pending.swap(afterSteps);
    for (Pending& p : pending) {
        if (!p.context)
            continue;
        // Queued, so the code that started the step finishes first.
        QMetaObject::invokeMethod(
            p.context.data(),
            [context = p.context, action = std::move(p.action)]() mutable {
                AfterBlockingSteps(context.data(), std::move(action));
            },
            Qt::QueuedConnection);
    }
}

} // namespace

bool BlockingStepRunning()
{
    return OnUiThread() && stepDepth > 0;
}

bool BlockingStepHoldsInput()
{
    return OnUiThread() && !nesting.empty() && nesting.back() == Nesting::Step;
}

void AfterBlockingSteps(QObject* context, std::function<void()> action)
{
    if (!context)
        return;
    if (!BlockingStepRunning()) {
        action();
        return;
    }
    afterSteps.push_back({context, std::move(action)});
}

namespace detail {

void RunStep(const std::function<void()>& step)
{
    if (!OnUiThread()) {
        step();
        return;
    }

    QEventLoop loop;
    std::promise<void> finished;
    std::future<void> ended = finished.get_future();
    std::exception_ptr error;

    ++stepDepth;
    nesting.push_back(Nesting::Step);
    {
        const BusyCursor busy;
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
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        ended.wait();
    }
    nesting.pop_back();
    --stepDepth;
    if (stepDepth == 0)
        RunAfterSteps();
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
            const CursorsLifted normalCursor;
            nesting.push_back(Nesting::Question);
            try {
                question();
            } catch (...) {
                error = std::current_exception();
            }
            nesting.pop_back();
        },
        Qt::BlockingQueuedConnection);
    if (error)
        std::rethrow_exception(error);
}

} // namespace detail

} // namespace telvorin
