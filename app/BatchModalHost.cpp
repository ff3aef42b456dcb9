#include "app/BatchModalHost.h"

#include "platform/CDialog.h"
#include "platform/DialogDriver.h"
#include "res/ResourceIds.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

BatchModalHost::BatchModalHost(std::FILE* errors)
    : m_previous(&ModalHost::Current())
    , m_errors(errors)
{
    ModalHost::Install(this);
}

BatchModalHost::~BatchModalHost()
{
    ModalHost::Install(m_previous);
}

void BatchModalHost::AnswerFontSize(int size, bool newColumnPerRound)
{
    m_fontSize = size;
    m_newColumnPerRound = newColumnPerRound;
}

int BatchModalHost::RunDialog(CDialog& dialog)
{
    dialog.Create();
    if (!dialog.HasEnded() && !FillIn(dialog))
        ShowMessage(QStringLiteral("The dialog \"%1\" cannot be answered in a batch run.").arg(dialog.Template().caption),
                    MB_OK);
    if (!dialog.HasEnded()) {
        ++m_refusedDialogCount;
        dialog.EndDialog(IDCANCEL);
    }
    const int result = dialog.Result();
    dialog.DestroyWindow();
    return result;
}

// Fills in the dialogs that the batch commands open and presses OK; a check
// that fails leaves the dialog open, and its message has been written.
bool BatchModalHost::FillIn(CDialog& dialog)
{
    DialogDriver driver(dialog);
    switch (dialog.Template().id) {
    case IDD_IMPORT_PILOTS:
        driver.Type(IDC_IMPORT_PATH, m_path);
        break;
    case IDD_EXPORT_PILOTS:
    case IDD_EXPORT_MATRIX:
    case IDD_EXPORT_HEATS:
        driver.Type(IDC_EXPORT_PATH, m_path);
        break;
    case IDD_FONT_SIZE:
        driver.Type(IDC_FONT_SIZE, QString::number(m_fontSize));
        driver.Tick(IDC_NEW_COLUMN, m_newColumnPerRound);
        break;
    default:
        return false;
    }
    driver.PressOk();
    return true;
}

// A message box becomes one line, so that a script can read the messages
// line by line.
int BatchModalHost::ShowMessage(const QString& text, unsigned /*type*/)
{
    ++m_messageCount;
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\n', u' ').replace(u'\r', u' ');
    std::fputs(line.append(u'\n').toUtf8().constData(), m_errors);
    std::fflush(m_errors);
    return IDOK;
}

// Nothing in a batch run presses Browse; should a dialog ask anyway, it gets
// the answer of a cancelled file dialog.
std::optional<QString> BatchModalHost::ChooseFile(const FileDialogRequest& /*request*/)
{
    return std::nullopt;
}

// A PDF file has no hardware margins: the whole A4 page is the printable area.
bool BatchModalHost::ChoosePrinter(QPrinter& printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    return true;
}
