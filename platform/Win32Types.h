// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The result codes and flags of the dialog framework that the program uses.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_DEFBUTTON2 = 0x100;

// Notification codes that reach CDialog::OnCommand with a control's id.
constexpr int BN_CLICKED = 0;
constexpr int LBN_DBLCLK = 2;
constexpr int EN_KILLFOCUS = 0x200;
