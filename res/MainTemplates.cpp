// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/MainTemplates.h"

#include "res/Icons.h"
#include "platform/Win32Types.h"
#include "res/ResourceIds.h"

namespace {

// The contests opened or saved last; the window gives each its file's name
// and hides those it has none for.
std::vector<MenuItemTemplate> RecentContestItems()
{
    std::vector<MenuItemTemplate> items;
    for (int which = 0; which < kRecentContestCount; ++which)
        items.push_back({QStringLiteral("&%1").arg(which + 1), ID_RECENT_CONTEST_FIRST + which});
    return items;
}

std::vector<MenuItemTemplate> FileMenu()
{
    std::vector<MenuItemTemplate> items = {
        {QT_TRANSLATE_NOOP("RaceDialog", "&Nová soutěž"), ID_NEW_CONTEST, QStringLiteral("Ctrl+N")},
        {QT_TRANSLATE_NOOP("RaceDialog", "&Otevřít soutěž…"), ID_OPEN_CONTEST, QStringLiteral("Ctrl+O")},
        {QT_TRANSLATE_NOOP("RaceDialog", "Uložit &soutěž"), ID_SAVE_CONTEST, QStringLiteral("Ctrl+S")},
        {QT_TRANSLATE_NOOP("RaceDialog", "Uložit soutěž &jako…"), ID_SAVE_CONTEST_AS, QStringLiteral("Ctrl+Shift+S")},
        {QT_TRANSLATE_NOOP("RaceDialog", "Sou&těž…"), ID_CONTEST_DETAILS},
        {QString(), 0},
    };
    const std::vector<MenuItemTemplate> recent = RecentContestItems();
    items.insert(items.end(), recent.begin(), recent.end());
    items.insert(items.end(), {{QString(), 0},
                               {QT_TRANSLATE_NOOP("RaceDialog", "&Import seznamu pilotů"), ID_IMPORT_PILOTS},
                               {QT_TRANSLATE_NOOP("RaceDialog", "&Export seznamu pilotů"), ID_EXPORT_PILOTS},
                               {QString(), 0},
                               {QT_TRANSLATE_NOOP("RaceDialog", "E&xit"), ID_EXIT}});
    return items;
}

std::vector<MenuPopupTemplate> MainMenu()
{
    return {
        {QT_TRANSLATE_NOOP("RaceDialog", "&Soubor"), FileMenu()},
        {QT_TRANSLATE_NOOP("RaceDialog", "Úp&ravy"),
         {{QT_TRANSLATE_NOOP("RaceDialog", "&Zpět"), ID_UNDO, QStringLiteral("Ctrl+Z")},
          {QT_TRANSLATE_NOOP("RaceDialog", "Z&novu"), ID_REDO, QStringLiteral("Ctrl+Y; Ctrl+Shift+Z")}}},
         {QT_TRANSLATE_NOOP("RaceDialog", "&Matrix"),
         {{QT_TRANSLATE_NOOP("RaceDialog", "&Přepočítat"), ID_RECALCULATE},
          {QT_TRANSLATE_NOOP("RaceDialog", "&Vyvážený přepočet"), ID_RECALCULATE_BALANCED},
          {QT_TRANSLATE_NOOP("RaceDialog", "&Statistika setkání"), ID_SHOW_STATISTICS},
          {QString(), 0},
          {QT_TRANSLATE_NOOP("RaceDialog", "&Export Matrixu"), ID_EXPORT_MATRIX},
          {QT_TRANSLATE_NOOP("RaceDialog", "Export karty &heatů "), ID_EXPORT_HEATS},
          {QT_TRANSLATE_NOOP("RaceDialog", "Export rozpisu (&CSV)…"), ID_EXPORT_SCHEDULE_CSV},
          {QT_TRANSLATE_NOOP("RaceDialog", "Export &webové stránky…"), ID_EXPORT_SCHEDULE_PAGE},
          {QT_TRANSLATE_NOOP("RaceDialog", "Export čas&oměřičů…"), ID_EXPORT_TIMEKEEPERS},
          {QString(), 0},
          {QT_TRANSLATE_NOOP("RaceDialog", "Ods&toupení…"), ID_WITHDRAW_PILOT},
          {QT_TRANSLATE_NOOP("RaceDialog", "Po&zdní přihlášení…"), ID_LATE_ENTRY},
          {QT_TRANSLATE_NOOP("RaceDialog", "Prohodit p&iloty…"), ID_SWAP_PILOTS},
          {QT_TRANSLATE_NOOP("RaceDialog", "Přes&unout pilota…"), ID_MOVE_PILOT},
          {QT_TRANSLATE_NOOP("RaceDialog", "Přepočítat od &kola…"), ID_REDRAW_FROM}}},
        {QT_TRANSLATE_NOOP("RaceDialog", "Pi&lot"),
         {{QT_TRANSLATE_NOOP("RaceDialog", "&Vložit"), ID_ADD_PILOT},
          {QT_TRANSLATE_NOOP("RaceDialog", "&Odstranit"), ID_DELETE_PILOT},
          {QT_TRANSLATE_NOOP("RaceDialog", "&Editovat"), ID_EDIT_PILOT}}},
        {QT_TRANSLATE_NOOP("RaceDialog", "&Tisk"),
         {{QT_TRANSLATE_NOOP("RaceDialog", "&Matrix"), ID_PRINT_MATRIX},
          {QT_TRANSLATE_NOOP("RaceDialog", "&Karta heatů"), ID_PRINT_HEAT_CARDS},
          {QT_TRANSLATE_NOOP("RaceDialog", "&Startovní listiny"), ID_PRINT_HEAT_SHEETS},
          {QT_TRANSLATE_NOOP("RaceDialog", "Seznam &pilotů"), ID_PRINT_PILOT_LIST}}},
        {QT_TRANSLATE_NOOP("RaceDialog", "Zo&brazení"),
         {{QT_TRANSLATE_NOOP("RaceDialog", "&Strom rozpisu"), ID_VIEW_TREE},
          {QT_TRANSLATE_NOOP("RaceDialog", "&Mřížka heatů"), ID_VIEW_GRID}}},
        {QT_TRANSLATE_NOOP("RaceDialog", "&Jazyk / Language"),
         {{QT_TRANSLATE_NOOP("RaceDialog", "&Výchozí"), ID_LANGUAGE_DEFAULT},
          {QT_TRANSLATE_NOOP("RaceDialog", "&Čeština"), ID_LANGUAGE_CZECH},
          {QT_TRANSLATE_NOOP("RaceDialog", "&English"), ID_LANGUAGE_ENGLISH}}},
        {QT_TRANSLATE_NOOP("RaceDialog", "&O programu"), {{QT_TRANSLATE_NOOP("RaceDialog", "&O programu"), ID_ABOUT}}},
    };
}

}  // namespace

DialogTemplate AboutDialogTemplate()
{
    DialogTemplate about;
    about.id = IDD_ABOUTBOX;
    about.caption = QT_TRANSLATE_NOOP("AboutDialog", "O programu");
    about.sizeDu = QSize(139, 78);
    about.fontFace = kDialogFont;
    about.textContext = "AboutDialog";
    about.controls = {
        IconControl(QRect(21, 26, 20, 20), LoadIcon(IDR_MAINFRAME)),
        LabelControl(QRect(7, 7, 80, 8), QStringLiteral("Kvorax v" KVORAX_VERSION)),
        LabelControl(QRect(52, 28, 80, 18), QT_TRANSLATE_NOOP("AboutDialog", "Rozpis heatů pro soutěže RC modelů.")),
        LabelControl(QRect(52, 56, 80, 8), QStringLiteral("© 2026 Kvorax")),
        LabelControl(QRect(52, 66, 80, 8), QT_TRANSLATE_NOOP("AboutDialog", "Licence: GPL-3.0-or-later")),
        DefaultButtonControl(IDOK, QRect(100, 7, 32, 14), QT_TRANSLATE_NOOP("AboutDialog", "OK")),
    };
    return about;
}

DialogTemplate ContestDialogTemplate()
{
    DialogTemplate contest;
    contest.id = IDD_CONTEST;
    contest.caption = QT_TRANSLATE_NOOP("ContestDialog", "Soutěž");
    contest.sizeDu = QSize(208, 68);
    contest.fontFace = kDialogFont;
    contest.textContext = "ContestDialog";
    contest.controls = {
        LabelControl(QRect(7, 7, 80, 8), QT_TRANSLATE_NOOP("ContestDialog", "&Název soutěže:")),
        EditControl(IDC_CONTEST_NAME, QRect(7, 17, 137, 14)),
        LabelControl(QRect(7, 36, 50, 8), QT_TRANSLATE_NOOP("ContestDialog", "&Datum:")),
        DateEditControl(IDC_CONTEST_DATE, QRect(7, 47, 70, 14)),
        DefaultButtonControl(IDOK, QRect(151, 7, 50, 14), QT_TRANSLATE_NOOP("ContestDialog", "OK")),
        ButtonControl(IDCANCEL, QRect(151, 24, 50, 14), QT_TRANSLATE_NOOP("ContestDialog", "Cancel")),
    };
    return contest;
}

DialogTemplate RaceDialogTemplate()
{
    DialogTemplate race;
    race.id = IDD_RACE;
    race.caption = QStringLiteral("Kvorax");
    race.sizeDu = QSize(430, 242);
    race.fontFace = kDialogFont;
    race.textContext = "RaceDialog";
    race.hasMinMaxBoxes = true;
    race.resizable = true;
    race.menu = MainMenu();
    race.controls = {
        LabelControl(QRect(7, 7, 26, 8), QT_TRANSLATE_NOOP("RaceDialog", "&Kola")),
        EditControl(IDC_ROUNDS, QRect(7, 18, 26, 14)),
        LabelControl(QRect(57, 7, 20, 8), QT_TRANSLATE_NOOP("RaceDialog", "&Heaty")),
        EditControl(IDC_HEATS, QRect(57, 18, 26, 14)),
        LabelControl(QRect(107, 7, 61, 8), QT_TRANSLATE_NOOP("RaceDialog", "&Pilotů v heatu")),
        EditControl(IDC_PILOTS_PER_HEAT, QRect(107, 18, 29, 14)),
        // The rules of the next draw, beside the fields it is drawn with.
        CheckBoxControl(IDC_NO_BACK_TO_BACK, QRect(175, 9, 90, 10), QT_TRANSLATE_NOOP("RaceDialog", "&Ne dvakrát po sobě")),
        CheckBoxControl(IDC_TIMEKEEPERS, QRect(175, 22, 90, 10), QT_TRANSLATE_NOOP("RaceDialog", "&Časoměřiči")),
        Stretched(LabelControl(QRect(7, 44, 416, 8), QString(), StyleCentered, IDC_STATUS), {.growX = 1}),
        LabelControl(QRect(9, 59, 50, 8), QT_TRANSLATE_NOOP("RaceDialog", "Seznam pilotů")),
        Stretched(LabelControl(QRect(217, 59, 19, 8), QString(), StyleCentered, IDC_PILOT_COUNT), {.moveX = 0.5}),
        Stretched(LabelControl(QRect(246, 59, 55, 8), QT_TRANSLATE_NOOP("RaceDialog", "Výpočet Matrixu")), {.moveX = 0.5}),
        // The pilot list and the result tree share the room a larger window gives.
        Stretched(ListBoxControl(IDC_PILOT_LIST, QRect(7, 70, 230, 165), StyleSorted), {.growX = 0.5, .growY = 1}),
        Stretched(TreeControl(IDC_RESULT_TREE, QRect(246, 70, 177, 164)), {.moveX = 0.5, .growX = 0.5, .growY = 1}),
        // The heat grid takes the tree's place when the organiser chooses it.
        Stretched(GridControl(IDC_HEAT_GRID, QRect(246, 70, 177, 164)), {.moveX = 0.5, .growX = 0.5, .growY = 1}),
        Stretched(ButtonControl(IDCANCEL, QRect(373, 7, 50, 14), QT_TRANSLATE_NOOP("RaceDialog", "E&xit")), {.moveX = 1}),
        // Ends a balanced calculation early; enabled only while one runs.
        Stretched(ButtonControl(IDC_STOP_BALANCE, QRect(373, 24, 50, 14), QT_TRANSLATE_NOOP("RaceDialog", "&Zastavit")), {.moveX = 1}),
    };
    return race;
}
