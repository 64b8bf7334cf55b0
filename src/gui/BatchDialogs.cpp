#include "gui/BatchDialogs.h"

#include "tables/Canvas.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

BatchPrintDialog::BatchPrintDialog(const BatchPrintOffer &offer, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(u"まとめて印刷"_s);
    auto *layout = new QVBoxLayout(this);
    auto *box = new QGroupBox(u"印刷する表"_s, this);
    auto *boxLayout = new QVBoxLayout(box);
    m_tables = new QButtonGroup(this);

    bool anyParties = false;
    for (const bool has : offer.groupHasParties) anyParties = anyParties || has;

    auto *sheetsRow = new QHBoxLayout;
    auto *sheets = new QRadioButton(u"スコア表（組ごとに１枚）"_s, box);
    m_group = new QComboBox(box);
    m_group->addItem(u"全グループ"_s, 0);
    for (int g = 0; g < 4; ++g)
        if (offer.groupHasParties[g]) m_group->addItem(offer.groupNames[g] + u" グループ"_s, g + 1);
    sheetsRow->addWidget(sheets);
    sheetsRow->addWidget(m_group);
    sheetsRow->addStretch();
    boxLayout->addLayout(sheetsRow);
    auto *grids = new QRadioButton(u"組み合せ表（グループごとに１枚）"_s, box);
    boxLayout->addWidget(grids);
    auto *entrySheets = new QRadioButton(u"得点入力表（グループごとに1枚）"_s, box);
    boxLayout->addWidget(entrySheets);
    auto *checkSheets = new QRadioButton(u"得点確認表（グループごとに1枚）"_s, box);
    boxLayout->addWidget(checkSheets);
    auto *members = new QRadioButton(u"メンバー表（全ページ）"_s, box);
    boxLayout->addWidget(members);
    auto *results = new QRadioButton(u"成績表（全ページ）"_s, box);
    boxLayout->addWidget(results);
    m_tables->addButton(sheets, static_cast<int>(BatchTable::ScoreSheets));
    m_tables->addButton(grids, static_cast<int>(BatchTable::CombinationTables));
    m_tables->addButton(entrySheets, static_cast<int>(BatchTable::ScoreEntrySheets));
    m_tables->addButton(checkSheets, static_cast<int>(BatchTable::ScoreCheckSheets));
    m_tables->addButton(members, static_cast<int>(BatchTable::MemberTable));
    m_tables->addButton(results, static_cast<int>(BatchTable::ResultTable));
    sheets->setEnabled(anyParties);
    m_group->setEnabled(anyParties);
    grids->setEnabled(anyParties);
    entrySheets->setEnabled(anyParties);
    checkSheets->setEnabled(anyParties);
    members->setEnabled(offer.hasMembers);
    results->setEnabled(offer.hasScores);
    (anyParties ? sheets : offer.hasMembers || !offer.hasScores ? members : results)->setChecked(true);
    layout->addWidget(box);

    auto *buttons = new QDialogButtonBox(this);
    const std::pair<QString, BatchOutput> outputs[] = {{u"印刷"_s, BatchOutput::Print},
                                                       {u"印刷プレビュー"_s, BatchOutput::Preview},
                                                       {u"PDFに保存"_s, BatchOutput::Pdf}};
    for (const auto &[caption, output] : outputs) {
        QPushButton *button = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        button->setObjectName(caption);
        connect(button, &QPushButton::clicked, this, [this, output = output] { press(output); });
    }
    buttons->addButton(u"キャンセル"_s, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void BatchPrintDialog::selectTable(BatchTable table, int group)
{
    if (QAbstractButton *b = m_tables->button(static_cast<int>(table))) b->setChecked(true);
    const int index = m_group->findData(group);
    if (index >= 0) m_group->setCurrentIndex(index);
}

void BatchPrintDialog::press(BatchOutput output)
{
    BatchPrintChoice c;
    c.table = static_cast<BatchTable>(m_tables->checkedId());
    c.group = c.table == BatchTable::ScoreSheets ? m_group->currentData().toInt() : 0;
    c.output = output;
    m_choice = c;
    accept();
}

CombinationCheckWindow::CombinationCheckWindow(const QStringList &lines, std::function<void()> print,
                                               QWidget *parent)
    : QDialog(parent), m_print(std::move(print))
{
    setWindowTitle(u"組み合わせの確認"_s);
    auto *layout = new QVBoxLayout(this);
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(tables::fonts::gothic());
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    m_text->setFont(font);
    m_text->setPlainText(lines.join(u'\n'));
    layout->addWidget(m_text);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *printButton = buttons->addButton(u"印刷"_s, QDialogButtonBox::ActionRole);
    connect(printButton, &QPushButton::clicked, this, &CombinationCheckWindow::pressPrint);
    buttons->addButton(u"閉じる"_s, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(720, 560);
}

QString CombinationCheckWindow::shownText() const { return m_text->toPlainText(); }

void CombinationCheckWindow::pressPrint()
{
    if (m_print) m_print();
}

ListChoiceWindow::ListChoiceWindow(const QString &title, const QString &heading, const QStringList &items,
                                   QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(heading, this));
    m_list = new QListWidget(this);
    m_list->addItems(items);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        m_chosen = m_list->row(item);
        accept();
    });
    layout->addWidget(m_list);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(u"閉じる"_s, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, 420);
}
