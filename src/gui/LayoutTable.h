#pragma once
// Where every widget of the window goes: one row per named control of the form, plus
// the containers and fixed captions that the form does not name. Positions are relative
// to the parent area (the window's client area when there is none).

#include <QColor>
#include <QRect>
#include <QString>
#include <vector>

enum class Look {
    Area,    // a coloured panel that holds other widgets
    Tab,     // a screen tab or group tab: a label that acts as a button
    Command, // a label that acts as a button
    Heading, // the title of an area or box
    Text,    // a label that shows a text of the form
    Hint,    // a line of guidance shown while a mode is on
    Caption, // a fixed caption that is not a control of the form
    Button,
    TextField,   // free text: names, teams, titles
    NumberField, // a number typed in half-width digits
    Choice,      // a selection list
    Check,
    Picture,
    ScrollBox, // a scroll box holding a picture
    Spin,      // the arrows of a spin button
};

struct Place {
    QString name; // the control's name, or the name of a container or caption
    Look look = Look::Text;
    QString parent; // empty: the window's client area
    QRect geometry;
    QString caption;    // the text of a fixed caption; a text field's grey hint while empty
    int fontPixels = 0; // 0: the look's usual size
    QColor fontColour;  // used when the form gives the control no font colour
    QColor background;  // used when the form gives the control no colour
    int wheelStep = 0;  // scroll boxes: pixels per wheel step
};

// Every place, parents before their children and in stacking order, lowest first.
const std::vector<Place> &layoutTable();

// The lowest pixel row any area of the window's client area reaches, plus one.
int layoutBottom();

// The place of one name, or nullptr.
const Place *findPlace(const QString &name);

// The party (1 to 12) that a party panel Image11 … Image22 shows, or 0 for any other name.
int partyOfPanel(const QString &name);
