#pragma once

#include <QString>

class CDialog;

// Works an open dialog the way a user would: types into fields, ticks check
// boxes, presses buttons, leaves fields. Every press goes through the
// dialog's own command handling, so its validation runs as it does for a user.
class DialogDriver {
public:
    explicit DialogDriver(CDialog& dialog);

    int TemplateId() const;
    void Type(int id, const QString& text);
    void Tick(int id, bool checked = true);
    void Press(int id);
    void PressOk();
    void PressCancel();
    void Leave(int id);

    QString Caption() const;
    QString Text(int id) const;
    bool IsChecked(int id) const;
    int MaxLength(int id) const;
    int FocusedControlId() const;
    bool HasEnded() const;

private:
    CDialog& m_dialog;
};
