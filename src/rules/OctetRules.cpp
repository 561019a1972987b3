// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/OctetRules.h"
#include "rules/TextMark.h"

namespace telvorin {

namespace {

struct OctetRule {
    int low;
    int high;
    const char* message;
};

constexpr OctetRule Rules[3][4] = {
    {
        {1, 254, TELVORIN_TEXT("Invalid IP address in 1st digit. It should be 1-254.")},
        {0, 254, TELVORIN_TEXT("Invalid IP address in 2nd digit. It should be 0-254.")},
        {0, 254, TELVORIN_TEXT("Invalid IP address in 3rd digit. It should be 0-254.")},
        {1, 254, TELVORIN_TEXT("Invalid IP address in 4th digit. It should be 1-254.")},
    },
    {
        {1, 255, TELVORIN_TEXT("Invalid subnet mask address in 1st digit. It should be 1-255.")},
        {0, 255, TELVORIN_TEXT("Invalid subnet mask address in 2nd digit. It should be 0-255.")},
        {0, 255, TELVORIN_TEXT("Invalid subnet mask address in 3rd digit. It should be 0-255.")},
        {0, 254, TELVORIN_TEXT("Invalid subnet mask address in 4th digit. It should be 0-254.")},
    },
    {
        {1, 255, TELVORIN_TEXT("Invalid gateway IP address in 1st digit. It should be 1-255.")},
        {0, 255, TELVORIN_TEXT("Invalid gateway IP address in 2nd digit. It should be 0-255.")},
        {0, 255, TELVORIN_TEXT("Invalid gateway IP address in 3rd digit. It should be 0-255.")},
        {1, 254, TELVORIN_TEXT("Invalid gateway IP address in 4th digit. It should be 1-254.")},
    },
};

} // namespace

OctetCheck CheckOctets(int kind, const int octets[4])
{
    if (kind < AddressField || kind > GatewayField)
        return {};
    for (int k = 0; k < 4; ++k) {
        const OctetRule& rule = Rules[kind - 1][k];
        if (octets[k] < rule.low || octets[k] > rule.high)
            return {k, rule.message};
    }
    return {};
}

} // namespace telvorin
