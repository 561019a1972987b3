// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TextRoom.h"

#include <algorithm>
#include <climits>

namespace telvorin {

namespace {

constexpr int NoContainer = -1; // the window

int RightEdge(const QRect& r)
{
    return r.x() + r.width();
}

bool SameRow(const QRect& a, const QRect& b)
{
    return a.y() < b.y() + b.height() && b.y() < a.y() + a.height();
}

long long Area(const QRect& r)
{
    return static_cast<long long>(r.width()) * r.height();
}

class Room {
public:
    Room(std::span<const RoomControl> controls, QSize window, int gap)
        : controls_(controls)
        , gap_(gap)
    {
        layout_.window = window;
        for (const RoomControl& c : controls)
            layout_.rects.push_back(c.rect);
        // Each control's innermost group box, from the template's own geometry.
        container_.assign(controls.size(), NoContainer);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (std::size_t j = 0; j < controls.size(); ++j) {
                if (i == j || controls[j].role != RoomRole::Container ||
                    !controls[j].rect.contains(controls[i].rect))
                    continue;
                const int current = container_[i];
                if (current == NoContainer ||
                    Area(controls[j].rect) < Area(controls[std::size_t(current)].rect))
                    container_[i] = int(j);
            }
        }
    }

    RoomLayout run()
    {
        std::vector<std::vector<std::size_t>> units = textUnits();
        std::vector<bool> done(units.size(), false);
        for (std::size_t step = 0; step < units.size(); ++step) {
            // Left to right, so a strip put in for one text is already there when the
            // texts right of it measure their room.
            std::size_t pick = units.size();
            for (std::size_t u = 0; u < units.size(); ++u) {
                if (!done[u] &&
                    (pick == units.size() || RightEdge(rect(units[u][0])) < RightEdge(rect(units[pick][0]))))
                    pick = u;
            }
            done[pick] = true;
            grow(units[pick]);
        }
        return layout_;
    }

private:
    QRect& rect(std::size_t i) { return layout_.rects[i]; }

    // The controls that grow as one: the buttons of a column, every other text alone.
    std::vector<std::vector<std::size_t>> textUnits() const
    {
        std::vector<std::vector<std::size_t>> units;
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            const RoomControl& c = controls_[i];
            if (c.role == RoomRole::Fixed || c.needed <= 0)
                continue;
            auto column = units.end();
            if (c.role == RoomRole::Button) {
                column = std::find_if(units.begin(), units.end(), [&](const std::vector<std::size_t>& u) {
                    const RoomControl& first = controls_[u[0]];
                    return first.role == RoomRole::Button && first.rect.x() == c.rect.x() &&
                           first.rect.width() == c.rect.width();
                });
            }
            if (column == units.end())
                units.push_back({i});
            else
                column->push_back(i);
        }
        return units;
    }

    // Where the free room right of control `i` ends: its group box's (or the window's)
    // inner margin, or `gap` before the next control in its row.
    int roomEnd(std::size_t i)
    {
        const int owner = container_[i];
        int left = owner == NoContainer ? 0 : rect(std::size_t(owner)).x();
        int right = owner == NoContainer ? layout_.window.width() : RightEdge(rect(std::size_t(owner)));
        int margin = INT_MAX;
        for (std::size_t k = 0; k < controls_.size(); ++k) {
            if (k != std::size_t(owner) && container_[k] == owner)
                margin = std::min(margin, rect(k).x() - left);
        }
        int end = right - std::max(0, margin == INT_MAX ? 0 : margin);
        const QRect own = rect(i);
        for (std::size_t k = 0; k < controls_.size(); ++k) {
            const QRect other = rect(k);
            if (k == i || other.contains(own) || !SameRow(own, other) || other.x() < RightEdge(own))
                continue;
            end = std::min(end, other.x() - gap_);
        }
        return end;
    }

    void grow(const std::vector<std::size_t>& unit)
    {
        int more = 0;
        for (std::size_t i : unit)
            more = std::max(more, controls_[i].needed - rect(i).width());
        if (more <= 0)
            return;
        const int edge = RightEdge(rect(unit[0]));
        int room = INT_MAX;
        for (std::size_t i : unit)
            room = std::min(room, roomEnd(i) - edge);
        // A text that already reaches into its margin gets the margin back.
        const int strip = more - std::min(room, more);
        for (std::size_t i : unit)
            rect(i).setWidth(rect(i).width() + more);
        if (strip > 0)
            insertStrip(edge, strip, unit);
    }

    void insertStrip(int at, int width, const std::vector<std::size_t>& unit)
    {
        for (std::size_t k = 0; k < controls_.size(); ++k) {
            if (std::find(unit.begin(), unit.end(), k) != unit.end())
                continue;
            QRect& r = rect(k);
            if (r.x() >= at) {
                r.translate(width, 0);
            } else if (RightEdge(r) > at) {
                // A button keeps its size when the strip falls in its right half.
                if (controls_[k].role == RoomRole::Button && 2 * (at - r.x()) > r.width())
                    r.translate(width, 0);
                else
                    r.setWidth(r.width() + width);
            }
        }
        layout_.window.setWidth(layout_.window.width() + width);
    }

    std::span<const RoomControl> controls_;
    int gap_;
    RoomLayout layout_;
    std::vector<int> container_;
};

} // namespace

RoomLayout MakeRoomForTexts(std::span<const RoomControl> controls, QSize window, int gap)
{
    return Room(controls, window, gap).run();
}

} // namespace telvorin
