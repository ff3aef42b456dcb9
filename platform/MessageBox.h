#pragma once

#include "platform/Win32Types.h"

#include <QString>

// Shows a message box through the current modal host and returns the button pressed.
int AfxMessageBox(const QString& text, unsigned type = MB_OK);
