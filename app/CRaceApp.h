// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The application: runs the main window as one modal dialog; the program
// ends when the window closes. Started with a contest file (a double click
// in the file manager), the window opens with that contest.
class CRaceApp {
public:
    explicit CRaceApp(QString contestPath = QString()) : m_contestPath(std::move(contestPath)) {}

    bool InitInstance();

private:
    QString m_contestPath;
};
