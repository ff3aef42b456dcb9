#include "res/PilotTemplates.h"

#include "platform/Win32Types.h"
#include "res/ResourceIds.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// A control as "id kind x,y,w,h text".
QString Row(int id, ControlKind kind, const QRect& rect, const QString& text = QString())
{
    return QStringLiteral("%1 %2 %3,%4,%5,%6 %7")
        .arg(id)
        .arg(static_cast<int>(kind))
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height())
        .arg(text);
}

// The template's controls in tab order.
QStringList Describe(const DialogTemplate& dialog)
{
    QStringList controls;
    for (const ControlTemplate& control : dialog.controls)
        controls << Row(control.id, control.kind, control.rectDu, control.text);
    return controls;
}

}  // namespace

TEST(PilotTemplates, AddDialogLayout)
{
    const DialogTemplate add = AddPilotDialogTemplate();
    EXPECT_EQ(add.id, IDD_ADD_PILOT);
    EXPECT_EQ(add.caption, QStringLiteral("Vložení pilota"));
    EXPECT_EQ(add.sizeDu, QSize(208, 97));
    EXPECT_EQ(add.fontFace, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(add.fontPointSize, 8);
    EXPECT_EQ(Describe(add),
              (QStringList{Row(IDC_STATIC, ControlKind::Label, {7, 7, 52, 8}, QStringLiteral("&Příjmení Pilota:")),
                           Row(IDC_LAST_NAME, ControlKind::Edit, {7, 17, 122, 14}),
                           Row(IDC_STATIC, ControlKind::Label, {7, 36, 50, 8}, QStringLiteral("&Jméno pilota:")),
                           Row(IDC_FIRST_NAME, ControlKind::Edit, {7, 47, 122, 14}),
                           Row(IDC_STATIC, ControlKind::Label, {7, 66, 50, 8}, QStringLiteral("&Frekvence:")),
                           Row(IDC_FREQUENCY, ControlKind::Edit, {7, 76, 39, 14}),
                           Row(IDC_ADD_ANOTHER, ControlKind::CheckBox, {66, 80, 135, 10},
                               QStringLiteral("Chci vložit dalšího pilota")),
                           Row(IDOK, ControlKind::DefaultButton, {151, 7, 50, 14}, QStringLiteral("OK")),
                           Row(IDCANCEL, ControlKind::PushButton, {151, 24, 50, 14}, QStringLiteral("Cancel"))}));
    // Any characters may be typed into the channel; the exchange judges them.
    EXPECT_EQ(add.controls[5].style, StyleNone);
}

TEST(PilotTemplates, EditDialogLayout)
{
    const DialogTemplate edit = EditPilotDialogTemplate();
    EXPECT_EQ(edit.id, IDD_EDIT_PILOT);
    EXPECT_EQ(edit.caption, QStringLiteral("Editování pilota"));
    EXPECT_EQ(edit.sizeDu, QSize(208, 97));
    EXPECT_EQ(Describe(edit),
              (QStringList{Row(IDC_STATIC, ControlKind::Label, {7, 7, 52, 8}, QStringLiteral("&Příjmení pilota:")),
                           Row(IDC_LAST_NAME, ControlKind::Edit, {7, 17, 122, 14}),
                           Row(IDC_STATIC, ControlKind::Label, {7, 36, 50, 8}, QStringLiteral("&Jméno pilota:")),
                           Row(IDC_FIRST_NAME, ControlKind::Edit, {7, 47, 122, 14}),
                           Row(IDC_STATIC, ControlKind::Label, {7, 66, 50, 8}, QStringLiteral("&Frekvence")),
                           Row(IDC_FREQUENCY, ControlKind::Edit, {7, 76, 39, 14}),
                           Row(IDOK, ControlKind::DefaultButton, {151, 7, 50, 14}, QStringLiteral("OK")),
                           Row(IDCANCEL, ControlKind::PushButton, {151, 24, 50, 14}, QStringLiteral("Cancel"))}));
}
