// Showing the form: after each command every control is compared with its widget, and
// only what changed is copied; a picture repaints only where its items changed.
#include "gui/MainWindow.h"

#include "gui/Commands.h"
#include "gui/ControlWidgets.h"
#include "gui/MenuTable.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

namespace {

// Looks whose widget starts a command: without a command in the form they stay unavailable.
bool startsCommand(Look look)
{
    return look == Look::Tab || look == Look::Command || look == Look::Button || look == Look::Spin;
}

// Sets a widget's background and text colours; an invalid colour leaves the usual one.
// The widget's own palette is compared first, so an unchanged control costs no palette
// change (and no repaint).
void setColours(QWidget *w, QPalette::ColorRole backgroundRole, const QColor &background,
                QPalette::ColorRole textRole, const QColor &text)
{
    const QPalette &shown = w->palette();
    const QPalette usual = QApplication::palette(w);
    auto wanted = [&](QPalette::ColorGroup group, QPalette::ColorRole role, const QColor &colour) {
        return shown.color(group, role) == (colour.isValid() ? colour : usual.color(group, role));
    };
    if (wanted(QPalette::Active, backgroundRole, background) &&
        wanted(QPalette::Inactive, backgroundRole, background) && wanted(QPalette::Active, textRole, text) &&
        wanted(QPalette::Inactive, textRole, text))
        return;
    QPalette palette = usual;
    if (background.isValid()) palette.setColor(backgroundRole, background);
    if (text.isValid()) {
        // Unavailable controls keep the dimmed text of the style.
        palette.setColor(QPalette::Active, textRole, text);
        palette.setColor(QPalette::Inactive, textRole, text);
    }
    w->setPalette(palette);
}

void setLabelText(QLabel *label, const QString &text)
{
    if (label->text() != text) label->setText(text);
}

// A tab shows its whole caption: the font shrinks until the caption fits.
void fitTabFont(QLabel *tab, int usualPixels)
{
    QFont font = tab->font();
    const int room = tab->contentsRect().width() - 2;
    int pixels = usualPixels;
    font.setPixelSize(pixels);
    while (pixels > 7 && QFontMetrics(font).horizontalAdvance(tab->text()) > room)
        font.setPixelSize(--pixels);
    if (font != tab->font()) tab->setFont(font);
}

void applyField(const Control &c, QLineEdit *field)
{
    if (field->isReadOnly() != c.readOnly) field->setReadOnly(c.readOnly);
    const int maxLength = c.maxChars > 0 ? c.maxChars : c.maxBytes > 0 ? c.maxBytes : 32767;
    if (field->maxLength() != maxLength) field->setMaxLength(maxLength);
    if (field->text() != c.text) {
        // The text the form holds (cut to the limit, or set by a command); the cursor stays.
        const int cursor = field->cursorPosition();
        field->setText(c.text);
        field->setCursorPosition(std::min(cursor, static_cast<int>(c.text.size())));
    }
}

void applyChoice(const Control &c, QComboBox *box)
{
    QStringList shown;
    for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
    const QSignalBlocker blocker(box);
    if (shown != c.items) {
        box->clear();
        box->addItems(c.items);
    }
    if (box->currentIndex() != c.itemIndex) box->setCurrentIndex(c.itemIndex);
}

bool sameControl(const Control &a, const Control &b)
{
    return a.text == b.text && a.colour == b.colour && a.fontColour == b.fontColour &&
           a.visible == b.visible && a.enabled == b.enabled && a.readOnly == b.readOnly &&
           a.checked == b.checked && a.items == b.items && a.itemIndex == b.itemIndex &&
           a.maxBytes == b.maxBytes && a.maxChars == b.maxChars;
}

// Widgets the user changes directly (fields, lists, check boxes) and pictures, whose items
// change without their control: always compared with the form.
bool alwaysCompared(Look look)
{
    return look == Look::TextField || look == Look::NumberField || look == Look::Choice ||
           look == Look::Check || look == Look::Picture;
}

} // namespace

void MainWindow::listShownControls()
{
    const auto &controls = m_form.controls();
    if (m_shown.size() == controls.size()) return;
    // Each control with its widget or menu entry, found once; those built later add theirs.
    m_shown.clear();
    m_shownIndex.clear();
    m_shown.reserve(controls.size());
    for (const auto &[name, control] : controls) {
        ShownControl shown;
        shown.control = &control;
        if (control.kind == ControlKind::MenuItem) {
            shown.action = m_actions.value(name);
        } else {
            shown.widget = m_widgets.value(name);
            const auto place = m_places.constFind(name);
            shown.look = place != m_places.constEnd() ? place->look : Look::Text;
        }
        m_shownIndex.insert(name, m_shown.size());
        m_shown.push_back(shown);
    }
}

MainWindow::ShownControl *MainWindow::shownControl(const QString &name)
{
    const auto it = m_shownIndex.constFind(name);
    return it == m_shownIndex.constEnd() ? nullptr : &m_shown[*it];
}

void MainWindow::refresh()
{
    listShownControls();
    buildShownAreas();
    for (ShownControl &shown : m_shown) {
        const Control &control = *shown.control;
        if (shown.action) {
            // Choosing an entry moves its tick itself: always compared.
            applyEntry(control, shown.action);
            continue;
        }
        if (!shown.widget) continue;
        const bool unchanged = shown.applied && sameControl(*shown.applied, control);
        if (unchanged && !alwaysCompared(shown.look)) continue;
        applyControl(control, shown.widget);
        if (!unchanged) shown.applied = std::make_shared<Control>(control);
    }
    followListScroll();
    takeFocusRequest();
}

void MainWindow::applyControl(const Control &c, QWidget *w)
{
    const auto placeIt = m_places.constFind(c.name);
    const Look look = placeIt != m_places.constEnd() ? placeIt->look : Look::Text;
    const QColor defaultBackground = placeIt != m_places.constEnd() ? placeIt->background : QColor();
    const QColor defaultFont = placeIt != m_places.constEnd() ? placeIt->fontColour : QColor();
    const QColor background = c.colour.isValid() ? c.colour : defaultBackground;
    const QColor font = c.fontColour.isValid() ? c.fontColour : defaultFont;

    if (w->isHidden() == c.visible) w->setHidden(!c.visible);
    if (w->toolTip() != c.toolTip) w->setToolTip(c.toolTip);
    const bool enabled = c.enabled && (!startsCommand(look) || commandOf(c.name) != nullptr);
    if (w->testAttribute(Qt::WA_ForceDisabled) == enabled) w->setEnabled(enabled);

    switch (look) {
    case Look::Area: setColours(w, QPalette::Window, background, QPalette::WindowText, font); break;
    case Look::Tab:
    case Look::Command:
    case Look::Hint:
    case Look::Heading:
    case Look::Text:
    case Look::Caption:
        if (auto *label = qobject_cast<QLabel *>(w)) {
            // Labels that act as buttons show their caption centred, without the padding blanks.
            const bool button = look == Look::Tab || look == Look::Command;
            const QString caption = button ? c.text.trimmed() : c.text;
            if (look == Look::Tab && label->text() != caption) {
                label->setText(caption);
                fitTabFont(label, scaledPixels(placeIt->fontPixels > 0 ? placeIt->fontPixels
                                                                       : MainWindow::TabFontPixels));
            }
            setLabelText(label, caption);
            const QColor fill = background.isValid() ? background : button ? colours::ButtonFace : QColor();
            if (label->autoFillBackground() != fill.isValid()) label->setAutoFillBackground(fill.isValid());
            setColours(label, QPalette::Window, fill, QPalette::WindowText, font);
        }
        break;
    case Look::Button:
        if (auto *button = qobject_cast<QPushButton *>(w)) {
            if (button->text() != c.text) button->setText(c.text);
            setColours(button, QPalette::Button, background, QPalette::ButtonText, font);
        }
        break;
    case Look::TextField:
    case Look::NumberField:
        if (auto *field = qobject_cast<QLineEdit *>(w)) {
            applyField(c, field);
            setColours(field, QPalette::Base, background, QPalette::Text, font);
        }
        break;
    case Look::Choice:
        if (auto *box = qobject_cast<QComboBox *>(w)) applyChoice(c, box);
        break;
    case Look::Check:
        if (auto *box = qobject_cast<QCheckBox *>(w)) {
            if (box->text() != c.text) box->setText(c.text);
            if (box->isChecked() != c.checked) box->setChecked(c.checked);
            setColours(box, QPalette::Window, background, QPalette::WindowText, font);
        }
        break;
    case Look::Picture:
        if (auto *picture = qobject_cast<PictureView *>(w)) {
            picture->refresh();
            const Qt::CursorShape shape = m_form.PanelsClickable ? Qt::PointingHandCursor : Qt::ArrowCursor;
            // a hand shows while the panels take clicks
            if (partyOfPanel(c.name) != 0 && picture->cursor().shape() != shape) picture->setCursor(shape);
        }
        break;
    case Look::ScrollBox:
    case Look::Spin: break;
    }
}

void MainWindow::applyEntry(const Control &c, QAction *action)
{
    if (action->text() != c.text) action->setText(c.text);
    const bool checkable = isOptionEntry(c.name) || c.checked;
    if (action->isCheckable() != checkable) action->setCheckable(checkable);
    if (action->isChecked() != c.checked) action->setChecked(c.checked);
    const bool enabled = c.enabled && commandOf(c.name) != nullptr;
    if (action->isEnabled() != enabled) action->setEnabled(enabled);
    if (action->isVisible() != c.visible) action->setVisible(c.visible);
}

void MainWindow::followListScroll()
{
    if (!m_memberList || m_form.ListScrollSerial == m_listScrollSerial) return;
    m_listScrollSerial = m_form.ListScrollSerial;
    const int rowHeight = m_form.RowHeight > 0 ? m_form.RowHeight : 28;
    m_memberList->verticalScrollBar()->setValue(scaledPixels(m_form.ListTopRow * rowHeight));
}

void MainWindow::takeFocusRequest()
{
    if (m_form.FocusRequest.isEmpty()) return;
    if (QWidget *w = widget(m_form.FocusRequest)) {
        w->setFocus(Qt::OtherFocusReason);
        if (auto *field = qobject_cast<QLineEdit *>(w)) field->selectAll();
    }
    m_form.FocusRequest.clear();
}
