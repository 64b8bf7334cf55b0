#include "gui/AboutBox.h"

#include "gui/ProgramIcon.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>

using namespace Qt::StringLiterals;

AboutBox::AboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"AboutBox"_s);
    setWindowTitle(u"バージョン情報"_s);
    setWindowIcon(programIcon());
    setModal(true);

    auto *icon = new QLabel(this);
    icon->setObjectName(u"icon"_s);
    icon->setPixmap(programIcon().pixmap(QSize(64, 64)));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto *title = new QLabel(u"くみっとEX"_s, this);
    title->setObjectName(u"title"_s);
    QFont titleFont = title->font();
    titleFont.setPixelSize(24);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto *description = new QLabel(u"グラウンドゴルフ大会のメンバー登録、組み合わせ、\n"
                                   u"作表と印刷、得点の集計と順位付けを行うソフトウエアです。"_s,
                                   this);
    description->setObjectName(u"description"_s);

    auto *version = new QLabel(u"Version "_s + QString::fromLatin1(KMTX_VERSION), this);
    version->setObjectName(u"version"_s);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(20, 20, 20, 14);
    layout->setHorizontalSpacing(18);
    layout->setVerticalSpacing(10);
    layout->addWidget(icon, 0, 0, 3, 1);
    layout->addWidget(title, 0, 1);
    layout->addWidget(description, 1, 1);
    layout->addWidget(version, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred on the screen, not on the main window.
    if (const QScreen *s = screen()) {
        const QRect available = s->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
}
