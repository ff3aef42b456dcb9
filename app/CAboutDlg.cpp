#include "app/CAboutDlg.h"

#include "res/MainTemplates.h"

CAboutDlg::CAboutDlg()
    : CDialog(AboutDialogTemplate())
{
}
