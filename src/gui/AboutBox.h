#pragma once
// バージョン情報: the program's icon, title, description and version, and an OK button.

#include <QDialog>

class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};
