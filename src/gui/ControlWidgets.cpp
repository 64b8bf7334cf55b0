#include "gui/ControlWidgets.h"

#include "gui/QtPlatform.h"
#include "tables/PainterCanvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) Q_EMIT clicked();
}

PictureView::PictureView(const QtPlatform &platform, const QString &name, QWidget *parent)
    : QWidget(parent), m_platform(platform), m_name(name)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::refresh()
{
    RetainedPicture *picture = m_platform.findPicture(m_name);
    if (!picture) return;
    const QSize size = picture->size();
    if (size.width() > 1 && size.height() > 1 && size != this->size()) resize(size);
    // Only what changed since the last look is painted again.
    if (picture->revision() == m_seenRevision) return;
    m_seenRevision = picture->revision();
    const QRect changed = picture->takeChangedArea().intersected(rect());
    if (!changed.isEmpty()) update(changed);
}

void PictureView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, Qt::white);
    if (const RetainedPicture *picture = m_platform.findPicture(m_name)) {
        PainterCanvas canvas(painter, picture->size());
        picture->replay(canvas, area);
    }
}

void PictureView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    Q_EMIT pressed(event->position().toPoint());
}

ScrollBox::ScrollBox(int wheelStep, QWidget *parent) : QScrollArea(parent), m_wheelStep(wheelStep)
{
    setFocusPolicy(Qt::ClickFocus);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalScrollBar()->setSingleStep(wheelStep);
}

void ScrollBox::wheelEvent(QWheelEvent *event)
{
    // One notch of the wheel (120 eighths of a degree) moves the view by the wheel step.
    m_pendingDelta += event->angleDelta().y();
    const int notches = m_pendingDelta / 120;
    m_pendingDelta -= notches * 120;
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() - notches * m_wheelStep);
    event->accept();
}

void ScrollBox::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    QScrollArea::mousePressEvent(event);
}

SpinArrows::SpinArrows(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const std::pair<Qt::ArrowType, int> arrows[] = {{Qt::UpArrow, 1}, {Qt::DownArrow, -1}};
    for (const auto &[type, direction] : arrows) {
        auto *button = new QToolButton(this);
        button->setArrowType(type);
        button->setAutoRepeat(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, d = direction] { Q_EMIT stepped(d); });
    }
}
