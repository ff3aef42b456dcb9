// Placeholder until the command is built: the menu item does nothing yet.

#include "app/CRaceDlg.h"

void CRaceDlg::OnRecalculate()
{
}
