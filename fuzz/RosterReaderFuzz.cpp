// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds any bytes to the roster file reader and the roster line parser. A
// file it accepts must give pilots (and their teams) within the record's
// limits, and those
// pilots, exported and read back, must be the same pilots and export to the
// same bytes. Any other outcome aborts, which libFuzzer reports.

#include "roster/RosterFile.h"
#include "roster/RosterLine.h"
#include "text/CharacterCount.h"
#include "text/TextFileCodec.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "roster reader fault: %s\n", what);
    std::abort();
}

void Require(bool condition, const char* what)
{
    if (!condition)
        Fail(what);
}

bool SamePilot(const PilotRecord& left, const PilotRecord& right)
{
    return left.lastName == right.lastName && left.firstName == right.firstName && left.frequency == right.frequency
           && left.team == right.team;
}

std::vector<PilotRecord> PilotsOf(const RosterFileReading& reading)
{
    std::vector<PilotRecord> pilots;
    for (const QString& line : reading.pilotLines) {
        Require(CheckRosterLine(line) == RosterLineFault::None, "a taken line fails its own check");
        PilotRecord pilot;
        ApplyRosterLine(ReadRosterLine(line), pilot);
        Require(pilot.frequency >= kLowestChannel && pilot.frequency <= kHighestChannel, "channel out of range");
        Require(CountCharacters(pilot.lastName) <= kLastNameChars, "last name too long");
        Require(CountCharacters(pilot.firstName) <= kFirstNameChars, "first name too long");
        Require(pilot.lastName.isValidUtf16() && pilot.firstName.isValidUtf16(), "name holds half a character");
        Require(CountCharacters(pilot.team) <= kTeamChars && pilot.team.isValidUtf16(), "team too long or broken");
        Require(pilot.team == pilot.team.trimmed() && !pilot.team.contains(u','), "team keeps blanks or a comma");
        pilots.push_back(pilot);
    }
    return pilots;
}

QByteArray ExportedBytes(const std::vector<PilotRecord>& pilots)
{
    return EncodeTextForFile(RosterFileText(pilots));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const RosterFileReading reading = ReadRosterFile(bytes);
    if (reading.IsRefused()) {
        Require(reading.pilotLines.isEmpty(), "a refused file still gives pilots");
        Require(!RefusedRosterFileMessage(QStringLiteral("f.txt"), reading).isEmpty(), "a refusal without a message");
        return 0;
    }
    Require(reading.pilotLines.size() <= kRosterCapacity, "more pilots than the roster holds");
    const std::vector<PilotRecord> pilots = PilotsOf(reading);

    const QByteArray exported = ExportedBytes(pilots);
    const RosterFileReading again = ReadRosterFile(exported);
    Require(!again.IsRefused(), "an exported roster is refused");
    const std::vector<PilotRecord> reread = PilotsOf(again);
    Require(reread.size() == pilots.size(), "an exported roster reads back with another count");
    for (std::size_t at = 0; at < pilots.size(); ++at)
        Require(SamePilot(pilots[at], reread[at]), "an exported pilot reads back changed");
    Require(ExportedBytes(reread) == exported, "a roster read back exports other bytes");
    return 0;
}
