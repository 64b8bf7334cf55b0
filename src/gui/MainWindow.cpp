#include "gui/MainWindow.h"

#include "gui/AboutBox.h"
#include "gui/Commands.h"
#include "gui/ControlWidgets.h"
#ifdef KMTX_HAS_VENUE
#include "gui/venue/VenueDialog.h"
#endif

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QShortcut>
#include <QStandardPaths>
#include <algorithm>
#include <exception>

using namespace Qt::StringLiterals;

namespace {

Look lookOfKind(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Panel: return Look::Area;
    case ControlKind::Label: return Look::Text;
    case ControlKind::Button: return Look::Button;
    case ControlKind::Edit: return Look::TextField;
    case ControlKind::ComboBox: return Look::Choice;
    case ControlKind::CheckBox: return Look::Check;
    case ControlKind::Image: return Look::Picture;
    case ControlKind::ScrollBox: return Look::ScrollBox;
    case ControlKind::SpinButton: return Look::Spin;
    case ControlKind::MenuItem: break;
    }
    return Look::Text;
}

bool isRedoKey(const QKeyEvent *key)
{
    return key->matches(QKeySequence::Redo) || key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
}

int usualFontPixels(Look look)
{
    switch (look) {
    case Look::Heading: return 14;
    case Look::TextField:
    case Look::NumberField: return 14;
    default: return 13;
    }
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), m_form(m_platform)
{
    setObjectName(u"MainForm"_s);
    setWindowTitle(u"くみっとEX"_s);
    // The window shows the application's icon (prepareApplication).

    auto *client = new QWidget(this);
    client->setObjectName(u"client"_s);
    client->setAutoFillBackground(true);
    QPalette green = client->palette();
    green.setColor(QPalette::Window, colours::MoneyGreen);
    client->setPalette(green);
    setCentralWidget(client);

    buildWidgets();
    buildMenus();
    installKeys();
    // The window is as tall as its areas: with the title bar of a usual desktop it fits a
    // 1024 × 768 screen above the task bar.
    setFixedSize(1020, menuBar()->sizeHint().height() + layoutBottom() + BottomMargin);
    move(0, 0);

    m_platform.window = this;
    m_platform.beforeBox = [this] {
        // The user sees what the command has drawn so far before the box appears.
        refresh();
        if (isVisible()) repaint();
    };
    m_platform.about = [this] {
        if (!m_about) m_about = new AboutBox(this);
        m_about->exec();
    };
#ifdef KMTX_HAS_VENUE
    m_form.control("Venue").visible = true;
    m_platform.venue = [this] {
        if (!m_venue) m_venue = new VenueDialog(*this);
        m_venue->show();
        m_venue->raise();
        m_venue->activateWindow();
    };
#endif
    m_platform.close = [this] { this->close(); };

    run(u"FormCreate"_s, [this] { m_form.FormCreate(); });
    // Only the text sizes whose window fits the screen are offered.
    if (const QScreen *screen = this->screen()) {
        const int largest =
            largestTextScale(screen->availableGeometry().size(), menuBar()->sizeHint().height());
        run(u"FormCreate"_s, [this, largest] { m_form.offerTextSizes(largest); });
    }
}

int MainWindow::largestTextScale(QSize screen, int menuBarHeight)
{
    // The title bar and frame of a usual desktop besides the window's own pixels.
    constexpr int frameWidth = 16;
    constexpr int frameHeight = 40;
    int largest = 100;
    for (int percent : {125, 150}) {
        const double s = percent / 100.0;
        const int width = qRound(1020 * s) + frameWidth;
        const int height = qRound((menuBarHeight + layoutBottom() + BottomMargin) * s) + frameHeight;
        if (width <= screen.width() && height <= screen.height()) largest = percent;
    }
    return largest;
}

void MainWindow::followTextScale()
{
    const double scale = m_form.TextScale / 100.0;
    if (scale == m_scale) return;
    m_scale = scale;
    for (auto it = m_widgets.cbegin(); it != m_widgets.cend(); ++it) placeWidget(it.key(), it.value());
    // The menus and the boxes grow with the window (15 pixels at the usual size).
    QFont larger = QApplication::font();
    larger.setPixelSize(scaledPixels(15));
    for (const char *kind : {"QMenuBar", "QMenu", "QMessageBox", "QDialog"})
        QApplication::setFont(larger, kind);
    menuBar()->setFont(larger);
    for (QMenu *menu : menuBar()->findChildren<QMenu *>()) menu->setFont(larger);
    setFixedSize(scaledPixels(1020),
                 menuBar()->sizeHint().height() + scaledPixels(layoutBottom() + BottomMargin));
    for (ShownControl &shown : m_shown) shown.applied.reset();
    // The list keeps showing the same rows.
    m_listScrollSerial = -1;
    followListScroll();
}

void MainWindow::placeWidget(const QString &name, QWidget *w)
{
    const auto place = m_places.constFind(name);
    if (place == m_places.constEnd()) return;
    const QRect r(QPoint(scaledPixels(place->geometry.x()), scaledPixels(place->geometry.y())),
                  QSize(scaledPixels(place->geometry.width()), scaledPixels(place->geometry.height())));
    if (auto *picture = qobject_cast<PictureView *>(w)) {
        // A picture in a scroll box stays where the box has scrolled it.
        const auto holder = m_places.constFind(place->parent);
        if (holder == m_places.constEnd() || holder->look != Look::ScrollBox) picture->move(r.topLeft());
        picture->setScale(m_scale);
        return;
    }
    if (auto *box = qobject_cast<ScrollBox *>(w)) box->setScale(m_scale);
    w->setGeometry(r);
    if (place->look == Look::Area || place->look == Look::ScrollBox || place->look == Look::Picture) return;
    QFont font = w->font();
    const int usual = place->fontPixels > 0 ? place->fontPixels : usualFontPixels(place->look);
    font.setPixelSize(scaledPixels(usual));
    if (font != w->font()) w->setFont(font);
    // A tab fits its caption again at the new size when the form's state is next copied.
    if (place->look == Look::Tab)
        if (auto *label = qobject_cast<QLabel *>(w)) label->clear();
}

MainWindow::~MainWindow()
{
    // The platform's hooks point into this window.
    m_platform.beforeBox = nullptr;
    m_platform.about = nullptr;
    m_platform.venue = nullptr;
    // The venue's server stops while the form it serves is still here.
    delete std::exchange(m_venue, nullptr);
    m_platform.close = nullptr;
    m_platform.window = nullptr;
}

void MainWindow::run(const QString &source, const std::function<void()> &command)
{
    try {
        m_form.perform(source, command);
        followTableScroll();
        followTextScale();
    } catch (const std::exception &error) {
        QMessageBox::critical(this, QCoreApplication::applicationName(),
                              QString::fromLocal8Bit(error.what()));
    } catch (...) {
        QMessageBox::critical(this, QCoreApplication::applicationName(),
                              u"予期しないエラーが発生しました。"_s);
    }
    refresh();
}

void MainWindow::keepRecoveryCopies(const QString &folder)
{
    m_platform.recovery = std::make_unique<RecoveryFolder>(folder);
    run(u"start"_s, [this] { m_form.offerRecovery(); });
}

QString MainWindow::recoveryFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(u"recovery"_s);
}

void MainWindow::followTableScroll()
{
    // A タテ形 table starts at the top of its scroll box.
    if (m_form.TableScrollSerial == m_tableScrollSerial) return;
    m_tableScrollSerial = m_form.TableScrollSerial;
    // (A scroll box not built yet starts at the top when it is built.)
    if (auto *box = qobject_cast<ScrollBox *>(m_widgets.value(u"ScrollBox2"_s)))
        box->verticalScrollBar()->setValue(0);
}

void MainWindow::runCommand(const QString &controlName)
{
    if (const FormCommand command = commandOf(controlName))
        run(controlName, [this, command] { (m_form.*command)(); });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    bool mayClose = false;
    run(u"close"_s, [this, &mayClose] { mayClose = m_form.confirmClose(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A click on an area that is a command, outside the widgets it holds.
    if (event->type() == QEvent::MouseButtonRelease && qobject_cast<QFrame *>(watched) &&
        !qobject_cast<QLabel *>(watched)) {
        auto *area = static_cast<QWidget *>(watched);
        const auto *release = static_cast<QMouseEvent *>(event);
        if (release->button() == Qt::LeftButton && area->rect().contains(release->position().toPoint())) {
            runCommand(area->objectName());
            return true;
        }
    }
    // Ctrl+Z and Ctrl+Y in a text field with nothing of its own to undo or redo go to the
    // meeting's 元に戻す and 再実行.
    if (event->type() == QEvent::ShortcutOverride) {
        if (auto *field = qobject_cast<QLineEdit *>(watched)) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if ((key->matches(QKeySequence::Undo) && !field->isUndoAvailable()) ||
                (isRedoKey(key) && !field->isRedoAvailable()))
                return true; // not taken by the field: the window's shortcut runs
        }
    }
    // Alt with a letter opens no menu (their captions have no letters) and types nothing.
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit *>(watched)) {
        const auto *press = static_cast<QKeyEvent *>(event);
        if ((press->modifiers() & Qt::AltModifier) && !(press->modifiers() & Qt::ControlModifier) &&
            !press->text().isEmpty())
            return true;
    }
    // The arrows in an empty １打 move the entry cursor.
    if (event->type() == QEvent::KeyPress && watched->objectName() == u"Edit3"_s && entryArrow(event))
        return true;
    // Delete in an empty １打 clears the place of the cursor (in typed figures it deletes a
    // character, as everywhere); any other key there ends a Delete.
    if (event->type() == QEvent::KeyPress && watched->objectName() == u"Edit3"_s) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const auto *field = qobject_cast<QLineEdit *>(watched);
        if (key == Qt::Key_Delete && field && field->text().isEmpty()) {
            run(u"Edit3"_s, [this] { m_form.entryFieldKey(u"Edit3"_s, 46); });
            return true;
        }
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            run(u"Edit3"_s, [this, key] { m_form.entryFieldKey(u"Edit3"_s, key); });
    }
    // A click into a text field (some fields empty themselves to take a fresh number).
    if (event->type() == QEvent::MouseButtonPress) {
        if (auto *field = qobject_cast<QLineEdit *>(watched);
            field && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && field->isEnabled()) {
            const QString name = field->objectName();
            run(name, [this, &name] { m_form.clickField(name); });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::entryArrow(QEvent *event)
{
    const auto *press = static_cast<QKeyEvent *>(event);
    if (press->modifiers() & ~Qt::KeypadModifier) return false;
    int rows = 0;
    int places = 0;
    switch (press->key()) {
    case Qt::Key_Up: rows = -1; break;
    case Qt::Key_Down: rows = 1; break;
    case Qt::Key_Left: places = -1; break;
    case Qt::Key_Right: places = 1; break;
    default: return false;
    }
    bool taken = false;
    run(u"Edit3"_s, [this, rows, places, &taken] { taken = m_form.entryArrowKey(rows, places); });
    return taken;
}

void MainWindow::installKeys()
{
    // F10 opens the menu bar for the arrow keys, as Alt alone does (the style's own way).
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        const QList<QAction *> menus = menuBar()->actions();
        if (!menus.isEmpty()) menuBar()->setActiveAction(menus.front());
    });
    // Ctrl+F: the search field by the member list, where the list is shown.
    auto *findKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(findKey, &QShortcut::activated, this, [this] {
        if (QWidget *field = widget(u"MemberSearch"_s); field && field->isVisibleTo(this)) {
            field->setFocus(Qt::ShortcutFocusReason);
            if (auto *edit = qobject_cast<QLineEdit *>(field)) edit->selectAll();
        }
    });
}

// ---- Building ---------------------------------------------------------------------

void MainWindow::buildWidgets()
{
    for (const Place &place : layoutTable()) m_placeOrder.push_back(place);
    // A control that the layout table does not know yet still gets a widget, kept hidden.
    for (const auto &[name, control] : m_form.controls()) {
        if (control.kind == ControlKind::MenuItem || findPlace(name)) continue;
        m_unplaced << name;
        Place place;
        place.name = name;
        place.look = lookOfKind(control.kind);
        place.geometry = QRect(0, 0, 80, 20);
        m_placeOrder.push_back(place);
    }
    for (const Place &place : m_placeOrder) {
        m_places.insert(place.name, place);
        Q_ASSERT_X(place.parent.isEmpty() || m_areaOf.contains(place.parent), "MainWindow::buildWidgets",
                   qPrintable(place.name));
        m_areaOf.insert(place.name, place.parent.isEmpty() ? place.name : m_areaOf.value(place.parent));
    }
    // An area is built when the form first shows it; one that the form does not name, now.
    for (const Place &place : m_placeOrder) {
        if (!place.parent.isEmpty()) continue;
        if (m_form.hasControl(place.name))
            m_unbuiltAreas.emplace_back(place.name, &m_form.control(place.name));
        else
            buildArea(place.name);
    }
}

void MainWindow::buildShownAreas()
{
    for (std::size_t i = 0; i < m_unbuiltAreas.size();) {
        if (m_unbuiltAreas[i].second->visible)
            buildArea(QString(m_unbuiltAreas[i].first)); // takes it off the list
        else
            ++i;
    }
}

QWidget *MainWindow::widget(const QString &name)
{
    if (QWidget *w = m_widgets.value(name)) return w;
    const auto area = m_areaOf.constFind(name);
    if (area == m_areaOf.constEnd() || m_widgets.contains(*area)) return nullptr;
    buildArea(*area);
    return m_widgets.value(name);
}

void MainWindow::buildArea(const QString &area)
{
    std::erase_if(m_unbuiltAreas, [&area](const auto &unbuilt) { return unbuilt.first == area; });
    QWidget *client = centralWidget();
    std::vector<const Place *> built;
    for (const Place &place : m_placeOrder) {
        if (m_areaOf.value(place.name) != area) continue;
        QWidget *parent = place.parent.isEmpty() ? client : m_widgets.value(place.parent);
        if (!parent) parent = client;
        createWidget(place, parent);
        built.push_back(&place);
    }
    if (built.empty()) return;
    // The widgets show the form's state from the start.
    listShownControls();
    for (const Place *place : built) {
        if (ShownControl *shown = shownControl(place->name)) {
            shown->widget = m_widgets.value(place->name);
            shown->look = place->look;
            applyControl(*shown->control, shown->widget);
            shown->applied = std::make_shared<Control>(*shown->control);
        }
    }
    // Stacked and ordered for the tab key as if every area had been built at once, in the
    // table's order: under the first later area already built.
    QWidget *areaWidget = m_widgets.value(area);
    bool later = false;
    for (auto it = std::find_if(m_placeOrder.begin(), m_placeOrder.end(),
                                [&area](const Place &p) { return p.name == area; });
         it != m_placeOrder.end(); ++it) {
        if (it->name == area || !it->parent.isEmpty()) continue;
        if (QWidget *next = m_widgets.value(it->name)) {
            areaWidget->stackUnder(next);
            later = true;
            break;
        }
    }
    if (later || area == m_areaOf.value(u"Button6"_s)) restoreFocusOrder();
}

void MainWindow::restoreFocusOrder()
{
    // Every widget that takes the focus, in the table's order, each place followed by the
    // parts of its own widget that take it (the arrows of a spin button).
    QSet<QWidget *> placed;
    for (QWidget *w : std::as_const(m_widgets)) placed.insert(w);
    std::vector<QWidget *> chain;
    for (const Place &place : m_placeOrder) {
        QWidget *w = m_widgets.value(place.name);
        if (!w) continue;
        if (w->focusPolicy() != Qt::NoFocus) chain.push_back(w);
        for (QWidget *part : w->findChildren<QWidget *>()) {
            // (A selection list's own window of entries is not in the window's order.)
            if (part->focusPolicy() == Qt::NoFocus || placed.contains(part) || part->window() != this)
                continue;
            QWidget *owner = part->parentWidget();
            while (owner && !placed.contains(owner)) owner = owner->parentWidget();
            if (owner == w) chain.push_back(part);
        }
    }
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
    // The registration form from top to bottom: チーム名, 氏名, 性別, 生年月日, 実行.
    const char *const order[] = {"Edit2",     "Edit1",     "ComboBox1", "ComboBox2",
                                 "ComboBox3", "ComboBox4", "ComboBox5", "Button6"};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget *first = m_widgets.value(QString::fromLatin1(order[i - 1]));
        QWidget *second = m_widgets.value(QString::fromLatin1(order[i]));
        if (first && second) QWidget::setTabOrder(first, second);
    }
}

QWidget *MainWindow::createWidget(const Place &place, QWidget *parent)
{
    QWidget *w = createControlWidget(place, parent);
    w->setObjectName(place.name);
    // A font is set only where it differs from the one the widget has from its parent: a
    // font set on a selection list would build its list at once.
    QFont font = w->font();
    font.setPixelSize(scaledPixels(place.fontPixels > 0 ? place.fontPixels : usualFontPixels(place.look)));
    if (place.look == Look::Heading || place.look == Look::Tab) font.setBold(true);
    if (font != w->font()) w->setFont(font);
    const QRect geometry(QPoint(scaledPixels(place.geometry.x()), scaledPixels(place.geometry.y())),
                         QSize(scaledPixels(place.geometry.width()), scaledPixels(place.geometry.height())));
    if (auto *picture = qobject_cast<PictureView *>(w)) picture->setScale(m_scale);
    if (auto *scroll = qobject_cast<ScrollBox *>(w)) scroll->setScale(m_scale);
    if (auto *box = qobject_cast<ScrollBox *>(parent)) {
        box->setWidget(w);
        w->move(geometry.topLeft());
        w->resize(geometry.size());
    } else {
        w->setGeometry(geometry);
    }
    m_widgets.insert(place.name, w);
    return w;
}

QWidget *MainWindow::createControlWidget(const Place &place, QWidget *parent)
{
    const QString name = place.name;
    switch (place.look) {
    case Look::Area: {
        auto *frame = new QFrame(parent);
        frame->setAutoFillBackground(true);
        // An area that is itself a command (the table command box hides itself when clicked).
        if (commandOf(name)) frame->installEventFilter(this);
        return frame;
    }
    case Look::Tab:
    case Look::Command:
    case Look::Hint: {
        auto *label = new ClickLabel(parent);
        label->setAutoFillBackground(true);
        if (place.look == Look::Hint) {
            label->setFocusPolicy(Qt::NoFocus); // a hint is read, not used
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        } else {
            label->setAlignment(Qt::AlignCenter);
            label->setFrameStyle(QFrame::Panel | QFrame::Raised);
            label->setLineWidth(1);
            label->setCursor(Qt::PointingHandCursor);
        }
        connect(label, &ClickLabel::clicked, this, [this, name] { runCommand(name); });
        return label;
    }
    case Look::Heading:
    case Look::Text:
    case Look::Caption: {
        auto *label = new QLabel(parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (place.look == Look::Caption) label->setText(place.caption);
        if (place.parent == u"Panel9"_s) label->setAlignment(Qt::AlignCenter); // 「１　組」 over its panel
        return label;
    }
    case Look::Button: {
        auto *button = new QPushButton(parent);
        // Enter on the focused 実行 registers, as a click does.
        button->setAutoDefault(name == u"Button6"_s);
        connect(button, &QPushButton::clicked, this, [this, name] { runCommand(name); });
        return button;
    }
    case Look::TextField:
    case Look::NumberField: {
        auto *field = new QLineEdit(parent);
        field->setPlaceholderText(place.caption);
        if (place.look == Look::NumberField) {
            // Numbers are typed in half-width digits: no conversion by the input method.
            field->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhPreferNumbers);
        } else {
            // Names and titles are typed in Japanese through the input method.
            field->setAttribute(Qt::WA_InputMethodEnabled, true);
            field->setInputMethodHints(Qt::ImhNoAutoUppercase);
        }
        connectField(field, name);
        return field;
    }
    case Look::Choice: {
        auto *box = new QComboBox(parent);
        box->setEditable(false);
        box->setMaxVisibleItems(16);
        connect(box, &QComboBox::activated, this, [this, name](int index) {
            const QByteArray list = name.toLatin1();
            run(name, [this, &list, index] { m_form.chooseItem(list.constData(), index); });
        });
        return box;
    }
    case Look::Check: {
        auto *box = new QCheckBox(parent);
        connect(box, &QCheckBox::clicked, this, [this, name](bool checked) {
            run(name, [this, &name, checked] {
                m_form.control(name).checked = checked;
                if (const FormCommand command = commandOf(name)) (m_form.*command)();
            });
        });
        return box;
    }
    case Look::Picture: {
        auto *picture = new PictureView(m_platform, name, parent);
        connectPicture(picture, name);
        return picture;
    }
    case Look::ScrollBox: {
        auto *box = new ScrollBox(place.wheelStep > 0 ? place.wheelStep : 19, parent);
        if (place.background.isValid()) {
            QPalette palette = box->palette();
            palette.setColor(QPalette::Window, place.background);
            box->setPalette(palette);
            box->viewport()->setAutoFillBackground(true);
            box->viewport()->setBackgroundRole(QPalette::Window);
        }
        if (name == u"ScrollBox1"_s) m_memberList = box;
        return box;
    }
    case Look::Spin: {
        auto *arrows = new SpinArrows(parent);
        if (name == u"UpDown1"_s) {
            // The page field's arrows step the page up or down.
            connect(arrows, &SpinArrows::stepped, this, [this](int direction) {
                run(u"UpDown1"_s, [this, direction] { m_form.UpDown1Step(direction); });
            });
        } else {
            connect(arrows, &SpinArrows::stepped, this, [this, name] { runCommand(name); });
        }
        return arrows;
    }
    }
    return new QWidget(parent);
}

void MainWindow::connectPicture(PictureView *picture, const QString &name)
{
    if (name == u"Image1"_s) {
        // A click on the member list, in list coordinates.
        connect(picture, &PictureView::pressed, this, [this](QPoint p) {
            if (m_memberList) m_memberList->setFocus(Qt::MouseFocusReason);
            run(u"Image1"_s, [this, p] { m_form.Image1MouseDown(p.x(), p.y()); });
        });
    } else if (const int party = partyOfPanel(name)) {
        // A click on a party panel counts only while the panels take clicks.
        connect(picture, &PictureView::pressed, this, [this, party, name](QPoint p) {
            if (!m_form.PanelsClickable) return;
            run(name, [this, party, p] { m_form.kumiPanelMouseDown(party, p.y()); });
        });
    } else if (name == u"Image28"_s) {
        // The combination table (swapping players) and the score-entry table (the entry cursor).
        connect(picture, &PictureView::pressed, this, [this](QPoint p) {
            run(u"Image28"_s, [this, p] { m_form.Image28MouseDown(p.x(), p.y()); });
        });
    } else if (name == u"Image4"_s) {
        connect(picture, &PictureView::pressed, this, [this] {
            if (QWidget *box = widget(u"ScrollBox2"_s)) box->setFocus(Qt::MouseFocusReason);
        });
    }
}

void MainWindow::connectField(QLineEdit *field, const QString &name)
{
    // Typing: the form cuts the text to the field's limit; the cut text comes back.
    connect(field, &QLineEdit::textEdited, this, [this, name](const QString &text) {
        run(name, [this, &name, &text] { m_form.typeInto(name, text); });
    });
    connect(field, &QLineEdit::returnPressed, this,
            [this, name] { run(name, [this, &name] { m_form.pressEnter(name); }); });
    field->installEventFilter(this);
}
