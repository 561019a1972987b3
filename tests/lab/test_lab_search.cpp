#include "lab/Lab.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/Protocol.h"

#include <gtest/gtest.h>

using telvorin::lab::Lab;

TEST(LabSearch, FixtureSmoke)
{
    Lab lab(Lab::defaultConfig());
    ASSERT_TRUE(lab.ok()) << lab.error();
    lab.enterPc();
    telvorin::PosixSocketLayer sockets;
    telvorin::SteadyClock clock;
    telvorin::Protocol protocol(sockets, clock, nullptr);
    protocol.OpenTransport();
    ASSERT_EQ(protocol.interfaces.count, 2);
    protocol.SearchDevices(3, 3);
    protocol.CloseTransport();
    lab.leavePc();
    EXPECT_EQ(protocol.devices.count(), 3);
    EXPECT_FALSE(lab.requests(0).empty());
}
