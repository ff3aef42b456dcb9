// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Win32Types.h"

#include <QString>

// What a menu command did. The window shows the message in a message box of
// the given kind; a batch run writes it to its error stream and turns the
// outcome into its exit status.
struct CommandOutcome {
    enum class Kind {
        Done,       // the command did its work
        Cancelled,  // a dialog was cancelled, or its own check stopped the command and said why
        Refused,    // the command cannot run now (no result yet, no pilot selected, the list is full)
        Failed,     // the command ran, but did not do all of its work
    };

    Kind kind = Kind::Done;
    QString message;
    unsigned messageType = MB_OK;
    QString note;  // a done command's remark: the window has it in the status line, a batch run on its error stream

    static CommandOutcome Done() { return {}; }
    static CommandOutcome DoneWithNote(const QString& note) { return {Kind::Done, {}, MB_OK, note}; }
    static CommandOutcome Cancelled() { return {Kind::Cancelled, {}, MB_OK, {}}; }
    static CommandOutcome Refused(const QString& message) { return {Kind::Refused, message, MB_OK, {}}; }
    static CommandOutcome Failed(const QString& message, unsigned messageType = MB_OK)
    {
        return {Kind::Failed, message, messageType, {}};
    }
};
