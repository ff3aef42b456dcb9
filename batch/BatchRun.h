// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/BatchModalHost.h"
#include "batch/BatchOptions.h"
#include "window/CRaceDlg.h"

#include <QString>
#include <cstdio>

// The exit status of a batch run.
enum class BatchStatus {
    Success = 0,
    Failed = 1,        // the calculation failed, or a file could not be read or written
    BadArguments = 2,  // the arguments cannot be used
};

// The exit status for what a command did. A dialog that stopped the command
// means the argument typed into it was refused, unless the host itself
// declined to answer it (a print target that is no file), which is a failure.
BatchStatus StatusOf(const CommandOutcome& outcome, bool answerRefused);

// A batch run: the menu commands of a real main window, created without being
// shown, in the order an organiser would give them: import a pilot list or
// open a contest, the contest's details, the three fields, Recalculate
// (random or balanced), the contest day's changes, the text exports, the statistics, the printouts,
// saving the contest. Each step runs only when the options ask for it, and
// the run stops at the first step that fails.
class BatchRun {
public:
    BatchRun(const BatchOptions& options, std::FILE* errors);

    BatchStatus Run();

private:
    using Command = CommandOutcome (CRaceDlg::*)();

    BatchStatus ImportOrOpen();
    BatchStatus EnterDetails();
    BatchStatus EnterFields();
    BatchStatus Recalculate();
    BatchStatus RunDaySteps();
    BatchStatus RefuseStaleSchedule();
    BatchStatus RunFileCommand(Command command, const QString& path, bool writesFile);
    BatchStatus Report(const CommandOutcome& outcome, bool answerRefused);

    const BatchOptions& m_options;
    BatchModalHost m_host;
    CRaceDlg m_window;
};

// Runs the options and returns the process's exit status.
int RunBatch(const BatchOptions& options, std::FILE* errors);
