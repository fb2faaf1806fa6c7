#pragma once

#include <QIcon>

// The toolbar pictures, drawn in code so that they scale and need no image files: one per
// toolbar command id (null icon for others).
QIcon MakeToolIcon(int commandId);
