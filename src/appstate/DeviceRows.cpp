// SPDX-License-Identifier: GPL-3.0-or-later
#include "appstate/DeviceRows.h"

#include "appstate/MainContext.h"
#include "protocol/Protocol.h"
#include "rules/EmptySearch.h"
#include "ui/BlockingStep.h"
#include "ui/HeldClicks.h"
#include "ui/ReportList.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTreeWidget>

#include <mutex>
#include <vector>

namespace telvorin {

namespace {

constexpr int IpColumn = 1;
// The UI thread inserts rows for at most this long at a time, then lets the event loop
// turn, so a crowded network streams in without a stall.
constexpr int RowsBatchMs = 8;

QString Text(std::string_view text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList Columns(const DeviceRecord& device)
{
    return {Text(device.name.view()), Text(device.ipText.view()), Text(device.netmaskText.view()),
            Text(device.gatewayText.view())};
}

// Carries a streaming search's rows from the step thread to the list on the UI thread.
class RowFeed final : public QObject {
public:
    explicit RowFeed(QTreeWidget* list)
        : list_(list)
    {
    }

    Protocol::SearchStream stream()
    {
        return {[this](const DeviceRecord& device, std::size_t row) {
                    post({row, Columns(device)});
                },
                [this](std::size_t row) {
                    post({row, {}});
                }};
    }

    // On the UI thread, once the search is over: whatever is still on its way.
    void drainAll() { drain(false); }

private:
    struct Change {
        std::size_t row;
        QStringList columns; // empty: the row goes
    };

    void post(Change change)
    {
        const std::lock_guard lock(mutex_);
        pending_.push_back(std::move(change));
        if (pending_.size() == 1 && !drainPosted_) {
            drainPosted_ = true;
            QMetaObject::invokeMethod(
                this, [this] { drain(true); }, Qt::QueuedConnection);
        }
    }

    void drain(bool timeBoxed)
    {
        std::vector<Change> changes;
        {
            const std::lock_guard lock(mutex_);
            drainPosted_ = false;
            changes.swap(pending_);
        }
        QElapsedTimer spent;
        spent.start();
        std::size_t done = 0;
        for (; done < changes.size() && !(timeBoxed && spent.elapsed() >= RowsBatchMs); ++done) {
            const Change& change = changes[done];
            const int row = static_cast<int>(change.row);
            if (change.columns.isEmpty())
                delete list_->takeTopLevelItem(row);
            else
                list_->insertTopLevelItem(row, new QTreeWidgetItem(change.columns));
        }
        if (done < changes.size()) {
            // The rest waits for the next turn, ahead of what has come in meanwhile.
            const std::lock_guard lock(mutex_);
            pending_.insert(pending_.begin(), changes.begin() + static_cast<std::ptrdiff_t>(done),
                            changes.end());
            if (!drainPosted_) {
                drainPosted_ = true;
                QMetaObject::invokeMethod(
                    this, [this] { drain(true); }, Qt::QueuedConnection);
            }
        }
    }

    QTreeWidget* list_;
    std::mutex mutex_;
    std::vector<Change> pending_;
    bool drainPosted_ = false;
};

// Clicks held back during a search go to the device they were made on.
void WatchHeldClicks(QTreeWidget* list)
{
    if (!list->findChild<HeldClicks*>(QString(), Qt::FindDirectChildrenOnly))
        new HeldClicks(list, IpColumn);
}

void ShowWhyEmpty(MainContext& ctx)
{
    QTreeWidget* list = ctx.controls.deviceList;
    QString why;
    if (list->topLevelItemCount() == 0) {
        const Protocol* protocol = ctx.services.protocol;
        why = protocol && protocol->interfaces.count > 0 ? QString::fromUtf8(NoReplyText).arg(ProtocolPort)
                                                         : QString::fromUtf8(NoNetworkText);
    }
    if (auto* report = qobject_cast<ReportList*>(list))
        report->setEmptyText(why);
    // Screen readers read it with the list, where a sighted user sees the text.
    list->setAccessibleDescription(why);
}

} // namespace

void SearchAndShowDevices(MainContext& ctx)
{
    MainControls& c = ctx.controls;
    c.deviceList->clear();
    c.volumeList->clear();
    // No reason shows while the search may still hear a device.
    if (auto* report = qobject_cast<ReportList*>(c.deviceList))
        report->setEmptyText({});

    // The button is disabled during the search so a second press cannot queue another.
    // Disabling it would hand its focus on to "Configuration", where the next Enter or
    // Space would land; the focus comes back to it afterwards.
    const bool refreshHadFocus = c.refresh->window()->focusWidget() == c.refresh;
    c.refresh->setEnabled(false);
    WatchHeldClicks(c.deviceList);
    if (Protocol* protocol = ctx.services.protocol) {
        // Each device shows as soon as it answers, at its place in the final list.
        // The interfaces are those of this thread's network, not the step thread's.
        protocol->followInterfaces();
        RowFeed feed(c.deviceList);
        const Protocol::SearchStream stream = feed.stream();
        RunBlockingStep([protocol, &stream] { protocol->SearchDevices(3, 3, stream); });
        feed.drainAll();
    }
    ShowWhyEmpty(ctx);
    c.refresh->setEnabled(true);
    if (refreshHadFocus)
        c.refresh->setFocus();

    // No row is current either: the list would draw the current row like a selected one
    // (and make the first row current when it gets the focus), while nothing is selected
    // until the user clicks a device.
    c.deviceList->setCurrentItem(nullptr);
    // No row is highlighted, so no device is selected, whatever was before.
    ctx.DeviceSelected = 0;
    if (ctx.searched)
        ctx.searched();
}

} // namespace telvorin
