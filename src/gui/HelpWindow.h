#pragma once
// ヘルプ where the desktop has no browser to show it: the help document in a window of the
// program's own, with its pictures, links within it, and a button to close it.

#include <QWidget>

class QTextBrowser;

class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    // path: the help document (HTML) on disk; parent: the main window it belongs to.
    explicit HelpWindow(const QString &path, QWidget *parent = nullptr);

    // False when the document could not be read.
    bool hasDocument() const;
    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser = nullptr;
};
