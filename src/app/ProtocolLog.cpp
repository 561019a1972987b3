// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProtocolLog.h"

namespace telvorin {

Q_LOGGING_CATEGORY(ProtocolLog, "telvorin.protocol", QtInfoMsg)

DiagnosticSink ProtocolLogSink()
{
    return [](std::string_view line) {
        qCDebug(ProtocolLog, "%.*s", static_cast<int>(line.size()), line.data());
    };
}

} // namespace telvorin
