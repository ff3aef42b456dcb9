// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/DayTemplates.h"

#include "platform/Win32Types.h"
#include "res/ResourceIds.h"

#include <QCoreApplication>

DialogTemplate WithdrawDialogTemplate()
{
    DialogTemplate withdraw;
    withdraw.id = IDD_WITHDRAW;
    withdraw.caption = QT_TRANSLATE_NOOP("WithdrawDialog", "Odstoupení");
    withdraw.sizeDu = QSize(208, 120);
    withdraw.fontFace = kDialogFont;
    withdraw.textContext = "WithdrawDialog";
    withdraw.controls = {
        LabelControl(QRect(7, 7, 80, 8), QT_TRANSLATE_NOOP("WithdrawDialog", "&Pilot:")),
        ListBoxControl(IDC_DAY_PILOTS, QRect(7, 17, 137, 76)),
        LabelControl(QRect(7, 100, 50, 8), QT_TRANSLATE_NOOP("WithdrawDialog", "Od &kola:")),
        EditControl(IDC_DAY_FROM_ROUND, QRect(60, 98, 30, 14), StyleDigitsOnly),
        DefaultButtonControl(IDOK, QRect(151, 7, 50, 14), QT_TRANSLATE_NOOP("WithdrawDialog", "OK")),
        ButtonControl(IDCANCEL, QRect(151, 24, 50, 14), QT_TRANSLATE_NOOP("WithdrawDialog", "Cancel")),
    };
    return withdraw;
}

DialogTemplate RedrawFromDialogTemplate()
{
    DialogTemplate redraw;
    redraw.id = IDD_REDRAW_FROM;
    redraw.caption = QT_TRANSLATE_NOOP("RedrawFromDialog", "Přepočítat od kola");
    redraw.sizeDu = QSize(208, 52);
    redraw.fontFace = kDialogFont;
    redraw.textContext = "RedrawFromDialog";
    redraw.controls = {
        LabelControl(QRect(7, 9, 50, 8), QT_TRANSLATE_NOOP("RedrawFromDialog", "Od &kola:")),
        EditControl(IDC_DAY_FROM_ROUND, QRect(60, 7, 30, 14), StyleDigitsOnly),
        CheckBoxControl(IDC_DAY_BALANCED, QRect(7, 30, 137, 10), QT_TRANSLATE_NOOP("RedrawFromDialog", "&Vyvážený přepočet")),
        DefaultButtonControl(IDOK, QRect(151, 7, 50, 14), QT_TRANSLATE_NOOP("RedrawFromDialog", "OK")),
        ButtonControl(IDCANCEL, QRect(151, 24, 50, 14), QT_TRANSLATE_NOOP("RedrawFromDialog", "Cancel")),
    };
    return redraw;
}
