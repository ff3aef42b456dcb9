// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class CDialog;

// The Qt window of a CDialog. It hands the keys and notifications the dialog
// framework knows (Enter, Escape, the close box, an edit losing the focus)
// to its CDialog instead of acting on them itself.
class DialogWindow : public QDialog {
public:
    DialogWindow(CDialog& owner, QWidget* parent, Qt::WindowFlags flags);

    void WatchFocusLoss(QWidget* edit, int id);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CDialog& m_owner;
};
