// Placeholder until the command is built: the menu item does nothing yet.

#include "app/CRaceDlg.h"

int CRaceDlg::OnPrintMatrix()
{
    return 0;
}

int CRaceDlg::OnPrintHeatCards()
{
    return 0;
}
