// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/LanguageRules.h"

#include "install/InstallTables.h"
#include "protocol/AskUntil.h"
#include "protocol/Protocol.h"

#include <string>

namespace telvorin::language {

int AskIdeState(Protocol& protocol, Clock& clock)
{
    return AskDiskState(protocol, clock, {QueryAttempts, QueryPauseMs});
}

int AskLanguageIndex(Protocol& protocol, Clock& clock)
{
    ProtocolState& ps = protocol.state;
    AskUntil(
        clock, {QueryAttempts, QueryPauseMs},
        [&] {
            ps.codepage.clear();
            protocol.GetCodepage();
        },
        [&] { return install::CodepageIndexOf(std::to_string(ReadDecimal(ps.codepage.view()))) >= 0; });
    return PreselectionFor(ps.codepage.view());
}

int PreselectionFor(std::string_view codepage)
{
    const int index = install::CodepageIndexOf(std::to_string(ReadDecimal(codepage)));
    return index >= 0 ? index : DefaultLanguageIndex;
}

bool SelectionRefused(int extendedCodepages, int index)
{
    return extendedCodepages == 0 && index >= 3 && index <= 5;
}

OpeningDecision DecideOpening(int ideState)
{
    switch (ideState) {
    case 1: return {Opening::NoHardDrives, 0};
    case 2: return {Opening::Unformatted, 0};
    case 3: return {Opening::Choose, 0};
    case 4: return {Opening::Unicode, 0};
    case 5: return {Opening::Choose, 1};
    default: return {Opening::NotSupported, 0};
    }
}

} // namespace telvorin::language
