#pragma once
// A started program for scenario tests: the form created with a fake platform whose
// clock reads the given moment.
//
//   Scenario s;                       // started on 2026-12-07 10:00:00
//   s.form.Label40Click();            // a click on the tab 「メンバー登録」
//   s.form.typeInto("Edit1", u"山田"_s);
//   s.platform.answer(IdYes);         // the next Yes/No box is answered はい
//   QCOMPARE(s.platform.boxes.back().caption, u"削除"_s);

#include "app/MainForm.h"
#include "support/FakePlatform.h"

#include <QTest>

struct Scenario {
    explicit Scenario(const QDateTime &now = QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0)),
                      const std::map<QString, QString> &settings = {})
        : form(platform)
    {
        platform.clock = now;
        platform.store.values = settings;
        form.FormCreate();
    }

    // Puts roster lines in place as a data file would (both copies) and splits them.
    void loadRoster(const QStringList &lines)
    {
        form.MemberLines = lines;
        form.SavedMemberLines = lines;
        form.Bunkatu();
    }

    FakePlatform platform;
    TMainForm form;
};

// Compares a recorded box with the expected text, caption, icon and buttons.
#define QCOMPARE_BOX(box, expText, expCaption, expIcon, expButtons)                                          \
    do {                                                                                                     \
        QCOMPARE((box).text, (expText));                                                                     \
        QCOMPARE((box).caption, (expCaption));                                                               \
        QCOMPARE((box).icon, (expIcon));                                                                     \
        QCOMPARE((box).buttons, (expButtons));                                                               \
    } while (false)
