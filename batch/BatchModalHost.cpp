// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchModalHost.h"

#include "platform/CDialog.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"
#include "text/CharacterCount.h"
#include "text/ControlCharacters.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

BatchModalHost::BatchModalHost(std::FILE* errors)
    : m_errors(errors)
{
}

void BatchModalHost::AnswerFontSize(int size, bool newColumnPerRound)
{
    m_fontSize = size;
    m_newColumnPerRound = newColumnPerRound;
}

int BatchModalHost::RunDialog(CDialog& dialog)
{
    dialog.Create();
    if (!dialog.HasEnded())
        FillIn(dialog);
    if (!dialog.HasEnded()) {
        ++m_refusedDialogCount;
        dialog.EndDialog(IDCANCEL);
    }
    const int result = dialog.Result();
    dialog.DestroyWindow();
    return result;
}

// Fills in the dialogs that the batch commands open and presses OK. A check
// that fails leaves the dialog open, and its message has been written.
void BatchModalHost::FillIn(CDialog& dialog)
{
    DialogDriver driver(dialog);
    switch (dialog.Template().id) {
    case IDD_IMPORT_PILOTS:
        if (!TypeWhole(driver, IDC_IMPORT_PATH, m_path))
            return;
        break;
    case IDD_EXPORT_PILOTS:
    case IDD_EXPORT_MATRIX:
    case IDD_EXPORT_HEATS:
    case IDD_EXPORT_STATISTICS:
    case IDD_EXPORT_SCHEDULE_CSV:
    case IDD_EXPORT_SCHEDULE_PAGE:
    case IDD_EXPORT_TIMEKEEPERS:
        if (!TypeWhole(driver, IDC_EXPORT_PATH, m_path))
            return;
        break;
    case IDD_FONT_SIZE:
        driver.Type(IDC_FONT_SIZE, QString::number(m_fontSize));
        driver.Tick(IDC_NEW_COLUMN, m_newColumnPerRound);
        break;
    default:
        ShowMessage(QStringLiteral("The dialog \"%1\" cannot be answered in a batch run.").arg(dialog.Template().caption),
                    MB_OK);
        return;
    }
    driver.PressOk();
}

// A field keeps only as many characters as it holds, as the keyboard does;
// a path cut short would name another file, so it is refused whole.
bool BatchModalHost::TypeWhole(DialogDriver& driver, int id, const QString& text)
{
    const int limit = driver.MaxLength(id);
    if (CountCharacters(text) > limit) {
        ShowMessage(QStringLiteral("The path \"%1\" is longer than the %2 characters that the path field holds.")
                        .arg(text)
                        .arg(limit),
                    MB_OK);
        return false;
    }
    driver.Type(id, text);
    return true;
}

QString MessageLine(const QString& text)
{
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\n', u' ').replace(u'\r', u' ');
    return WithControlsEscaped(line);
}

// A question, should one come, is written too and takes its default answer.
int BatchModalHost::ShowMessage(const QString& text, unsigned type)
{
    ++m_messageCount;
    std::fputs((MessageLine(text) + u'\n').toUtf8().constData(), m_errors);
    std::fflush(m_errors);
    return DefaultButtonOf(type);
}

void BatchModalHost::ShowNote(const QString& text)
{
    std::fputs((MessageLine(text) + u'\n').toUtf8().constData(), m_errors);
    std::fflush(m_errors);
}

// Nothing in a batch run presses Browse; should a dialog ask anyway, it gets
// the answer of a cancelled file dialog.
std::optional<QString> BatchModalHost::ChooseFile(const FileDialogRequest& /*request*/)
{
    return std::nullopt;
}

// A PDF file has no hardware margins: the host hands out the whole A4 sheet,
// and the print dialog gives it the margins a PDF file keeps.
// A path that names a folder, a device or a pipe is refused like the print
// dialog's Cancel: a pipe would keep the run waiting for a reader.
bool BatchModalHost::ChoosePrinter(QPrinter& printer)
{
    const QFileInfo target(m_path);
    if (target.exists() && !target.isFile()) {
        ShowMessage(QStringLiteral("\"%1\" is a folder or a device, not a file. Nothing was printed.").arg(m_path), MB_OK);
        return false;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(m_landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    return true;
}

// No one looks at a preview in a batch run; should a dialog ask for one, the
// run says so and goes on.
void BatchModalHost::ShowPrintPreview(QPrinter& /*printer*/, const PaintPages& /*paint*/)
{
    ShowNote(QStringLiteral("A print preview cannot be shown in a batch run."));
}
