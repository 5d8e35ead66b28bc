// dialog_units.h -- the game's dialogs are laid out in dialog units, which
// scale with the dialog font: a quarter of its average character width
// across, an eighth of its height down.
#pragma once

#include <QFont>
#include <QRect>

class QFontMetrics;
class QWidget;

struct DialogUnits {
    int baseX = 0;  // px per 4 horizontal units: the font's average character width
    int baseY = 0;  // px per 8 vertical units: the font's height

    static DialogUnits FromMetrics(const QFontMetrics& metrics);

    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
    QRect ToPixels(int x, int y, int width, int height) const;
};

// The font every game dialog is laid out with: an 8-point sans serif that
// has Cyrillic (the classic "MS Sans Serif" when present).
QFont DialogFont();

// Gives a dialog the dialog font and a fixed size of width x height units;
// the units its controls are placed in.
DialogUnits SizeDialog(QWidget& dialog, int width, int height);
