#pragma once

namespace telvorin {

struct MainContext;

// "Configuration": checks that the device's web server answers, then opens its page.
void OnConfiguration(MainContext& ctx);

} // namespace telvorin
