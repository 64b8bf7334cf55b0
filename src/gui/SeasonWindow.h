#pragma once
// The window of 年間成績: the season's table with 印刷, 印刷プレビュー, PDFに保存, CSVに保存,
// and 「← 左へ」「右へ →」, which move the meeting column holding the current cell.

#include "app/Platform.h"

#include <QDialog>

class QTableWidget;

class SeasonWindow : public QDialog
{
    Q_OBJECT
public:
    SeasonWindow(const QList<QStringList> &rows, int meetings, SeasonWindowActions actions,
                 QWidget *parent = nullptr);
    // The table as shown, headings first.
    QList<QStringList> shownRows() const;
    // Makes a cell of meeting column m (0-based) current, as a click would.
    void selectMeeting(int m);
    // Moves the current meeting column one place (−1 left, +1 right), as the buttons do.
    void moveMeeting(int step);
    QTableWidget *table() const { return m_table; }

private:
    void fill(const QList<QStringList> &rows);

    QTableWidget *m_table = nullptr;
    int m_meetings = 0;
    SeasonWindowActions m_actions;
};
