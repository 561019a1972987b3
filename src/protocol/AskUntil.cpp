// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/AskUntil.h"

#include "protocol/Protocol.h"

namespace telvorin {

bool AskUntil(Clock& clock, const Asking& asking, const std::function<void()>& ask,
              const std::function<bool()>& counts)
{
    for (int attempt = 0; attempt < asking.attempts; ++attempt) {
        ask();
        clock.sleepMs(asking.pauseMs);
        if (counts())
            return true;
    }
    return false;
}

int AskDiskState(Protocol& protocol, Clock& clock, const Asking& asking)
{
    FixedText<8>& answer = protocol.state.ideState;
    AskUntil(
        clock, asking,
        [&] {
            answer.clear();
            protocol.GetIdeState();
        },
        [&] {
            const int value = ReadDecimal(answer.view());
            return value >= 1 && value <= 5;
        });
    return ReadDecimal(answer.view());
}

} // namespace telvorin
