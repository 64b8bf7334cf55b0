#include "gui/SeasonWindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int kFirstMeetingColumn = 3; // after 順位, 氏名, チーム
} // namespace

SeasonWindow::SeasonWindow(const QList<QStringList> &rows, int meetings, SeasonWindowActions actions,
                           QWidget *parent)
    : QDialog(parent), m_meetings(meetings), m_actions(std::move(actions))
{
    setWindowTitle(u"年間成績"_s);
    auto *layout = new QVBoxLayout(this);
    auto *orderRow = new QHBoxLayout;
    orderRow->addWidget(new QLabel(u"大会の順番：大会の列を選んで"_s, this));
    const std::pair<QString, int> moves[] = {{u"← 左へ"_s, -1}, {u"右へ →"_s, 1}};
    for (const auto &[caption, step] : moves) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(caption);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, step = step] { moveMeeting(step); });
        orderRow->addWidget(button);
    }
    orderRow->addStretch();
    layout->addLayout(orderRow);

    m_table = new QTableWidget(this);
    m_table->setFont(QApplication::font(this)); // the dialogs' font, already while the columns are measured
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setVisible(false);
    m_table->setWordWrap(true);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
    layout->addWidget(m_table);
    fill(rows);

    auto *buttons = new QDialogButtonBox(this);
    const std::pair<QString, std::function<void()> SeasonWindowActions::*> outputs[] = {
        {u"印刷"_s, &SeasonWindowActions::print},
        {u"印刷プレビュー"_s, &SeasonWindowActions::preview},
        {u"PDFに保存"_s, &SeasonWindowActions::pdf},
        {u"CSVに保存"_s, &SeasonWindowActions::csv}};
    for (const auto &[caption, action] : outputs) {
        QPushButton *button = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        button->setObjectName(caption);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, action = action] {
            if (m_actions.*action) (m_actions.*action)();
        });
    }
    buttons->addButton(u"閉じる"_s, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    int width = 60;
    for (int c = 0; c < m_table->columnCount(); ++c) width += m_table->columnWidth(c);
    resize(std::clamp(width, 640, 1240), 620);
}

void SeasonWindow::fill(const QList<QStringList> &rows)
{
    const QStringList headings = rows.value(0);
    m_table->clear();
    m_table->setColumnCount(static_cast<int>(headings.size()));
    m_table->setRowCount(static_cast<int>(std::max<qsizetype>(0, rows.size() - 1)));
    m_table->setHorizontalHeaderLabels(headings);
    const int totalsFrom = kFirstMeetingColumn + m_meetings;
    for (int r = 1; r < rows.size(); ++r) {
        for (int c = 0; c < rows.at(r).size(); ++c) {
            auto *item = new QTableWidgetItem(rows.at(r).at(c));
            const bool numeric = c == 0 || c >= totalsFrom;
            item->setTextAlignment(Qt::AlignVCenter | (numeric ? Qt::AlignRight : Qt::AlignLeft));
            m_table->setItem(r - 1, c, item);
        }
    }
    // Every cell fits its column (a meeting's heading wraps onto a second line).
    const QFontMetrics metrics = m_table->fontMetrics();
    for (int c = 0; c < m_table->columnCount(); ++c) {
        const bool meeting = c >= kFirstMeetingColumn && c < totalsFrom;
        int width = meeting ? 80 : metrics.horizontalAdvance(headings.value(c));
        for (int r = 1; r < rows.size(); ++r)
            width = std::max(width, metrics.horizontalAdvance(rows.at(r).value(c)));
        m_table->setColumnWidth(c, std::min(width + 16, meeting ? 160 : 400));
    }
    m_table->horizontalHeader()->setMinimumHeight(2 * metrics.height() + 10);
}

QList<QStringList> SeasonWindow::shownRows() const
{
    QList<QStringList> rows;
    QStringList headings;
    for (int c = 0; c < m_table->columnCount(); ++c) headings << m_table->horizontalHeaderItem(c)->text();
    rows << headings;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m_table->columnCount(); ++c)
            cells << (m_table->item(r, c) ? m_table->item(r, c)->text() : QString());
        rows << cells;
    }
    return rows;
}

void SeasonWindow::selectMeeting(int m)
{
    m_table->setCurrentCell(std::max(0, m_table->currentRow()), kFirstMeetingColumn + m);
}

void SeasonWindow::moveMeeting(int step)
{
    const int m = m_table->currentColumn() - kFirstMeetingColumn;
    if (m < 0 || m >= m_meetings || m + step < 0 || m + step >= m_meetings || !m_actions.move) return;
    const int row = std::max(0, m_table->currentRow());
    fill(m_actions.move(m, step));
    m_table->setCurrentCell(row, kFirstMeetingColumn + m + step);
}
