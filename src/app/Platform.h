#pragma once
// The form's only way to the outside world: message boxes, the settings store,
// the shell, the clock, the pictures it draws on, the about box and the window.

#include "app/AppLayer.h"

#include <QDateTime>
#include <QSize>
#include <QString>
#include <optional>

class Canvas;

enum class MsgIcon { None, Information, Question, Warning, Error };
enum class MsgButtons { Ok, YesNo };

// What a message box returns (the values Windows uses).
enum MsgResult { IdOk = 1, IdYes = 6, IdNo = 7 };

// The user's persisted settings: the group names "GrpA" … "GrpD".
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<QString> read(const QString &key) = 0;
    virtual void write(const QString &key, const QString &value) = 0;
    // Deletes the program's whole settings section; false with a reason when refused.
    virtual bool removeAll(QString *errorText) = 0;
};

class Platform
{
public:
    virtual ~Platform() = default;

    // A modal box; returns IdOk, IdYes or IdNo. An empty caption is a plain message
    // box titled with the application's title.
    virtual int messageBox(const QString &text, const QString &caption, MsgIcon icon, MsgButtons buttons) = 0;

    virtual SettingsStore &settings() = 0;

    // Asks the desktop to open a document shipped beside the program; false when the
    // document is missing or no program could be started to show it.
    virtual bool openDocument(const QString &name) = 0;

    virtual QDateTime now() = 0;

    // The drawing surface of a picture control, created on the first request with the
    // given size and blank (white); the same object is returned on later requests.
    virtual Canvas &picture(const QString &name, QSize size) = 0;

    // The modal about box (バージョン情報).
    virtual void showAbout() = 0;

    // Closes the main window; the program ends.
    virtual void closeMainWindow() = 0;
};
