// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/Protocol.h"

#include "protocol/Replies.h"
#include "protocol/Wire.h"

#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace telvorin {

namespace {

constexpr int SearchPolls = 32;
constexpr int SelectMs = 10;
constexpr int SendPauseMs = 50;
constexpr int PollPauseMs = 20;
// Two sends with their pauses, 32 selects and the 31 pauses between them.
constexpr int WindowMs = 2 * SendPauseMs + SearchPolls * SelectMs + (SearchPolls - 1) * PollPauseMs;
// Datagrams read in one poll beyond the first. Enough for a crowded segment; a flood on
// one link must not keep the other windows from their polls.
constexpr int DrainPerPoll = 1024;

// One slot's search window. Every window goes through the steps of a lone window on its
// own schedule: two sends 50 ms apart, 50 ms, then up to 32 polls (a select of 10 ms and
// a pause of 20 ms) within its time bound. From the first send to the first poll the
// window also reads what arrives, so a device that answers at once is listed at once;
// those reads count as no poll, so the polls, the window's end and its list stay the
// same.
struct Window {
    enum class Step { Send, Pause, Select, Done };

    int slot = 0;
    int sendSocket = -1;
    int receiveSocket = -1;
    std::string localAddress;
    Step step = Step::Send;
    int copiesSent = 0;
    int polls = 0;
    std::int64_t dueMs = 0;       // the next send, or the end of the pause
    std::int64_t selectEndMs = 0; // while selecting
    std::int64_t deadlineMs = 0;
    std::vector<DeviceRecord>* replies = nullptr;
    std::unordered_set<std::string> seen;
    std::unordered_map<std::uint32_t, int> perSender; // records kept, by source address
    bool full = false;

    // Between the first send and the first poll.
    bool listening() const
    {
        return (step == Step::Send && copiesSent > 0) || (step == Step::Pause && polls == 0);
    }
};

// The final list's records heard so far, in final order (slot, then arrival), for a
// streaming caller: where each new record goes, and which one an earlier slot takes over.
class StreamedList {
public:
    StreamedList(const Protocol::SearchStream& stream, int slots)
        : stream_(stream)
        , shown_(static_cast<std::size_t>(slots))
    {
    }

    void heard(const DeviceRecord& record, int slot)
    {
        const std::string ip = record.ipText.str();
        if (const auto it = slotOf_.find(ip); it != slotOf_.end()) {
            if (it->second <= slot)
                return; // the earlier slot keeps it
            auto& later = shown_[static_cast<std::size_t>(it->second)];
            const auto at = std::find(later.begin(), later.end(), ip);
            const std::size_t row = rowsBefore(it->second) + static_cast<std::size_t>(at - later.begin());
            later.erase(at);
            if (stream_.withdrawn)
                stream_.withdrawn(row);
        }
        slotOf_[ip] = slot;
        shown_[static_cast<std::size_t>(slot)].push_back(ip);
        if (stream_.found)
            stream_.found(record, rowsBefore(slot + 1) - 1);
    }

private:
    std::size_t rowsBefore(int slot) const
    {
        std::size_t rows = 0;
        for (int s = 0; s < slot; ++s)
            rows += shown_[static_cast<std::size_t>(s)].size();
        return rows;
    }

    const Protocol::SearchStream& stream_;
    std::vector<std::vector<std::string>> shown_; // per slot, addresses in arrival order
    std::unordered_map<std::string, int> slotOf_;
};

} // namespace

Protocol::SearchReplies Protocol::collectSearchReplies(int selector1, int selector2,
                                                       const SearchStream* stream)
{
    if (std::this_thread::get_id() == opener_)
        followInterfaces();
    SearchReplies result;
    const int count = std::clamp(interfaces.count, 0, MaxInterfaces);
    result.perSlot.resize(static_cast<std::size_t>(count));
    if (count == 0)
        return result;

    std::array<std::uint8_t, DatagramCapacity> request{};
    const int length = BuildSearchRequest(SendBuffer(request));
    const auto requestBytes = std::span(request.data(), static_cast<std::size_t>(length));

    std::optional<StreamedList> streamed;
    if (stream)
        streamed.emplace(*stream, count);

    const std::int64_t start = clock_.nowMs();
    std::vector<Window> windows(static_cast<std::size_t>(count));
    for (int slot = 0; slot < count; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        Window& w = windows[index];
        w.slot = slot;
        w.sendSocket = interfaces.sendSocket[index];
        w.receiveSocket = interfaces.receiveSocket[index];
        w.localAddress = interfaces.address[index].str();
        w.dueMs = start;
        w.deadlineMs = start + WindowMs + CutOffMs;
        w.replies = &result.perSlot[index];
    }

    Datagram reply;
    // Reads one datagram of the window; false on a receive error, which is no poll.
    auto receiveOne = [&](Window& w) {
        std::uint32_t sender = 0;
        reply.length =
            sockets_.receiveFrom(w.receiveSocket, std::span(reply.bytes.data(), DatagramCapacity), sender);
        if (reply.length < 0)
            return false;
        reply.length = std::min(reply.length, DatagramCapacity);
        reply.bytes[static_cast<std::size_t>(reply.length)] = 0;
        const auto d = reply.view();
        if (!CheckClientId(d))
            return true;
        auto record = ParseSearchReply(d, w.slot, selector1, selector2);
        if (!record || w.seen.contains(record->ipText.str()))
            return true;
        // A real device answers for itself; one sender speaking for many addresses is a
        // flood, which must not crowd out the devices heard after it.
        int& fromSender = w.perSender[sender];
        if (fromSender >= MaxRecordsPerSender)
            return true;
        if (static_cast<int>(w.seen.size()) >= MaxRecordsPerWindow) {
            if (!w.full)
                reportWindowBound(w.slot, w.localAddress, std::nullopt);
            w.full = true;
            return true;
        }
        if (++fromSender == MaxRecordsPerSender)
            reportWindowBound(w.slot, w.localAddress, sender);
        w.seen.insert(record->ipText.str());
        w.replies->push_back(*record);
        if (streamed)
            streamed->heard(*record, w.slot);
        return true;
    };
    auto countPoll = [&](Window& w, std::int64_t at) {
        if (++w.polls >= SearchPolls || at + PollPauseMs >= w.deadlineMs) {
            w.step = Window::Step::Done;
            return;
        }
        w.step = Window::Step::Pause;
        w.dueMs = at + PollPauseMs;
    };

    std::vector<Window*> selecting;
    std::vector<int> selectSockets;
    for (;;) {
        const std::int64_t now = clock_.nowMs();
        // Sends and pause ends that are due, in slot order.
        bool active = false;
        std::int64_t nextDue = LLONG_MAX;
        for (Window& w : windows) {
            if (w.step != Window::Step::Done && now >= w.deadlineMs)
                w.step = Window::Step::Done;
            if (w.step == Window::Step::Done)
                continue;
            active = true;
            if (w.step == Window::Step::Send && now >= w.dueMs) {
                sockets_.setMulticastInterface(w.sendSocket, w.localAddress);
                sockets_.sendToGroup(w.sendSocket, requestBytes);
                w.dueMs = now + SendPauseMs;
                if (++w.copiesSent == 2)
                    w.step = Window::Step::Pause;
            } else if (w.step == Window::Step::Pause && now >= w.dueMs) {
                w.step = Window::Step::Select;
                w.selectEndMs = now + SelectMs;
            }
            nextDue = std::min(nextDue, w.step == Window::Step::Select ? w.selectEndMs : w.dueMs);
        }
        if (!active)
            break;

        selecting.clear();
        selectSockets.clear();
        for (Window& w : windows)
            if (w.step == Window::Step::Select || w.listening()) {
                selecting.push_back(&w);
                selectSockets.push_back(w.receiveSocket);
            }
        const int timeoutMs = static_cast<int>(std::max<std::int64_t>(0, nextDue - now));
        if (selecting.empty()) {
            clock_.sleepMs(std::max(timeoutMs, 1));
            continue;
        }

        std::array<bool, MaxInterfaces> readable{};
        const bool any =
            sockets_.waitAnyReadable(selectSockets, timeoutMs, std::span(readable.data(), selecting.size()));
        // A wait that came back early with nothing (or a layer whose waits take no time)
        // still stands for its whole time-out.
        if (!any && clock_.nowMs() < now + timeoutMs)
            clock_.sleepMs(static_cast<int>(now + timeoutMs - clock_.nowMs()));
        const std::int64_t after = clock_.nowMs();
        for (std::size_t i = 0; i < selecting.size(); ++i) {
            Window& w = *selecting[i];
            if (w.listening()) {
                for (int read = 0; readable[i] && read < DrainPerPoll && clock_.nowMs() < w.deadlineMs;
                     ++read) {
                    if (!receiveOne(w) || !sockets_.waitReadable(w.receiveSocket, 0))
                        break;
                }
                continue;
            }
            if (readable[i]) {
                // A receive error is no poll: the select starts again.
                if (!receiveOne(w)) {
                    w.selectEndMs = clock_.nowMs() + SelectMs;
                    continue;
                }
                // Read what is already waiting, so that a crowded segment is listed whole
                // however many devices answer within the window.
                for (int extra = 0; extra < DrainPerPoll && clock_.nowMs() < w.deadlineMs &&
                                    sockets_.waitReadable(w.receiveSocket, 0);
                     ++extra)
                    if (!receiveOne(w))
                        break;
                countPoll(w, clock_.nowMs());
            } else if (after >= w.selectEndMs) {
                countPoll(w, after);
            }
        }
    }
    return result;
}

void Protocol::mergeSearchReplies(const SearchReplies& replies)
{
    devices.clear();
    listFullReported_ = false;
    // Slot order, then arrival order: the first slot that heard an address keeps it.
    for (const auto& slotReplies : replies.perSlot)
        for (const DeviceRecord& record : slotReplies)
            if (devices.add(record) == DeviceList::Added::Full)
                reportListFull();
}

void Protocol::SearchDevices(int selector1, int selector2)
{
    devices.clear();
    mergeSearchReplies(collectSearchReplies(selector1, selector2, nullptr));
}

void Protocol::SearchDevices(int selector1, int selector2, const SearchStream& stream)
{
    devices.clear();
    mergeSearchReplies(collectSearchReplies(selector1, selector2, &stream));
}

} // namespace telvorin
