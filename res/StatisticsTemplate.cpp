#include "res/StatisticsTemplate.h"

#include "platform/Win32Types.h"
#include "res/ResourceIds.h"

DialogTemplate StatisticsTemplate()
{
    DialogTemplate statistics;
    statistics.id = IDD_STATISTICS;
    statistics.caption = QStringLiteral("Statistika setkání");
    statistics.sizeDu = QSize(460, 300);
    statistics.fontFace = QStringLiteral("MS Sans Serif");
    statistics.controls = {
        LabelControl(QRect(7, 7, 330, 44), QString(), StyleNone, IDC_STATISTICS_FIGURES),
        LabelControl(QRect(7, 56, 130, 8), QStringLiteral("Dvojice podle počtu setkání")),
        LabelControl(QRect(7, 67, 130, 226), QString(), StyleNone, IDC_MEETING_HISTOGRAM),
        LabelControl(QRect(144, 56, 309, 8), QStringLiteral("Kolikrát se potkali (řádek: soupeřů z možných)")),
        LabelControl(QRect(144, 67, 309, 226), QString(), StyleNone, IDC_MEETING_GRID),
        DefaultButtonControl(IDOK, QRect(403, 7, 50, 14), QStringLiteral("Zavřít")),
        ButtonControl(IDC_EXPORT_CSV, QRect(403, 24, 50, 14), QStringLiteral("Export &CSV")),
    };
    return statistics;
}
