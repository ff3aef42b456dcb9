// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchRun.h"

#include "batch/DayStepRun.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"

#include <QFileInfo>

BatchStatus StatusOf(const CommandOutcome& outcome, bool answerRefused)
{
    switch (outcome.kind) {
    case CommandOutcome::Kind::Done:
        return BatchStatus::Success;
    case CommandOutcome::Kind::Cancelled:
        return answerRefused ? BatchStatus::BadArguments : BatchStatus::Failed;
    case CommandOutcome::Kind::Refused:
    case CommandOutcome::Kind::Failed:
        break;
    }
    return BatchStatus::Failed;
}

BatchRun::BatchRun(const BatchOptions& options, std::FILE* errors)
    : m_options(options)
    , m_host(errors)
    , m_window(m_host)
{
    m_host.AnswerFontSize(options.fontSize, options.newColumnPerRound);
    m_host.PrintInLandscape(options.landscape);
    m_window.Create();
    m_window.ReplaceFilesWithoutAsking();
}

BatchStatus BatchRun::Run()
{
    for (const auto& step : {&BatchRun::ImportOrOpen, &BatchRun::EnterDetails, &BatchRun::EnterFields, &BatchRun::Recalculate,
                            &BatchRun::RunDaySteps, &BatchRun::RefuseStaleSchedule}) {
        if (const BatchStatus status = (this->*step)(); status != BatchStatus::Success)
            return status;
    }
    const std::pair<Command, const QString&> outputs[] = {
        {&CRaceDlg::ExportPilots, m_options.exportPilotsPath},
        {&CRaceDlg::ExportMatrix, m_options.exportMatrixPath},
        {&CRaceDlg::ExportHeatCards, m_options.exportHeatsPath},
        {&CRaceDlg::ExportStatistics, m_options.exportStatisticsPath},
        {&CRaceDlg::ExportScheduleCsv, m_options.exportCsvPath},
        {&CRaceDlg::ExportSchedulePage, m_options.exportHtmlPath},
        {&CRaceDlg::ExportHeatList, m_options.exportTimekeepersPath},
        {&CRaceDlg::PrintMatrix, m_options.printMatrixPath},
        {&CRaceDlg::PrintHeatCards, m_options.printHeatsPath},
        {&CRaceDlg::PrintHeatSheets, m_options.printHeatSheetsPath},
        {&CRaceDlg::PrintPilotList, m_options.printPilotsPath},
    };
    for (const auto& [command, path] : outputs) {
        if (path.isEmpty())
            continue;
        if (const BatchStatus status = RunFileCommand(command, path, true); status != BatchStatus::Success)
            return status;
    }
    if (!m_options.savePath.isEmpty())
        return Report(m_window.SaveContestTo(m_options.savePath), false);
    return BatchStatus::Success;
}

// An import that leaves a roster other than the file's pilot list (the file
// could not be read, or lines were left out) fails: a schedule drawn from it
// would miss pilots, so the run ends there. A contest file is opened whole
// or not at all.
BatchStatus BatchRun::ImportOrOpen()
{
    if (!m_options.openPath.isEmpty())
        return Report(m_window.OpenContestFrom(m_options.openPath), false);
    return RunFileCommand(&CRaceDlg::ImportPilots, m_options.importPath, false);
}

BatchStatus BatchRun::EnterDetails()
{
    const Contest& contest = m_window.GetContest();
    if (m_options.contestName || m_options.contestDate)
        m_window.SetContestDetails(m_options.contestName.value_or(contest.name),
                                   m_options.contestDate.value_or(contest.date));
    return BatchStatus::Success;
}

// The fields, already checked against their ranges, are typed in and read by
// the window's own exchange, as an organiser's typing would be.
BatchStatus BatchRun::EnterFields()
{
    DialogDriver driver(m_window);
    const MatrixShape& fields = m_window.GetContest().fields;
    driver.Type(IDC_ROUNDS, QString::number(m_options.rounds.value_or(fields.rounds)));
    driver.Type(IDC_HEATS, QString::number(m_options.heats.value_or(fields.heats)));
    driver.Type(IDC_PILOTS_PER_HEAT, QString::number(m_options.pilotsPerHeat.value_or(fields.pilotsPerHeat)));
    const DrawRules& rules = m_window.GetContest().rules;
    driver.Tick(IDC_NO_BACK_TO_BACK, m_options.noBackToBack || rules.noBackToBack);
    driver.Tick(IDC_TIMEKEEPERS, m_options.timekeepers || rules.timekeepers);
    return m_window.UpdateData(true) ? BatchStatus::Success : BatchStatus::BadArguments;
}

// A seed draws the same schedule from the same pilots and fields every time,
// in either draw: the balanced draw's budget is counted in steps, not time.
// Without one the draw is seeded from the clock, as in the window.
BatchStatus BatchRun::Recalculate()
{
    if (!m_options.Draws())
        return BatchStatus::Success;
    const unsigned seed = m_options.seed ? *m_options.seed : static_cast<unsigned>(SystemClockSeconds());
    if (m_options.balanced)
        return Report(m_window.RecalculateBalanced(seed, m_options.balanceEffort.value_or(kMinBalanceEffort)), false);
    return Report(m_window.Recalculate(seed), false);
}

// Each change runs on the contest as the step before left it; the first one
// refused ends the run with its reason, before any file is written or saved.
BatchStatus BatchRun::RunDaySteps()
{
    const unsigned seed = m_options.seed ? *m_options.seed : static_cast<unsigned>(SystemClockSeconds());
    const DayDrawChoice draw{m_options.balanced ? DrawKind::Balanced : DrawKind::Random, seed,
                             m_options.balanceEffort.value_or(kMinBalanceEffort)};
    for (const DayStep& step : m_options.daySteps)
        if (const BatchStatus status = Report(m_window.TakeContestDayChange(RunDayStep(m_window.GetContest(), step, draw)), false);
            status != BatchStatus::Success)
            return status;
    return BatchStatus::Success;
}

// The window asks before it writes a schedule drawn from another pilot
// list; a batch run asks nothing, so it says why it writes none of it.
BatchStatus BatchRun::RefuseStaleSchedule()
{
    if (!m_options.NeedsSchedule() || !m_window.IsResultStale())
        return BatchStatus::Success;
    m_host.ShowMessage(QStringLiteral("The pilot list has changed since the matrix was calculated, so the run writes "
                                      "none of the schedule. Add --recalculate or --balanced to draw it again."),
                       MB_OK);
    return BatchStatus::Failed;
}

// A file command answers its dialogs with the path. A written file must also
// be there afterwards, whatever the command said.
BatchStatus BatchRun::RunFileCommand(Command command, const QString& path, bool writesFile)
{
    const int refusedBefore = m_host.RefusedDialogCount();
    m_host.AnswerWithPath(path);
    const CommandOutcome outcome = (m_window.*command)();
    if (const BatchStatus status = Report(outcome, m_host.RefusedDialogCount() != refusedBefore);
        status != BatchStatus::Success)
        return status;
    if (writesFile && !QFileInfo::exists(path)) {
        m_host.ShowMessage(QStringLiteral("The file %1 was not written.").arg(path), MB_OK);
        return BatchStatus::Failed;
    }
    // A printout that had to be drawn smaller than asked says so; the run
    // passes that on.
    if (!outcome.note.isEmpty())
        m_host.ShowNote(outcome.note);
    return BatchStatus::Success;
}

// The command's message goes to the error stream as the window would show it.
BatchStatus BatchRun::Report(const CommandOutcome& outcome, bool answerRefused)
{
    m_window.ShowOutcome(outcome);
    return StatusOf(outcome, answerRefused);
}

int RunBatch(const BatchOptions& options, std::FILE* errors)
{
    BatchRun run(options, errors);
    return static_cast<int>(run.Run());
}
