#include "gui/HelpWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

HelpWindow::HelpWindow(const QString &path, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(u"HelpWindow"_s);
    auto *layout = new QVBoxLayout(this);
    auto *note = new QLabel(u"ブラウザーが見つからないため、ヘルプをこの画面で表示しています。"
                            u"下線の付いた文字を押すと、その説明へ移ります。"_s,
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(u"HelpBrowser"_s);
    m_browser->setOpenExternalLinks(true);
    QFont font = m_browser->font(); // easy to read for older eyes: a quarter larger
    if (font.pixelSize() > 0)
        font.setPixelSize(font.pixelSize() * 5 / 4);
    else
        font.setPointSizeF(font.pointSizeF() * 1.25);
    m_browser->setFont(font);
    m_browser->setSource(QUrl::fromLocalFile(path));
    layout->addWidget(m_browser, 1);

    auto *buttons = new QHBoxLayout;
    auto *back = new QPushButton(u"前に戻る"_s, this);
    auto *top = new QPushButton(u"目次へ"_s, this);
    auto *close = new QPushButton(u"閉じる"_s, this);
    close->setObjectName(u"HelpClose"_s);
    back->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(top, &QPushButton::clicked, m_browser, &QTextBrowser::home);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(back);
    buttons->addWidget(top);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? u"ヘルプ"_s : title);
    resize(900, 700);
}

bool HelpWindow::hasDocument() const { return !m_browser->document()->isEmpty(); }
