// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol/Protocol.h"

#include <QLoggingCategory>

namespace telvorin {

// The protocol's diagnostic lines ("codepage=850", ...), as debug messages. Off unless
// turned on, for example with QT_LOGGING_RULES=telvorin.protocol.debug=true.
Q_DECLARE_LOGGING_CATEGORY(ProtocolLog)

// The sink the program hands to its Protocol: each line goes to ProtocolLog.
DiagnosticSink ProtocolLogSink();

} // namespace telvorin
