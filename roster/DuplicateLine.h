#pragma once

#include <QString>

// Whether two roster lines name the same pilot for the add command's
// duplicate check: whole lines, with only the letters A to Z compared without
// regard to case. Every other character, Czech letters included, must match
// exactly, so "NOVÁK" and "Novák" are two different pilots.
bool IsSameLineIgnoringCase(const QString& left, const QString& right);
