// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/PathTemplates.h"

#include "platform/Win32Types.h"
#include "res/ResourceIds.h"

namespace {

DialogTemplate PathTemplate(int id, const QString& caption, QSize sizeDu)
{
    DialogTemplate path;
    path.id = id;
    path.caption = caption;
    path.sizeDu = sizeDu;
    path.fontFace = kDialogFont;
    path.textContext = "PathDialog";
    return path;
}

// The exports share one layout and differ in caption and description.
DialogTemplate ExportTemplate(int id, const QString& caption, const QString& description)
{
    DialogTemplate path = PathTemplate(id, caption, QSize(249, 95));
    path.controls = {
        DefaultButtonControl(IDOK, QRect(192, 7, 50, 14), QT_TRANSLATE_NOOP("PathDialog", "OK")),
        ButtonControl(IDCANCEL, QRect(192, 24, 50, 14), QT_TRANSLATE_NOOP("PathDialog", "Cancel")),
        ButtonControl(IDC_BROWSE, QRect(192, 54, 50, 14), QT_TRANSLATE_NOOP("PathDialog", "&Vybrat")),
        LabelControl(QRect(7, 62, 50, 8), QT_TRANSLATE_NOOP("PathDialog", "&Uložit jako:")),
        EditControl(IDC_EXPORT_PATH, QRect(7, 74, 235, 14)),
        LabelControl(QRect(7, 7, 159, 39), description),
    };
    return path;
}

} // namespace

DialogTemplate ImportPilotsTemplate()
{
    DialogTemplate path =
        PathTemplate(IDD_IMPORT_PILOTS, QT_TRANSLATE_NOOP("PathDialog", "Import seznamu pilotů"), QSize(243, 95));
    path.controls = {
        DefaultButtonControl(IDOK, QRect(186, 7, 50, 14), QT_TRANSLATE_NOOP("PathDialog", "OK")),
        ButtonControl(IDCANCEL, QRect(186, 24, 50, 14), QT_TRANSLATE_NOOP("PathDialog", "Cancel")),
        ButtonControl(IDC_BROWSE, QRect(186, 56, 50, 14), QT_TRANSLATE_NOOP("PathDialog", "&Vybrat")),
        LabelControl(QRect(7, 61, 110, 8), QT_TRANSLATE_NOOP("PathDialog", "Cesta k importovanému souboru:")),
        EditControl(IDC_IMPORT_PATH, QRect(7, 74, 229, 14)),
        LabelControl(QRect(7, 7, 165, 35),
                     QT_TRANSLATE_NOOP("PathDialog", "Můžete importovat ASCII soubor ve kterém jsou jednotlivé položky "
                                                     "odděleny čárkou. Záznam každého pilota musí být v jedné řádce. "
                                                     "Struktura záznamu má tento tvar:")),
        LabelControl(QRect(7, 45, 165, 8), QT_TRANSLATE_NOOP("PathDialog", "příjmení pilota, jméno pilota, frekvence")),
    };
    return path;
}

DialogTemplate ExportPilotsTemplate()
{
    return ExportTemplate(IDD_EXPORT_PILOTS, QT_TRANSLATE_NOOP("PathDialog", "Export seznamu pilotů"),
                          QT_TRANSLATE_NOOP("PathDialog", "Můžete uložit aktuální seznam pilotů do souboru, který se "
                                                          "dá později importovat a použít. Vložte jméno souboru a "
                                                          "vyberte místo pro uložení."));
}

DialogTemplate ExportMatrixTemplate()
{
    return ExportTemplate(IDD_EXPORT_MATRIX, QT_TRANSLATE_NOOP("PathDialog", "Export Matrixu"),
                          QT_TRANSLATE_NOOP("PathDialog", "Můžete uložit aktuální vypočítaný Matrix do souboru, který "
                                                          "se dá upravit ve vašem oblíbeném textovém editoru. Tento "
                                                          "soubor obsahuje všechny heaty, jména pilotů a použité "
                                                          "frekvence."));
}

DialogTemplate ExportHeatsTemplate()
{
    return ExportTemplate(IDD_EXPORT_HEATS, QT_TRANSLATE_NOOP("PathDialog", "Export karty heatů"),
                          QT_TRANSLATE_NOOP("PathDialog", "Můžete vytvořit kartu s rozpisem heatů pro každého pilota. "
                                                          "Exportovaný textový soubor lze upravit ve vašem oblíbeném "
                                                          "textovém editoru."));
}

DialogTemplate ExportScheduleCsvTemplate()
{
    return ExportTemplate(IDD_EXPORT_SCHEDULE_CSV, QT_TRANSLATE_NOOP("PathDialog", "Export rozpisu (CSV)"),
                          QT_TRANSLATE_NOOP("PathDialog", "Můžete uložit rozpis heatů do souboru CSV pro tabulkový "
                                                          "procesor nebo webovou stránku klubu. Každý řádek: kolo, "
                                                          "heat, příjmení, jméno, frekvence, tým, časoměřič."));
}

DialogTemplate ExportHeatListTemplate()
{
    return ExportTemplate(IDD_EXPORT_TIMEKEEPERS, QT_TRANSLATE_NOOP("PathDialog", "Export časoměřičů"),
                          QT_TRANSLATE_NOOP("PathDialog", "Můžete uložit seznam heatů pro stolek časoměřičů: pro "
                                                          "každý heat jeho piloty s frekvencí, týmem a tím, kdo "
                                                          "jim měří čas."));
}

DialogTemplate ExportSchedulePageTemplate()
{
    return ExportTemplate(IDD_EXPORT_SCHEDULE_PAGE, QT_TRANSLATE_NOOP("PathDialog", "Export webové stránky"),
                          QT_TRANSLATE_NOOP("PathDialog", "Můžete uložit rozpis heatů jako jednu webovou stránku, "
                                                          "kterou piloti otevřou v telefonu a najdou v ní své heaty."));
}

DialogTemplate ExportStatisticsTemplate()
{
    return ExportTemplate(IDD_EXPORT_STATISTICS, QT_TRANSLATE_NOOP("PathDialog", "Export statistiky setkání"),
                          QT_TRANSLATE_NOOP("PathDialog", "Můžete uložit, kolikrát se potkala každá dvojice pilotů, "
                                                          "do souboru CSV, který otevře tabulkový procesor. Každý "
                                                          "řádek: příjmení, jméno, příjmení, jméno, počet setkání."));
}
