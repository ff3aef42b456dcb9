#pragma once

#include "app/BatchModalHost.h"
#include "app/BatchOptions.h"
#include "app/CRaceDlg.h"

#include <QString>
#include <cstdio>

// The exit status of a batch run.
enum class BatchStatus {
    Success = 0,
    Failed = 1,        // the calculation failed, or a file could not be read or written
    BadArguments = 2,  // the arguments cannot be used
};

// A batch run: the menu commands of a real main window, created without being
// shown, in the order an organiser would give them: import, the three fields,
// Recalculate, the text exports, the printouts. Each step runs only when the
// options ask for it, and the run stops at the first step that fails.
class BatchRun {
public:
    BatchRun(const BatchOptions& options, std::FILE* errors);

    BatchStatus Run();

private:
    BatchStatus Import();
    BatchStatus EnterFields();
    BatchStatus Recalculate();
    BatchStatus RunFileCommand(int command, const QString& path);

    const BatchOptions& m_options;
    BatchModalHost m_host;
    CRaceDlg m_window;
};

// Runs the options and returns the process's exit status.
int RunBatch(const BatchOptions& options, std::FILE* errors);
