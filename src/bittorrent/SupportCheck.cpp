// SPDX-License-Identifier: GPL-3.0-or-later
#include "bittorrent/SupportCheck.h"

#include "protocol/Clock.h"
#include "protocol/Protocol.h"

namespace telvorin::bittorrent {

SupportAnswers AskSupport(Protocol& protocol, Clock& clock)
{
    ProtocolState& ps = protocol.state;
    for (int attempt = 0; attempt < IdeStateAttempts; ++attempt) {
        ps.ideState.clear();
        protocol.GetIdeState();
        clock.sleepMs(IdeStatePauseMs);
        const int value = ReadDecimal(ps.ideState.view());
        if (value >= 1 && value <= 5)
            break;
    }
    const int ide = ReadDecimal(ps.ideState.view());
    if (ide >= 3 && ide <= 5)
        ps.ideState = "3";

    ps.btFirmware.clear();
    const int answered = protocol.GetBtFirmware();
    clock.sleepMs(FirstFirmwarePauseMs);
    // A firmware that said no is not asked again; anything else is, until it says yes.
    if (!(answered == 1 && ReadDecimal(ps.btFirmware.view()) == 2)) {
        for (int attempt = 0; attempt < FirmwareAttempts; ++attempt) {
            ps.btFirmware.clear();
            protocol.GetBtFirmware();
            clock.sleepMs(FirmwarePauseMs);
            if (ReadDecimal(ps.btFirmware.view()) == 1)
                break;
        }
    }
    return SupportAnswers{ReadDecimal(ps.ideState.view()), ReadDecimal(ps.btFirmware.view())};
}

Support DecideSupport(const SupportAnswers& answers)
{
    switch (answers.ideState) {
    case 1: return Support::NoHardDrives;
    case 2: return Support::Unformatted;
    case 3: return answers.btFirmware == 1 ? Support::Supported : Support::NotSupported;
    default: return Support::NotSupported;
    }
}

} // namespace telvorin::bittorrent
