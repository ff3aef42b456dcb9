// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class CDataExchange;

// The fields that the add and edit dialogs share, exchanged in their order:
// first name, last name, channel, team (which may stay empty). A name is limited to what the record holds
// and may not contain a comma, which would split the roster line and turn
// part of the name into the next field. Names are taken without the blanks
// around them, and the last name may not be empty. The team is a name like
// them.
void ExchangePilotFields(CDataExchange* pDX, QString& firstName, QString& lastName, unsigned& frequency,
                         QString& team);

QString NameWithCommaMessage();
QString EmptyLastNameMessage();
