#include "gui/MainWindow.h"

#include <QApplication>

using namespace Qt::StringLiterals;

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), m_form(m_platform)
{
    setWindowTitle(u"くみっとEX"_s);
    setFixedSize(1020, 714);
    m_platform.window = this;
    m_form.FormCreate();
}

MainWindow::~MainWindow() = default;

void MainWindow::prepareApplication(QApplication &app)
{
    app.setApplicationName(u"くみっとSP"_s);
}
