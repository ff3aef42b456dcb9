#include "platform/CMenu.h"

#include <QMenu>

CMenu::CMenu(QMenu* menu, std::function<void(int)> onCommand)
    : m_menu(menu)
    , m_onCommand(std::move(onCommand))
{
}

void CMenu::AppendMenu(unsigned flags, int commandId, const QString& text)
{
    if (flags & MF_SEPARATOR) {
        m_menu->addSeparator();
        return;
    }
    QAction* action = m_menu->addAction(text);
    action->setData(commandId);
    QObject::connect(action, &QAction::triggered, m_menu, [onCommand = m_onCommand, commandId] { onCommand(commandId); });
}

void CMenu::SetItemText(int commandId, const QString& text)
{
    for (QAction* action : m_menu->actions()) {
        if (!action->isSeparator() && action->data().toInt() == commandId)
            action->setText(text);
    }
}
