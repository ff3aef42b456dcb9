#include "res/FontSizeTemplate.h"

#include "platform/Win32Types.h"
#include "res/ResourceIds.h"

DialogTemplate FontSizeDialogTemplate()
{
    DialogTemplate fontSize;
    fontSize.id = IDD_FONT_SIZE;
    fontSize.caption = QStringLiteral("Výběr velikosti fontu");
    fontSize.sizeDu = QSize(169, 65);
    fontSize.fontFace = QStringLiteral("MS Sans Serif");
    fontSize.fontPointSize = 8;
    fontSize.controls = {
        LabelControl(QRect(7, 7, 78, 21), QStringLiteral("Zadej základní velikost fontu pro tisk.")),
        EditControl(IDC_FONT_SIZE, QRect(7, 27, 31, 14), StyleDigitsOnly),
        CheckBoxControl(IDC_NEW_COLUMN, QRect(7, 48, 150, 10), QStringLiteral("Začni nový sloupec pro každé kolo")),
        DefaultButtonControl(IDOK, QRect(112, 7, 50, 14), QStringLiteral("OK")),
        ButtonControl(IDCANCEL, QRect(112, 24, 50, 14), QStringLiteral("Cancel")),
    };
    return fontSize;
}
