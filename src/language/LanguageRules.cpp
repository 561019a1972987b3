// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/LanguageRules.h"

#include "install/InstallTables.h"
#include "protocol/Clock.h"
#include "protocol/Protocol.h"

#include <string>

namespace telvorin::language {

int AskIdeState(Protocol& protocol, Clock& clock)
{
    for (int attempt = 0; attempt < QueryAttempts; ++attempt) {
        protocol.state.ideState.clear();
        protocol.GetIdeState();
        clock.sleepMs(QueryPauseMs);
        const int value = ReadDecimal(protocol.state.ideState.view());
        if (value >= 1 && value <= 5)
            break;
    }
    return ReadDecimal(protocol.state.ideState.view());
}

int AskLanguageIndex(Protocol& protocol, Clock& clock)
{
    for (int attempt = 0; attempt < QueryAttempts; ++attempt) {
        protocol.state.codepage.clear();
        protocol.GetCodepage();
        clock.sleepMs(QueryPauseMs);
        if (install::CodepageIndexOf(std::to_string(ReadDecimal(protocol.state.codepage.view()))) >= 0)
            break;
    }
    return PreselectionFor(protocol.state.codepage.view());
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
