#include "app/CAddPilotDlg.h"

#include "app/PilotFieldsExchange.h"
#include "platform/DataExchange.h"
#include "res/PilotTemplates.h"
#include "res/ResourceIds.h"

namespace {

// New pilots fly on the channels 10 to 60; editing allows more.
constexpr unsigned kHighestNewFrequency = 60;

}  // namespace

CAddPilotDlg::CAddPilotDlg()
    : CDialog(AddPilotDialogTemplate())
{
}

void CAddPilotDlg::DoDataExchange(CDataExchange* pDX)
{
    ExchangePilotFields(pDX, m_firstName, m_lastName, m_frequency, kHighestNewFrequency);
    DDX_Check(pDX, IDC_ADD_ANOTHER, m_addAnother);
}
