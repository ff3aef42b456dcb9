// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/PilotTemplates.h"

#include "platform/Win32Types.h"
#include "res/ResourceIds.h"

namespace {

// The two pilot dialogs share their layout; their captions and two labels
// differ, and only adding offers to go on with another pilot.
struct PilotDialogTexts {
    int id;
    QString caption;
    QString lastNameLabel;
    QString frequencyLabel;
};

DialogTemplate PilotDialogTemplate(const PilotDialogTexts& texts)
{
    DialogTemplate pilot;
    pilot.id = texts.id;
    pilot.caption = texts.caption;
    pilot.sizeDu = QSize(208, 97);
    pilot.fontFace = kDialogFont;
    pilot.textContext = "PilotDialog";
    pilot.controls = {
        LabelControl(QRect(7, 7, 52, 8), texts.lastNameLabel),
        EditControl(IDC_LAST_NAME, QRect(7, 17, 122, 14)),
        LabelControl(QRect(7, 36, 50, 8), QT_TRANSLATE_NOOP("PilotDialog", "&Jméno pilota:")),
        EditControl(IDC_FIRST_NAME, QRect(7, 47, 122, 14)),
        LabelControl(QRect(7, 66, 50, 8), texts.frequencyLabel),
        EditControl(IDC_FREQUENCY, QRect(7, 76, 39, 14)),
        LabelControl(QRect(56, 66, 73, 8), QT_TRANSLATE_NOOP("PilotDialog", "&Tým:")),
        EditControl(IDC_TEAM, QRect(56, 76, 73, 14)),
    };
    return pilot;
}

void AddButtons(DialogTemplate& pilot)
{
    pilot.controls.push_back(DefaultButtonControl(IDOK, QRect(151, 7, 50, 14), QT_TRANSLATE_NOOP("PilotDialog", "OK")));
    pilot.controls.push_back(
        ButtonControl(IDCANCEL, QRect(151, 24, 50, 14), QT_TRANSLATE_NOOP("PilotDialog", "Cancel")));
}

}  // namespace

DialogTemplate AddPilotDialogTemplate()
{
    DialogTemplate add = PilotDialogTemplate({IDD_ADD_PILOT, QT_TRANSLATE_NOOP("PilotDialog", "Vložení pilota"),
                                              QT_TRANSLATE_NOOP("PilotDialog", "&Příjmení Pilota:"),
                                              QT_TRANSLATE_NOOP("PilotDialog", "&Frekvence:")});
    add.sizeDu = QSize(208, 112);
    add.controls.push_back(CheckBoxControl(IDC_ADD_ANOTHER, QRect(7, 96, 135, 10),
                                           QT_TRANSLATE_NOOP("PilotDialog", "Chci vložit dalšího pilota")));
    AddButtons(add);
    return add;
}

DialogTemplate EditPilotDialogTemplate()
{
    DialogTemplate edit = PilotDialogTemplate({IDD_EDIT_PILOT, QT_TRANSLATE_NOOP("PilotDialog", "Editování pilota"),
                                               QT_TRANSLATE_NOOP("PilotDialog", "&Příjmení pilota:"),
                                               QT_TRANSLATE_NOOP("PilotDialog", "&Frekvence")});
    AddButtons(edit);
    return edit;
}
