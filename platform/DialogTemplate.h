// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QRect>
#include <QString>
#include <vector>

// The kinds of control a dialog template can hold.
enum class ControlKind {
    Label,          // static text
    Edit,           // single-line edit field
    PushButton,
    DefaultButton,  // the push button that Enter presses
    CheckBox,       // a check box that toggles itself
    ListBox,
    TreeView,
    Icon,           // a static picture
    DateEdit,       // a calendar date, typed or picked
    GridView,       // a table of cells over a model the dialog gives it
};

// Style bits of a control that change its behaviour, beyond its kind.
enum ControlStyle : unsigned {
    StyleNone = 0,
    StyleCentered = 1u << 0,    // label: text centred
    StyleSorted = 1u << 1,      // list box: keeps its lines in alphabetical order
    StyleDigitsOnly = 1u << 2,  // edit: accepts digits only
};

constexpr int IDC_STATIC = -1;

// How a control follows a resizable dialog: the shares of the width and
// height the dialog gains beyond its template that move its left and top
// edges and that widen and heighten it.
struct ControlStretch {
    double moveX = 0;
    double growX = 0;
    double moveY = 0;
    double growY = 0;
};

// One control of a dialog: its id, kind, rectangle in dialog units and text.
// Every member has a default, so a control is written with its first fields.
struct ControlTemplate {
    int id = IDC_STATIC;
    ControlKind kind = ControlKind::Label;
    QRect rectDu{};
    QString text{};
    unsigned style = StyleNone;
    QIcon icon{};  // for ControlKind::Icon
    ControlStretch stretch{};
};

// Controls by kind, as a template lists them.
inline ControlTemplate LabelControl(const QRect& rectDu, const QString& text, unsigned style = StyleNone, int id = IDC_STATIC)
{ return {id, ControlKind::Label, rectDu, text, style}; }
inline ControlTemplate EditControl(int id, const QRect& rectDu, unsigned style = StyleNone)
{ return {id, ControlKind::Edit, rectDu, {}, style}; }
inline ControlTemplate ButtonControl(int id, const QRect& rectDu, const QString& text)
{ return {id, ControlKind::PushButton, rectDu, text}; }
inline ControlTemplate DefaultButtonControl(int id, const QRect& rectDu, const QString& text)
{ return {id, ControlKind::DefaultButton, rectDu, text}; }
inline ControlTemplate CheckBoxControl(int id, const QRect& rectDu, const QString& text)
{ return {id, ControlKind::CheckBox, rectDu, text}; }
inline ControlTemplate ListBoxControl(int id, const QRect& rectDu, unsigned style = StyleNone)
{ return {id, ControlKind::ListBox, rectDu, {}, style}; }
inline ControlTemplate TreeControl(int id, const QRect& rectDu) { return {id, ControlKind::TreeView, rectDu}; }
inline ControlTemplate GridControl(int id, const QRect& rectDu) { return {id, ControlKind::GridView, rectDu}; }
inline ControlTemplate DateEditControl(int id, const QRect& rectDu) { return {id, ControlKind::DateEdit, rectDu}; }
inline ControlTemplate IconControl(const QRect& rectDu, const QIcon& icon)
{ return {IDC_STATIC, ControlKind::Icon, rectDu, {}, StyleNone, icon}; }
// A control that follows a resizable dialog as the stretch says.
inline ControlTemplate Stretched(ControlTemplate control, ControlStretch stretch)
{
    control.stretch = stretch;
    return control;
}

// One menu entry; an empty text makes a separator. The shortcut is the
// entry's keys in portable form ("Ctrl+Shift+S"; several separated by "; ").
struct MenuItemTemplate {
    QString text;
    int commandId = 0;
    QString shortcut{};
};

struct MenuPopupTemplate {
    QString text;
    std::vector<MenuItemTemplate> items;
};

// A dialog as data: the window's caption and size in dialog units, its font
// (which sets the size of a dialog unit), its controls in tab order and, for
// a main window, its menu. A resizable dialog is never smaller than its
// template, unless the screen is: then it scrolls. The texts are source
// texts: the window shows each as the installed translators give it in the
// template's text context, and as written where no translation is installed
// or no context is named.
struct DialogTemplate {
    int id = 0;
    const char* textContext = nullptr;
    QString caption;
    QSize sizeDu;
    QString fontFace;
    int fontPointSize = 8;
    std::vector<ControlTemplate> controls;
    std::vector<MenuPopupTemplate> menu;
    bool hasMinMaxBoxes = false;
    bool resizable = false;
};
