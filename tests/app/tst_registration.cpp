// Registering, correcting, moving and deleting members on the メンバー登録 screen.
#include "support/RosterSteps.h"

using namespace Qt::StringLiterals;
using namespace steps;

Q_DECLARE_METATYPE(steps::Entry)

class Registration : public QObject
{
    Q_OBJECT
private slots:
    void registeringAppendsTheLine();
    void listShowsBirthDateAndAge_data();
    void listShowsBirthDateAndAge();
    void threeHundredthFitsTheNextIsRefused();
    void additionalRegistrationRefusedAtThreeHundred();
    void moreThanThreeHundredLinesRefused();
    void refusedForms_data();
    void refusedForms();
    void executeOnlyChecksWhileMovingOrDeleting();
    void selectorIsOneOfThree();
    void newRegistrationDiscardsTheRosterAtOnce();
    void newRegistrationAsksFirst_data();
    void newRegistrationAsksFirst();
    void enterRegistersAndTheFocusReturnsToTheName();
    void hintLineHidesWhenTheEditEnds_data();
    void hintLineHidesWhenTheEditEnds();
    void listScrollsNoFurtherThanItsLastRow_data();
    void listScrollsNoFurtherThanItsLastRow();
    void correctionLoadsTheFormAndKeepsMarksAndAge();
    void correctionNeedsAPickedMember_data();
    void correctionNeedsAPickedMember();
    void moves_data();
    void moves();
    void deleting();
    void listEditLabelsAndHint();
};

namespace {
const Entry kHanako{u"山田花子"_s, u"緑会"_s, Woman, Showa, 30, 5, 1};
const QString kHanakoLine = u"山田花子,緑会,女,昭和,30,5,1,0,off,off,off,,"_s;

// The one box shown so far.
void boxIs(Scenario &s, const QString &text, const QString &caption, MsgIcon icon = MsgIcon::Information,
           MsgButtons buttons = MsgButtons::Ok)
{
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(), text, caption, icon, buttons);
}
} // namespace

void Registration::registeringAppendsTheLine()
{
    // The tests' roster lines are the lines registration writes.
    QCOMPARE(rosterLine(kHanako.name).team(kHanako.team).woman().born(u"昭和"_s, 30, 5, 1).text(),
             kHanakoLine);

    Scenario s;
    s.form.Label40Click();
    s.form.Label3Click();
    registerMember(s, kHanako);
    registerMember(s, kHanako); // names need not be unique
    QCOMPARE(s.form.MemberLines, QStringList({kHanakoLine, kHanakoLine}));
    QCOMPARE(s.form.SavedMemberLines, s.form.MemberLines);
    QCOMPARE(nameIn(s, 1), u"山田花子"_s);
    QCOMPARE(listText(s, 323, 1), u"女性"_s);
    // 氏名 is emptied for the next member; the team and the lists stay.
    QCOMPARE(s.form.control("Edit1").text, QString());
    QCOMPARE(s.form.control("Edit2").text, u"緑会"_s);
    QCOMPARE(s.form.control("ComboBox3").itemIndex, 29);
    QVERIFY(s.platform.boxes.empty());

    // Full-width spaces are stored as typed.
    registerMember(s, {u"　山田　花子"_s, u"緑　会　"_s});
    QCOMPARE(s.form.MemberLines.at(2), u"　山田　花子,緑　会　,男,昭和,10,10,10,0,off,off,off,,"_s);
    QCOMPARE(s.form.Members[2].Team, u"緑　会　"_s);
}

void Registration::listShowsBirthDateAndAge_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("option");
    QTest::addColumn<int>("era");
    QTest::addColumn<QString>("shown"); // era, year, month, day and age as drawn
    const QDate d(2026, 12, 7);
    QTest::newRow("showa 30-5-1") << d << true << int(Showa) << u"昭和 30 5 1 71"_s;
    QTest::newRow("the day before the birthday")
        << QDate(2026, 5, 1).addDays(-1) << true << int(Showa) << u"昭和 30 5 1 70"_s;
    QTest::newRow("the birthday") << QDate(2026, 5, 1) << true << int(Showa) << u"昭和 30 5 1 71"_s;
    QTest::newRow("taisho") << d << true << int(Taisho) << u"大正 14 5 1 101"_s; // 大正 ends in its 15th year
    QTest::newRow("heisei") << d << true << int(Heisei) << u"平成 30 5 1 8"_s;
    QTest::newRow("blank era keeps age 0") << d << true << int(Western) << u"西暦 30 5 1 0"_s;
    QTest::newRow("hidden era") << d << true << int(Hidden) << u"    "_s;
    QTest::newRow("option off") << d << false << int(Showa) << u"    "_s;
}

void Registration::listShowsBirthDateAndAge()
{
    QFETCH(QDate, today);
    QFETCH(bool, option);
    QFETCH(int, era);
    QFETCH(QString, shown);
    Scenario s(QDateTime(today, QTime(9, 0)));
    if (option) s.form.N37Click();
    s.form.Label40Click();
    s.form.Label3Click();
    registerMember(s, {kHanako.name, kHanako.team, Woman, era, era == Taisho ? 14 : 30, 5, 1});
    QStringList drawn;
    for (int x : {368, 395, 412, 428, 455}) drawn << listText(s, x, 0);
    QCOMPARE(drawn.join(u' '), shown);

    // The option redraws the list at once.
    option ? s.form.N38Click() : s.form.N37Click();
    QCOMPARE(listText(s, 455, 0).isEmpty(), option || era == Hidden);
}

void Registration::threeHundredthFitsTheNextIsRefused()
{
    Scenario s;
    onRegistrationScreen(s, rosterLines(299));
    QCOMPARE(s.form.EditMode, editmode::Register);
    QCOMPARE(s.form.ListTopRow, 279); // 299 − 3 would pass the last row the list scrolls to
    registerMember(s, kHanako);
    QCOMPARE(s.form.MemberCount(), 300);
    QCOMPARE(nameIn(s, 299), u"山田花子"_s);

    const QStringList full = s.form.MemberLines;
    registerMember(s, {u"三百一"_s, u"緑会"_s});
    boxIs(s, u"メンバー数が３００名を超過します"_s, u"メンバー超過"_s, MsgIcon::Error);
    QCOMPARE(s.form.MemberLines, full);
    QCOMPARE(s.form.SavedMemberLines, full);
}

void Registration::additionalRegistrationRefusedAtThreeHundred()
{
    Scenario s;
    s.loadRoster(rosterLines(300));
    s.form.Label40Click();
    s.form.MemberLines.removeLast(); // an unsaved change, undone by 追加登録
    s.form.Label84Click();
    boxIs(s, u"メンバー数が３００名を超過します"_s, u"追加登録不可"_s, MsgIcon::Error);
    QCOMPARE(s.form.MemberCount(), 300);
    QCOMPARE(s.form.EditMode, editmode::None);
    registerMember(s, kHanako); // no registration mode: 実行 says which to choose
    QCOMPARE(s.form.MemberCount(), 300);
    QCOMPARE(s.platform.boxes.size(), size_t(2));
}

void Registration::moreThanThreeHundredLinesRefused()
{
    for (int mode : {9, 7, 1, 3}) {
        Scenario s;
        s.form.Label40Click();
        s.loadRoster(rosterLines(301)); // only a file edited elsewhere holds this many
        s.form.EditMode = static_cast<editmode>(mode);
        s.form.SelRow = 0;
        registerMember(s, kHanako);
        boxIs(s, u"メンバー数が３００名を超過します"_s, u"警告"_s, MsgIcon::Error);
        QCOMPARE(s.form.MemberLines, rosterLines(301));
    }
}

void Registration::refusedForms_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("team");
    QTest::addColumn<int>("sex");
    QTest::addColumn<Entry>("date"); // era, year, month and day
    QTest::addColumn<QString>("message");
    const QString n = u"山田"_s, t = u"緑会"_s;
    const auto row = [](const char *tag, const QString &name, const QString &team, int sex, int year,
                        const QString &message, int era = Showa, int month = 1, int day = 1) {
        QTest::newRow(tag) << name << team << sex << Entry{{}, {}, 0, era, year, month, day} << message;
    };
    row("no sex", QString(), QString(), -1, 1, u"性別を設定して下さい"_s);
    row("no name", QString(), QString(), 0, 1, u"氏名を入力して下さい"_s);
    row("no team", n, QString(), 1, 1, u"チーム名を入力して下さい"_s);
    row("no year", n, t, 1, 0, u"生年月日を設定して下さい"_s);
    row("comma", u"山田,花子"_s, t, 0, 1, u"氏名に使えない文字「,」が含まれています"_s);
    row("name checked first", u"山,田"_s, u"緑 会"_s, 0, 1, u"氏名に使えない文字「,」が含まれています"_s);
    row("blank", n, u"緑 会"_s, 0, 1, u"チーム名に半角スペースは使えません（全角スペースは使えます）"_s);
    row("tab", u"山田\t"_s, t, 0, 1, u"氏名に制御文字（U+0009）は使えません"_s);
    row("delete", n, u"緑\u007f"_s, 0, 1, u"チーム名に制御文字（U+007F）は使えません"_s);
    row("leading quote", u"\"山田"_s, t, 0, 1, u"氏名の先頭に「\"」は使えません"_s);
    row("leading dollar", n, u"$緑会"_s, 0, 1, u"チーム名の先頭に「$」は使えません"_s);
    row("emoji", u"山田😀"_s, t, 0, 1, u"氏名に使えない文字「😀」が含まれています"_s);
    row("hangul", n, u"김"_s, 0, 1, u"チーム名に使えない文字「김」が含まれています"_s);
    // Birth dates that do not exist, or lie outside their era.
    const QString check = u"。生年月日を確かめて下さい"_s;
    row("2月30日", n, t, 0, 20, u"昭和20年2月30日という日はありません"_s + check, Showa, 2, 30);
    row("4月31日, no era year", n, t, 0, 5, u"非表示5年4月31日という日はありません"_s + check, Hidden, 4, 31);
    row("2月29日 of a common year", n, t, 0, 2, u"平成2年2月29日という日はありません"_s + check, Heisei, 2,
        29);
    row("before 昭和", n, t, 0, 1,
        u"昭和1年12月24日は昭和の期間（1年12月25日から64年1月7日まで）にありません"_s + check, Showa, 12, 24);
    row("after 昭和", n, t, 0, 64,
        u"昭和64年1月8日は昭和の期間（1年12月25日から64年1月7日まで）にありません"_s + check, Showa, 1, 8);
    row("after 平成", n, t, 0, 31,
        u"平成31年5月1日は平成の期間（1年1月8日から31年4月30日まで）にありません"_s + check, Heisei, 5, 1);
    row("after 大正", n, t, 0, 16,
        u"大正16年1月1日は大正の期間（1年7月30日から15年12月24日まで）にありません"_s + check, Taisho, 1, 1);
}

void Registration::refusedForms()
{
    QFETCH(QString, name);
    QFETCH(QString, team);
    QFETCH(int, sex);
    QFETCH(Entry, date);
    QFETCH(QString, message);
    for (bool correcting : {false, true}) {
        Scenario s;
        onRegistrationScreen(s, rosterLines(2));
        if (correcting) {
            s.form.Label4Click();
            s.form.clickMemberList(1);
        }
        registerMember(s, {name, team, sex, date.era, date.year, date.month, date.day});
        boxIs(s, message, u"入力が未完"_s);
        QCOMPARE(s.form.MemberLines, rosterLines(2)); // byte for byte as it was
        QCOMPARE(s.form.SavedMemberLines, rosterLines(2));
        QCOMPARE(s.form.control("Edit1").text, name); // kept for mending
    }
}

void Registration::executeOnlyChecksWhileMovingOrDeleting()
{
    for (bool deleting : {false, true}) {
        Scenario s;
        s.loadRoster(rosterLines(3));
        s.form.Label40Click();
        registerMember(s, {QString(), QString(), -1}); // no edit mode: which to choose, no check
        QCOMPARE(s.platform.takeBoxes().size(), size_t(1));
        deleting ? s.form.Label6Click() : s.form.Label5Click();
        registerMember(s, kHanako);
        QVERIFY(s.platform.boxes.empty());
        registerMember(s, {u"山,田"_s, u"緑会"_s});
        boxIs(s, u"氏名に使えない文字「,」が含まれています"_s, u"入力が未完"_s);
        QCOMPARE(s.form.MemberLines, rosterLines(3));
        QCOMPARE(s.form.EditMode, deleting ? editmode::Delete : editmode::MovePick);
    }
}

void Registration::selectorIsOneOfThree()
{
    Scenario s;
    s.form.Label40Click();
    const char *labels[3] = {"Label3", "Label84", "Label4"};
    const editmode modes[3] = {editmode::Register, editmode::Register, editmode::Correct};
    auto click = [&](int k) {
        k == 0 ? s.form.Label3Click() : k == 1 ? s.form.Label84Click() : s.form.Label4Click();
    };
    for (int k = 0; k < 3; ++k) {
        click((k + 1) % 3); // another one on first
        click(k);
        for (int l = 0; l < 3; ++l)
            QCOMPARE(s.form.control(labels[l]).colour, l == k ? colours::Yellow : colours::Cream);
        QCOMPARE(s.form.EditMode, modes[k]);
        click(k); // off again
        for (const char *l : labels) QCOMPARE(s.form.control(l).colour, colours::Cream);
        QCOMPARE(s.form.EditMode, editmode::None);
    }
}

void Registration::newRegistrationDiscardsTheRosterAtOnce()
{
    Scenario s;
    s.loadRoster(rosterLines(300));
    s.form.Label40Click();
    s.form.scrollListTo(200);
    s.platform.answer(IdYes); // discard the 300 members
    s.form.Label3Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QVERIFY(s.form.MemberLines.isEmpty() && s.form.SavedMemberLines.isEmpty());
    QCOMPARE(s.form.ListTopRow, 0);
    QCOMPARE(nameIn(s, 299), QString());
    QCOMPARE(listText(s, 7, 299), u"300"_s); // row numbers stay

    // 追加登録 continues from the saved lines and keeps the new last member in view.
    s.loadRoster(rosterLines(40));
    s.form.MemberLines = rosterLines(5); // an unsaved change of the lines
    s.form.Label84Click();
    QCOMPARE(s.form.MemberLines, rosterLines(40));
    QCOMPARE(s.form.ListTopRow, 37);
    registerMember(s, kHanako);
    QCOMPARE(s.form.MemberCount(), 41);
    QCOMPARE(s.form.ListTopRow, 31);
}

void Registration::correctionLoadsTheFormAndKeepsMarksAndAge()
{
    Scenario s;
    s.form.N37Click();
    s.loadRoster({rosterLine(u"甲"_s).team(u"A会"_s),
                  u"乙,B会,女性,平成,3,4,5,35,on,a,off,"_s, // as rebuilt, no twelfth field
                  rosterLine(u"丙"_s).team(u"C会"_s).born(u"西暦"_s, 1, 2, 3).age(77).plays()});
    s.form.Label40Click();
    s.form.Label4Click();
    s.form.clickMemberList(1);
    QCOMPARE(s.form.control("Edit1").text, u"乙"_s);
    QCOMPARE(s.form.control("Edit2").text, u"B会"_s);
    QList<int> entries;
    for (const char *list : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5"})
        entries << s.form.control(list).itemIndex;
    QCOMPARE(entries, QList<int>({1, 3, 2, 3, 4}));
    for (int x : {39, 192}) QCOMPARE(s.platform.canvas("Image1").drawnAt(x, 28 + 7)->colour, colours::Red);

    s.form.typeInto("Edit1", u"乙野"_s);
    s.form.chooseItem("ComboBox1", Man);
    s.form.Button6Click();
    QCOMPARE(s.form.MemberLines.at(1), u"乙野,B会,男,平成,3,4,5,35,on,a,off,"_s);
    QCOMPARE(s.form.SavedMemberLines, s.form.MemberLines);
    QCOMPARE(s.form.control("Edit1").text, u"乙野"_s); // the form keeps its values
    QCOMPARE(s.platform.canvas("Image1").drawnAt(192, 28 + 7)->text, u"乙野"_s);
    QCOMPARE(s.platform.canvas("Image1").drawnAt(192, 28 + 7)->colour, colours::Black);

    // A 西暦 member leaves the era list as it was; the age read is kept.
    s.form.clickMemberList(2);
    QCOMPARE(s.form.control("ComboBox2").itemIndex, Heisei);
    s.form.chooseItem("ComboBox2", Western);
    s.form.Button6Click();
    QCOMPARE(s.form.MemberLines.at(2), u"丙,C会,男,西暦,1,2,3,77,on,off,off,"_s);
    QVERIFY(s.platform.boxes.empty());
}

void Registration::correctionNeedsAPickedMember_data()
{
    QTest::addColumn<bool>("rosterShrinks");
    QTest::newRow("no pick since the mode began") << false;
    QTest::newRow("the picked row is gone") << true;
}

void Registration::correctionNeedsAPickedMember()
{
    QFETCH(bool, rosterShrinks);
    Scenario s;
    s.loadRoster(rosterLines(3));
    s.form.Label40Click();
    s.form.Label4Click();
    s.form.clickMemberList(2);
    if (rosterShrinks) {
        s.loadRoster(rosterLines(2)); // a shorter roster put in place meanwhile
    } else {
        s.form.Label4Click(); // off and on again: the pick is forgotten
        s.form.Label4Click();
    }
    registerMember(s, kHanako);
    boxIs(s, u"修正するメンバーを一覧表から選んで下さい"_s, u"入力が未完"_s);
    QCOMPARE(s.form.MemberLines, rosterLines(rosterShrinks ? 2 : 3));
}

void Registration::moves_data()
{
    QTest::addColumn<int>("picked");
    QTest::addColumn<int>("target");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("first before fourth") << 0 << 3 << QList<int>{2, 3, 1, 4, 5};
    QTest::newRow("fourth before first") << 3 << 0 << QList<int>{4, 1, 2, 3, 5};
    QTest::newRow("onto itself") << 2 << 2 << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("before the next one") << 1 << 2 << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("second before last") << 1 << 4 << QList<int>{1, 3, 4, 2, 5};
}

void Registration::moves()
{
    QFETCH(int, picked);
    QFETCH(int, target);
    QFETCH(QList<int>, order);
    Scenario s;
    s.loadRoster(rosterLines(5));
    s.form.Label40Click();
    s.form.Label5Click();
    s.form.clickMemberList(picked);
    QCOMPARE(s.form.EditMode, editmode::MovePlace);
    QCOMPARE(s.platform.canvas("Image1").drawnAt(192, picked * 28 + 7)->colour, colours::Red);
    s.form.clickMemberList(target);

    QStringList expected;
    for (int n : order) expected << rosterLines(5).at(n - 1);
    QCOMPARE(s.form.MemberLines, expected);
    QCOMPARE(s.form.SavedMemberLines, expected);
    for (int r = 0; r < 5; ++r) QCOMPARE(nameIn(s, r), memberName(order.at(r)));
    QCOMPARE(s.platform.canvas("Image1").drawnAt(192, picked * 28 + 7)->colour, colours::Black);
    QCOMPARE(s.form.EditMode, editmode::MovePick); // ready for the next move
    s.form.Label42Click();                         // which restores the saved lines
    QCOMPARE(s.form.MemberLines, expected);
}

void Registration::deleting()
{
    Scenario s;
    s.loadRoster(rosterLines(5));
    s.form.Label40Click();
    s.form.Label6Click();
    s.platform.answer(IdYes);
    s.form.clickMemberList(2);
    boxIs(s, u"このメンバーを削除しますか"_s, u"削除"_s, MsgIcon::Warning, MsgButtons::YesNoDefaultNo);
    QCOMPARE(namesInOrder(s), QStringList({memberName(1), memberName(2), memberName(4), memberName(5)}));
    QCOMPARE(s.form.SavedMemberLines, s.form.MemberLines);
    QCOMPARE(nameIn(s, 4), QString());
    QCOMPARE(s.form.EditMode, editmode::Delete); // one click after another

    // いいえ keeps the roster but still refreshes the saved copy and redraws the list.
    s.form.SavedMemberLines.clear();
    s.platform.answer(IdNo);
    s.form.clickMemberList(0);
    QCOMPARE(s.platform.boxes.size(), size_t(2));
    QCOMPARE(s.form.MemberCount(), 4);
    QCOMPARE(s.form.SavedMemberLines, s.form.MemberLines);
    QCOMPARE(s.platform.canvas("Image1").drawnAt(192, 7)->colour, colours::Black);
    QCOMPARE(s.platform.unexpectedQuestions, 0);
}

void Registration::listEditLabelsAndHint()
{
    const QString hints[2] = {u"　移動する行を指定して、続いて移動先を指定してください。"_s,
                              u"　削除する行を指定して下さい。"_s};
    for (int k : {0, 1}) {
        Scenario s;
        s.loadRoster(rosterLines(3));
        s.form.Label40Click();
        s.form.Label84Click();
        const char *label = k ? "Label6" : "Label5";
        auto click = [&](int which) { which ? s.form.Label6Click() : s.form.Label5Click(); };
        click(1 - k); // the other list edit first: it ends
        click(k);
        QCOMPARE(s.form.control(label).colour, colours::Yellow);
        QCOMPARE(s.form.control(k ? "Label5" : "Label6").colour, colours::ButtonFace);
        QCOMPARE(s.form.EditMode, k ? editmode::Delete : editmode::MovePick);
        QCOMPARE(s.form.control("Label22").text, hints[k]);
        QVERIFY(s.form.control("Label22").visible);
        QCOMPARE(s.form.control("Label84").colour, colours::Cream);

        click(k); // off again
        QCOMPARE(s.form.control(label).colour, colours::ButtonFace);
        QCOMPARE(s.form.EditMode, editmode::None);
        QVERIFY(!s.form.control("Label22").visible && s.form.control("Label22").text.isEmpty());

        // A click on the hint line puts the labels back but keeps the mode.
        click(k);
        s.form.Label22Click();
        QCOMPARE(s.form.control(label).colour, colours::ButtonFace);
        QVERIFY(!s.form.control("Label22").visible);
        QCOMPARE(s.form.EditMode, k ? editmode::Delete : editmode::MovePick);
        s.form.Label4Click(); // 修正 ends the list edit
        QCOMPARE(s.form.EditMode, editmode::Correct);
        QVERIFY(!s.form.MoveOn && !s.form.DeleteOn);
    }
}

void Registration::newRegistrationAsksFirst_data()
{
    QTest::addColumn<int>("listed");
    QTest::addColumn<int>("answer");
    QTest::newRow("300 listed, はい") << 300 << int(IdYes);
    QTest::newRow("300 listed, いいえ") << 300 << int(IdNo);
    QTest::newRow("one listed, はい") << 1 << int(IdYes);
    QTest::newRow("one listed, いいえ") << 1 << int(IdNo);
    QTest::newRow("none listed") << 0 << 0;
}

void Registration::newRegistrationAsksFirst()
{
    QFETCH(int, listed);
    QFETCH(int, answer);
    Scenario s;
    s.loadRoster(rosterLines(listed));
    s.form.Label40Click();
    s.form.Label4Click(); // 修正 is on
    s.form.scrollListTo(200);
    const auto controls = s.form.controls();
    const int top = s.form.ListTopRow;
    if (answer) s.platform.answer(answer);
    s.form.Label3Click(); // 「新規登録」

    if (listed == 0) {
        QVERIFY(s.platform.boxes.empty());
    } else {
        boxIs(s, u"一覧表の%1名のメンバーを破棄して、新しくメンバー登録を始めますか"_s.arg(listed),
              u"新規登録"_s, MsgIcon::Question, MsgButtons::YesNo);
    }
    QCOMPARE(s.platform.unexpectedQuestions, 0);
    if (listed == 0 || answer == IdYes) {
        QVERIFY(s.form.MemberLines.isEmpty() && s.form.SavedMemberLines.isEmpty());
        QCOMPARE(s.form.EditMode, editmode::Register);
        QCOMPARE(s.form.control("Label3").colour, colours::Yellow);
        QCOMPARE(s.form.control("Label4").colour, colours::Cream);
        QCOMPARE(nameIn(s, 0), QString());
        QCOMPARE(s.form.ListTopRow, 0);
        return;
    }
    // いいえ changes nothing at all.
    QCOMPARE(s.form.MemberLines, rosterLines(listed));
    QCOMPARE(s.form.SavedMemberLines, rosterLines(listed));
    QCOMPARE(s.form.EditMode, editmode::Correct);
    QVERIFY(s.form.controls() == controls);
    QCOMPARE(s.form.ListTopRow, top);
    QCOMPARE(nameIn(s, listed - 1), memberName(listed));
}

void Registration::enterRegistersAndTheFocusReturnsToTheName()
{
    Scenario s;
    s.form.Label40Click();
    s.form.Label3Click();
    fillForm(s, kHanako);
    s.form.pressEnter(u"Edit2"_s); // Enter in チーム名 does not register
    QVERIFY(s.form.MemberLines.isEmpty());
    s.form.pressEnter(u"Edit1"_s); // Enter in 氏名
    QCOMPARE(s.form.MemberLines, QStringList{kHanakoLine});
    QCOMPARE(s.form.FocusRequest, u"Edit1"_s);
    s.form.FocusRequest.clear();

    s.form.typeInto("Edit1", u"川上"_s);
    s.form.pressEnter(u"Button6"_s); // Enter on the focused 実行
    QCOMPARE(s.form.MemberCount(), 2);
    QCOMPARE(s.form.Members[1].Name, u"川上"_s);
    QCOMPARE(s.form.FocusRequest, u"Edit1"_s);

    // A refused entry registers nothing and moves no focus.
    s.form.FocusRequest.clear();
    s.form.pressEnter(u"Edit1"_s); // 氏名 is empty
    boxIs(s, u"氏名を入力して下さい"_s, u"入力が未完"_s);
    QCOMPARE(s.form.MemberCount(), 2);
    QVERIFY(s.form.FocusRequest.isEmpty());
}

void Registration::hintLineHidesWhenTheEditEnds_data()
{
    QTest::addColumn<bool>("deleting");
    QTest::addColumn<bool>("byTab");
    QTest::newRow("move ended by 修正") << false << false;
    QTest::newRow("delete ended by 修正") << true << false;
    QTest::newRow("move ended by the tab") << false << true;
    QTest::newRow("delete ended by the tab") << true << true;
}

void Registration::hintLineHidesWhenTheEditEnds()
{
    QFETCH(bool, deleting);
    QFETCH(bool, byTab);
    Scenario s;
    s.loadRoster(rosterLines(3));
    s.form.Label40Click();
    deleting ? s.form.Label6Click() : s.form.Label5Click();
    QVERIFY(s.form.control("Label22").visible);
    byTab ? s.form.Label40Click() : s.form.Label4Click();
    QVERIFY(!s.form.control("Label22").visible);
    QVERIFY(s.form.control("Label22").text.isEmpty());
    QCOMPARE(s.form.control(deleting ? "Label6" : "Label5").colour, colours::ButtonFace);
    QCOMPARE(s.form.EditMode, byTab ? editmode::None : editmode::Correct);
}

void Registration::listScrollsNoFurtherThanItsLastRow_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("top");
    QTest::newRow("above the first row") << -5 << 0;
    QTest::newRow("first row") << 0 << 0;
    QTest::newRow("one before the last") << 278 << 278;
    QTest::newRow("the last row it scrolls to") << 279 << 279;
    QTest::newRow("one beyond") << 280 << 279;
    QTest::newRow("far beyond") << 1000 << 279;
}

void Registration::listScrollsNoFurtherThanItsLastRow()
{
    QFETCH(int, asked);
    QFETCH(int, top);
    Scenario s;
    // 300 rows of 28 pixels in a view of 21 rows: the last 21 rows start at row 279.
    QCOMPARE(s.form.lastListTopRow(), 279);
    const int serial = s.form.ListScrollSerial;
    s.form.scrollListTo(asked);
    QCOMPARE(s.form.ListTopRow, top);
    QCOMPARE(s.form.ListScrollSerial, serial + 1);
}

QTEST_APPLESS_MAIN(Registration)
#include "tst_registration.moc"
