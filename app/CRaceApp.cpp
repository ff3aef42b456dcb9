// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CRaceApp.h"

#include "window/CRaceDlg.h"

bool CRaceApp::InitInstance()
{
    CRaceDlg window;
    window.ApplySavedLanguage();
    window.KeepRecentContests();
    if (!m_contestPath.isEmpty())
        window.OpenAtStart(m_contestPath);
    window.DoModal();
    return false;
}
