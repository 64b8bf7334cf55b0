#include "tables/CombinationGrid.h"

#include "scoring/MissingEntries.h"
#include "scoring/ScoreEntry.h"
#include "tables/Drawing.h"
#include "text/Cp932.h"

using namespace Qt::StringLiterals;

namespace tables {

QString teamCut(const QString &team) { return text::cp932::cutToBytes(team, 14); }

QString checkCellText(const ScoreSlot &record)
{
    return scoring::hasEntry(record) ? scoring::cellText(record) : u"未入力"_s;
}

GridResult drawCombinationGrid(Canvas &canvas, sheet::Scale s, const TableOptions &options,
                               const GridInput &in)
{
    GridResult result;
    canvas.setFontFace(fonts::gothic());
    bool eightFrame = options.eightFrame;
    const bool combination = in.kind == GridKind::Combination;

    const int columns = eightFrame ? 8 : 6;
    const int E = s.X(52);
    const int F = s.Y(24);
    const int w = s.Y(53);
    const int G = s.offX(E, 75);
    const int H = s.offY(F, 50);
    const int I = s.X(eightFrame ? 131 : 175);
    const int K = G + I * columns;
    const int bottom = H + 13 * w;
    result.columnWidth = I;
    result.columns = columns;
    result.bottom = bottom;

    canvas.setPen(Ink, s.pen(2));
    canvas.line(E, H, K, H);
    canvas.line(E, H + w, K, H + w);
    canvas.setPen(Ink, s.pen(1));
    for (int k = 2; k <= 12; ++k) canvas.line(E, H + k * w, K, H + k * w);
    canvas.setPen(Ink, s.pen(2));
    canvas.line(E, bottom, K, bottom);
    for (int x : {E, G, K}) canvas.line(x, H, x, bottom);
    canvas.setPen(Ink, s.pen(1));
    for (int k = 1; k <= columns; ++k) canvas.line(G + k * I, H, G + k * I, bottom);

    // Date
    const sheet::TextSize f18 = s.text(18);
    const int dateY = s.offY(F, 20);
    put(canvas, s.X(955), dateY, u"年"_s, f18);
    put(canvas, s.X(1003), dateY, u"月"_s, f18);
    put(canvas, s.X(1055), dateY, u"日"_s, f18);
    put(canvas, s.offX(E, 863), dateY, in.particulars.year, f18);
    put(canvas, s.offX(E, 930), dateY, in.particulars.month, f18);
    put(canvas, s.offX(E, 980), dateY, in.particulars.day, f18);

    // Headings
    const int titleX = s.X(560 - in.particulars.titleShift);
    if (combination) {
        put(canvas, titleX, s.offY(F, 13), in.particulars.tournamentName + u" 組み合わせ表"_s, s.text(24));
        put(canvas, s.offX(E, 105), s.offY(F, 20), in.groupName + u" グループ"_s, f18);
    } else {
        const QString title = in.kind == GridKind::ScoreCheck ? u" 得点確認表"_s : u" 得点入力表"_s;
        put(canvas, titleX, s.offY(F, 15), in.particulars.tournamentName + title, s.text(22));
        put(canvas, s.offX(E, 105), s.offY(F, 23), in.groupName + u" グループ"_s, f18);
    }

    // Party rows (KumiName)
    for (int p = 0; p < grouping::Parties; ++p) {
        const QList<Player> &party = in.parties.at(p);
        if (party.isEmpty()) continue;
        if (!eightFrame && party.size() > 6) {
            eightFrame = true;
            result.switchedToEightFrame = true;
            continue;
        }
        if (!in.writeNames) continue;
        const int rowTop = H + w + p * w;
        const sheet::TextSize nameFont = s.text(eightFrame ? 17 : 21);
        const int filled = std::min<int>(static_cast<int>(party.size()), grouping::Slots);
        for (int slot = 0; slot < filled; ++slot) {
            const Player &player = party.at(slot);
            result.slotTexts[p][slot] = player.name + u","_s + player.team;
            const int x = s.offX(E + slot * I, combination ? 80 : 83);
            put(canvas, x, s.offY(rowTop, 28), player.name, nameFont);
        }
        if (in.kind == GridKind::ScoreCheck) {
            // Where the score-entry screen writes a cell's entries (Label36Click).
            const int x0 = s.offX(s.X(34), 75);
            const int y = s.offY((p + 2) * w, 28);
            // A long text in the narrow columns of ８人枠 gets a lower font, to stay in its cell
            // (a half-width character is half the height wide, on paper a little more).
            const double room = (eightFrame ? 131 : 175) - 26;
            const double aspect = sheet::InchesPerUnitY / sheet::InchesPerUnitX / 2;
            for (int slot = 0; slot < filled; ++slot) {
                const QString text = checkCellText(in.records[p][slot]);
                const double height = std::min(18.0, room / (text::cp932::byteLength(text) * aspect));
                put(canvas, s.offX(x0 + I * slot, 40), y, text, s.text(height));
            }
        }
        if (combination) {
            const sheet::TextSize teamFont = s.text(eightFrame ? 14 : 16);
            for (int slot = 0; slot < filled; ++slot)
                put(canvas, s.offX(E + slot * I, 95), s.offY(rowTop, 8), teamCut(party.at(slot).team),
                    teamFont);
        }
    }

    // Column numbers (those of the grid drawn) and row labels
    for (int k = 1; k <= columns; ++k)
        put(canvas, s.offX(G + I * (k - 1), columns == 8 ? 64 : 76), s.offY(H, 15), QString::number(k),
            s.text(24));
    const sheet::TextSize f22 = s.text(22);
    for (int n = 1; n <= grouping::Parties; ++n) {
        const int y = s.offY(H + w + (n - 1) * w, 13);
        put(canvas, s.offX(E, 12), y, QString::number(n), f22);
        put(canvas, s.offX(E, 36), y, u"組"_s, f22);
    }
    return result;
}

} // namespace tables
