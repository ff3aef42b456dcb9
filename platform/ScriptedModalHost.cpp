// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScriptedModalHost.h"

#include "platform/CDialog.h"
#include "platform/DialogDriver.h"

#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>

bool ScriptedModalHost::AllAnswered() const
{
    return m_dialogs.empty() && m_files.empty() && m_printers.empty() && m_answers.empty();
}

int ScriptedModalHost::RunDialog(CDialog& dialog)
{
    const int templateId = dialog.Template().id;
    if (m_dialogs.empty() || m_dialogs.front().templateId != templateId) {
        m_problems << QStringLiteral("dialog %1 opened unexpectedly").arg(templateId);
        return IDCANCEL;
    }
    const DialogScript script = std::move(m_dialogs.front().script);
    m_dialogs.pop_front();

    dialog.Create();
    DialogDriver driver(dialog);
    if (!dialog.HasEnded())
        script(driver);
    if (!dialog.HasEnded()) {
        m_problems << QStringLiteral("dialog %1 was left open").arg(templateId);
        dialog.EndDialog(IDCANCEL);
    }
    const int result = dialog.Result();
    dialog.DestroyWindow();
    return result;
}

int ScriptedModalHost::ShowMessage(const QString& text, unsigned type)
{
    m_messages << text;
    const std::vector<int> buttons = ButtonsOf(type);
    if (buttons.size() == 1)
        return IDOK;
    m_questions.push_back({text, buttons, DefaultButtonOf(type)});
    if (m_answers.empty()) {
        m_problems << QStringLiteral("question \"%1\" asked unexpectedly").arg(text);
        return DefaultButtonOf(type);
    }
    const int button = m_answers.front();
    m_answers.pop_front();
    return button;
}

std::optional<QString> ScriptedModalHost::ChooseFile(const FileDialogRequest& request)
{
    m_fileRequests.push_back(request);
    if (m_files.empty()) {
        m_problems << QStringLiteral("file dialog opened unexpectedly");
        return std::nullopt;
    }
    const std::optional<QString> answer = m_files.front();
    m_files.pop_front();
    return answer;
}

bool ScriptedModalHost::ChoosePrinter(QPrinter& printer)
{
    if (m_printers.empty()) {
        m_problems << QStringLiteral("print dialog opened unexpectedly");
        return false;
    }
    const std::optional<QString> pdfPath = std::move(m_printers.front());
    m_printers.pop_front();
    if (!pdfPath)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*pdfPath);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    return true;
}

// The preview is drawn as a user would see it: onto the printer it was given,
// here into a PDF file that is thrown away when the preview closes.
void ScriptedModalHost::ShowPrintPreview(QPrinter& printer, const PaintPages& paint)
{
    ++m_previewCount;
    QTemporaryDir folder;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("preview.pdf")));
    paint(printer);
}
