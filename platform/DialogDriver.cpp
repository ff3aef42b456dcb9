// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogDriver.h"

#include "platform/DataExchange.h"
#include "platform/ListBoxView.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <cassert>

namespace {

template <typename Control>
Control* ControlOf(const CDialog& dialog, int id)
{
    auto* control = qobject_cast<Control*>(dialog.GetDlgItem(id));
    assert(control && "no control of that kind with that id");
    return control;
}

}  // namespace

// Typing respects the field's limit, as the keyboard does.
void DialogDriver::Type(int id, const QString& text)
{
    auto* edit = ControlOf<QLineEdit>(m_dialog, id);
    edit->setFocus(Qt::OtherFocusReason);
    edit->setText(text);
}

void DialogDriver::PickDate(int id, const QDate& date)
{
    ControlOf<QDateEdit>(m_dialog, id)->setDate(date);
}

QDate DialogDriver::Date(int id) const
{
    return ControlOf<QDateEdit>(m_dialog, id)->date();
}

void DialogDriver::Tick(int id, bool checked)
{
    ControlOf<QCheckBox>(m_dialog, id)->setChecked(checked);
}

void DialogDriver::ChooseLine(int id, int line)
{
    ControlOf<ListBoxView>(m_dialog, id)->SelectLine(line);
}

QString DialogDriver::Caption() const
{
    return m_dialog.Window() ? m_dialog.Window()->windowTitle() : QString();
}

bool DialogDriver::IsChecked(int id) const
{
    return ControlOf<QCheckBox>(m_dialog, id)->isChecked();
}

int DialogDriver::MaxLength(int id) const
{
    const auto* edit = ControlOf<QLineEdit>(m_dialog, id);
    if (const auto* limit = dynamic_cast<const CharacterLimitValidator*>(edit->validator()))
        return limit->Limit();
    return edit->maxLength();
}
