#include "tables/ScoreSheet.h"

#include "grouping/Counts.h"
#include "tables/Drawing.h"

using namespace Qt::StringLiterals;

namespace tables {

QList<int> holeNumbers(int holeCount, int startHole)
{
    QList<int> numbers;
    int n = startHole;
    for (int c = 0; c < holeCount; ++c) {
        numbers << n;
        n = n == holeCount ? 1 : n + 1;
    }
    return numbers;
}

namespace {
// Below the table on the right: the QR code, 64 units square, and left of it the code in
// large figures with the page's address.
void drawPhoneCorner(Canvas &canvas, sheet::Scale s, const PhoneCorner &corner, int right, int bottom)
{
    const int top = s.offY(bottom, 8);
    const int side = s.Y(64);
    const int n = static_cast<int>(corner.modules.size());
    if (n > 0) {
        // A quiet zone of white around the modules, as readers expect.
        const int left = right - side;
        canvas.fillRect(QRect(left, top, side, side), Paper);
        const int inner = side * n / (n + 4);
        const int x0 = left + (side - inner) / 2;
        const int y0 = top + (side - inner) / 2;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n && x < corner.modules.at(y).size(); ++x)
                if (corner.modules.at(y).at(x))
                    canvas.fillRect(QRect(QPoint(x0 + inner * x / n, y0 + inner * y / n),
                                          QPoint(x0 + inner * (x + 1) / n - 1, y0 + inner * (y + 1) / n - 1)),
                                    Ink);
    }
    const int textRight = s.offX(right - side, -8);
    put(canvas, s.offX(textRight, -250), s.offY(top, 4), u"携帯で成績入力　４けたの番号"_s, s.text(16));
    put(canvas, s.offX(textRight, -250), s.offY(top, 24), corner.code, s.text(30));
    put(canvas, s.offX(textRight, -250), s.offY(top, 58), corner.address, s.text(12));
}
} // namespace

ScoreSheetResult drawScoreSheet(Canvas &canvas, sheet::Scale s, const TableOptions &options,
                                const ScoreSheetInput &in)
{
    ScoreSheetResult result;
    canvas.setFontFace(fonts::gothic());

    const int players = options.eightFrame ? 8 : 6;
    const int wUnits = options.eightFrame ? 65 : 78;
    const int fUnits = options.eightFrame ? 65 : 90;
    const int holes = std::clamp(in.holeCount, 0, 12);
    const int columns = holes <= 10 ? 10 : 12;
    result.holeColumns = columns;

    const int E = s.X(52);
    const int F = s.Y(fUnits);
    const int w = s.Y(wUnits);
    const int G = s.offX(E, 170);
    const int H = s.offY(F, 104);
    const int I = s.X(columns == 10 ? 71 : 61);
    const int X = s.X(columns == 10 ? 62 : 56);
    const int K = G + I * columns;
    const int R = s.offX(K + 4 * X, -2);
    const int bottom = H + (players + 1) * w;

    // Main grid
    canvas.setPen(Ink, s.pen(2));
    canvas.line(E, H, R, H);
    canvas.line(E, H + w, R, H + w);
    canvas.setPen(Ink, s.pen(1));
    for (int k = 2; k <= players; ++k) canvas.line(E, H + k * w, R, H + k * w);
    canvas.setPen(Ink, s.pen(2));
    canvas.line(E, bottom, R, bottom);
    for (int x : {E, G, K, R}) canvas.line(x, H, x, bottom);
    canvas.setPen(Ink, s.pen(1));
    for (int k = 1; k <= columns; ++k) canvas.line(G + k * I, H, G + k * I, bottom);
    for (int k = 1; k <= 3; ++k) canvas.line(K + k * X, H, K + k * X, bottom);

    // Diagonals: the name heading, and every hole cell from its upper right to its lower left,
    // drawn as lines through the corners of consecutive cells.
    canvas.line(E, H, G, H + w);
    for (int d = 1; d < columns + players; ++d) {
        const int j0 = std::max(0, d - columns);
        const int j1 = std::min(players, d);
        canvas.line(G + (d - j0) * I, H + w + j0 * w, G + (d - j1) * I, H + w + j1 * w);
    }

    // Particulars box
    canvas.setPen(Ink, s.pen(2));
    for (int u : {24, 48, 72, 96}) canvas.line(s.offX(E, 2), s.offY(F, u), s.offX(E, 329), s.offY(F, u));
    for (int u : {2, 329}) canvas.line(s.offX(E, u), s.offY(F, 24), s.offX(E, u), s.offY(F, 96));
    canvas.setPen(Ink, s.pen(1));
    canvas.line(s.offX(E, 80), s.offY(F, 24), s.offX(E, 80), s.offY(F, 96));

    // Signature box: eight cells, the last one narrower
    canvas.line(s.offX(E, 748), s.offY(F, 41), s.offX(E, 1120), s.offY(F, 41));
    canvas.line(s.offX(E, 748), s.offY(F, 96), s.offX(E, 1120), s.offY(F, 96));
    for (int u : {748, 1119}) canvas.line(s.offX(E, u), s.offY(F, 41), s.offX(E, u), s.offY(F, 41 + 55));
    for (int k = 0; k <= 7; ++k)
        canvas.line(s.offX(E, 748 + 47 * k), s.offY(F, 41), s.offX(E, 748 + 47 * k), s.offY(F, 41 + 56));

    const sheet::TextSize f14 = s.text(14);
    put(canvas, s.X(950), s.offY(F, 25), u"確認サイン"_s, f14);
    for (int k = 1; k <= players; ++k)
        put(canvas, s.offX(E, 752 + 47 * (k - 1)), s.offY(F, 44), QString::number(k), f14);

    // Player row numbers
    const int firstNumberY = s.offY(F, options.eightFrame ? 177 : 189);
    for (int k = 0; k < players; ++k) put(canvas, s.X(58), firstNumberY + k * w, QString::number(k + 1), f14);

    // Hole numbers and "－" marks
    if (options.holeNumbers) {
        const QList<int> numbers = holeNumbers(holes, in.startHole);
        for (int c = 0; c < numbers.size(); ++c)
            put(canvas, s.offX(G + I * c, 23), s.offY(H, 27), QString::number(numbers.at(c)), s.text(24));
    }
    if (options.dashes) {
        const int firstDashY = s.offY(F, options.eightFrame ? 172 : 183);
        for (int r = 0; r < players; ++r)
            for (int c = 0; c < holes; ++c)
                put(canvas, s.offX(G + I * c, 6), firstDashY + r * w, u"－"_s, s.text(22));
    }

    // Title, particulars and party heading
    put(canvas, s.X(560 - in.particulars.titleShift), s.offY(F, 17),
        in.particulars.tournamentName + u" スコア表"_s, s.text(22));
    const sheet::TextSize f16 = s.text(16);
    put(canvas, s.offX(E, 15), s.offY(F, 52), u"大会名"_s, f16);
    put(canvas, s.offX(E, 15), s.offY(F, 76), u"コース"_s, f16);
    put(canvas, s.offX(E, 15), s.offY(F, 29), u"開催日"_s, f16);
    const int T = s.offX(E, 450);
    const int U = s.offY(F, 54);
    put(canvas, s.offX(T, 3), s.offY(U, 20), in.groupName + u" グループ"_s, f16);
    put(canvas, s.offX(T, 200), s.offY(U, 20), in.sheetKumiText, f16);
    put(canvas, s.offX(T, 220), s.offY(U, 20), u"組"_s, f16);
    canvas.line(T, s.offY(U, 40), s.offX(T, 240), s.offY(U, 40));

    put(canvas, s.X(65), s.offY(H, 40), u"氏　名"_s, f16);
    put(canvas, s.X(120), s.offY(H, 11), u"ホール番号"_s, f16);
    put(canvas, s.offX(E, 135), s.offY(F, 30), u"年"_s, f16);
    put(canvas, s.X(234), s.offY(F, 30), u"月"_s, f16);
    put(canvas, s.X(287), s.offY(F, 30), u"日"_s, f16);
    put(canvas, s.offX(E, 90), s.offY(F, 53), in.particulars.tournamentName, f14);
    put(canvas, s.offX(E, 90), s.offY(F, 77), in.courseName, f14);
    put(canvas, s.offX(E, 92), s.offY(F, 31), in.particulars.year, f14);
    put(canvas, s.offX(E, 160), s.offY(F, 31), in.particulars.month, f14);
    put(canvas, s.offX(E, 210), s.offY(F, 31), in.particulars.day, f14);

    if (in.phone) drawPhoneCorner(canvas, s, *in.phone, R, bottom);

    // Blanking of eight player rows, then the party's names and teams (TokuName)
    for (int k = 0; k < grouping::Slots; ++k) {
        const int rowTop = H + w + k * w;
        put(canvas, s.offX(E, 6), s.offY(rowTop, 38), u"国国国国国国国"_s, s.text(20), Paper);
        put(canvas, s.X(82), s.offY(rowTop, 13), u"国国国国国国国国"_s, s.text(15), Paper);
    }
    if (!in.party.isEmpty()) {
        if (!options.eightFrame && in.party.size() > 6) {
            result.partyOverflow = true;
        } else {
            const int rows = std::min<int>(static_cast<int>(in.party.size()), players);
            for (int k = 0; k < rows; ++k)
                put(canvas, s.offX(E, 6), s.offY(H + w + k * w, 37), in.party.at(k).name, s.text(20));
            for (int k = 0; k < rows; ++k)
                put(canvas, s.X(76), s.offY(H + w + k * w, 13), in.party.at(k).team, s.text(15));
        }
    }

    // Summary headings
    const sheet::TextSize f15 = s.text(15);
    put(canvas, s.offX(K, 8), s.offY(H, 31), u"実打数"_s, f15);
    put(canvas, s.offX(K + X, 8), s.offY(H, 31), u"一打数"_s, f15);
    put(canvas, s.offX(K + 2 * X, 8), s.offY(H, 31), u"二打数"_s, f15);
    put(canvas, s.offX(K + 3 * X, 10), s.offY(H, 31), u"合 計"_s, f15);
    return result;
}

} // namespace tables
