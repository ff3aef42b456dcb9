// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/MainTemplates.h"

#include "res/Icons.h"
#include "res/ResourceIds.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// One control as the window's layout gives it: id, kind, rectangle in dialog
// units and text; -1 for a control nothing addresses.
struct Placed {
    int id;
    ControlKind kind;
    QRect rectDu;
    QString text;
};

void ExpectControls(const DialogTemplate& dialog, const std::vector<Placed>& expected)
{
    ASSERT_EQ(dialog.controls.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const ControlTemplate& control = dialog.controls[i];
        EXPECT_EQ(control.id, expected[i].id) << "control " << i;
        EXPECT_EQ(control.kind, expected[i].kind) << "control " << i;
        EXPECT_EQ(control.rectDu, expected[i].rectDu) << "control " << i;
        EXPECT_EQ(control.text, expected[i].text) << "control " << i;
    }
}

const ControlTemplate* Control(const DialogTemplate& dialog, int id)
{
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id == id)
            return &control;
    }
    return nullptr;
}

}  // namespace

TEST(MainTemplates, MainWindowHasItsControlsAtTheirPlaces)
{
    const DialogTemplate race = RaceDialogTemplate();
    EXPECT_EQ(race.id, 102);
    EXPECT_EQ(race.caption, QStringLiteral("Kvorax"));
    EXPECT_EQ(race.sizeDu, QSize(430, 242));
    EXPECT_EQ(race.fontFace, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(race.fontPointSize, 8);
    EXPECT_TRUE(race.hasMinMaxBoxes);
    ExpectControls(race, {
        {-1, ControlKind::Label, QRect(7, 7, 26, 8), QStringLiteral("&Kola")},
        {1000, ControlKind::Edit, QRect(7, 18, 26, 14), QString()},
        {-1, ControlKind::Label, QRect(57, 7, 20, 8), QStringLiteral("&Heaty")},
        {1001, ControlKind::Edit, QRect(57, 18, 26, 14), QString()},
        {-1, ControlKind::Label, QRect(107, 7, 61, 8), QStringLiteral("&Pilotů v heatu")},
        {1002, ControlKind::Edit, QRect(107, 18, 29, 14), QString()},
        {1081, ControlKind::CheckBox, QRect(175, 9, 90, 10), QStringLiteral("&Ne dvakrát po sobě")},
        {1082, ControlKind::CheckBox, QRect(175, 22, 90, 10), QStringLiteral("&Časoměřiči")},
        {1009, ControlKind::Label, QRect(7, 44, 416, 8), QString()},
        {-1, ControlKind::Label, QRect(9, 59, 50, 8), QStringLiteral("Seznam pilotů")},
        {1019, ControlKind::Label, QRect(217, 59, 19, 8), QString()},
        {-1, ControlKind::Label, QRect(246, 59, 55, 8), QStringLiteral("Výpočet Matrixu")},
        {1004, ControlKind::ListBox, QRect(7, 70, 230, 165), QString()},
        {1005, ControlKind::TreeView, QRect(246, 70, 177, 164), QString()},
        {1095, ControlKind::GridView, QRect(246, 70, 177, 164), QString()},
        {2, ControlKind::PushButton, QRect(373, 7, 50, 14), QStringLiteral("E&xit")},
        {1050, ControlKind::PushButton, QRect(373, 24, 50, 14), QStringLiteral("&Zastavit")},
    });
    // The status line and the pilot count are centred; the list sorts its lines.
    EXPECT_TRUE(Control(race, 1009)->style & StyleCentered);
    EXPECT_TRUE(Control(race, 1019)->style & StyleCentered);
    EXPECT_TRUE(Control(race, 1004)->style & StyleSorted);
    // Enter must find no default button to press: it would end the window.
    for (const ControlTemplate& control : race.controls)
        EXPECT_NE(control.kind, ControlKind::DefaultButton);
}

TEST(MainTemplates, AboutBoxShowsTheIconVersionLicenceAndOk)
{
    const DialogTemplate about = AboutDialogTemplate();
    EXPECT_EQ(about.id, 100);
    EXPECT_EQ(about.caption, QStringLiteral("O programu"));
    EXPECT_EQ(about.sizeDu, QSize(139, 78));
    EXPECT_EQ(about.fontFace, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(about.fontPointSize, 8);
    EXPECT_TRUE(about.menu.empty());

    const ControlTemplate* ok = Control(about, 1);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->kind, ControlKind::DefaultButton);
    EXPECT_EQ(ok->rectDu, QRect(100, 7, 32, 14));
    EXPECT_EQ(ok->text, QStringLiteral("OK"));

    int icons = 0;
    bool versionShown = false;
    bool licenceShown = false;
    for (const ControlTemplate& control : about.controls) {
        licenceShown = licenceShown || control.text.contains(QStringLiteral("GPL-3.0-or-later"));
        if (control.kind == ControlKind::Icon) {
            ++icons;
            EXPECT_EQ(control.rectDu.topLeft(), QPoint(21, 26));
            EXPECT_EQ(control.icon.pixmap(32).toImage(), LoadIcon(IDR_MAINFRAME).pixmap(32).toImage());
        }
        if (control.text == QStringLiteral("Kvorax v1.06")) {
            versionShown = true;
            EXPECT_EQ(control.rectDu.topLeft(), QPoint(7, 7));
        }
    }
    EXPECT_EQ(icons, 1);
    EXPECT_TRUE(versionShown);
    EXPECT_TRUE(licenceShown);
}
