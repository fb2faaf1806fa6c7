#pragma once

#include <QPixmap>

class QPainter;

// The program's emblem (a thermometer between a sun and a snowflake) in the square (0,0)-(s,s)
// of any paint device: the window icon, the about box, the splash and the installed icons
// (SVG and PNG) are all this one picture.
void PaintThermavoEmblem(QPainter& p, qreal s);

// The emblem on a transparent square pixmap of size x size pixels.
QPixmap DrawThermavoEmblem(int size);
