#include "res/MainTemplates.h"

#include "res/Icons.h"
#include "platform/Win32Types.h"
#include "res/ResourceIds.h"

namespace {

const QString kDialogFont = QStringLiteral("MS Sans Serif");

std::vector<MenuPopupTemplate> MainMenu()
{
    return {
        {QStringLiteral("&Soubor"),
         {{QStringLiteral("&Import seznamu pilotů"), ID_IMPORT_PILOTS},
          {QStringLiteral("&Export seznamu pilotů"), ID_EXPORT_PILOTS},
          {QString(), 0},
          {QStringLiteral("E&xit"), ID_EXIT}}},
        {QStringLiteral("&Matrix"),
         {{QStringLiteral("&Přepočítat"), ID_RECALCULATE},
          {QStringLiteral("&Vyvážený přepočet"), ID_RECALCULATE_BALANCED},
          {QStringLiteral("&Statistika setkání"), ID_SHOW_STATISTICS},
          {QString(), 0},
          {QStringLiteral("&Export Matrixu"), ID_EXPORT_MATRIX},
          {QStringLiteral("Export karty &heatů "), ID_EXPORT_HEATS}}},
        {QStringLiteral("Pi&lot"),
         {{QStringLiteral("&Vložit"), ID_ADD_PILOT},
          {QStringLiteral("&Odstranit"), ID_DELETE_PILOT},
          {QStringLiteral("&Editovat"), ID_EDIT_PILOT}}},
        {QStringLiteral("&Tisk"),
         {{QStringLiteral("&Matrix"), ID_PRINT_MATRIX},
          {QStringLiteral("&Karta heatů"), ID_PRINT_HEAT_CARDS}}},
        {QStringLiteral("&O programu"), {{QStringLiteral("&O programu"), ID_ABOUT}}},
    };
}

}  // namespace

DialogTemplate AboutDialogTemplate()
{
    DialogTemplate about;
    about.id = IDD_ABOUTBOX;
    about.caption = QStringLiteral("O programu");
    about.sizeDu = QSize(139, 78);
    about.fontFace = kDialogFont;
    about.controls = {
        IconControl(QRect(21, 26, 20, 20), LoadIcon(IDR_MAINFRAME)),
        LabelControl(QRect(7, 7, 80, 8), QStringLiteral("Kvorax v" KVORAX_VERSION)),
        LabelControl(QRect(52, 28, 80, 18), QStringLiteral("Rozpis heatů pro soutěže RC modelů.")),
        LabelControl(QRect(52, 56, 80, 8), QStringLiteral("© 2026 Kvorax")),
        LabelControl(QRect(52, 66, 80, 8), QStringLiteral("Licence: GPL-3.0-or-later")),
        DefaultButtonControl(IDOK, QRect(100, 7, 32, 14), QStringLiteral("OK")),
    };
    return about;
}

DialogTemplate RaceDialogTemplate()
{
    DialogTemplate race;
    race.id = IDD_RACE;
    race.caption = QStringLiteral("Kvorax");
    race.sizeDu = QSize(282, 242);
    race.fontFace = kDialogFont;
    race.hasMinMaxBoxes = true;
    race.resizable = true;
    race.menu = MainMenu();
    race.controls = {
        LabelControl(QRect(7, 7, 26, 8), QStringLiteral("&Kola")),
        EditControl(IDC_ROUNDS, QRect(7, 18, 26, 14)),
        LabelControl(QRect(57, 7, 20, 8), QStringLiteral("&Heaty")),
        EditControl(IDC_HEATS, QRect(57, 18, 26, 14)),
        LabelControl(QRect(107, 7, 61, 8), QStringLiteral("&Pilotů v heatu")),
        EditControl(IDC_PILOTS_PER_HEAT, QRect(107, 18, 29, 14)),
        Stretched(LabelControl(QRect(7, 44, 268, 8), QString(), StyleCentered, IDC_STATUS), {.growX = 1}),
        LabelControl(QRect(9, 59, 50, 8), QStringLiteral("Seznam pilotů")),
        Stretched(LabelControl(QRect(102, 59, 19, 8), QString(), StyleCentered, IDC_PILOT_COUNT), {.moveX = 0.5}),
        Stretched(LabelControl(QRect(135, 59, 55, 8), QStringLiteral("Výpočet Matrixu")), {.moveX = 0.5}),
        // The pilot list and the result tree share the room a larger window gives.
        Stretched(ListBoxControl(IDC_PILOT_LIST, QRect(7, 70, 115, 165), StyleSorted), {.growX = 0.5, .growY = 1}),
        Stretched(TreeControl(IDC_RESULT_TREE, QRect(134, 70, 141, 164)), {.moveX = 0.5, .growX = 0.5, .growY = 1}),
        Stretched(ButtonControl(IDCANCEL, QRect(225, 7, 50, 14), QStringLiteral("E&xit")), {.moveX = 1}),
        // Ends a balanced calculation early; enabled only while one runs.
        Stretched(ButtonControl(IDC_STOP_BALANCE, QRect(225, 24, 50, 14), QStringLiteral("&Zastavit")), {.moveX = 1}),
    };
    return race;
}
