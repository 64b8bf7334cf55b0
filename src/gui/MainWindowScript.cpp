// The window driven by lines of steps (kmtx --script FOLDER), for programs that test it from
// outside: each step goes through the same road as the widget that would start it.
//
//   Label40              the command of a control or menu entry (a click, a menu choice)
//   Edit1=山田           typing a field's whole text
//   ComboBox1#1          choosing entry 1 of a selection list
//   Edit5!  Edit3!46     Enter in a field; a key code in a score-entry field (46: Delete)
//   list:3  cell:2,1     a click on row 3 of the member list; on place 3組2番 of the table
//   clock:60             the clock reads a fixed day, 60 s after 9:00, 7 ms later at each reading
//
// Steps are separated by ";". With --script the program answers every question はい and
// every notice OK (printing them on standard error), keeps its recovery copies in FOLDER,
// prints "ready HASH", then for each line of standard input "done HASH" (or "failed"), where
// HASH names the bytes of the meeting as 保存 would write it.
#include "gui/Commands.h"
#include "gui/MainWindow.h"

#include "datafile/MeetingFile.h"

#include <QCryptographicHash>
#include <QDate>
#include <QRegularExpression>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

using namespace Qt::StringLiterals;

bool MainWindow::perform(const QString &steps)
{
    for (const QString &step : steps.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype mark = step.indexOf(QRegularExpression(u"[=#!:]"_s));
        const QString name = step.left(mark);
        const QString arg = mark < 0 ? QString() : step.mid(mark + 1);
        const QChar kind = mark < 0 ? QChar() : step.at(mark);
        bool ok = true;
        const int number = arg.section(u',', 0, 0).toInt(&ok);
        if (kind.isNull()) {
            if (!commandOf(name)) return false;
            runCommand(name);
        } else if (kind == u'=') {
            run(name, [this, &name, &arg] { m_form.typeInto(name, arg); });
        } else if (kind == u'#' && ok) {
            const QByteArray list = name.toLatin1();
            run(name, [this, &list, number] { m_form.chooseItem(list.constData(), number); });
        } else if (kind == u'!') {
            run(name, [this, &name, &arg, number] {
                arg.isEmpty() ? m_form.pressEnter(name) : m_form.entryFieldKey(name, number);
            });
        } else if (name == u"list"_s && ok) {
            run(u"Image1"_s, [this, number] { m_form.clickMemberList(number); });
        } else if (name == u"cell"_s && ok) {
            const int slot = arg.section(u',', 1).toInt();
            const TMainForm &f = m_form;
            run(u"Image28"_s, [this, &f, number, slot] {
                m_form.Image28MouseDown(f.GridLeft + f.GridColumnWidth * slot + f.GridColumnWidth / 2,
                                        f.GridTop + f.GridRowH * number + f.GridRowH / 2);
            });
        } else if (name == u"clock"_s && ok) {
            auto readings = std::make_shared<int>(0);
            const QDateTime at = QDateTime(QDate(2026, 6, 7), QTime(9, 0)).addSecs(number);
            m_platform.clock = [at, readings] { return at.addMSecs(7 * (*readings)++); };
        } else {
            return false;
        }
    }
    return true;
}

int MainWindow::runScript(const QString &folder)
{
    m_platform.answerBox = [](const QString &text, const QString &, MsgIcon, MsgButtons buttons) {
        std::cerr << "box: " << text.toStdString() << std::endl;
        return buttons == MsgButtons::Ok ? int(IdOk) : int(IdYes);
    };
    keepRecoveryCopies(folder);
    const auto hash = [this] {
        const QByteArray bytes = datafile::write(m_form.meetingAsSaved()).bytes;
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().toStdString();
    };
    std::cout << "ready " << hash() << std::endl;
    for (std::string line; std::getline(std::cin, line);) {
        if (!perform(QString::fromStdString(line))) {
            std::cout << "failed" << std::endl;
            return 1;
        }
        // A line is reported done once its recovery copy is on disk (the window writes its
        // copies on a thread of their own, which a busy machine may keep waiting).
        if (m_platform.recovery) m_platform.recovery->waitUntilWritten();
        std::cout << "done " << hash() << std::endl;
    }
    return 0;
}
