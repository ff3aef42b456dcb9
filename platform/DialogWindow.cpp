// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogWindow.h"

#include "platform/CDialog.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QVariant>

namespace {

const char* const kControlIdProperty = "controlId";

// Losing the focus because a menu or another window opened is not leaving
// the field: only moving to another control of the dialog is.
bool IsLeavingField(const QFocusEvent* event)
{
    return event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
}

}  // namespace

DialogWindow::DialogWindow(CDialog& owner, QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_owner(owner)
{
}

void DialogWindow::WatchFocusLoss(QWidget* edit, int id)
{
    edit->setProperty(kControlIdProperty, id);
    edit->installEventFilter(this);
}

void DialogWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_owner.OnEnterKey();
        return;
    case Qt::Key_Escape:
        m_owner.OnEscapeKey();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    m_owner.OnClose();
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && IsLeavingField(static_cast<QFocusEvent*>(event)))
        m_owner.OnCommand(watched->property(kControlIdProperty).toInt(), EN_KILLFOCUS);
    return QDialog::eventFilter(watched, event);
}
