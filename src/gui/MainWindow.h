#pragma once
// The main window: one widget per named control of the form, placed from the layout
// table; every click and key goes to the form, and after every command the widgets
// are refreshed from the form's controls and pictures.

#include "app/MainForm.h"
#include "gui/QtPlatform.h"

#include <QMainWindow>

class QApplication;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Title, fonts and Japanese translations of the application.
    static void prepareApplication(QApplication &app);

    TMainForm &form() { return m_form; }

private:
    QtPlatform m_platform;
    TMainForm m_form;
};
