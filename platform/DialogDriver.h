// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CDialog.h"

#include <QDate>
#include <QString>

// Works an open dialog the way a user would: types into fields, ticks check
// boxes, presses buttons, leaves fields. Every press goes through the
// dialog's own command handling, so its validation runs as it does for a user.
class DialogDriver {
public:
    explicit DialogDriver(CDialog& dialog) : m_dialog(dialog) {}

    void Type(int id, const QString& text);
    void Tick(int id, bool checked = true);
    // Selects a line of a list box, as a click on it does.
    void ChooseLine(int id, int line);
    void PickDate(int id, const QDate& date);
    void Press(int id) { m_dialog.OnCommand(id, BN_CLICKED); }
    void PressOk() { Press(IDOK); }
    void PressCancel() { Press(IDCANCEL); }
    void Leave(int id) { m_dialog.OnCommand(id, EN_KILLFOCUS); }

    QString Caption() const;
    QString Text(int id) const { return m_dialog.GetDlgItemText(id); }
    bool IsChecked(int id) const;
    QDate Date(int id) const;
    int MaxLength(int id) const;
    int FocusedControlId() const { return m_dialog.FocusedControlId(); }
    bool HasEnded() const { return m_dialog.HasEnded(); }

private:
    CDialog& m_dialog;
};
