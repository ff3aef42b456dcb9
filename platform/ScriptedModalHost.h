// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ModalHost.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

class DialogDriver;

// The modal host of tests: answers every modal interaction from a script,
// without a display or an event loop. Dialogs are expected in order, each
// with what the user does in it; message boxes are recorded and answered
// OK, a question (Yes, No, Cancel) with the next queued button and recorded
// with the buttons it offered and the one Enter would press; file and
// printer choices come from queued answers. Whatever the script
// did not foresee is recorded as a problem for the test to assert on.
class ScriptedModalHost : public ModalHost {
public:
    using DialogScript = std::function<void(DialogDriver&)>;
    struct Question {
        QString text;
        std::vector<int> buttons;  // IDYES, IDNO, IDCANCEL in the order shown
        int defaultButton;
    };

    void ExpectDialog(int templateId, DialogScript script) { m_dialogs.push_back({templateId, std::move(script)}); }
    // A path, or nothing for a cancelled file dialog.
    void AnswerFile(std::optional<QString> path) { m_files.push_back(std::move(path)); }
    // A PDF file to print into, or nothing for a cancelled print dialog.
    void AnswerPrinter(std::optional<QString> pdfPath) { m_printers.push_back(std::move(pdfPath)); }
    // The button (IDYES, IDNO, IDCANCEL) that answers the next question.
    void AnswerQuestion(int button) { m_answers.push_back(button); }

    const QStringList& Messages() const { return m_messages; }
    QStringList TakeMessages() { return std::exchange(m_messages, {}); }
    // Forgets the first message of that text, for a test that has seen to it.
    void DropMessage(const QString& text) { m_messages.removeOne(text); }
    const std::vector<Question>& Questions() const { return m_questions; }
    const std::vector<FileDialogRequest>& FileRequests() const { return m_fileRequests; }
    const QStringList& Problems() const { return m_problems; }
    // How many print previews opened; each drew its pages into a PDF file of
    // its own, so that a recording device context sees them.
    int PreviewCount() const { return m_previewCount; }
    bool AllAnswered() const;

    int RunDialog(CDialog& dialog) override;
    int ShowMessage(const QString& text, unsigned type) override;
    std::optional<QString> ChooseFile(const FileDialogRequest& request) override;
    bool ChoosePrinter(QPrinter& printer) override;
    void ShowPrintPreview(QPrinter& printer, const PaintPages& paint) override;

private:
    struct ExpectedDialog {
        int templateId;
        DialogScript script;
    };

    std::deque<ExpectedDialog> m_dialogs;
    std::deque<std::optional<QString>> m_files;
    std::deque<std::optional<QString>> m_printers;
    std::deque<int> m_answers;
    std::vector<FileDialogRequest> m_fileRequests;
    std::vector<Question> m_questions;
    QStringList m_messages;
    QStringList m_problems;
    int m_previewCount = 0;
};
