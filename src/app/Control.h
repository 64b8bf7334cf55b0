#pragma once
// A named control of the window as data: the form sets these, the GUI copies them
// into its widgets after every command, and tests read them.

#include "app/AppLayer.h"

#include <QColor>
#include <QString>
#include <QStringList>

enum class ControlKind {
    Panel,
    Label,
    Button,
    Edit,
    ComboBox,
    CheckBox,
    Image,
    ScrollBox,
    SpinButton,
    MenuItem
};

namespace colours {
inline const QColor Yellow{255, 255, 0};
inline const QColor Cream{255, 251, 240};
inline const QColor ButtonFace{240, 240, 240};
inline const QColor White{255, 255, 255};
inline const QColor Black{0, 0, 0};
inline const QColor Red{255, 0, 0};
inline const QColor Teal{0, 128, 128};
inline const QColor MoneyGreen{192, 220, 192};
inline const QColor InactiveCaption{191, 205, 219};
inline const QColor Dimmed{128, 128, 128};
inline const QColor ReadOnly{212, 208, 200}; // a field that cannot be typed into
inline const QColor PhoneEntry{0, 0, 255};   // a place whose entries came from a phone
} // namespace colours

struct Control {
    QString name;
    ControlKind kind = ControlKind::Label;
    QString text;
    QColor colour;     // background; invalid means the widget's own
    QColor fontColour; // invalid means the widget's own
    bool visible = true;
    bool enabled = true;
    bool readOnly = false;
    bool checked = false; // menu tick or check box
    QStringList items;    // selection list entries
    int itemIndex = -1;   // selected entry, -1 for none
    int maxBytes = 0;     // text fields: limit in code page 932 bytes, 0 for none
    int maxChars = 0;     // text fields: limit in characters, 0 for none
    QString toolTip;      // shown when the pointer rests on the control

    bool operator==(const Control &) const = default;
};
