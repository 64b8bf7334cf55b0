#pragma once
// The form's commands by the name of the control that starts them: a click on Label40
// runs TMainForm::Label40Click, the menu entry N20 runs TMainForm::N20Click. The table
// (Commands.cpp) holds the handlers themselves, so a handler it names must exist.

#include <QString>

class TMainForm;

using FormCommand = void (TMainForm::*)();

// The command of a control, or nullptr for a control that starts no command.
FormCommand commandOf(const QString &controlName);
