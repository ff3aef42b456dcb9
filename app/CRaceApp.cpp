// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CRaceApp.h"

#include "window/CRaceDlg.h"

bool CRaceApp::InitInstance()
{
    CRaceDlg window;
    window.ApplySavedLanguage();
    window.DoModal();
    return false;
}
