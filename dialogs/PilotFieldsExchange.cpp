// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/PilotFieldsExchange.h"

#include "platform/DataExchange.h"
#include "res/ResourceIds.h"
#include "roster/PilotRecord.h"

#include <QCoreApplication>

namespace {

// Blanks typed around a name are a slip of the keyboard; kept, they would
// make the same pilot a second, different line of the list.
void TrimName(CDataExchange* pDX, QString& name)
{
    if (pDX->IsSaving())
        name = name.trimmed();
}

void RefuseComma(CDataExchange* pDX, const QString& name)
{
    if (pDX->IsSaving() && name.contains(u','))
        pDX->Fail(NameWithCommaMessage());
}

}  // namespace

void ExchangePilotFields(CDataExchange* pDX, QString& firstName, QString& lastName, unsigned& frequency,
                         QString& team)
{
    DDX_Text(pDX, IDC_FIRST_NAME, firstName);
    TrimName(pDX, firstName);
    DDV_MaxChars(pDX, firstName, kFirstNameChars);
    RefuseComma(pDX, firstName);
    DDX_Text(pDX, IDC_LAST_NAME, lastName);
    TrimName(pDX, lastName);
    if (pDX->IsSaving() && lastName.isEmpty())
        pDX->Fail(EmptyLastNameMessage());
    DDV_MaxChars(pDX, lastName, kLastNameChars);
    RefuseComma(pDX, lastName);
    DDX_Text(pDX, IDC_FREQUENCY, frequency);
    DDV_MinMaxUInt(pDX, frequency, kLowestChannel, kHighestChannel);
    DDX_Text(pDX, IDC_TEAM, team);
    TrimName(pDX, team);
    DDV_MaxChars(pDX, team, kTeamChars);
    RefuseComma(pDX, team);
}

QString NameWithCommaMessage()
{
    return QCoreApplication::translate("PilotFieldsExchange",
                                       "A pilot's name cannot contain a comma, because commas separate the names "
                                       "and the channel in the pilot list. Please remove the comma.");
}

QString EmptyLastNameMessage()
{
    return QCoreApplication::translate("PilotFieldsExchange", "Please enter the pilot's last name.");
}
