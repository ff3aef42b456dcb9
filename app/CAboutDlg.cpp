#include "app/CAboutDlg.h"

#include "res/MainTemplates.h"

CAboutDlg::CAboutDlg(ModalHost& host)
    : CDialog(AboutDialogTemplate(), host)
{
}
