// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/EmptySearch.h"

#include <gtest/gtest.h>

namespace telvorin {
namespace {

TEST(EmptySearchText, SaysNoNetworkWithoutInterfacesAndOtherwiseNamesThePort)
{
    struct Row {
        int interfaces;
        const char* contains;
        const char* lacks;
    };
    const Row rows[] = {
        {0, "not connected to a network", "port"},
        {1, "firewall on this computer must let UDP port 13579 in", "%1"},
        {8, "only this network segment", "not connected"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.interfaces);
        const std::string text = EmptySearchText(row.interfaces, 13579);
        EXPECT_NE(text.find(row.contains), std::string::npos) << text;
        EXPECT_EQ(text.find(row.lacks), std::string::npos) << text;
    }
}

} // namespace
} // namespace telvorin
