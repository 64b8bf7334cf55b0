#pragma once
// The platform of the real program: Qt message boxes, QSettings, the desktop's
// document viewer, the clock and pictures kept as items (RetainedPicture).

#include "app/Platform.h"
#include "tables/RetainedPicture.h"

#include <QSettings>
#include <functional>
#include <map>
#include <memory>

class QUrl;
class QWidget;

class QtSettingsStore : public SettingsStore
{
public:
    QtSettingsStore();
    std::optional<QString> read(const QString &key) override;
    void write(const QString &key, const QString &value) override;
    bool removeAll(QString *errorText) override;

private:
    QSettings m_settings;
};

class QtPlatform : public Platform
{
public:
    int messageBox(const QString &text, const QString &caption, MsgIcon icon, MsgButtons buttons) override;
    SettingsStore &settings() override { return m_settings; }
    void openDocument(const QString &name) override;
    QDateTime now() override { return QDateTime::currentDateTime(); }
    Canvas &picture(const QString &name, QSize size) override;
    void showAbout() override;
    void closeMainWindow() override;

    // The picture of that name, or null before the form first asks for it.
    RetainedPicture *findPicture(const QString &name) const;

    // The full path of a document shipped beside the program (the current folder when
    // it is not there).
    static QString documentPath(const QString &name);

    // Set by the main window: its widget (parent of the boxes), a repaint before a box
    // is shown, the about box and closing.
    QWidget *window = nullptr;
    std::function<void()> beforeBox;
    std::function<void()> about;
    std::function<void()> close;

    // Set by GUI tests only: answers a box instead of showing it, and receives what
    // would be handed to the desktop to open.
    std::function<int(const QString &text, const QString &caption, MsgIcon icon, MsgButtons buttons)>
        answerBox;
    std::function<void(const QUrl &url)> openUrl;

private:
    QtSettingsStore m_settings;
    std::map<QString, std::unique_ptr<RetainedPicture>> m_pictures;
};
