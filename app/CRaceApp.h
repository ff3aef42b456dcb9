// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application: runs the main window as one modal dialog; the program
// ends when the window closes.
class CRaceApp {
public:
    bool InitInstance();
};
