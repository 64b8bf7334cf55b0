#pragma once
// The program's icon (a ball on the green beside the hole post), built into the program.

#include <QIcon>

QIcon programIcon();
