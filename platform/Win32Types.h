#pragma once

// The result codes and flags of the dialog framework that the program uses.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;

// Notification codes that reach CDialog::OnCommand with a control's id.
constexpr int BN_CLICKED = 0;
constexpr int LBN_DBLCLK = 2;
constexpr int EN_KILLFOCUS = 0x200;
