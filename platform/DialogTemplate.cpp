#include "platform/DialogTemplate.h"

namespace {

ControlTemplate Control(int id, ControlKind kind, const QRect& rectDu, const QString& text = {}, unsigned style = StyleNone)
{
    ControlTemplate control;
    control.id = id;
    control.kind = kind;
    control.rectDu = rectDu;
    control.text = text;
    control.style = style;
    return control;
}

}  // namespace

ControlTemplate LabelControl(const QRect& rectDu, const QString& text, unsigned style, int id)
{
    return Control(id, ControlKind::Label, rectDu, text, style);
}

ControlTemplate EditControl(int id, const QRect& rectDu, unsigned style)
{
    return Control(id, ControlKind::Edit, rectDu, {}, style);
}

ControlTemplate ButtonControl(int id, const QRect& rectDu, const QString& text)
{
    return Control(id, ControlKind::PushButton, rectDu, text);
}

ControlTemplate DefaultButtonControl(int id, const QRect& rectDu, const QString& text)
{
    return Control(id, ControlKind::DefaultButton, rectDu, text);
}

ControlTemplate CheckBoxControl(int id, const QRect& rectDu, const QString& text)
{
    return Control(id, ControlKind::CheckBox, rectDu, text);
}

ControlTemplate ListBoxControl(int id, const QRect& rectDu, unsigned style)
{
    return Control(id, ControlKind::ListBox, rectDu, {}, style);
}

ControlTemplate TreeControl(int id, const QRect& rectDu)
{
    return Control(id, ControlKind::TreeView, rectDu);
}

ControlTemplate IconControl(const QRect& rectDu, const QIcon& icon)
{
    ControlTemplate control = Control(IDC_STATIC, ControlKind::Icon, rectDu);
    control.icon = icon;
    return control;
}

ControlTemplate Stretched(ControlTemplate control, ControlStretch stretch)
{
    control.stretch = stretch;
    return control;
}
