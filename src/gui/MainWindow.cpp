#include "gui/MainWindow.h"

#include "gui/AboutBox.h"
#include "gui/Commands.h"
#include "gui/ControlWidgets.h"
#include "gui/ProgramIcon.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
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
    setWindowIcon(programIcon());

    auto *client = new QWidget(this);
    client->setObjectName(u"client"_s);
    client->setAutoFillBackground(true);
    QPalette green = client->palette();
    green.setColor(QPalette::Window, colours::MoneyGreen);
    client->setPalette(green);
    setCentralWidget(client);

    buildWidgets();
    buildMenus();
    setTabOrder();
    // The window is as tall as its areas: with the title bar of a usual desktop it fits a
    // 1024 × 768 screen above the task bar.
    setFixedSize(1020, menuBar()->sizeHint().height() + layoutBottom() + BottomMargin);
    move(0, 0);

    m_about = new AboutBox(this);
    m_platform.window = this;
    m_platform.beforeBox = [this] {
        // The user sees what the command has drawn so far before the box appears.
        refresh();
        if (isVisible()) repaint();
    };
    m_platform.about = [this] { m_about->exec(); };
    m_platform.close = [this] { this->close(); };

    run([this] { m_form.FormCreate(); });
}

MainWindow::~MainWindow()
{
    // The platform's hooks point into this window.
    m_platform.beforeBox = nullptr;
    m_platform.about = nullptr;
    m_platform.close = nullptr;
    m_platform.window = nullptr;
}

void MainWindow::run(const std::function<void()> &command)
{
    try {
        command();
        followTableScroll();
    } catch (const std::exception &error) {
        QMessageBox::critical(this, QCoreApplication::applicationName(),
                              QString::fromLocal8Bit(error.what()));
    } catch (...) {
        QMessageBox::critical(this, QCoreApplication::applicationName(),
                              u"予期しないエラーが発生しました。"_s);
    }
    refresh();
}

void MainWindow::followTableScroll()
{
    // A タテ形 table starts at the top of its scroll box.
    if (m_form.TableScrollSerial == m_tableScrollSerial) return;
    m_tableScrollSerial = m_form.TableScrollSerial;
    if (auto *box = qobject_cast<ScrollBox *>(widget(u"ScrollBox2"_s))) box->verticalScrollBar()->setValue(0);
}

void MainWindow::runCommand(const QString &controlName)
{
    if (const FormCommand command = commandOf(controlName)) run([this, command] { (m_form.*command)(); });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    bool mayClose = false;
    run([this, &mayClose] { mayClose = m_form.confirmClose(); });
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
    // Delete in １打 clears the place of the cursor; any other key there ends a Delete.
    if (event->type() == QEvent::KeyPress && watched->objectName() == u"Edit3"_s) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Delete) {
            run([this] { m_form.entryFieldKey(u"Edit3"_s, 46); });
            return true;
        }
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            run([this, key] { m_form.entryFieldKey(u"Edit3"_s, key); });
    }
    // A click into a text field (some fields empty themselves to take a fresh number).
    if (event->type() == QEvent::MouseButtonPress) {
        if (auto *field = qobject_cast<QLineEdit *>(watched);
            field && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && field->isEnabled()) {
            const QString name = field->objectName();
            run([this, &name] { m_form.clickField(name); });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Building ---------------------------------------------------------------------

void MainWindow::buildWidgets()
{
    QWidget *client = centralWidget();
    for (const Place &place : layoutTable()) {
        QWidget *parent = place.parent.isEmpty() ? client : m_widgets.value(place.parent);
        Q_ASSERT_X(parent, "MainWindow::buildWidgets", qPrintable(place.name));
        if (!parent) parent = client;
        m_places.insert(place.name, place);
        createWidget(place, parent);
    }
    // A control that the layout table does not know yet still gets a widget, kept hidden.
    for (const auto &[name, control] : m_form.controls()) {
        if (control.kind == ControlKind::MenuItem || m_widgets.contains(name)) continue;
        m_unplaced << name;
        Place place;
        place.name = name;
        place.look = lookOfKind(control.kind);
        place.geometry = QRect(0, 0, 80, 20);
        m_places.insert(name, place);
        createWidget(place, client)->hide();
    }
}

QWidget *MainWindow::createWidget(const Place &place, QWidget *parent)
{
    QWidget *w = createControlWidget(place, parent);
    w->setObjectName(place.name);
    QFont font = w->font();
    font.setPixelSize(place.fontPixels > 0 ? place.fontPixels : usualFontPixels(place.look));
    if (place.look == Look::Heading || place.look == Look::Tab) font.setBold(true);
    w->setFont(font);
    if (auto *box = qobject_cast<ScrollBox *>(parent)) {
        box->setWidget(w);
        w->move(place.geometry.topLeft());
        w->resize(place.geometry.size());
    } else {
        w->setGeometry(place.geometry);
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
            run([this, &list, index] { m_form.chooseItem(list.constData(), index); });
        });
        return box;
    }
    case Look::Check: {
        auto *box = new QCheckBox(parent);
        connect(box, &QCheckBox::clicked, this, [this, name](bool checked) {
            run([this, &name, checked] {
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
            connect(arrows, &SpinArrows::stepped, this,
                    [this](int direction) { run([this, direction] { m_form.UpDown1Step(direction); }); });
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
            run([this, p] { m_form.Image1MouseDown(p.x(), p.y()); });
        });
    } else if (const int party = partyOfPanel(name)) {
        // A click on a party panel counts only while the panels take clicks.
        connect(picture, &PictureView::pressed, this, [this, party](QPoint p) {
            if (!m_form.PanelsClickable) return;
            run([this, party, p] { m_form.kumiPanelMouseDown(party, p.y()); });
        });
    } else if (name == u"Image28"_s) {
        // The combination table (swapping players) and the score-entry table (the entry cursor).
        connect(picture, &PictureView::pressed, this,
                [this](QPoint p) { run([this, p] { m_form.Image28MouseDown(p.x(), p.y()); }); });
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
        run([this, &name, &text] { m_form.typeInto(name, text); });
    });
    connect(field, &QLineEdit::returnPressed, this,
            [this, name] { run([this, &name] { m_form.pressEnter(name); }); });
    field->installEventFilter(this);
}

void MainWindow::setTabOrder()
{
    // The registration form from top to bottom: チーム名, 氏名, 性別, 生年月日, 実行.
    const char *const order[] = {"Edit2",     "Edit1",     "ComboBox1", "ComboBox2",
                                 "ComboBox3", "ComboBox4", "ComboBox5", "Button6"};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(widget(QString::fromLatin1(order[i - 1])),
                             widget(QString::fromLatin1(order[i])));
}
