// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HeldClicks.h"

#include "ui/BlockingStep.h"

#include <QCoreApplication>
#include <QInputEvent>
#include <QMouseEvent>
#include <QTreeWidget>

#include <algorithm>
#include <array>
#include <chrono>
#include <limits>
#include <optional>

namespace telvorin {

namespace {

// Input held back by a step reaches the window right after the step; only input seen well
// away from that tells how the window system's clock relates to ours.
constexpr std::int64_t AfterHoldMs = 250;
// Input made this long before a hold began would have been delivered before it.
constexpr std::int64_t PlausibleMs = 1000;

// The offset between the window system's input clock and the steady clock: the least
// (steady now - timestamp) of recent input, since delivery only ever adds delay.
class InputClock final : public QObject {
public:
    static InputClock& instance()
    {
        // Never destroyed, like the application's other singletons; it watches the input
        // of the application that exists when the first list asks.
        static InputClock* const clock = [] {
            auto* c = new InputClock;
            if (QCoreApplication* app = QCoreApplication::instance())
                app->installEventFilter(c);
            return c;
        }();
        return *clock;
    }

    void heldInputEnds(std::int64_t atMs) { lastHoldEndMs_ = atMs; }

    // Whether this press came from the window system, through the window, rather than
    // being sent to a widget directly (as by a test or a program).
    bool fromWindowSystem(const QInputEvent* press) const
    {
        return lastWindowPress_ && *lastWindowPress_ == press->timestamp();
    }

    std::int64_t toSteadyMs(std::uint64_t timestamp) const
    {
        const auto stamp = static_cast<std::int64_t>(timestamp);
        if (count_ > 0)
            return stamp + *std::min_element(offsets_.begin(), offsets_.begin() + count_);
        // Monotonic milliseconds, cut to 32 bits by X11.
        const std::int64_t now = SteadyNowMs();
        constexpr std::int64_t Wrap = std::int64_t{1} << 32;
        return now - ((now - stamp) % Wrap + Wrap) % Wrap;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Window system input reaches its window first; only that tells the window
        // system's clock.
        if (watched->isWindowType() && IsInput(event->type())) {
            const std::uint64_t stamp = static_cast<QInputEvent*>(event)->timestamp();
            if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
                lastWindowPress_ = stamp;
            const std::int64_t now = SteadyNowMs();
            if (stamp != 0 && !BlockingStepRunning() &&
                (lastHoldEndMs_ < 0 || now - lastHoldEndMs_ > AfterHoldMs)) {
                offsets_[next_] = now - static_cast<std::int64_t>(stamp);
                next_ = (next_ + 1) % offsets_.size();
                count_ = std::min<std::ptrdiff_t>(count_ + 1, static_cast<std::ptrdiff_t>(offsets_.size()));
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static bool IsInput(QEvent::Type type)
    {
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel: return true;
        default: return false;
        }
    }

    // Recent samples only, should the two clocks drift apart over a long session.
    std::array<std::int64_t, 32> offsets_{};
    std::size_t next_ = 0;
    std::ptrdiff_t count_ = 0;
    std::int64_t lastHoldEndMs_ = -1;
    std::optional<std::uint64_t> lastWindowPress_;
};

} // namespace

std::int64_t SteadyNowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::int64_t InputTimeToSteadyMs(std::uint64_t timestamp)
{
    return InputClock::instance().toSteadyMs(timestamp);
}

HeldClicks::HeldClicks(QTreeWidget* list, int keyColumn)
    : QObject(list)
    , list_(list)
    , keyColumn_(keyColumn)
{
    InputClock::instance();
    list->viewport()->installEventFilter(this);
}

void HeldClicks::hold()
{
    layouts_.clear();
    releasedMs_ = -1;
    layoutChanged();
}

void HeldClicks::layoutChanged()
{
    layouts_.push_back(current());
}

void HeldClicks::release()
{
    layoutChanged();
    releasedMs_ = SteadyNowMs();
    InputClock::instance().heldInputEnds(releasedMs_);
}

HeldClicks::Layout HeldClicks::current() const
{
    Layout layout{SteadyNowMs(), {}};
    const int height = list_->viewport()->height();
    for (QTreeWidgetItem* item = list_->itemAt(0, 0); item; item = list_->itemBelow(item)) {
        const QRect rect = list_->visualItemRect(item);
        if (rect.top() >= height)
            break;
        layout.rows.push_back({rect.top(), rect.bottom(), item->text(keyColumn_)});
    }
    return layout;
}

QString HeldClicks::keyAt(int y, std::int64_t atMs) const
{
    auto under = [y](const Layout& layout) {
        for (const Row& row : layout.rows)
            if (y >= row.top && y <= row.bottom)
                return row.key;
        return QString();
    };
    // The layout in force at the click, and every one that came within the unsure span
    // around it: all must agree.
    std::size_t first = 0;
    for (std::size_t i = 0; i < layouts_.size(); ++i)
        if (layouts_[i].atMs <= atMs - UnsureMs)
            first = i;
    const QString key = under(layouts_[first]);
    for (std::size_t i = first + 1; i < layouts_.size() && layouts_[i].atMs <= atMs + UnsureMs; ++i)
        if (under(layouts_[i]) != key)
            return {};
    return key;
}

bool HeldClicks::eventFilter(QObject* watched, QEvent* event)
{
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (!press || releasedMs_ < 0 || layouts_.empty())
        return QObject::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (!InputClock::instance().fromWindowSystem(mouse))
        return QObject::eventFilter(watched, event);
    const std::int64_t madeMs = InputTimeToSteadyMs(mouse->timestamp());
    // Made after the rows settled, the list as it is now is what the user saw. One made
    // long before the hold began was not held by it: the clocks disagree, and the list
    // as it is now is the best guess.
    if (madeMs >= releasedMs_ || madeMs < layouts_.front().atMs - PlausibleMs)
        return QObject::eventFilter(watched, event);

    const int y = mouse->position().toPoint().y();
    const QString key = keyAt(y, madeMs);
    const QTreeWidgetItem* now = list_->itemAt(0, y);
    if (!key.isNull() && now && now->text(keyColumn_) == key)
        return QObject::eventFilter(watched, event); // the same device is still there

    QTreeWidgetItem* target = nullptr;
    if (!key.isNull())
        for (int i = 0; i < list_->topLevelItemCount() && !target; ++i)
            if (list_->topLevelItem(i)->text(keyColumn_) == key)
                target = list_->topLevelItem(i);
    if (target) {
        list_->setCurrentItem(target);
    } else {
        list_->setCurrentItem(nullptr);
        list_->clearSelection();
    }
    return true;
}

} // namespace telvorin
