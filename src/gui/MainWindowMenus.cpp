// The menu bar, built from the menu table; each entry runs the form's command of its name.
#include "gui/MainWindow.h"

#include "gui/MenuTable.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

using namespace Qt::StringLiterals;

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
        // Filled when first opened, before anything else that opening does.
        m_unfilledMenus.insert(menu, &node);
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { fillMenu(menu); });
        // 編集 is filled at once: its keys work before it was ever opened.
        if (node.title == u"編集"_s) fillMenu(menu);
        if (node.remindsWhileCombining) {
            connect(menu, &QMenu::aboutToShow, this,
                    [this, title = node.title] { run(title, [this, &title] { m_form.menuOpened(title); }); });
        }
    }
    // The entries with a key of their own exist from the start, so their keys work at once.
    for (const QString &name : {u"N3"_s, u"SaveInPlace"_s, u"N5"_s}) menuEntry(name);
    // The bar names the menu it highlights before it measures and opens it.
    connect(bar, &QMenuBar::hovered, this, [this](QAction *action) {
        if (QMenu *menu = action->menu()) fillMenu(menu);
    });
}

void MainWindow::fillMenu(QMenu *menu)
{
    if (const MenuNode *node = m_unfilledMenus.take(menu)) addMenuNodes(menu, node->children);
}

namespace {
bool holdsEntry(const MenuNode &node, const QString &name)
{
    return node.entry == name ||
           std::any_of(node.children.begin(), node.children.end(),
                       [&name](const MenuNode &child) { return holdsEntry(child, name); });
}
} // namespace

QAction *MainWindow::menuEntry(const QString &name)
{
    if (QAction *action = m_actions.value(name)) return action;
    for (auto it = m_unfilledMenus.cbegin(); it != m_unfilledMenus.cend(); ++it) {
        if (holdsEntry(*it.value(), name)) {
            fillMenu(it.key());
            break;
        }
    }
    return m_actions.value(name);
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
    action->setShortcut(shortcutOf(name));
    connect(action, &QAction::triggered, this, [this, name] { runCommand(name); });
    if (name == u"Undo"_s) action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    if (name == u"Redo"_s) action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    m_actions.insert(name, action);
    // The entry shows the form's state from the start.
    listShownControls();
    if (ShownControl *shown = shownControl(name)) {
        shown->action = action;
        applyEntry(*shown->control, action);
    } else if (m_form.hasControl(name)) {
        action->setText(m_form.control(name).text);
    }
    return action;
}
