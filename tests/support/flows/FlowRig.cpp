// SPDX-License-Identifier: GPL-3.0-or-later
#include "flows/FlowRig.h"

#include <QApplication>
#include <QTest>
#include <QTreeWidget>

namespace telvorin::test {

void QuickTimers::set(int id, int ms, std::function<void()> tick)
{
    asked.emplace_back(id, ms);
    timers_.set(id, 0, std::move(tick));
}

bool RecordingBrowser::launchDefaultBrowser(const std::string& url)
{
    opened.push_back(url);
    return true;
}

bool RecordingBrowser::launchOpener(const std::string& url)
{
    opened.push_back(url);
    return true;
}

ModalScript::ModalScript(std::vector<Step> steps)
    : steps_(std::move(steps))
{
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalScript::poll);
    timer_.start();
}

void ModalScript::poll()
{
    if (finished()) {
        timer_.stop();
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal->property("scriptAnswered").toBool() ||
        modal->objectName() != steps_[static_cast<std::size_t>(next_)].objectName)
        return;
    modal->setProperty("scriptAnswered", true);
    auto action = steps_[static_cast<std::size_t>(next_)].action;
    ++next_;
    QTimer::singleShot(0, modal, [modal, action] { action(modal); });
}

FlowRig::FlowRig(const std::string& payloadDir)
    : deviceFiles(std::vector<std::string>{payloadDir})
{
    drives.setDriveType("C:", DriveFixed);
}

FlowRig::~FlowRig()
{
    if (protocol && protocol->transportOpen())
        protocol->CloseTransport();
}

void FlowRig::open()
{
    protocol = std::make_unique<Protocol>(sockets, protocolClock, nullptr);
    protocol->OpenTransport();
}

MainServices FlowRig::services()
{
    MainServices s;
    s.protocol = protocol.get();
    s.clock = &clock;
    s.messages = &messages;
    s.drives = &drives;
    s.browser = &browser;
    s.installState = &installState;
    s.share = &share;
    s.deviceFiles = &deviceFiles;
    s.staging = &staging;
    s.installTimers = &timers;
    return s;
}

bool ClickDeviceRow(QTreeWidget* list, const QString& name)
{
    const auto found = list->findItems(name, Qt::MatchExactly, 0);
    if (found.isEmpty())
        return false;
    // A row below the visible ones is scrolled into view first, as a user would.
    list->scrollToItem(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
    return true;
}

} // namespace telvorin::test
