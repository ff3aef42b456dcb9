// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/StatisticsTemplate.h"

#include "platform/Win32Types.h"
#include "res/ResourceIds.h"

DialogTemplate StatisticsTemplate()
{
    DialogTemplate statistics;
    statistics.id = IDD_STATISTICS;
    statistics.caption = QT_TRANSLATE_NOOP("StatisticsDialog", "Statistika setkání");
    statistics.sizeDu = QSize(460, 300);
    statistics.fontFace = kDialogFont;
    statistics.textContext = "StatisticsDialog";
    // A larger window gives its room to the grid, and its height to the
    // histogram too; the figures and the buttons keep their places.
    statistics.hasMinMaxBoxes = true;
    statistics.resizable = true;
    statistics.controls = {
        LabelControl(QRect(7, 7, 330, 44), QString(), StyleNone, IDC_STATISTICS_FIGURES),
        LabelControl(QRect(7, 56, 130, 8), QT_TRANSLATE_NOOP("StatisticsDialog", "Dvojice podle počtu setkání")),
        Stretched(LabelControl(QRect(7, 67, 130, 226), QString(), StyleNone, IDC_MEETING_HISTOGRAM), {.growY = 1}),
        LabelControl(QRect(144, 56, 309, 8),
                     QT_TRANSLATE_NOOP("StatisticsDialog", "Kolikrát se potkali (řádek: soupeřů z možných)")),
        Stretched(LabelControl(QRect(144, 67, 309, 226), QString(), StyleNone, IDC_MEETING_GRID), {.growX = 1, .growY = 1}),
        Stretched(DefaultButtonControl(IDOK, QRect(403, 7, 50, 14), QT_TRANSLATE_NOOP("StatisticsDialog", "Zavřít")),
                  {.moveX = 1}),
        Stretched(ButtonControl(IDC_EXPORT_CSV, QRect(403, 24, 50, 14),
                                QT_TRANSLATE_NOOP("StatisticsDialog", "Export &CSV")),
                  {.moveX = 1}),
    };
    return statistics;
}
