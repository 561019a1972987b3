// SPDX-License-Identifier: GPL-3.0-or-later
#include "bittorrent/SupportCheck.h"

#include "protocol/AskUntil.h"
#include "protocol/Protocol.h"

namespace telvorin::bittorrent {

SupportAnswers AskSupport(Protocol& protocol, Clock& clock)
{
    ProtocolState& ps = protocol.state;
    const int ide = AskDiskState(protocol, clock, {IdeStateAttempts, IdeStatePauseMs});
    if (ide >= 3 && ide <= 5)
        ps.ideState = "3";

    const auto askFirmware = [&] {
        ps.btFirmware.clear();
        return protocol.GetBtFirmware();
    };
    const int answered = askFirmware();
    clock.sleepMs(FirstFirmwarePauseMs);
    // A firmware that said no is not asked again; anything else is, until it says yes.
    if (!(answered == 1 && ReadDecimal(ps.btFirmware.view()) == 2))
        AskUntil(clock, {FirmwareAttempts, FirmwarePauseMs}, askFirmware,
                 [&] { return ReadDecimal(ps.btFirmware.view()) == 1; });
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
