// The window program driven from its input, for the test that ends it at random moments.
// It keeps its recovery copies in the folder named by its argument and answers every
// question はい (the recovery question too). It prints "ready HASH" once started, then for
// each line "N" on its input performs step N of a scripted meeting through the widgets and
// prints "done N HASH"; HASH names the meeting's data file bytes. The clock reads a time
// fixed by the step, so a step from the same meeting always gives the same meeting.
#include "app/Modes.h"
#include "datafile/MeetingFile.h"
#include "gui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>
#include <cstdio>
#include <iostream>
#include <string>

using namespace Qt::StringLiterals;

namespace {
constexpr int Members = 12;
constexpr int Division = Members + 2;        // after registering and everybody playing
constexpr int LastStep = Division + Members; // one entry for each player

QByteArray hashOf(MainWindow &w)
{
    return QCryptographicHash::hash(datafile::write(w.form().meetingAsSaved()).bytes,
                                    QCryptographicHash::Sha1)
        .toHex();
}

void click(MainWindow &w, const char *name)
{
    QTest::mouseClick(w.widget(QString::fromLatin1(name)), Qt::LeftButton);
}

void type(MainWindow &w, const char *name, const QString &text)
{
    auto *field = qobject_cast<QLineEdit *>(w.widget(QString::fromLatin1(name)));
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    // (Characters beyond ASCII come as the input method hands over a conversion.)
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(field, &commit);
}

void keys(MainWindow &w, const char *name, const QString &digits)
{
    QWidget *field = w.widget(QString::fromLatin1(name));
    QTest::keyClicks(field, digits);
    QTest::keyClick(field, Qt::Key_Return);
}

// Step 0 begins a roster; steps 1..Members register a member each; then everybody plays,
// the division (開始 … 完了), and an entry for each player of group A.
bool perform(MainWindow &w, int step)
{
    TMainForm &f = w.form();
    if (step == 0) {
        click(w, "Label40"); // tab 「メンバー登録」
        click(w, "Label3");  // 「新規登録」
        return f.EditMode == editmode::Register;
    }
    if (step <= Members) {
        if (f.Screen != screen::Registration || f.EditMode != editmode::Register) {
            click(w, "Label40");
            click(w, "Label84"); // 「追加登録」
        }
        const int count = f.MemberCount();
        type(w, "Edit2", u"緑会"_s);
        type(w, "Edit1", u"選手"_s + QString::number(step));
        auto *sex = qobject_cast<QComboBox *>(w.widget(u"ComboBox1"_s));
        QTest::keyClick(sex, step % 2 ? Qt::Key_Home : Qt::Key_End);
        click(w, "Button6"); // 「実行」
        return f.MemberCount() == count + 1;
    }
    if (step < Division) {
        click(w, "Label42"); // tab 「組み合わせ」
        w.menuEntry(u"N9"_s)->trigger();
        return f.PlayCount == Members;
    }
    if (step == Division) {
        click(w, "Label42");
        click(w, "Button1");  // おまかせ 「開始」
        click(w, "Button10"); // 「完了」
        return !f.KumiLines[0].isEmpty() && f.Combining == 0;
    }
    if (f.TableMode != tablemode::ScoreEntry || f.CurGroup != 1) {
        click(w, "Label54"); // tab 「得点入力」
        click(w, "Label44"); // group A
    }
    const int row = step - Division - 1;
    QTest::mouseClick(
        w.widget(u"Image28"_s), Qt::LeftButton, {},
        QPoint(f.GridLeft + f.GridColumnWidth / 2, f.GridTop + f.GridRowH * row + f.GridRowH / 2));
    keys(w, "Edit3", u"1"_s);
    keys(w, "Edit4", u"2"_s);
    keys(w, "Edit5", QString::number(25 + row));
    return !f.ScoreSlots[0][row][0].Total.isEmpty();
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    MainWindow::prepareApplication(app);
    MainWindow window;
    int step = 0;
    int reading = 0;
    const QDateTime base(QDate(2026, 6, 7), QTime(9, 0));
    window.platform().clock = [&] { return base.addSecs(60 * step).addMSecs(7 * reading++); };
    window.platform().answerBox = [](const QString &text, const QString &, MsgIcon, MsgButtons buttons) {
        std::cerr << "box: " << text.toStdString() << std::endl;
        return buttons == MsgButtons::Ok ? int(IdOk) : int(IdYes);
    };
    window.keepRecoveryCopies(app.arguments().value(1));
    window.show();
    std::cout << "ready " << hashOf(window).toStdString() << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
        step = std::stoi(line);
        reading = 0;
        if (step < 0 || step > LastStep || !perform(window, step)) {
            std::cout << "failed " << step << std::endl;
            return 1;
        }
        std::cout << "done " << step << ' ' << hashOf(window).toStdString() << std::endl;
    }
    return 0;
}
