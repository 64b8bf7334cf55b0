// The menu bar with its entries and ticks, the reminder while combining, the about box,
// the help document, closing the window, and boxes that show what was drawn before them.
#include "WindowFixture.h"

#include "gui/AboutBox.h"
#include "gui/Commands.h"
#include "gui/HelpWindow.h"
#include "gui/LayoutTable.h"
#include "gui/MenuTable.h"
#include "support/Scenario.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// "title/submenu/entry" for every entry under a menu, separators left out.
void listEntries(const QMenu *menu, const QString &path, QStringList &out)
{
    for (QAction *action : menu->actions()) {
        if (action->isSeparator()) continue;
        if (const QMenu *sub = action->menu())
            listEntries(sub, path + u'/' + sub->title(), out);
        else
            out << path + u'/' + action->objectName();
    }
}

QMenu *topMenu(MainWindow &window, const QString &title)
{
    for (QAction *action : window.menuBar()->actions())
        if (action->menu() && action->menu()->title() == title) return action->menu();
    return nullptr;
}

} // namespace

class MenuTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }
    void menuBarHoldsTheMenusInOrder();
    void menusHoldTheirEntries();
    void entriesShowTheFormsCaptionsAndTicks();
    void choosingAnOptionMovesTheTick();
    void entriesWithoutACommandAreUnavailable();
    void controlsRunTheHandlerOfTheirName();
    void openingAGuardedMenuRemindsWhileCombining();
    void aboutBoxOpensAndCloses();
    void helpOpensTheDocument();
    void helpNamesEveryMenuEntryTabAndButton();
    void closeBoxAsksFirst();
    void closeCommandEndsTheProgram();
    void boxesShowWhatWasDrawnBeforeThem();
    void standardButtonsReadJapanese();
    void boxesShowTheWholeMessageAndJapaneseButtons();
    void enterOnTheDiscardQuestionKeepsTheRoster();
};

void MenuTest::menuBarHoldsTheMenusInOrder()
{
    StartedWindow w;
    QStringList titles;
    for (QAction *action : w.window->menuBar()->actions()) titles << action->text();
    QCOMPARE(titles, (QStringList{u"ファイル"_s, u"編集"_s, u"一括出場設定"_s, u"クリア"_s, u"作表設定"_s,
                                  u"組み合せ設定"_s, u"オプション"_s, u"印 刷"_s, u"ヘルプ"_s}));
    // 印 刷 is a command on the bar itself.
    QAction *print = w.window->menuEntry(u"N21"_s);
    QVERIFY(print);
    QVERIFY(!print->menu());
    QVERIFY(w.window->menuBar()->actions().contains(print));
}

void MenuTest::menusHoldTheirEntries()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    QStringList entries;
    for (QAction *action : w.window->menuBar()->actions()) {
        if (QMenu *menu = action->menu()) {
            // A menu is filled when it is first opened.
            menu->popup(QPoint(10, 30));
            menu->hide();
            listEntries(menu, menu->title(), entries);
        }
    }
    const QStringList expected{
        u"ファイル/N3"_s,
        u"ファイル/SaveInPlace"_s,
        u"ファイル/N7"_s,
        u"ファイル/PrintPreview"_s,
        u"ファイル/SavePdf"_s,
        u"ファイル/PrintAll"_s,
        u"ファイル/CsvExport"_s,
        u"ファイル/Season"_s,
        u"ファイル/Recent1"_s,
        u"ファイル/Recent2"_s,
        u"ファイル/Recent3"_s,
        u"ファイル/Recent4"_s,
        u"ファイル/N11"_s,
        u"ファイル/N39"_s,
        u"編集/Undo"_s,
        u"編集/Redo"_s,
        u"一括出場設定/N9"_s,
        u"一括出場設定/N10"_s,
        u"クリア/N16"_s,
        u"クリア/N18"_s,
        u"クリア/A1"_s,
        u"クリア/B1"_s,
        u"クリア/C1"_s,
        u"クリア/D1"_s,
        u"作表設定/一組の最大人数設定/N20"_s,
        u"作表設定/一組の最大人数設定/N29"_s,
        u"作表設定/成績表・メンバー表の形式/N31"_s,
        u"作表設定/成績表・メンバー表の形式/N32"_s,
        u"作表設定/スコア表のホール番号表示/N35"_s,
        u"作表設定/スコア表のホール番号表示/N36"_s,
        u"作表設定/スコア入力欄に\"－\"を表記する/N47"_s,
        u"作表設定/スコア入力欄に\"－\"を表記する/N48"_s,
        u"組み合せ設定/リーダーをグループ指定/A3"_s,
        u"組み合せ設定/リーダーをグループ指定/B3"_s,
        u"組み合せ設定/リーダーをグループ指定/C3"_s,
        u"組み合せ設定/リーダーをグループ指定/D3"_s,
        u"組み合せ設定/リーダーをグループ指定/N33"_s,
        u"組み合せ設定/男女を平均して組み合わせ/N43"_s,
        u"組み合せ設定/男女を平均して組み合わせ/N44"_s,
        u"組み合せ設定/同じチームを分散/SpreadTeamsOn"_s,
        u"組み合せ設定/同じチームを分散/SpreadTeamsOff"_s,
        u"組み合せ設定/組み合せ表で選手の入れ替え/N41"_s,
        u"組み合せ設定/組み合せ表で選手の入れ替え/N45"_s,
        u"組み合せ設定/CheckCombination"_s,
        u"オプション/一覧表に年齢を表示/N37"_s,
        u"オプション/一覧表に年齢を表示/N38"_s,
        u"オプション/グループ名変更/N24"_s,
        u"オプション/グループ名変更/A2"_s,
        u"オプション/グループ名変更/B2"_s,
        u"オプション/グループ名変更/C2"_s,
        u"オプション/グループ名変更/D2"_s,
        u"オプション/グループ名変更/N2"_s,
        u"オプション/文字の大きさ/TextSize100"_s,
        u"オプション/文字の大きさ/TextSize125"_s,
        u"オプション/文字の大きさ/TextSize150"_s,
        u"オプション/Venue"_s,
        u"オプション/テスト用擬似データ読み出し/N27"_s,
        u"オプション/テスト用擬似データ読み出し/N28"_s,
        u"ヘルプ/N5"_s,
        u"ヘルプ/N6"_s,
    };
    QCOMPARE(entries, expected);
}

void MenuTest::entriesShowTheFormsCaptionsAndTicks()
{
    StartedWindow w;
    for (const auto &[name, control] : w.form().controls()) {
        if (control.kind != ControlKind::MenuItem) continue;
        QAction *entry = w.window->menuEntry(name);
        QVERIFY2(entry, qPrintable(name));
        QCOMPARE(entry->text(), control.text);
        QCOMPARE(entry->isChecked(), control.checked);
    }
    // The start-up options carry their ticks.
    for (const char *on : {"N20", "N31", "N35", "N48", "N43", "N38", "SpreadTeamsOff"}) {
        QVERIFY2(w.window->menuEntry(QString::fromLatin1(on))->isChecked(), on);
        QVERIFY(w.window->menuEntry(QString::fromLatin1(on))->isCheckable());
    }
    for (const char *off : {"N29", "N32", "N36", "N47", "N44", "N37", "SpreadTeamsOn"}) {
        QVERIFY2(!w.window->menuEntry(QString::fromLatin1(off))->isChecked(), off);
        QVERIFY(w.window->menuEntry(QString::fromLatin1(off))->isCheckable());
    }
    // Plain commands show no tick box.
    QVERIFY(!w.window->menuEntry(u"N11"_s)->isCheckable());
    QVERIFY(!w.window->menuEntry(u"N6"_s)->isCheckable());
}

void MenuTest::choosingAnOptionMovesTheTick()
{
    StartedWindow w;
    QAction *six = w.window->menuEntry(u"N20"_s);
    QAction *eight = w.window->menuEntry(u"N29"_s);
    eight->trigger(); // ８人枠
    QVERIFY(eight->isChecked());
    QVERIFY(!six->isChecked());
    QVERIFY(w.form().ticked("N29"));
    QVERIFY(!w.form().ticked("N20"));
    eight->trigger(); // choosing the ticked entry again keeps its tick
    QVERIFY(eight->isChecked());
    six->trigger(); // ６人枠
    QVERIFY(six->isChecked());
    QVERIFY(!eight->isChecked());
    QVERIFY(w.form().ticked("N20"));
}

void MenuTest::entriesWithoutACommandAreUnavailable()
{
    StartedWindow w;
    // Commands that the form has are available.
    for (const char *name : {"N11", "N39", "N20", "N29", "N24", "N5", "N6"})
        QVERIFY2(w.window->menuEntry(QString::fromLatin1(name))->isEnabled(), name);
    // An entry whose command the form lacks is shown but cannot be chosen.
    for (const char *name : {"N3", "N7", "N41", "N45", "N27", "N28", "N21"}) {
        QAction *entry = w.window->menuEntry(QString::fromLatin1(name));
        QVERIFY2(entry, name);
        QVERIFY(entry->isVisible());
        if (!commandOf(QString::fromLatin1(name))) QVERIFY2(!entry->isEnabled(), name);
    }
}

void MenuTest::controlsRunTheHandlerOfTheirName()
{
    QVERIFY(commandOf(u"Label40"_s) == &TMainForm::Label40Click);
    QVERIFY(commandOf(u"Label42"_s) == &TMainForm::Label42Click);
    QVERIFY(commandOf(u"Button6"_s) == &TMainForm::Button6Click);
    QVERIFY(commandOf(u"N20"_s) == &TMainForm::N20Click);
    QVERIFY(commandOf(u"N6"_s) == &TMainForm::N6Click);
    QVERIFY(commandOf(u"Label10"_s) == nullptr); // the list title starts nothing
    QVERIFY(commandOf(u"Label4"_s) != commandOf(u"Label40"_s));
}

void MenuTest::openingAGuardedMenuRemindsWhileCombining()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    QMenu *file = topMenu(*w.window, u"ファイル"_s);
    QMenu *combination = topMenu(*w.window, u"組み合せ設定"_s);
    QVERIFY(file && combination);

    file->popup(QPoint(10, 30));
    file->hide();
    QVERIFY(w.boxes.empty());

    w.form().Combining = 1;
    file->popup(QPoint(10, 30));
    file->hide();
    QCOMPARE(w.boxes.size(), size_t(1));
    QCOMPARE_BOX(w.boxes.back(), u"「完了」又は「やり直し」を押して下さい"_s, u"組み合わせ中です"_s,
                 MsgIcon::Information, MsgButtons::Ok);

    for (const QString &title : {u"一括出場設定"_s, u"クリア"_s, u"作表設定"_s, u"オプション"_s}) {
        QMenu *menu = topMenu(*w.window, title);
        menu->popup(QPoint(10, 30));
        menu->hide();
    }
    QCOMPARE(w.boxes.size(), size_t(5));

    combination->popup(QPoint(10, 30));
    combination->hide();
    QCOMPARE(w.boxes.size(), size_t(5));
}

void MenuTest::aboutBoxOpensAndCloses()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    QString title, heading, version;
    bool modal = false, fixed = false, centred = false, hasIcon = false;
    QTimer::singleShot(0, w.window.get(), [&] {
        auto *box = qobject_cast<AboutBox *>(QApplication::activeModalWidget());
        if (!box) return;
        title = box->windowTitle();
        modal = box->isModal();
        fixed = box->minimumSize() == box->maximumSize();
        const QRect screen = box->screen()->availableGeometry();
        centred = (box->geometry().center() - screen.center()).manhattanLength() <= 4;
        heading = box->findChild<QLabel *>(u"title"_s)->text();
        version = box->findChild<QLabel *>(u"version"_s)->text();
        hasIcon = !box->findChild<QLabel *>(u"icon"_s)->pixmap().isNull();
        QTest::mouseClick(box->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    // Should the box not close, this closes it so that the test reports instead of hanging.
    QTimer::singleShot(5000, w.window.get(), [] {
        if (QWidget *box = QApplication::activeModalWidget()) box->close();
    });
    w.window->menuEntry(u"N6"_s)->trigger(); // ヘルプ › バージョン情報
    QCOMPARE(title, u"バージョン情報"_s);
    QVERIFY(modal);
    QVERIFY(fixed);
    QVERIFY(centred);
    QVERIFY(hasIcon);
    QCOMPARE(heading, u"くみっとEX"_s);
    QCOMPARE(version, u"Version 1.0.4"_s);
    QVERIFY(!QApplication::activeModalWidget());
}

void MenuTest::helpOpensTheDocument()
{
    StartedWindow w;
    QList<QUrl> opened;
    bool viewerStarts = true;
    w.window->platform().openUrl = [&opened, &viewerStarts](const QUrl &url) {
        opened << url;
        return viewerStarts;
    };
    // The help document beside the program (the build puts it beside kmtx).
    const QString path = QtPlatform::documentPath(u"KmtxHlp.html"_s);
    std::optional<QFile> placed;
    if (!QFileInfo::exists(path)) {
        placed.emplace(QDir(QCoreApplication::applicationDirPath()).filePath(u"KmtxHlp.html"_s));
        QVERIFY(placed->open(QIODevice::WriteOnly));
        placed->write(
            u"<html><head><title>くみっとEX の使い方</title></head><body>?</body></html>"_s.toUtf8());
        placed->close();
    }
    w.window->menuEntry(u"N5"_s)->trigger(); // ヘルプ › ヘルプ
    QCOMPARE(opened.size(), 1);
    QVERIFY(opened.front().isLocalFile());
    const QFileInfo file(opened.front().toLocalFile());
    QCOMPARE(file.fileName(), u"KmtxHlp.html"_s);
    QVERIFY(file.isAbsolute());
    QVERIFY(w.boxes.empty());

    // No browser to show it: the program shows it in a window of its own, once.
    viewerStarts = false;
    w.window->menuEntry(u"N5"_s)->trigger();
    w.window->menuEntry(u"N5"_s)->trigger();
    QVERIFY(w.boxes.empty());
    HelpWindow *help = w.window->platform().helpWindow();
    QVERIFY(help && help->isVisible());
    QCOMPARE(w.window->findChildren<HelpWindow *>().size(), 1);
    QCOMPARE(help->browser()->source(), opened.front());
    QCOMPARE(help->windowTitle(), u"くみっとEX の使い方"_s); // the document's own title
    help->findChild<QPushButton *>(u"HelpClose"_s)->click();
    QVERIFY(!help->isVisible());

    // A missing document is handed to neither: a box names the file.
    if (placed) {
        placed->remove();
        w.window->menuEntry(u"N5"_s)->trigger();
        QCOMPARE(opened.size(), 3);
        QCOMPARE(w.boxes.size(), size_t(1));
        QVERIFY(w.boxes.back().text.contains(u"KmtxHlp.html"_s));
        QCOMPARE(w.boxes.back().caption, u"ヘルプ"_s);
    }

    // A document beside the program is found there, whatever the current folder.
    QTemporaryFile beside(QCoreApplication::applicationDirPath() + u"/KmtxDocXXXXXX.html"_s);
    QVERIFY(beside.open());
    const QString name = QFileInfo(beside.fileName()).fileName();
    QCOMPARE(QtPlatform::documentPath(name), QFileInfo(beside.fileName()).absoluteFilePath());
    QCOMPARE(QtPlatform::documentPath(u"KmtxNoSuchDocument.html"_s),
             QDir::current().absoluteFilePath(u"KmtxNoSuchDocument.html"_s));

    // Installed, the document is in the data folder beside the program's (PREFIX/share/kmtx).
    const QDir program(QCoreApplication::applicationDirPath());
    QCOMPARE(QtPlatform::installedDataFolder(), u"../share/kmtx"_s);
    QVERIFY(program.mkpath(QtPlatform::installedDataFolder()));
    QTemporaryFile installed(program.filePath(QtPlatform::installedDataFolder() + u"/KmtxDocXXXXXX.html"_s));
    QVERIFY(installed.open());
    QCOMPARE(QtPlatform::documentPath(QFileInfo(installed.fileName()).fileName()),
             QDir::cleanPath(installed.fileName()));
    installed.remove();
    program.rmpath(QtPlatform::installedDataFolder());
}

void MenuTest::helpNamesEveryMenuEntryTabAndButton()
{
    QFile file(QFINDTESTDATA(u"../../data/KmtxHlp.html"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    // Blanks as the reader sees them: any run of them one blank ("修　正" reads "修 正").
    const QString help = document.toPlainText().simplified();

    StartedWindow w;
    QStringList missing;
    const auto named = [&](const QString &caption, const QString &what) {
        const QString words = caption.simplified();
        if (!words.isEmpty() && !help.contains(words)) missing << what + u" 「"_s + words + u"」"_s;
    };
    // The menu bar: every menu and submenu by its title, every entry by its caption (the
    // recent files show the names of files).
    std::vector<const MenuNode *> nodes;
    for (const MenuNode &n : menuBarTable()) nodes.push_back(&n);
    while (!nodes.empty()) {
        const MenuNode *n = nodes.back();
        nodes.pop_back();
        named(n->title, u"menu"_s);
        if (!n->entry.isEmpty() && !n->entry.startsWith(u"Recent"_s))
            named(w.form().control(n->entry).text, n->entry);
        for (const MenuNode &child : n->children) nodes.push_back(&child);
    }
    // The window: every tab, every label that acts as a button, every button and check box.
    for (const Place &p : layoutTable()) {
        if (p.look != Look::Tab && p.look != Look::Command && p.look != Look::Button && p.look != Look::Check)
            continue;
        static const QStringList groupTabs{u"Label44"_s, u"Label45"_s, u"Label46"_s, u"Label47"_s};
        const qsizetype g = groupTabs.indexOf(p.name);
        // A group tab by the name it has until the user gives it another.
        named(g >= 0 ? QChar(char16_t(u'A' + g)) + u" グループ"_s : w.form().control(p.name).text, p.name);
    }
    QVERIFY2(missing.isEmpty(), qPrintable(u"not named in the help: "_s + missing.join(u", "_s)));
}

void MenuTest::closeBoxAsksFirst()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    w.answers.push_back(IdNo);
    QVERIFY(!w.window->close());
    QVERIFY(w.window->isVisible());
    QCOMPARE(w.boxes.size(), size_t(1));
    QCOMPARE_BOX(w.boxes.back(), u"このソフトウエアを終了しますか"_s, u"終了"_s, MsgIcon::Warning,
                 MsgButtons::YesNo);

    w.answers.push_back(IdYes);
    QVERIFY(w.window->close());
    QVERIFY(!w.window->isVisible());
    QCOMPARE(w.boxes.size(), size_t(2));
}

void MenuTest::closeCommandEndsTheProgram()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    w.answers.push_back(IdNo);
    w.window->menuEntry(u"N11"_s)->trigger(); // ファイル › 閉じる, answered いいえ
    QVERIFY(w.window->isVisible());
    w.answers.push_back(IdYes);
    w.window->menuEntry(u"N11"_s)->trigger(); // answered はい
    QVERIFY(!w.window->isVisible());
    // One question each time: the window closes without asking again.
    QCOMPARE(w.boxes.size(), size_t(2));
}

void MenuTest::boxesShowWhatWasDrawnBeforeThem()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    QString shownTitle;
    bool bandVisible = true;
    w.window->platform().answerBox = [&](const QString &, const QString &, MsgIcon, MsgButtons) {
        shownTitle = w.widgetAs<QLabel>("Label10")->text();
        bandVisible = w.widget("Panel5")->isVisible();
        return int(IdNo);
    };
    // What a command has set so far reaches the widgets before its first box.
    w.form().control("Label10").text = u"Aグループ"_s;
    w.form().control("Panel5").visible = false;
    w.window->menuEntry(u"N39"_s)->trigger(); // ファイル › システムファイルを削除 asks first
    QCOMPARE(shownTitle, u"Aグループ"_s);
    QVERIFY(!bandVisible);
}

void MenuTest::standardButtonsReadJapanese()
{
    const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    const QString no = QCoreApplication::translate("QPlatformTheme", "&No");
    QVERIFY2(yes.contains(u"はい"_s), qPrintable(yes));
    QVERIFY2(no.contains(u"いいえ"_s), qPrintable(no));
}

void MenuTest::boxesShowTheWholeMessageAndJapaneseButtons()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    w.window->platform().answerBox = nullptr; // the real box this time
    QString title, text, yes, no;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool oneLine = false;
    QTimer::singleShot(0, w.window.get(), [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        yes = box->button(QMessageBox::Yes)->text();
        no = box->button(QMessageBox::No)->text();
        const auto *label = box->findChild<QLabel *>(u"qt_msgbox_label"_s);
        oneLine = label && label->height() < 2 * label->fontMetrics().height() &&
                  label->width() >= label->fontMetrics().horizontalAdvance(text);
        box->button(QMessageBox::No)->click();
    });
    QTimer::singleShot(5000, w.window.get(), [] {
        if (QWidget *box = QApplication::activeModalWidget()) box->close();
    });
    w.window->menuEntry(u"N39"_s)->trigger(); // ファイル › システムファイルを削除
    QCOMPARE(title, u"警告"_s);
    QCOMPARE(text, u"グループ名などの設定が初期状態に戻ります。設定ファイルを削除しますか"_s);
    QCOMPARE(icon, QMessageBox::Critical);
    QVERIFY2(yes.contains(u"はい"_s), qPrintable(yes));
    QVERIFY2(no.contains(u"いいえ"_s), qPrintable(no));
    QVERIFY(oneLine);
    QVERIFY(!QApplication::activeModalWidget()); // いいえ ends the command: no second box
}

void MenuTest::enterOnTheDiscardQuestionKeepsTheRoster()
{
    StartedWindow w;
    QVERIFY(w.exposed());
    w.window->platform().answerBox = nullptr; // the real box
    const QStringList roster{u"山田太郎,緑会,男,昭和,10,10,10,0,off,off,off,,"_s};
    w.form().MemberLines = roster;
    w.form().SavedMemberLines = roster;
    w.form().Bunkatu();
    w.form().Label40Click(); // tab 「メンバー登録」
    bool defaultIsNo = false;
    QTimer::singleShot(0, w.window.get(), [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) return;
        defaultIsNo = box->defaultButton() == box->button(QMessageBox::No);
        QTest::keyClick(box, Qt::Key_Return);
    });
    QTimer::singleShot(5000, w.window.get(), [] {
        if (QWidget *box = QApplication::activeModalWidget()) box->close();
    });
    w.form().Label3Click(); // 「新規登録」 asks before discarding one member
    QVERIFY(defaultIsNo);
    QCOMPARE(w.form().MemberLines, roster);
}

QTEST_MAIN(MenuTest)
#include "tst_menus.moc"
