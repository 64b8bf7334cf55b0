// The menu bar, built from the menu table; each entry runs the form's command of its name.
#include "gui/MainWindow.h"

#include "gui/MenuTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    for (const MenuNode &node : menuBarTable()) {
        if (node.title.isEmpty()) {
            // A command on the menu bar itself.
            bar->addAction(createEntry(node.entry, bar));
            continue;
        }
        QMenu *menu = bar->addMenu(node.title);
        menu->setObjectName(node.title);
        addMenuNodes(menu, node.children);
        if (node.remindsWhileCombining) {
            connect(menu, &QMenu::aboutToShow, this,
                    [this, title = node.title] { run([this, &title] { m_form.menuOpened(title); }); });
        }
    }
}

void MainWindow::addMenuNodes(QMenu *menu, const std::vector<MenuNode> &nodes)
{
    for (const MenuNode &node : nodes) {
        if (node.separatorBefore) menu->addSeparator();
        if (!node.title.isEmpty()) {
            QMenu *sub = menu->addMenu(node.title);
            sub->setObjectName(node.title);
            addMenuNodes(sub, node.children);
        } else {
            menu->addAction(createEntry(node.entry, menu));
        }
    }
}

QAction *MainWindow::createEntry(const QString &name, QWidget *owner)
{
    auto *action = new QAction(owner);
    action->setObjectName(name);
    if (m_form.hasControl(name)) action->setText(m_form.control(name).text);
    connect(action, &QAction::triggered, this, [this, name] { runCommand(name); });
    m_actions.insert(name, action);
    return action;
}
