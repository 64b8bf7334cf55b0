// ファイル › CSVに書き出し: the member table, the combination table of the chosen group (of
// every group when none is chosen) or the result table as a comma-separated file, written
// by the same code as kmtx-export.
#include "app/MainForm.h"

#include "datafile/Files.h"
#include "grouping/Counts.h"
#include "scoring/Ranking.h"
#include "tables/MeetingTables.h"

#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {
const QString kCaption = u"CSVに書き出し"_s;
} // namespace

void TMainForm::CsvExportClick() // ファイル › CSVに書き出し
{
    if (Combining) {
        platform.messageBox(u"完了を押して下さい"_s, u"組み合わせ中です"_s, MsgIcon::Information,
                            MsgButtons::Ok);
        return;
    }
    const bool oneGroup = isGroup(CurGroup);
    const QStringList tablesOffered{
        u"メンバー表"_s,
        oneGroup ? u"組み合せ表（%1 グループ）"_s.arg(GroupDisplayName[groupIndex(CurGroup)])
                 : u"組み合せ表（全グループ）"_s,
        u"成績表"_s};
    const std::optional<int> chosen =
        platform.chooseFromList(kCaption, u"書き出す表を選んで下さい"_s, tablesOffered);
    if (!chosen) return;

    const datafile::Meeting meeting = currentMeeting();
    QList<QStringList> rows;
    QString nothing;
    switch (*chosen) {
    case 0:
        if (meeting.memberLines.isEmpty()) nothing = u"メンバーが登録されていません"_s;
        rows = tables::memberRows(meeting.memberLines);
        break;
    case 1: {
        QList<tables::GroupParties> groups;
        bool anyPlayer = false;
        for (int g = 0; g < 4; ++g) {
            if (oneGroup && g != groupIndex(CurGroup)) continue;
            groups << tables::GroupParties{grouping::groupLetter(g), tables::partiesOfGroup(meeting, g)};
            anyPlayer = anyPlayer || tables::hasPlayers(groups.back().parties);
        }
        if (!anyPlayer) nothing = u"書き出す組み合わせがありません。先に組み合わせを作って下さい"_s;
        rows = tables::combinationRows(groups);
        break;
    }
    case 2: {
        KumiSlotText = placedSlotTexts();
        const scoring::Ranking ranking = scoring::rankPlayers(
            ScoreSlots, KumiSlotText, {control("CheckBox1").checked, control("CheckBox3").checked});
        if (ranking.error) {
            platform.messageBox(ranking.error->message(), u"成績表"_s, MsgIcon::Error, MsgButtons::Ok);
            return;
        }
        if (ranking.RankList.isEmpty()) nothing = u"成績表に載せる得点がありません"_s;
        rows = tables::resultRows(ranking);
        break;
    }
    default: return;
    }
    if (!nothing.isEmpty()) {
        platform.messageBox(nothing, kCaption, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    saveCsvFile(rows, kCaption);
}

void TMainForm::saveCsvFile(const QList<QStringList> &rows, const QString &caption)
{
    FileDialogSpec spec;
    spec.title = caption;
    spec.filter = u"CSV ファイル (*.csv)"_s;
    spec.startFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    spec.defaultSuffix = u"csv"_s;
    spec.confirmOverwrite = true;
    const std::optional<QString> path = platform.saveFileName(spec);
    if (!path) return;

    // Written whole or not at all: an old file of that name stays as it was on failure.
    datafile::WholeFile file(*path, true);
    if (!file.open() || !file.write(tables::csvDocument(rows)) || !file.commit())
        platform.messageBox(
            u"ファイル「%1」に書き出せませんでした。%2"_s.arg(QDir::toNativeSeparators(*path), file.reason()),
            caption, MsgIcon::Error, MsgButtons::Ok);
}
