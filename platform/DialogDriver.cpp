#include "platform/DialogDriver.h"

#include "platform/CDialog.h"
#include "platform/CharacterLimit.h"

#include <QCheckBox>
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

DialogDriver::DialogDriver(CDialog& dialog)
    : m_dialog(dialog)
{
}

int DialogDriver::TemplateId() const
{
    return m_dialog.Template().id;
}

// Typing respects the field's limit, as the keyboard does.
void DialogDriver::Type(int id, const QString& text)
{
    auto* edit = ControlOf<QLineEdit>(m_dialog, id);
    edit->setFocus(Qt::OtherFocusReason);
    edit->setText(text);
}

void DialogDriver::Tick(int id, bool checked)
{
    ControlOf<QCheckBox>(m_dialog, id)->setChecked(checked);
}

void DialogDriver::Press(int id)
{
    m_dialog.OnCommand(id, BN_CLICKED);
}

void DialogDriver::PressOk()
{
    Press(IDOK);
}

void DialogDriver::PressCancel()
{
    Press(IDCANCEL);
}

void DialogDriver::Leave(int id)
{
    m_dialog.OnCommand(id, EN_KILLFOCUS);
}

QString DialogDriver::Caption() const
{
    return m_dialog.Window() ? m_dialog.Window()->windowTitle() : QString();
}

QString DialogDriver::Text(int id) const
{
    return m_dialog.GetDlgItemText(id);
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

int DialogDriver::FocusedControlId() const
{
    return m_dialog.FocusedControlId();
}

bool DialogDriver::HasEnded() const
{
    return m_dialog.HasEnded();
}
