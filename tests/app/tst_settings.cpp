// Menu options, group names kept in the user's settings, deleting them, closing,
// help and the about box.
#include "support/Scenario.h"

using namespace Qt::StringLiterals;

namespace {
using Handler = void (TMainForm::*)();
} // namespace

Q_DECLARE_METATYPE(Handler)

class Settings : public QObject
{
    Q_OBJECT
private slots:
    void optionPairsTickOneEntry_data();
    void optionPairsTickOneEntry();
    void renamingAGroupStoresAndShowsTheName_data();
    void renamingAGroupStoresAndShowsTheName();
    void renamingToEmptyStoresAnEmptyName();
    void groupNameFieldHoldsTenBytes_data();
    void groupNameFieldHoldsTenBytes();
    void finishingTheRenameStoresNothing();
    void deletingTheSettingsGivesDefaultsAtTheNextStart();
    void deletingCanBeDeclined();
    void aRefusedDeletionShowsThePlatformsReason();
    void closingAsksFirst();
    void helpAndAbout();
    void helpThatCannotOpenSaysSo();
    void groupNameHintFollowsTheField_data();
    void groupNameHintFollowsTheField();
};

void Settings::optionPairsTickOneEntry_data()
{
    QTest::addColumn<Handler>("choose");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("partner");
    QTest::newRow("８人枠") << Handler(&TMainForm::N29Click) << u"N29"_s << u"N20"_s;
    QTest::newRow("６人枠") << Handler(&TMainForm::N20Click) << u"N20"_s << u"N29"_s;
    QTest::newRow("ヨコ形") << Handler(&TMainForm::N32Click) << u"N32"_s << u"N31"_s;
    QTest::newRow("タテ形") << Handler(&TMainForm::N31Click) << u"N31"_s << u"N32"_s;
    QTest::newRow("ホール番号 表示しない") << Handler(&TMainForm::N36Click) << u"N36"_s << u"N35"_s;
    QTest::newRow("ホール番号 表示する") << Handler(&TMainForm::N35Click) << u"N35"_s << u"N36"_s;
    QTest::newRow("－ 表示する") << Handler(&TMainForm::N47Click) << u"N47"_s << u"N48"_s;
    QTest::newRow("－ 表示しない") << Handler(&TMainForm::N48Click) << u"N48"_s << u"N47"_s;
    QTest::newRow("男女平均 しない") << Handler(&TMainForm::N44Click) << u"N44"_s << u"N43"_s;
    QTest::newRow("男女平均 する") << Handler(&TMainForm::N43Click) << u"N43"_s << u"N44"_s;
    QTest::newRow("チーム分散 する") << Handler(&TMainForm::SpreadTeamsOnClick) << u"SpreadTeamsOn"_s
                                     << u"SpreadTeamsOff"_s;
    QTest::newRow("チーム分散 しない")
        << Handler(&TMainForm::SpreadTeamsOffClick) << u"SpreadTeamsOff"_s << u"SpreadTeamsOn"_s;
    QTest::newRow("年齢 表示する") << Handler(&TMainForm::N37Click) << u"N37"_s << u"N38"_s;
    QTest::newRow("年齢 表示しない") << Handler(&TMainForm::N38Click) << u"N38"_s << u"N37"_s;
}

void Settings::optionPairsTickOneEntry()
{
    QFETCH(Handler, choose);
    QFETCH(QString, chosen);
    QFETCH(QString, partner);
    Scenario s;
    for (int times = 0; times < 2; ++times) { // choosing it again keeps the same ticks
        (s.form.*choose)();
        QVERIFY(s.form.control(chosen).checked);
        QVERIFY(!s.form.control(partner).checked);
    }
    QVERIFY(s.platform.boxes.empty());
}

void Settings::renamingAGroupStoresAndShowsTheName_data()
{
    QTest::addColumn<Handler>("rename");
    QTest::addColumn<int>("group");
    QTest::newRow("A") << Handler(&TMainForm::A2Click) << 0;
    QTest::newRow("B") << Handler(&TMainForm::B2Click) << 1;
    QTest::newRow("C") << Handler(&TMainForm::C2Click) << 2;
    QTest::newRow("D") << Handler(&TMainForm::D2Click) << 3;
}

void Settings::renamingAGroupStoresAndShowsTheName()
{
    QFETCH(Handler, rename);
    QFETCH(int, group);
    const QString keys[4] = {u"GrpA"_s, u"GrpB"_s, u"GrpC"_s, u"GrpD"_s};
    Scenario s;
    s.form.N24Click();
    QVERIFY(s.form.control("Edit18").visible);
    QCOMPARE(s.form.FocusRequest, u"Edit18"_s);
    s.form.typeInto("Edit18", u"ひまわり"_s);
    (s.form.*rename)();
    QCOMPARE(s.platform.store.values.size(), size_t(1));
    QCOMPARE(s.platform.store.values.at(keys[group]), u"ひまわり"_s);
    QCOMPARE(s.form.GroupDisplayName[group], u"ひまわり"_s);
    QVERIFY(!s.form.control("Edit18").visible);
    const char *tabs[4] = {"Label44", "Label45", "Label46", "Label47"};
    QVERIFY(s.form.control(tabs[group]).text.startsWith(u"ひまわり"_s));
    for (int g = 0; g < 4; ++g)
        if (g != group) QCOMPARE(s.form.GroupDisplayName[g], QString(QChar(u'A' + g)));

    // The next start reads the stored name.
    Scenario restart(QDateTime(QDate(2026, 12, 8), QTime(9, 0)), s.platform.store.values);
    QCOMPARE(restart.form.GroupDisplayName[group], u"ひまわり"_s);
}

void Settings::renamingToEmptyStoresAnEmptyName()
{
    Scenario s;
    s.form.N24Click();
    s.form.B2Click();
    QVERIFY(s.platform.store.values.count(u"GrpB"_s));
    QCOMPARE(s.platform.store.values.at(u"GrpB"_s), QString());
    QCOMPARE(s.form.GroupDisplayName[1], QString());
    QVERIFY(!s.form.control("Label45").text.contains(u'B'));
}

void Settings::groupNameFieldHoldsTenBytes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("held");
    QTest::newRow("ten half-width") << u"ABCDEFGHIJ"_s << u"ABCDEFGHIJ"_s;
    QTest::newRow("eleven half-width") << u"ABCDEFGHIJK"_s << u"ABCDEFGHIJ"_s;
    QTest::newRow("five full-width") << u"あいうえお"_s << u"あいうえお"_s;
    QTest::newRow("six full-width") << u"あいうえおか"_s << u"あいうえお"_s;
    QTest::newRow("a half-width before five full-width") << u"Aあいうえお"_s << u"Aあいうえ"_s;
}

void Settings::groupNameFieldHoldsTenBytes()
{
    QFETCH(QString, typed);
    QFETCH(QString, held);
    Scenario s;
    s.form.N24Click();
    QCOMPARE(s.form.typeInto("Edit18", typed), held);
    s.form.A2Click();
    QCOMPARE(s.platform.store.values.at(u"GrpA"_s), held);
}

void Settings::finishingTheRenameStoresNothing()
{
    Scenario s;
    s.form.N24Click();
    s.form.typeInto("Edit18", u"さくら"_s);
    s.form.N2Click();
    QVERIFY(!s.form.control("Edit18").visible);
    QVERIFY(s.platform.store.values.empty());
    QCOMPARE(s.form.GroupDisplayName[0], u"A"_s);
}

void Settings::deletingTheSettingsGivesDefaultsAtTheNextStart()
{
    Scenario s(QDateTime(QDate(2026, 12, 7), QTime(10, 0)),
               {{u"GrpA"_s, u"赤"_s}, {u"GrpB"_s, u"白"_s}, {u"GrpC"_s, u"青"_s}, {u"GrpD"_s, u"黄"_s}});
    QCOMPARE(s.form.GroupDisplayName[0], u"赤"_s);
    s.platform.answer(IdYes);
    s.platform.answer(IdYes);
    s.form.N39Click();
    QCOMPARE(s.platform.boxes.size(), size_t(3));
    QCOMPARE(s.platform.boxes[0].caption, u"警告"_s);
    QCOMPARE(s.platform.boxes[0].icon, MsgIcon::Error);
    QCOMPARE(s.platform.boxes[0].buttons, MsgButtons::YesNo);
    QCOMPARE_BOX(s.platform.boxes[1], u"設定ファイルは削除しました。再起動して下さい。"_s,
                 u"設定ファイル削除"_s, MsgIcon::None, MsgButtons::YesNo);
    QCOMPARE_BOX(s.platform.boxes[2], u"設定ファイルは削除しました。再起動して下さい。"_s, QString(),
                 MsgIcon::None, MsgButtons::Ok);
    QVERIFY(s.platform.store.values.empty());
    QCOMPARE(s.form.GroupDisplayName[0], u"赤"_s); // in use until the next start
    QVERIFY(!s.form.DeleteRequested);

    Scenario restart(QDateTime(QDate(2026, 12, 8), QTime(9, 0)), s.platform.store.values);
    for (int g = 0; g < 4; ++g) QCOMPARE(restart.form.GroupDisplayName[g], QString(QChar(u'A' + g)));
}

void Settings::deletingCanBeDeclined()
{
    Scenario s(QDateTime(QDate(2026, 12, 7), QTime(10, 0)), {{u"GrpA"_s, u"赤"_s}});
    s.platform.answer(IdNo);
    s.form.N39Click();
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE(s.platform.store.removals, 0);
    QCOMPARE(s.platform.store.values.at(u"GrpA"_s), u"赤"_s);

    // いいえ to the second box shows no third one.
    s.platform.answer(IdYes);
    s.platform.answer(IdNo);
    s.form.N39Click();
    QCOMPARE(s.platform.boxes.size(), size_t(3));
    QCOMPARE(s.platform.store.removals, 1);
}

void Settings::aRefusedDeletionShowsThePlatformsReason()
{
    Scenario s(QDateTime(QDate(2026, 12, 7), QTime(10, 0)), {{u"GrpA"_s, u"赤"_s}});
    s.platform.store.refuseRemoval = true;
    s.platform.store.refusalText = u"アクセスが拒否されました。"_s;
    s.platform.answer(IdYes);
    s.platform.answer(IdNo);
    s.form.N39Click();
    QCOMPARE(s.platform.boxes.size(), size_t(3));
    QCOMPARE_BOX(s.platform.boxes[1], u"アクセスが拒否されました。"_s, QString(), MsgIcon::None,
                 MsgButtons::Ok);
    QCOMPARE(s.platform.store.values.at(u"GrpA"_s), u"赤"_s);
    QVERIFY(!s.form.DeleteRequested); // used once, whether it succeeded or not
    s.form.RegFSettei();
    QCOMPARE(s.platform.store.removals, 1);
}

void Settings::closingAsksFirst()
{
    Scenario s;
    s.platform.answer(IdNo);
    s.form.N11Click();
    QCOMPARE(s.platform.closeRequests, 0);
    QCOMPARE_BOX(s.platform.boxes.back(), u"このソフトウエアを終了しますか"_s, u"終了"_s, MsgIcon::Warning,
                 MsgButtons::YesNo);
    s.platform.answer(IdNo);
    QVERIFY(!s.form.confirmClose()); // the window's close box asks the same question
    QCOMPARE(s.platform.boxes.size(), size_t(2));
    s.platform.answer(IdYes);
    s.form.N11Click();
    QCOMPARE(s.platform.closeRequests, 1);
    QVERIFY(s.form.confirmClose()); // the window closing afterwards does not ask again
    QCOMPARE(s.platform.boxes.size(), size_t(3));
}

void Settings::helpAndAbout()
{
    Scenario s;
    s.form.N5Click();
    QCOMPARE(s.platform.openedDocuments, QStringList{u"KmtxHlp.html"_s});
    s.form.N6Click();
    QCOMPARE(s.platform.aboutShown, 1);
    QVERIFY(s.platform.boxes.empty());
}

void Settings::helpThatCannotOpenSaysSo()
{
    Scenario s;
    s.platform.documentOpens = false;
    s.form.N5Click();
    QCOMPARE(s.platform.openedDocuments, QStringList{u"KmtxHlp.html"_s});
    QCOMPARE(s.platform.boxes.size(), size_t(1));
    QCOMPARE_BOX(s.platform.boxes.back(),
                 u"ヘルプファイル「KmtxHlp.html」を開けませんでした。\n"
                 u"このファイル（Windows ではプログラムと同じフォルダー、"
                 u"Linux では /usr/share/kmtx にあります）をブラウザーで開いて下さい。"_s,
                 u"ヘルプ"_s, MsgIcon::Information, MsgButtons::Ok);
}

void Settings::groupNameHintFollowsTheField_data()
{
    QTest::addColumn<Handler>("ending");
    QTest::newRow("Aグループを変える") << Handler(&TMainForm::A2Click);
    QTest::newRow("Dグループを変える") << Handler(&TMainForm::D2Click);
    QTest::newRow("終了") << Handler(&TMainForm::N2Click);
}

void Settings::groupNameHintFollowsTheField()
{
    QFETCH(Handler, ending);
    Scenario s;
    QVERIFY(!s.form.control("GroupNameHint").visible);
    s.form.N24Click(); // 新しい名称を入力
    QVERIFY(s.form.control("Edit18").visible);
    QVERIFY(s.form.control("GroupNameHint").visible);
    const QString hint = s.form.control("GroupNameHint").text;
    QVERIFY(hint.contains(u"グループ名変更"_s));
    QVERIFY(hint.contains(u"Aグループを変える"_s) && hint.contains(u"Dグループを変える"_s));
    (s.form.*ending)();
    QVERIFY(!s.form.control("Edit18").visible);
    QVERIFY(!s.form.control("GroupNameHint").visible);
}

QTEST_APPLESS_MAIN(Settings)
#include "tst_settings.moc"
