#pragma once
// A started form holding 300 members whose group A, of an automatic combination, fills
// twelve parties of eight (８人枠): the meeting the benchmarks draw and enter scores on.

#include "app/MainForm.h"

inline void storeFullGroupA(TMainForm &form, const QString &playMark)
{
    using namespace Qt::StringLiterals;
    QStringList roster;
    for (int k = 1; k <= 300; ++k)
        roster << u"会員%1,%2,%3,昭和,10,10,10,0,%4,off,off,,"_s.arg(k)
                      .arg(u"チーム%1"_s.arg(k % 17))
                      .arg(k % 2 ? u"男"_s : u"女"_s)
                      .arg(playMark);
    form.MemberLines = roster;
    form.SavedMemberLines = roster;
    form.Bunkatu();
    form.GroupList[0] = roster.mid(0, 96);
    QStringList lines;
    for (int p = 0; p < 12; ++p) {
        QStringList items{u"9"_s};
        for (int s = 0; s < 8; ++s) items << QString::number(p * 8 + s);
        lines << items.join(u',');
    }
    form.KumiLines[0] = lines;
    form.AutoMade = 1;
    form.N29Click(); // ８人枠
}
