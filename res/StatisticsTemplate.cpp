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
    statistics.fontFace = QStringLiteral("MS Sans Serif");
    statistics.textContext = "StatisticsDialog";
    statistics.controls = {
        LabelControl(QRect(7, 7, 330, 44), QString(), StyleNone, IDC_STATISTICS_FIGURES),
        LabelControl(QRect(7, 56, 130, 8), QT_TRANSLATE_NOOP("StatisticsDialog", "Dvojice podle počtu setkání")),
        LabelControl(QRect(7, 67, 130, 226), QString(), StyleNone, IDC_MEETING_HISTOGRAM),
        LabelControl(QRect(144, 56, 309, 8),
                     QT_TRANSLATE_NOOP("StatisticsDialog", "Kolikrát se potkali (řádek: soupeřů z možných)")),
        LabelControl(QRect(144, 67, 309, 226), QString(), StyleNone, IDC_MEETING_GRID),
        DefaultButtonControl(IDOK, QRect(403, 7, 50, 14), QT_TRANSLATE_NOOP("StatisticsDialog", "Zavřít")),
        ButtonControl(IDC_EXPORT_CSV, QRect(403, 24, 50, 14),
                      QT_TRANSLATE_NOOP("StatisticsDialog", "Export &CSV")),
    };
    return statistics;
}
