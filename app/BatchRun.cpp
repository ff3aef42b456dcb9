#include "app/BatchRun.h"

#include "app/ScheduleCheck.h"
#include "matrix/CalculationClock.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"

#include <QFileInfo>

BatchRun::BatchRun(const BatchOptions& options, std::FILE* errors)
    : m_options(options)
    , m_host(errors)
{
    m_host.AnswerFontSize(options.fontSize, options.newColumnPerRound);
    m_window.Create();
}

BatchStatus BatchRun::Run()
{
    for (const auto& step : {&BatchRun::Import, &BatchRun::EnterFields, &BatchRun::Recalculate}) {
        if (const BatchStatus status = (this->*step)(); status != BatchStatus::Success)
            return status;
    }
    const std::pair<int, const QString&> outputs[] = {
        {ID_EXPORT_PILOTS, m_options.exportPilotsPath},
        {ID_EXPORT_MATRIX, m_options.exportMatrixPath},
        {ID_EXPORT_HEATS, m_options.exportHeatsPath},
        {ID_PRINT_MATRIX, m_options.printMatrixPath},
        {ID_PRINT_HEAT_CARDS, m_options.printHeatsPath},
    };
    for (const auto& [command, path] : outputs) {
        if (path.isEmpty())
            continue;
        if (const BatchStatus status = RunFileCommand(command, path); status != BatchStatus::Success)
            return status;
    }
    return BatchStatus::Success;
}

// The import speaks only when the roster it leaves is not the file's pilot
// list: the file could not be read, or lines were left out. A schedule
// drawn from that would miss pilots, so the run ends there.
BatchStatus BatchRun::Import()
{
    return RunFileCommand(ID_IMPORT_PILOTS, m_options.importPath);
}

// The fields are typed in and checked by the window's own exchange, with its
// messages; a value it refuses is an argument the run cannot use.
BatchStatus BatchRun::EnterFields()
{
    DialogDriver driver(m_window);
    driver.Type(IDC_ROUNDS, m_options.rounds);
    driver.Type(IDC_HEATS, m_options.heats);
    driver.Type(IDC_PILOTS_PER_HEAT, m_options.pilotsPerHeat);
    return m_window.UpdateData(true) ? BatchStatus::Success : BatchStatus::BadArguments;
}

// A seed stands in for the clock that seeds the draw, so the same seed, pilots
// and fields draw the same schedule. Whether the draw succeeded is read from
// its result, not from what it said.
BatchStatus BatchRun::Recalculate()
{
    if (m_options.seed)
        CalculationClock::Install([seed = *m_options.seed] { return static_cast<long long>(seed); });
    m_window.OnCommand(ID_RECALCULATE, BN_CLICKED);
    CalculationClock::Install({});
    return PlacesEveryPilotEachRound(m_window.GetResult()) ? BatchStatus::Success : BatchStatus::Failed;
}

// The file commands and printouts speak only to say that they could not do
// their work (a file that cannot be opened, read or written, no result to
// write, a printer that cannot start), so a message during the command is its
// failure. A dialog that refused its answer means an unusable argument. A
// written file must also be there afterwards, whatever was said.
BatchStatus BatchRun::RunFileCommand(int command, const QString& path)
{
    const int messagesBefore = m_host.MessageCount();
    const int refusedBefore = m_host.RefusedDialogCount();
    m_host.AnswerWithPath(path);
    m_window.OnCommand(command, BN_CLICKED);
    if (m_host.RefusedDialogCount() != refusedBefore)
        return BatchStatus::BadArguments;
    if (m_host.MessageCount() != messagesBefore)
        return BatchStatus::Failed;
    // A printout that had to be drawn smaller than asked says so in the
    // status line, and the run passes that on.
    if (command == ID_PRINT_MATRIX || command == ID_PRINT_HEAT_CARDS) {
        if (const QString note = m_window.GetDlgItemText(IDC_STATUS); !note.isEmpty())
            m_host.ShowNote(note);
    }
    if (command != ID_IMPORT_PILOTS && !QFileInfo::exists(path)) {
        m_host.ShowMessage(QStringLiteral("The file %1 was not written.").arg(path), MB_OK);
        return BatchStatus::Failed;
    }
    return BatchStatus::Success;
}

int RunBatch(const BatchOptions& options, std::FILE* errors)
{
    BatchRun run(options, errors);
    return static_cast<int>(run.Run());
}
