// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Whether two roster lines name the same pilot for the duplicate check of the
// add and edit commands: whole lines, compared with every letter's case
// folded, so "DVOŘÁK,Jan,35" and "Dvořák,jan,35" are one pilot. The channel is
// part of the line: the same names on another channel are another pilot.
bool IsSameLineIgnoringCase(const QString& left, const QString& right);
