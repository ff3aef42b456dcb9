// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/PathDialogs.h"

#include "platform/DataExchange.h"
#include "platform/ModalHost.h"
#include "res/PathTemplates.h"
#include "res/ResourceIds.h"
#include "text/CharacterCount.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>

namespace {

constexpr int kMaxPathChars = 128;

QString RosterFilter()
{
    return QCoreApplication::translate("CPathDlg", "Text Files (*.txt)|*.txt|Comma Separated Files (*.csv)|*.csv");
}

QString TextFilter()
{
    return QCoreApplication::translate("CPathDlg", "Text Files (*.txt)|*.txt");
}

QString CsvFilter()
{
    return QCoreApplication::translate("CPathDlg", "Comma Separated Files (*.csv)|*.csv");
}
QString WebPageFilter()
{
    return QCoreApplication::translate("CPathDlg", "Web Pages (*.html)|*.html");
}

// Both roster dialogs propose the name that the export has always written, so
// that on a case-sensitive file system the import finds the files saved so far.
const QString kRosterFileName = QStringLiteral("Pilots.txt");

} // namespace

CPathDlg::CPathDlg(DialogTemplate dialogTemplate, int pathId, const QString& initialPath, Browsing browsing,
                   ModalHost& host)
    : CDialog(std::move(dialogTemplate), host), m_pathId(pathId), m_browsing(std::move(browsing)), m_path(initialPath)
{
}

bool CPathDlg::OnCommand(int id, int notifyCode)
{
    if (id == IDC_BROWSE && notifyCode == BN_CLICKED) {
        OnBrowse();
        return true;
    }
    return CDialog::OnCommand(id, notifyCode);
}

// The organiser types a path at once: the field has the focus and its
// proposed path is selected, so typing replaces it and Enter takes it.
bool CPathDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (auto* field = qobject_cast<QLineEdit*>(GetDlgItem(m_pathId))) {
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    }
    return false;
}

void CPathDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, m_pathId, m_path);
    DDV_MaxChars(pDX, m_path, kMaxPathChars);
}

// A cancelled file dialog still answers with its initial file name, which
// then replaces what the field held. A save dialog asks before replacing a
// file. A chosen path too long for the field is refused rather than cut: a
// cut path names another file.
void CPathDlg::OnBrowse()
{
    const bool open = m_browsing.openFileDialog;
    const QString chosen = Host()
                               .ChooseFile({open, m_browsing.defaultExtension, m_browsing.fileName, m_browsing.filter, !open})
                               .value_or(m_browsing.fileName);
    if (CountCharacters(chosen) > kMaxPathChars) {
        Host().ShowMessage(QCoreApplication::translate("CPathDlg", "The path \"%1\" is longer than %2 characters. "
                                                                   "Choose a file whose path is shorter.")
                               .arg(chosen, QString::number(kMaxPathChars)),
                           MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_path = chosen;
    if (!m_browsing.openFileDialog)
        m_confirmedPath = chosen;
    UpdateData(false);
}

void CPathDlg::OnOK()
{
    if (UpdateData(true) && MayWriteTo(m_path))
        EndDialog(IDOK);
}

// A typed path that names an existing file asks before it is replaced; No
// keeps the dialog open with the path, to be changed. A path the file
// chooser has already asked about is not asked about again.
bool CPathDlg::MayWriteTo(const QString& path) const
{
    if (m_browsing.openFileDialog || !m_asksBeforeReplacing || path == m_confirmedPath || !QFileInfo(path).isFile())
        return true;
    return Host().ShowMessage(QCoreApplication::translate("CPathDlg", "The file \"%1\" already exists. Do you want "
                                                                      "to replace it?")
                                  .arg(path),
                              MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2)
        == IDYES;
}

CImportPilotsDlg::CImportPilotsDlg(ModalHost& host)
    : CPathDlg(ImportPilotsTemplate(), IDC_IMPORT_PATH, kRosterFileName,
               {true, kRosterFileName, RosterFilter()}, host)
{
}

CExportPilotsDlg::CExportPilotsDlg(ModalHost& host)
    : CPathDlg(ExportPilotsTemplate(), IDC_EXPORT_PATH, kRosterFileName, {false, kRosterFileName, RosterFilter()}, host)
{
}

CExportMatrixDlg::CExportMatrixDlg(ModalHost& host)
    : CPathDlg(ExportMatrixTemplate(), IDC_EXPORT_PATH, QStringLiteral("Matrix.txt"),
               {false, QStringLiteral("Matrix.txt"), TextFilter()}, host)
{
}

CExportHeatsDlg::CExportHeatsDlg(ModalHost& host)
    : CPathDlg(ExportHeatsTemplate(), IDC_EXPORT_PATH, QStringLiteral("Heats.txt"),
               {false, QStringLiteral("Heats.txt"), TextFilter()}, host)
{
}

CExportScheduleCsvDlg::CExportScheduleCsvDlg(ModalHost& host)
    : CPathDlg(ExportScheduleCsvTemplate(), IDC_EXPORT_PATH, QStringLiteral("Schedule.csv"),
               {false, QStringLiteral("Schedule.csv"), CsvFilter(), QStringLiteral("CSV")}, host)
{
}

CExportHeatListDlg::CExportHeatListDlg(ModalHost& host)
    : CPathDlg(ExportHeatListTemplate(), IDC_EXPORT_PATH, QStringLiteral("Timekeepers.txt"),
               {false, QStringLiteral("Timekeepers.txt"), TextFilter()}, host)
{
}

CExportStatisticsDlg::CExportStatisticsDlg(ModalHost& host)
    : CPathDlg(ExportStatisticsTemplate(), IDC_EXPORT_PATH, QStringLiteral("Statistics.csv"),
               {false, QStringLiteral("Statistics.csv"), CsvFilter(), QStringLiteral("CSV")}, host)
{
}

CExportSchedulePageDlg::CExportSchedulePageDlg(ModalHost& host)
    : CPathDlg(ExportSchedulePageTemplate(), IDC_EXPORT_PATH, QStringLiteral("Schedule.html"),
               {false, QStringLiteral("Schedule.html"), WebPageFilter(), QStringLiteral("HTML")}, host)
{
}
