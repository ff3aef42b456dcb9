#include "app/CEditPilotDlg.h"

#include "app/PilotFieldsExchange.h"
#include "res/PilotTemplates.h"

namespace {

// An edited pilot may fly on the channels 10 to 80, beyond the 60 that the
// add dialog accepts.
constexpr unsigned kHighestEditedFrequency = 80;

}  // namespace

CEditPilotDlg::CEditPilotDlg()
    : CDialog(EditPilotDialogTemplate())
{
}

void CEditPilotDlg::DoDataExchange(CDataExchange* pDX)
{
    ExchangePilotFields(pDX, m_firstName, m_lastName, m_frequency, kHighestEditedFrequency);
}
