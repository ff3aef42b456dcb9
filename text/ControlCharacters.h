// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A control character (ESC, a carriage return, DEL, one of the C1 codes)
// would act on the terminal or the message box instead of showing; it is
// shown as its code, \x1b for ESC.
QString WithControlsEscaped(const QString& text);
