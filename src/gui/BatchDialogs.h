#pragma once
// The dialogs of まとめて印刷, 組み合わせの確認 and 未入力の確認.

#include "app/Platform.h"

#include <QDialog>
#include <functional>
#include <optional>

class QButtonGroup;
class QComboBox;
class QListWidget;
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

// A list to choose one item from: a click on an item closes the window with it.
class ListChoiceWindow : public QDialog
{
    Q_OBJECT
public:
    ListChoiceWindow(const QString &title, const QString &heading, const QStringList &items,
                     QWidget *parent = nullptr);
    std::optional<int> chosen() const { return m_chosen; }
    QListWidget *list() const { return m_list; }

private:
    QListWidget *m_list = nullptr;
    std::optional<int> m_chosen;
};
