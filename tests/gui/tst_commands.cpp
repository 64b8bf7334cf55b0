// Every command widget of the window reaches a handler of the form: the labels that act as
// buttons, the tabs, the buttons, the spin arrows and the menu entries.
#include "gui/Commands.h"
#include "gui/LayoutTable.h"
#include "gui/MenuTable.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The areas that are a command themselves.
const QStringList kCommandAreas{u"GroupBox1"_s};

bool startsCommand(const Place &place)
{
    switch (place.look) {
    case Look::Tab:
    case Look::Command:
    case Look::Button:
    case Look::Spin:
    case Look::Check: return true;
    case Look::Area: return kCommandAreas.contains(place.name);
    default: return false;
    }
}

void collectEntries(const std::vector<MenuNode> &nodes, QStringList &entries)
{
    for (const MenuNode &node : nodes) {
        if (!node.entry.isEmpty()) entries << node.entry;
        collectEntries(node.children, entries);
    }
}

QStringList commandWidgets()
{
    QStringList names;
    for (const Place &place : layoutTable())
        if (startsCommand(place)) names << place.name;
    collectEntries(menuBarTable(), names);
    return names;
}

} // namespace

class CommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void everyCommandWidgetHasItsHandler();
};

void CommandsTest::everyCommandWidgetHasItsHandler()
{
    QStringList missing;
    for (const QString &name : commandWidgets())
        if (!commandOf(name)) missing << name;
    QVERIFY2(missing.isEmpty(), qPrintable(u"no handler: "_s + missing.join(u", "_s)));
}

QTEST_APPLESS_MAIN(CommandsTest)
#include "tst_commands.moc"
