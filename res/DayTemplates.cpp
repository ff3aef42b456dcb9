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

DialogTemplate LateEntryDialogTemplate()
{
    DialogTemplate late;
    late.id = IDD_LATE_ENTRY;
    late.caption = QT_TRANSLATE_NOOP("LateEntryDialog", "Pozdní přihlášení");
    late.sizeDu = QSize(208, 118);
    late.fontFace = kDialogFont;
    late.textContext = "LateEntryDialog";
    late.controls = {
        LabelControl(QRect(7, 7, 80, 8), QT_TRANSLATE_NOOP("LateEntryDialog", "&Příjmení pilota:")),
        EditControl(IDC_LAST_NAME, QRect(7, 17, 122, 14)),
        LabelControl(QRect(7, 36, 80, 8), QT_TRANSLATE_NOOP("LateEntryDialog", "&Jméno pilota:")),
        EditControl(IDC_FIRST_NAME, QRect(7, 47, 122, 14)),
        LabelControl(QRect(7, 66, 46, 8), QT_TRANSLATE_NOOP("LateEntryDialog", "&Frekvence:")),
        EditControl(IDC_FREQUENCY, QRect(7, 76, 39, 14), StyleDigitsOnly),
        LabelControl(QRect(56, 66, 73, 8), QT_TRANSLATE_NOOP("LateEntryDialog", "&Tým:")),
        EditControl(IDC_TEAM, QRect(56, 76, 73, 14)),
        LabelControl(QRect(7, 99, 50, 8), QT_TRANSLATE_NOOP("LateEntryDialog", "Od &kola:")),
        EditControl(IDC_DAY_FROM_ROUND, QRect(60, 97, 30, 14), StyleDigitsOnly),
        DefaultButtonControl(IDOK, QRect(151, 7, 50, 14), QT_TRANSLATE_NOOP("LateEntryDialog", "OK")),
        ButtonControl(IDCANCEL, QRect(151, 24, 50, 14), QT_TRANSLATE_NOOP("LateEntryDialog", "Cancel")),
    };
    return late;
}

namespace {

// The swap and the move share their look and their texts: the round at the
// top, two lists of that round side by side below it, the buttons to the
// right.
DialogTemplate RoundListsTemplate(int id, const QString& caption, const QString& leftLabel, int rightList,
                                  const QString& rightLabel)
{
    DialogTemplate lists;
    lists.id = id;
    lists.caption = caption;
    lists.sizeDu = QSize(338, 146);
    lists.fontFace = kDialogFont;
    lists.textContext = "RoundListsDialog";
    lists.controls = {
        LabelControl(QRect(7, 9, 30, 8), QT_TRANSLATE_NOOP("RoundListsDialog", "&Kolo:")),
        EditControl(IDC_DAY_ROUND, QRect(40, 7, 30, 14), StyleDigitsOnly),
        LabelControl(QRect(7, 28, 130, 8), leftLabel),
        ListBoxControl(IDC_DAY_PILOTS, QRect(7, 38, 130, 101)),
        LabelControl(QRect(144, 28, 130, 8), rightLabel),
        ListBoxControl(rightList, QRect(144, 38, 130, 101)),
        DefaultButtonControl(IDOK, QRect(281, 7, 50, 14), QT_TRANSLATE_NOOP("RoundListsDialog", "OK")),
        ButtonControl(IDCANCEL, QRect(281, 24, 50, 14), QT_TRANSLATE_NOOP("RoundListsDialog", "Cancel")),
    };
    return lists;
}

}  // namespace

DialogTemplate SwapPilotsDialogTemplate()
{
    return RoundListsTemplate(IDD_SWAP_PILOTS, QT_TRANSLATE_NOOP("RoundListsDialog", "Prohodit piloty"),
                              QT_TRANSLATE_NOOP("RoundListsDialog", "&První pilot:"), IDC_DAY_OTHER_PILOTS,
                              QT_TRANSLATE_NOOP("RoundListsDialog", "&Druhý pilot:"));
}

DialogTemplate MovePilotDialogTemplate()
{
    return RoundListsTemplate(IDD_MOVE_PILOT, QT_TRANSLATE_NOOP("RoundListsDialog", "Přesunout pilota"),
                              QT_TRANSLATE_NOOP("RoundListsDialog", "&Pilot:"), IDC_DAY_HEATS,
                              QT_TRANSLATE_NOOP("RoundListsDialog", "Do &heatu:"));
}
