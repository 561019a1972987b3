// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

class QObject;

namespace telvorin {

// A step that waits (a search, a transaction, a mount or unmount, a query loop) runs on
// the program's one step thread while the UI thread stays in an event loop of its own:
// the windows keep painting and answering the desktop, user input (clicks, keys, close
// requests of the window system) is held back and delivered after the step, in order, as
// behind a blocking call, and the cursor shows busy. Steps run one at a time, in the
// order they were started, so whatever a step touches (the protocol state, a drive
// service) is used by one thread at a time: the UI thread leaves it alone meanwhile,
// since no input reaches a handler until the step is over.
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

// Runs `action` on the UI thread once no step is running: at once when none is, else
// queued behind the step's end. Dropped when `context` is gone by then. For events that
// arrive during a step and must not act under it, such as a close request.
void AfterBlockingSteps(QObject* context, std::function<void()> action);

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
