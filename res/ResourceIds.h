// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The face every dialog is drawn in; the system gives its nearest font, and
// the dialog units follow that font's size.
inline const QString kDialogFont = QStringLiteral("MS Sans Serif");

// Dialog templates.
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_RACE = 102;
constexpr int IDD_IMPORT_PILOTS = 131;
constexpr int IDD_EXPORT_PILOTS = 132;
constexpr int IDD_EXPORT_MATRIX = 133;
constexpr int IDD_ADD_PILOT = 134;
constexpr int IDD_EDIT_PILOT = 135;
constexpr int IDD_EXPORT_HEATS = 136;
constexpr int IDD_FONT_SIZE = 137;
constexpr int IDD_STATISTICS = 150;
constexpr int IDD_EXPORT_STATISTICS = 151;

// Strings, icons and the menu.
constexpr int IDS_ABOUTBOX = 101;
constexpr int IDR_MAINFRAME = 128;
constexpr int IDI_PILOT = 129;
constexpr int IDI_HEAT = 130;
constexpr int IDI_SELECTED = 131;

// The system menu's About item.
constexpr int IDM_ABOUTBOX = 0x0010;

// Controls of the main window.
constexpr int IDC_ROUNDS = 1000;
constexpr int IDC_HEATS = 1001;
constexpr int IDC_PILOTS_PER_HEAT = 1002;
constexpr int IDC_PILOT_LIST = 1004;
constexpr int IDC_RESULT_TREE = 1005;
constexpr int IDC_STATUS = 1009;
constexpr int IDC_PILOT_COUNT = 1019;
constexpr int IDC_STOP_BALANCE = 1050;

// Controls of the path dialogs.
constexpr int IDC_IMPORT_PATH = 1011;
constexpr int IDC_BROWSE = 1012;
constexpr int IDC_EXPORT_PATH = 1013;

// Controls of the statistics window.
constexpr int IDC_STATISTICS_FIGURES = 1051;
constexpr int IDC_MEETING_HISTOGRAM = 1052;
constexpr int IDC_MEETING_GRID = 1053;
constexpr int IDC_EXPORT_CSV = 1054;

// Controls of the pilot dialogs.
constexpr int IDC_LAST_NAME = 1015;
constexpr int IDC_FIRST_NAME = 1016;
constexpr int IDC_FREQUENCY = 1017;
constexpr int IDC_ADD_ANOTHER = 1018;

// Controls of the font-size dialog.
constexpr int IDC_FONT_SIZE = 1020;
constexpr int IDC_NEW_COLUMN = 1021;

// Menu commands.
constexpr int ID_IMPORT_PILOTS = 32771;
constexpr int ID_EXPORT_PILOTS = 32772;
constexpr int ID_RECALCULATE = 32773;
constexpr int ID_EXPORT_MATRIX = 32774;
constexpr int ID_EXIT = 32775;
constexpr int ID_ADD_PILOT = 32776;
constexpr int ID_DELETE_PILOT = 32777;
constexpr int ID_EDIT_PILOT = 32778;
constexpr int ID_ABOUT = 32779;
constexpr int ID_EXPORT_HEATS = 32780;
constexpr int ID_PRINT_HEAT_CARDS = 32781;
constexpr int ID_PRINT_MATRIX = 32782;
constexpr int ID_RECALCULATE_BALANCED = 32790;
constexpr int ID_SHOW_STATISTICS = 32791;
constexpr int ID_LANGUAGE_DEFAULT = 32795;
constexpr int ID_LANGUAGE_CZECH = 32796;
constexpr int ID_LANGUAGE_ENGLISH = 32797;

// The contest file and the contest's details.
constexpr int IDD_CONTEST = 160;
constexpr int IDD_EXPORT_SCHEDULE_CSV = 161;
constexpr int IDC_CONTEST_NAME = 1060;
constexpr int IDC_CONTEST_DATE = 1061;
constexpr int ID_NEW_CONTEST = 32800;
constexpr int ID_OPEN_CONTEST = 32801;
constexpr int ID_SAVE_CONTEST = 32802;
constexpr int ID_SAVE_CONTEST_AS = 32803;
constexpr int ID_CONTEST_DETAILS = 32804;
constexpr int ID_EXPORT_SCHEDULE_CSV = 32805;
constexpr int ID_UNDO = 32806;
constexpr int ID_REDO = 32807;
// The contest day.
constexpr int IDD_WITHDRAW = 180;
constexpr int IDC_DAY_PILOTS = 1070;
constexpr int IDC_DAY_FROM_ROUND = 1071;
constexpr int ID_WITHDRAW_PILOT = 32808;
constexpr int IDD_REDRAW_FROM = 181;
constexpr int IDC_DAY_BALANCED = 1072;
constexpr int ID_REDRAW_FROM = 32809;
constexpr int IDD_LATE_ENTRY = 182;
constexpr int IDD_SWAP_PILOTS = 183;
constexpr int IDD_MOVE_PILOT = 184;
constexpr int IDC_DAY_ROUND = 1073;
constexpr int IDC_DAY_OTHER_PILOTS = 1074;
constexpr int IDC_DAY_HEATS = 1075;
constexpr int ID_LATE_ENTRY = 32840;
constexpr int ID_SWAP_PILOTS = 32841;
constexpr int ID_MOVE_PILOT = 32842;
// The contests opened or saved last, most recent first.
constexpr int kRecentContestCount = 5;
constexpr int ID_RECENT_CONTEST_FIRST = 32810;

// The printouts for the field and the schedule's web page.
constexpr int IDD_EXPORT_SCHEDULE_PAGE = 170;
constexpr int IDC_PRINT_PREVIEW = 1070;
constexpr int ID_PRINT_HEAT_SHEETS = 32820;
constexpr int ID_PRINT_PILOT_LIST = 32821;
constexpr int ID_EXPORT_SCHEDULE_PAGE = 32822;
// Teams, the rules of the draw and the timekeepers.
constexpr int IDC_TEAM = 1080;
constexpr int IDC_NO_BACK_TO_BACK = 1081;
constexpr int IDC_TIMEKEEPERS = 1082;
constexpr int IDD_EXPORT_TIMEKEEPERS = 171;
constexpr int ID_EXPORT_TIMEKEEPERS = 32830;
// The schedule's two views: the tree or the heat grid.
constexpr int IDC_HEAT_GRID = 1095;
constexpr int ID_VIEW_TREE = 32850;
constexpr int ID_VIEW_GRID = 32851;
