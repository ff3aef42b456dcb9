#pragma once

// How a printout ended. A printer that is gone, or a PDF file in a folder that
// cannot be written, refuses the document at its start; a PDF file on a disk
// that fills up is started but never finished.
enum class PrintOutcome {
    Printed,
    NotStarted,
    NotFinished,
};
