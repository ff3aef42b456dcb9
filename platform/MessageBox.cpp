// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageBox.h"

#include <algorithm>

std::vector<int> ButtonsOf(unsigned type)
{
    switch (type & 0xF) {
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    default: return {IDOK};
    }
}

int DefaultButtonOf(unsigned type)
{
    const std::vector<int> buttons = ButtonsOf(type);
    const size_t position = (type & MB_DEFBUTTON3) ? 2 : (type & MB_DEFBUTTON2) ? 1 : 0;
    return buttons[std::min(position, buttons.size() - 1)];
}
