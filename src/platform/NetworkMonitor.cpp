// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NetworkMonitor.h"

#include <QSocketNotifier>

#include <cstdio>

namespace telvorin {

NetlinkMonitor::NetlinkMonitor()
{
    if (changes_.fd() < 0) {
        std::fprintf(stderr, "telvorin: network changes not watched\n");
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(changes_.fd(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
        if (changes_.drain() && changed_)
            changed_();
    });
}

NetlinkMonitor::~NetlinkMonitor() = default;

void NetlinkMonitor::setListener(std::function<void()> changed)
{
    changed_ = std::move(changed);
}

} // namespace telvorin
