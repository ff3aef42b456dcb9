// SPDX-License-Identifier: GPL-3.0-or-later
// One whole Recalculate command in a real window on the offscreen platform:
// the draw, the status line and the result tree.
#include "window/CRaceDlg.h"
#include "platform/ScriptedModalHost.h"
#include "res/ResourceIds.h"

#include <QApplication>
#include <QDialog>
#include <benchmark/benchmark.h>

namespace {

void RecalculateClub(benchmark::State& state, bool oneChannel)
{
    ScriptedModalHost host;  // answers the failure message of the one-channel club
    CRaceDlg window(host);
    window.Create();
    window.Window()->show();
    for (int pilot = 0; pilot < kRosterCapacity; ++pilot)
        window.PilotList().AddString(QStringLiteral("Pilot%1,Jan,%2").arg(pilot).arg(oneChannel ? 35 : 10 + pilot));
    window.RebuildRoster();
    window.SetDlgItemText(IDC_ROUNDS, QString::number(kMaxRounds));
    window.SetDlgItemText(IDC_HEATS, QString::number(kMaxHeats));
    window.SetDlgItemText(IDC_PILOTS_PER_HEAT, QString::number(kSlotsPerHeat));
    for (auto _ : state) {
        window.OnCommand(ID_RECALCULATE, BN_CLICKED);
        state.PauseTiming();
        // The window paints what the command changed, between commands, as it would on screen.
        QApplication::processEvents();
        if (host.TakeMessages().isEmpty() == oneChannel)
            state.SkipWithError("the command did not end as planned");
        state.ResumeTiming();
    }
}

void HundredPilotsOnHundredChannels(benchmark::State& state) { RecalculateClub(state, false); }
void HundredPilotsOnOneChannel(benchmark::State& state) { RecalculateClub(state, true); }

}  // namespace

BENCHMARK(HundredPilotsOnHundredChannels)->Unit(benchmark::kMillisecond);
BENCHMARK(HundredPilotsOnOneChannel)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
