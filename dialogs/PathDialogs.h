// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CDialog.h"

// A dialog that names one file: a path field of at most 128 characters and a
// Browse button that fills it from the system's file dialog. The four path
// dialogs differ only in their template, initial path and file dialog.
class CPathDlg : public CDialog {
public:
    const QString& Path() const { return m_path; }
    // An export dialog asks before its OK replaces an existing file, unless
    // told not to.
    void SetAsksBeforeReplacing(bool asks) { m_asksBeforeReplacing = asks; }

    bool OnCommand(int id, int notifyCode) override;

protected:
    struct Browsing {
        bool openFileDialog;
        QString fileName;
        QString filter;
        QString defaultExtension = QStringLiteral("TXT");
    };

    CPathDlg(DialogTemplate dialogTemplate, int pathId, const QString& initialPath, Browsing browsing, ModalHost& host);
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnBrowse();
    bool MayWriteTo(const QString& path) const;

    int m_pathId;
    Browsing m_browsing;
    QString m_path;
    QString m_confirmedPath;  // the file chooser has asked about replacing it
    bool m_asksBeforeReplacing = true;
};

class CImportPilotsDlg : public CPathDlg {
public:
    explicit CImportPilotsDlg(ModalHost& host);
};

class CExportPilotsDlg : public CPathDlg {
public:
    explicit CExportPilotsDlg(ModalHost& host);
};

class CExportMatrixDlg : public CPathDlg {
public:
    explicit CExportMatrixDlg(ModalHost& host);
};

class CExportHeatsDlg : public CPathDlg {
public:
    explicit CExportHeatsDlg(ModalHost& host);
};

class CExportScheduleCsvDlg : public CPathDlg {
public:
    explicit CExportScheduleCsvDlg(ModalHost& host);
};

class CExportHeatListDlg : public CPathDlg {
public:
    explicit CExportHeatListDlg(ModalHost& host);
};

class CExportStatisticsDlg : public CPathDlg {
public:
    explicit CExportStatisticsDlg(ModalHost& host);
};

class CExportSchedulePageDlg : public CPathDlg {
public:
    explicit CExportSchedulePageDlg(ModalHost& host);
};
