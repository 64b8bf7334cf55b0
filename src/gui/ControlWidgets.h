#pragma once
// The small widget kinds the window is made of besides Qt's own: a label that acts as a
// button, a picture that shows one of the platform's canvases, a scroll box with a fixed
// wheel step, and the pair of arrows of a spin button.

#include <QColor>
#include <QLabel>
#include <QScrollArea>
#include <QWidget>

class QtPlatform;

// The frame that shows where the keyboard's focus is: a colour that stands out on the
// window's teal, green, white and yellow alike.
inline const QColor FocusFrameColour{230, 100, 0};

// A label that reports a click: a press and a release of the left button over it.
// It takes the focus with the tab key, shows it with a frame, and Space or Enter clicks it.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
};

// Shows the picture the platform holds under the control's name, painting from its items
// only the exposed area; blank white until the form first draws on it. It takes the
// picture's size once the picture exists.
class PictureView : public QWidget
{
    Q_OBJECT
public:
    PictureView(const QtPlatform &platform, const QString &name, QWidget *parent);

    // Takes the picture's size and repaints the area whose items changed, if any.
    void refresh();
    // Shows the picture enlarged by the window's text size, drawn anew at that size.
    void setScale(double scale);

Q_SIGNALS:
    // A press of the left button, in picture coordinates.
    void pressed(QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const QtPlatform &m_platform;
    QString m_name;
    quint64 m_seenRevision = 0;
    double m_scale = 1.0;
};

// A scroll box whose mouse wheel moves the view by a fixed number of pixels per step and
// that takes the keyboard focus when clicked.
class ScrollBox : public QScrollArea
{
    Q_OBJECT
public:
    ScrollBox(int wheelStep, QWidget *parent);
    int wheelStep() const { return qRound(m_wheelStep * m_scale); }
    // The window's text size: the wheel steps as far through the enlarged picture.
    void setScale(double scale);

protected:
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int m_wheelStep;
    int m_pendingDelta = 0;
    double m_scale = 1.0;
    QWidget *m_focusFrame = nullptr; // drawn over the edges while the box has the focus
};

// The two arrows of a spin button attached to a number field.
class SpinArrows : public QWidget
{
    Q_OBJECT
public:
    explicit SpinArrows(QWidget *parent);

Q_SIGNALS:
    void stepped(int direction); // +1 up, -1 down
};
