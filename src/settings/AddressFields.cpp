// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/AddressFields.h"

#include "appstate/MainContext.h"
#include "rules/DottedAddress.h"
#include "ui/IpAddressEdit.h"

#include <cstring>

namespace telvorin {

void ShowDottedAddress(IpAddressEdit& field, std::string_view text)
{
    std::uint32_t address = 0;
    if (!ParseDottedAddress(text, address)) {
        field.clearAddress();
        return;
    }
    std::uint8_t b[4];
    std::memcpy(b, &address, sizeof b);
    field.setAddress(b[0], b[1], b[2], b[3]);
}

void SetAddressFieldsEnabled(MainControls& controls, bool enabled)
{
    controls.ipAddress->setEnabled(enabled);
    controls.gateway->setEnabled(enabled);
    controls.netmask->setEnabled(enabled);
}

} // namespace telvorin
