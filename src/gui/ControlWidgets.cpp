#include "gui/ControlWidgets.h"

#include "gui/QtPlatform.h"
#include "tables/PainterCanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

// The frame that shows where the keyboard's focus is.
void paintFocusFrame(QPainter &painter, const QRect &rect)
{
    painter.setPen(QPen(FocusFrameColour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(1, 1, -1, -1));
}

// Paints the focus frame over the whole of its parent, letting clicks through.
class FocusFrame : public QWidget
{
public:
    explicit FocusFrame(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        paintFocusFrame(painter, rect());
    }
};

} // namespace

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent) { setFocusPolicy(Qt::TabFocus); }

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier &&
        (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    paintFocusFrame(painter, rect());
}

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
    const QSize size = picture->size() * m_scale;
    if (picture->size().width() > 1 && picture->size().height() > 1 && size != this->size()) resize(size);
    // Only what changed since the last look is painted again.
    if (picture->revision() == m_seenRevision) return;
    m_seenRevision = picture->revision();
    const QRect changed = picture->takeChangedArea();
    const QRect shown = m_scale == 1.0 ? changed
                                       : QRectF(changed.topLeft() * m_scale, changed.size() * m_scale)
                                             .toAlignedRect()
                                             .adjusted(-1, -1, 1, 1);
    if (!shown.intersected(rect()).isEmpty()) update(shown.intersected(rect()));
}

void PictureView::setScale(double scale)
{
    if (scale == m_scale) return;
    m_scale = scale;
    if (RetainedPicture *picture = m_platform.findPicture(m_name); picture && picture->size().width() > 1)
        resize(picture->size() * m_scale);
    update();
}

void PictureView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, Qt::white);
    if (const RetainedPicture *picture = m_platform.findPicture(m_name)) {
        // The items are drawn at the enlarged size, as sharp as at the usual one.
        const QRect pictureArea = m_scale == 1.0 ? area
                                                 : QRectF(area.topLeft() / m_scale, area.size() / m_scale)
                                                       .toAlignedRect()
                                                       .adjusted(-1, -1, 1, 1);
        painter.scale(m_scale, m_scale);
        PainterCanvas canvas(painter, picture->size());
        picture->replay(canvas, pictureArea);
    }
}

void PictureView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    Q_EMIT pressed((event->position() / m_scale).toPoint());
}

ScrollBox::ScrollBox(int wheelStep, QWidget *parent) : QScrollArea(parent), m_wheelStep(wheelStep)
{
    setFocusPolicy(Qt::ClickFocus);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalScrollBar()->setSingleStep(wheelStep);
    m_focusFrame = new FocusFrame(this);
}

void ScrollBox::setScale(double scale)
{
    m_scale = scale;
    verticalScrollBar()->setSingleStep(wheelStep());
}

void ScrollBox::focusInEvent(QFocusEvent *event)
{
    QScrollArea::focusInEvent(event);
    m_focusFrame->setGeometry(rect());
    m_focusFrame->raise();
    m_focusFrame->show();
}

void ScrollBox::focusOutEvent(QFocusEvent *event)
{
    QScrollArea::focusOutEvent(event);
    m_focusFrame->hide();
}

void ScrollBox::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    m_focusFrame->setGeometry(rect());
}

void ScrollBox::wheelEvent(QWheelEvent *event)
{
    // One notch of the wheel (120 eighths of a degree) moves the view by the wheel step.
    m_pendingDelta += event->angleDelta().y();
    const int notches = m_pendingDelta / 120;
    m_pendingDelta -= notches * 120;
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() - notches * wheelStep());
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
