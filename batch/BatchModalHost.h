// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ModalHost.h"
#include "print/PrintoutContent.h"

#include <QString>
#include <cstdio>

class DialogDriver;

// A message as one line of the error stream: its line breaks become spaces,
// so that a script reads one message per line, and any other control
// character (a pilot's name from a file may hold ESC) is shown as its code
// rather than sent to the terminal.
QString MessageLine(const QString& text);

// The modal host of a batch run. It answers every dialog of a command the way
// the organiser would: types the path it was given into a path dialog, the
// font size and the new-column choice into the font-size dialog, and presses
// OK, so the dialog's own checks run. A print dialog prints into the PDF file
// it was given, on A4, upright or landscape as asked. Every message box is
// written to the error stream as one line and answered OK at once; nothing
// ever waits for a person.
class BatchModalHost : public ModalHost {
public:
    explicit BatchModalHost(std::FILE* errors);
    BatchModalHost(const BatchModalHost&) = delete;
    BatchModalHost& operator=(const BatchModalHost&) = delete;

    // The file that the next path dialog or print dialog is answered with.
    void AnswerWithPath(const QString& path) { m_path = path; }
    void AnswerFontSize(int size, bool newColumnPerRound);
    // Every print dialog answers with A4 turned on its side.
    void PrintInLandscape(bool landscape) { m_landscape = landscape; }

    int MessageCount() const { return m_messageCount; }
    // A dialog that refused its answer (its check failed) or that the run did
    // not foresee; it was cancelled, so its command did nothing.
    int RefusedDialogCount() const { return m_refusedDialogCount; }

    int RunDialog(CDialog& dialog) override;
    int ShowMessage(const QString& text, unsigned type) override;
    // A line on the error stream that tells without failing the run.
    void ShowNote(const QString& text);
    std::optional<QString> ChooseFile(const FileDialogRequest& request) override;
    bool ChoosePrinter(QPrinter& printer) override;
    void ShowPrintPreview(QPrinter& printer, const PaintPages& paint) override;

private:
    void FillIn(CDialog& dialog);
    bool TypeWhole(DialogDriver& driver, int id, const QString& text);

    std::FILE* m_errors;
    QString m_path;
    int m_fontSize = kDefaultBaseFontSize;
    bool m_newColumnPerRound = true;
    bool m_landscape = false;
    int m_messageCount = 0;
    int m_refusedDialogCount = 0;
};
