// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace telvorin {

struct MainContext;

// "Connect": maps the selected volume of the selected device on the chosen letter.
void OnConnect(MainContext& ctx);
// "Disconnect": removes the mapping of the selected volume's letter or the chosen letter.
void OnDisconnect(MainContext& ctx);

} // namespace telvorin
