#pragma once
// The main window: one widget per named control of the form, placed from the layout
// table; every click and key goes to the form, and after every command the widgets
// are refreshed from the form's controls and pictures.

#include "app/MainForm.h"
#include "gui/LayoutTable.h"
#include "gui/QtPlatform.h"

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

class AboutBox;
class PictureView;
class QAction;
class QApplication;
class QLineEdit;
class QMenu;
class ScrollBox;
struct MenuNode;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Title, style, fonts, icon and Japanese translations of the application.
    static void prepareApplication(QApplication &app);

    TMainForm &form() { return m_form; }
    QtPlatform &platform() { return m_platform; }

    // The widget of a control, container or caption, or nullptr. An area of the window is
    // built when the form first shows it, or when one of its widgets is first asked for.
    QWidget *widget(const QString &name);
    // The menu entry of a control, or nullptr. A menu is filled when it is first opened, or
    // when one of its entries is first asked for.
    QAction *menuEntry(const QString &name);
    // Controls of the form that have no place in the layout table (they get a hidden widget).
    const QStringList &unplacedControls() const { return m_unplaced; }

    // Keeps a recovery copy of the meeting in `folder` after every change, and first offers
    // back a copy that a program left behind when it ended without saving.
    void keepRecoveryCopies(const QString &folder);
    // The folder of the recovery copies in the user's application data.
    static QString recoveryFolder();
    // Runs steps written as MainWindowScript.cpp describes; false at the first it cannot run.
    bool perform(const QString &steps);
    // kmtx --script FOLDER: steps from standard input; the program's exit status.
    int runScript(const QString &folder);

    // Copies every control of the form into its widget and repaints the pictures.
    void refresh();

    // The window's text size as a factor (1.0, 1.25, 1.5).
    double scale() const { return m_scale; }
    // The largest text size (percent) whose window fits a screen of that size.
    static int largestTextScale(QSize screen, int menuBarHeight);

    // Free pixels below the lowest area of the window.
    static constexpr int BottomMargin = 3;
    // The usual font size of the tabs; a long group name gets a smaller one.
    static constexpr int TabFontPixels = 13;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Runs a command of the form (started by the control `source`), then shows its result.
    void run(const QString &source, const std::function<void()> &command);
    void runCommand(const QString &controlName);

    void buildWidgets();
    void buildShownAreas();
    void buildArea(const QString &area);
    void restoreFocusOrder();
    QWidget *createWidget(const Place &place, QWidget *parent);
    QWidget *createControlWidget(const Place &place, QWidget *parent);
    void connectPicture(PictureView *picture, const QString &name);
    void connectField(QLineEdit *field, const QString &name);
    void buildMenus();
    void fillMenu(QMenu *menu);
    void addMenuNodes(QMenu *menu, const std::vector<MenuNode> &nodes);
    QAction *createEntry(const QString &name, QWidget *owner);

    void applyControl(const Control &control, QWidget *widget);
    void applyEntry(const Control &control, QAction *action);
    void followListScroll();
    void followTableScroll();
    void takeFocusRequest();
    // The keys of the window as a whole: F10 for the menu bar, Ctrl+F for the search field.
    void installKeys();
    bool entryArrow(QEvent *event); // an arrow key in １打; true when the form took it
    // Takes the form's text size: every place, font and picture at that size.
    void followTextScale();
    void placeWidget(const QString &name, QWidget *w);
    int scaledPixels(int pixels) const { return qRound(pixels * m_scale); }

    QtPlatform m_platform;
    TMainForm m_form;
    AboutBox *m_about = nullptr; // built when first shown
    QDialog *m_venue = nullptr;  // 会場ネットワーク, built when first shown
    QHash<QString, QWidget *> m_widgets;
    QHash<QString, QAction *> m_actions;
    QHash<QString, Place> m_places;
    // Every place in stacking order (the layout table, then the controls it does not know),
    // with the area (the place on the client area) that holds it.
    std::vector<Place> m_placeOrder;
    QHash<QString, QString> m_areaOf;
    // Areas not built yet, in stacking order, with the control that shows them.
    std::vector<std::pair<QString, const Control *>> m_unbuiltAreas;
    // Menus not filled yet, with what they hold.
    QHash<QMenu *, const MenuNode *> m_unfilledMenus;
    // Every control with its widget or menu entry and the state last copied into it.
    struct ShownControl {
        const Control *control = nullptr;
        QWidget *widget = nullptr;
        QAction *action = nullptr;
        Look look = Look::Text;
        std::shared_ptr<Control> applied;
    };
    std::vector<ShownControl> m_shown;
    QHash<QString, std::size_t> m_shownIndex;
    ShownControl *shownControl(const QString &name);
    void listShownControls();
    ScrollBox *m_memberList = nullptr;
    QStringList m_unplaced;
    int m_listScrollSerial = -1;
    int m_tableScrollSerial = 0;
    double m_scale = 1.0;
};
