// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a printout ended. A printer that is gone, or a PDF file in a folder that
// cannot be written, refuses the document at its start; a PDF file on a disk
// that fills up, or one that reaches the size limit set for the program's
// files, is started but never finished, and the file it was to replace stays.
enum class PrintOutcome {
    Printed,
    NotStarted,
    NotFinished,
    NotFinishedAtFileSizeLimit,
};
