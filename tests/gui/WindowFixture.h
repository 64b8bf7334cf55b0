#pragma once
// What the GUI tests share: a started window whose message boxes are answered by the
// test instead of being shown, and the application prepared as the program prepares it.

#include "gui/MainWindow.h"
#include "support/FakePlatform.h"
#include "support/OwnSettings.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QTest>
#include <deque>
#include <memory>
#include <vector>

// Types a text key by key; characters beyond ASCII come as the keyboard delivers them,
// a key event carrying the character.
inline void typeKeys(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// Hands a text over as the input method does when a conversion is confirmed.
inline void commitInput(QWidget *widget, const QString &text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(widget, &commit);
}

// The settings and files of a test run never touch the user's own.
inline void prepareTestApplication()
{
    useOwnSettings();
    QStandardPaths::setTestModeEnabled(true);
    MainWindow::prepareApplication(*qobject_cast<QApplication *>(QCoreApplication::instance()));
}

struct StartedWindow {
    StartedWindow()
    {
        window = std::make_unique<MainWindow>();
        window->platform().answerBox = [this](const QString &text, const QString &caption, MsgIcon icon,
                                              MsgButtons buttons) {
            boxes.push_back({text, caption, icon, buttons});
            if (buttons == MsgButtons::Ok) return int(IdOk);
            if (answers.empty()) return int(IdNo);
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        };
        window->show();
    }

    bool exposed() { return QTest::qWaitForWindowExposed(window.get()); }
    TMainForm &form() { return window->form(); }
    QWidget *widget(const char *name) { return window->widget(QString::fromLatin1(name)); }
    template <typename T> T *widgetAs(const char *name) { return qobject_cast<T *>(widget(name)); }
    // A click in the middle of a control's widget.
    void click(const char *name) { QTest::mouseClick(widget(name), Qt::LeftButton); }

    std::unique_ptr<MainWindow> window;
    std::vector<ShownBox> boxes;
    std::deque<int> answers;
};
