// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DrawingTypes.h"
#include "platform/Win32Types.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

class CDialog;
class QPrinter;

// What a file dialog is asked for: its kind, its default extension, the name
// it starts with and its filter in the "Description|*.ext|..." form.
struct FileDialogRequest {
    bool open = true;
    QString defaultExtension;
    QString initialFileName;
    QString filter;
    bool overwritePrompt = false;
};

// Every modal interaction of the program (dialogs, message boxes, the file and
// print dialogs) goes through a host. The window is handed its host and its
// dialogs use the same one. The desktop host runs Qt's modal dialogs; a batch
// run and each test hand in their own host that answers without a display.
class ModalHost {
public:
    virtual ~ModalHost() = default;

    // Runs the dialog until it ends and returns its result (IDOK, IDCANCEL).
    virtual int RunDialog(CDialog& dialog) = 0;
    // Shows a message box with the given MB_ buttons and returns the button pressed.
    virtual int ShowMessage(const QString& text, unsigned type) = 0;
    // Returns the chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> ChooseFile(const FileDialogRequest& request) = 0;
    // Lets the user choose and set up the printer; false when cancelled.
    virtual bool ChoosePrinter(QPrinter& printer) = 0;
    // Shows the pages that `paint` draws on the printer it is handed, before
    // anything goes to paper, until the user closes the preview.
    using PaintPages = std::function<void(QPrinter& printer)>;
    virtual void ShowPrintPreview(QPrinter& printer, const PaintPages& paint) = 0;

    // The print dialog of the printouts: the system's printers and printing
    // to a PDF file, every page printed once (copies are the printer's
    // business), no page range and no selection. The chosen printer set up,
    // or nothing when the user cancelled.
    SharedPrinter ChoosePrintoutPrinter();
};

// The buttons of a message box of the given type, in the order shown.
std::vector<int> ButtonsOf(unsigned type);
// The button that Enter presses: the first one unless the type names another.
int DefaultButtonOf(unsigned type);
