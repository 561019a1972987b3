// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A test suite that plays a flow on the real main window against the lab's emulated
// devices: one lab per suite, a fresh rig and main window per test.

#include "app/MainDialog.h"
#include "flows/FlowRig.h"
#include "lab/LabTest.h"
#include "protocol/RequestBytes.h"
#include "ui/ModalHelper.h"

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace telvorin::test {

// The suite starts its lab with startLab(devices) in SetUpTestSuite.
class FlowLab : public lab::LabTest {
protected:
    void SetUpInLab() override
    {
        rig_ = std::make_unique<FlowRig>(Payload());
        rig_->open();
        window_ = std::make_unique<MainDialog>(rig_->services());
        window_->show();
        lab_->clearRequests();
    }
    void TearDownInLab() override
    {
        window_.reset();
        rig_.reset();
        EXPECT_NO_WINDOW_LEFT();
    }

    // The build's stand-in device files.
    static std::string Payload() { return std::string(TELVORIN_STANDIN_HOME) + "/telvorin/payload"; }

    // Selects the device and presses the button; returns when the flow has ended.
    void runFlow(const char* device, QPushButton* MainControls::*button)
    {
        ASSERT_TRUE(ClickDeviceRow(window_->controls().deviceList, QString::fromLatin1(device))) << device;
        ASSERT_EQ(window_->context().DeviceSelected, 1);
        lab_->clearRequests();
        QTest::mouseClick(window_->controls().*button, Qt::LeftButton);
    }

    // The flow ended with this one message over the main window, with no caption or icon.
    void expectOnlyMessage(const char* text)
    {
        ASSERT_EQ(rig_->messages.count(), 1u);
        const RecordedMessage& m = rig_->messages.last();
        EXPECT_EQ(m.text, QString::fromUtf8(text));
        EXPECT_TRUE(m.caption.isEmpty());
        EXPECT_EQ(m.icon, MessageIcon::None);
        EXPECT_EQ(m.owner, window_.get());
    }

    // What the device was asked, searches left out.
    static std::vector<HeardRequest> heardBy(const char* device) { return Heard(lab_->bytesFor(device)); }
    static int asked(const char* device, int opcode, int item)
    {
        return CountOf(heardBy(device), opcode, item);
    }

    static int searches()
    {
        int n = 0;
        for (const lab::RecordedRequest& r : lab_->requests(0))
            n += r.device == "*" ? 1 : 0;
        return n;
    }

    std::unique_ptr<FlowRig> rig_;
    std::unique_ptr<MainDialog> window_;
};

} // namespace telvorin::test
