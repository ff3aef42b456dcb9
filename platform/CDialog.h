// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DialogTemplate.h"
#include "platform/Win32Types.h"

#include <QString>
#include <map>
#include <memory>
#include <vector>

class CDataExchange;
class DialogWindow;
class ModalHost;
class QAction;
class QDialog;
class QMenu;
class QMenuBar;
class QWidget;

constexpr int SC_CLOSE = 0xF060;

// A dialog built from a template. Subclasses exchange their members with the
// controls in DoDataExchange and react to commands in OnCommand; a command
// runs the dialog with DoModal. The modal host it is handed runs it and shows
// its messages; a dialog opened from it is handed the same host.
class CDialog {
public:
    CDialog(DialogTemplate dialogTemplate, ModalHost& host);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    int DoModal();
    ModalHost& Host() const { return m_host; }
    bool UpdateData(bool saveAndValidate = true);
    void EndDialog(int result);

    // Builds the window and its controls, then runs OnInitDialog. The modal
    // hosts call this; tests call it to keep a main window open.
    void Create(QWidget* parent = nullptr);
    void DestroyWindow();
    QDialog* Window() const;
    bool HasEnded() const { return m_ended; }
    int Result() const { return m_result; }

    const DialogTemplate& Template() const { return m_template; }
    QWidget* GetDlgItem(int id) const;
    // Shows or hides a control; a hidden one keeps its place and contents.
    void ShowControl(int id, bool shown);
    void SetDlgItemText(int id, const QString& text);
    QString GetDlgItemText(int id) const;
    int FocusedControlId() const;
    QMenuBar* MenuBar() const;
    // The window's system menu; its items reach OnSysCommand with their id.
    QMenu* SystemMenu() const { return m_systemMenu; }
    void AddSystemMenuItem(int id, const QString& text);
    void SetSystemMenuItemText(int id, const QString& text);
    // Gives a menu item of the window's menu a text of the dialog's own (the
    // next change of language gives it its template's text again), and
    // shows or hides it.
    void SetMenuItem(int commandId, const QString& text, bool visible);
    void EnableMenuItem(int commandId, bool enabled);
    // The text a menu item shows now, in the window's language.
    QString MenuItemText(int commandId) const;
    // Puts a check mark on a menu item of the window's menu, or takes it off.
    void CheckMenuItem(int commandId, bool checked);

    // Shows the template's texts again as the translators installed now give
    // them: the caption, the controls' texts, the menu and the system menu's
    // own item; then OnLanguageChange adds what the dialog set itself.
    void RetranslateWindow();

    // What the user does to the window. The window calls these; tests do too.
    virtual bool OnCommand(int id, int notifyCode);
    virtual void OnSysCommand(int id);
    virtual void OnEnterKey();
    virtual void OnEscapeKey();
    // Delete pressed where no control takes it (not in an edit field).
    virtual void OnDeleteKey();
    virtual void OnClose();

protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnLanguageChange() {}
    // A text of the template as the installed translators give it.
    QString TemplateText(const QString& source) const;
    virtual void OnOK();
    virtual void OnCancel();

private:
    QWidget* BuildClientArea(QSize clientSize);
    void BuildControls(QWidget* client);
    void StretchControls(QSize extra);
    void BuildMenu();
    QAction* AddMenuItem(QMenu* menu, const MenuItemTemplate& item);
    void BuildSystemMenu();
    int DefaultButtonId() const;

    DialogTemplate m_template;
    ModalHost& m_host;
    DialogWindow* m_window = nullptr;
    std::map<int, QWidget*> m_controls;
    std::vector<QWidget*> m_controlWidgets;  // one per control of the template, in its order
    std::vector<std::pair<QAction*, QString>> m_menuTexts;  // each menu entry and its source text
    QSize m_clientSize;
    QMenu* m_systemMenu = nullptr;
    bool m_ended = false;
    int m_result = IDCANCEL;
};
