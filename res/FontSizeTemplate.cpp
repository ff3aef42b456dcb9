// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/FontSizeTemplate.h"

#include "platform/Win32Types.h"
#include "res/ResourceIds.h"

DialogTemplate FontSizeDialogTemplate()
{
    DialogTemplate fontSize;
    fontSize.id = IDD_FONT_SIZE;
    fontSize.caption = QT_TRANSLATE_NOOP("FontSizeDialog", "Výběr velikosti fontu");
    fontSize.sizeDu = QSize(169, 76);
    fontSize.fontFace = kDialogFont;
    fontSize.fontPointSize = 8;
    fontSize.textContext = "FontSizeDialog";
    fontSize.controls = {
        LabelControl(QRect(7, 7, 78, 21),
                     QT_TRANSLATE_NOOP("FontSizeDialog", "Zadej základní velikost fontu pro tisk.")),
        EditControl(IDC_FONT_SIZE, QRect(7, 27, 31, 14), StyleDigitsOnly),
        CheckBoxControl(IDC_NEW_COLUMN, QRect(7, 60, 150, 10),
                        QT_TRANSLATE_NOOP("FontSizeDialog", "Začni nový sloupec pro každé kolo")),
        DefaultButtonControl(IDOK, QRect(112, 7, 50, 14), QT_TRANSLATE_NOOP("FontSizeDialog", "OK")),
        ButtonControl(IDCANCEL, QRect(112, 24, 50, 14), QT_TRANSLATE_NOOP("FontSizeDialog", "Cancel")),
        ButtonControl(IDC_PRINT_PREVIEW, QRect(112, 41, 50, 14), QT_TRANSLATE_NOOP("FontSizeDialog", "&Náhled")),
    };
    return fontSize;
}
