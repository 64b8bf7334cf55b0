#pragma once
// The dialogs of まとめて印刷 and 組み合わせの確認.

#include "app/Platform.h"

#include <QDialog>
#include <functional>
#include <optional>

class QButtonGroup;
class QComboBox;
class QPlainTextEdit;

// まとめて印刷: one table of the whole meeting, to the printer, the preview or a PDF file.
class BatchPrintDialog : public QDialog
{
    Q_OBJECT
  public:
    BatchPrintDialog(const BatchPrintOffer &offer, QWidget *parent = nullptr);
    // The choice once one of the three output buttons was pressed.
    std::optional<BatchPrintChoice> choice() const { return m_choice; }
    // Chooses a table (and for the score sheets the group, 0 for all) as a click would.
    void selectTable(BatchTable table, int group = 0);
    // Presses the button of an output.
    void press(BatchOutput output);

  private:
    QButtonGroup *m_tables = nullptr;
    QComboBox *m_group = nullptr;
    std::optional<BatchPrintChoice> m_choice;
};

// 組み合わせの確認: the report's lines, with 印刷 and 閉じる.
class CombinationCheckWindow : public QDialog
{
    Q_OBJECT
  public:
    CombinationCheckWindow(const QStringList &lines, std::function<void()> print, QWidget *parent = nullptr);
    QString shownText() const;
    void pressPrint();

  private:
    QPlainTextEdit *m_text = nullptr;
    std::function<void()> m_print;
};
