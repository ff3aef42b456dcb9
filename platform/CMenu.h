#pragma once

#include <QString>
#include <functional>

class QMenu;

constexpr unsigned MF_STRING = 0x0;
constexpr unsigned MF_SEPARATOR = 0x800;

// A popup menu whose items report their command id when chosen.
class CMenu {
public:
    CMenu(QMenu* menu, std::function<void(int)> onCommand);

    void AppendMenu(unsigned flags, int commandId = 0, const QString& text = {});
    void SetItemText(int commandId, const QString& text);
    QMenu* Menu() const { return m_menu; }

private:
    QMenu* m_menu;
    std::function<void(int)> m_onCommand;
};
