// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

class QObject;
class QWidget;

namespace telvorin {

// A step that waits (a search, a transaction, a mount or unmount, a query loop) runs on
// the program's one step thread while the UI thread stays in an event loop of its own:
// the windows keep painting and answering the desktop, and the cursor shows busy. User
// input that the window system sends meanwhile (clicks, keys, close requests) is kept as
// it arrives and delivered after the step, in order, as behind a blocking call. Steps run
// one at a time, in the order they were started, so whatever a step touches (the
// protocol state, a drive service) is used by one thread at a time: the UI thread leaves
// it alone meanwhile, since no input reaches a handler until the step is over.
//
//   const int found = RunBlockingStep([&] { return protocol.GetVolumeList(); });
//
// A step never opens a widget. When it needs the user (a password prompt), it asks
// through AskOnUiThread, which runs the question on the UI thread, with the normal cursor,
// and hands back its answer. Called off the UI thread (from within a step) or without a
// QCoreApplication, RunBlockingStep runs the step at once on the calling thread.
// An exception thrown by the step is thrown again from RunBlockingStep.
template <typename Step> std::invoke_result_t<Step&> RunBlockingStep(Step&& step);

// Runs `question` on the UI thread and returns its result; at once when called there.
template <typename Question> std::invoke_result_t<Question&> AskOnUiThread(Question&& question);

// Whether the UI thread is waiting for a step now (false on any other thread).
bool BlockingStepRunning();
// Whether user input is held back now: a step is running and is not asking the user
// through AskOnUiThread at the moment (false on any other thread).
bool BlockingStepHoldsInput();

// Runs `action` on the UI thread once no step and no HandlerRun is under way: at once
// when none is, else queued behind them and behind the input they hold, in order.
// Dropped when `context` is gone by then. For work that must not run under a step or
// another handler, such as a button's handler or a close request.
void AfterBlockingSteps(QObject* context, std::function<void()> action);
// Drops the actions queued for `context` that have not started.
void DropQueuedActions(const QObject* context);
// Whether an action waits in the queue.
bool ActionsQueued();

// While one lives (on the UI thread), queued actions wait for its end as for a step's,
// so handlers run one at a time; input is not held back by it.
class HandlerRun {
public:
    HandlerRun();
    ~HandlerRun();
    HandlerRun(const HandlerRun&) = delete;
    HandlerRun& operator=(const HandlerRun&) = delete;
};
// Whether a step or a HandlerRun is under way now.
bool HandlerOrStepRunning();

// Told of each press (or double click) that a step holds back, as it arrives: the widget
// under the pointer and the point in it. It may hand back what to do in the press's place
// when the press is delivered, which tells whether the press is done with; with nothing
// handed back, or when that says no, the press is delivered as it came.
using HeldPressWatch = std::function<std::function<bool()>(QWidget* under, QPoint at, bool doubleClick)>;
// The watch ends with `owner`.
void WatchHeldPresses(QObject* owner, HeldPressWatch watch);

namespace detail {
void RunStep(const std::function<void()>& step);
void RunQuestion(const std::function<void()>& question);

template <typename Call, typename Runner> std::invoke_result_t<Call&> RunWith(Call& call, Runner runner)
{
    using Result = std::invoke_result_t<Call&>;
    if constexpr (std::is_void_v<Result>) {
        runner([&] { call(); });
    } else {
        std::optional<Result> result;
        runner([&] { result.emplace(call()); });
        return std::move(*result);
    }
}
} // namespace detail

template <typename Step> std::invoke_result_t<Step&> RunBlockingStep(Step&& step)
{
    return detail::RunWith(step, detail::RunStep);
}

template <typename Question> std::invoke_result_t<Question&> AskOnUiThread(Question&& question)
{
    return detail::RunWith(question, detail::RunQuestion);
}

} // namespace telvorin
