// Every command widget of the window reaches a handler of the form: the labels that act as
// buttons, the tabs, the buttons, the spin arrows and the menu entries. The commands that
// the program does not have yet are named below; each one leaves this list the moment its
// handler exists.
#include "gui/Commands.h"
#include "gui/LayoutTable.h"
#include "gui/MenuTable.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Commands still to come, with the screen or menu they belong to.
const QStringList kStillToCome{
    u"Label54"_s,                                             // tab 得点入力
    u"Label60"_s,                                             // the result table command
    u"Button3"_s, u"Button5"_s,                               // swapping players
    u"Label55"_s,                                             // score entry
    u"CheckBox1"_s, u"CheckBox3"_s,                           // the ranking options
    u"N41"_s, u"N45"_s,                                       // 入れ替え開始, 入れ替え終り
};

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
    void stillToComeListsOnlyMissingCommands();
};

void CommandsTest::everyCommandWidgetHasItsHandler()
{
    QStringList missing;
    for (const QString &name : commandWidgets())
        if (!commandOf(name) && !kStillToCome.contains(name)) missing << name;
    QVERIFY2(missing.isEmpty(), qPrintable(u"no handler: "_s + missing.join(u", "_s)));
}

void CommandsTest::stillToComeListsOnlyMissingCommands()
{
    const QStringList widgets = commandWidgets();
    QStringList stale;
    for (const QString &name : kStillToCome)
        if (commandOf(name) || !widgets.contains(name)) stale << name;
    QVERIFY2(stale.isEmpty(), qPrintable(u"handled or no longer a command widget, remove from the list: "_s +
                                         stale.join(u", "_s)));
}

QTEST_APPLESS_MAIN(CommandsTest)
#include "tst_commands.moc"
