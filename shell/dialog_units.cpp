// dialog_units.cpp -- dialog units to pixels with the dialog font's metrics.
#include "shell/dialog_units.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace {

// Units times base over divisor, rounded to the nearest pixel, halves away
// from zero, as the window system's own conversion does.
int ScaleRounded(int units, int base, int divisor) {
    const long long product = static_cast<long long>(units) * base;
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

}  // namespace

DialogUnits DialogUnits::FromMetrics(const QFontMetrics& metrics) {
    // The average character width is measured over the 52 Latin letters and
    // rounded to the nearest pixel.
    static const QString kAlphabet = QStringLiteral(
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int total = metrics.horizontalAdvance(kAlphabet);
    DialogUnits units;
    units.baseX = (total / 26 + 1) / 2;
    units.baseY = metrics.height();
    return units;
}

int DialogUnits::ToPixelsX(int units) const { return ScaleRounded(units, baseX, 4); }
int DialogUnits::ToPixelsY(int units) const { return ScaleRounded(units, baseY, 8); }

QRect DialogUnits::ToPixels(int x, int y, int width, int height) const {
    return QRect(ToPixelsX(x), ToPixelsY(y), ToPixelsX(width), ToPixelsY(height));
}

QFont DialogFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setFamilies(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"),
                                 QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
    font.setPointSizeF(8.0);
    return font;
}

DialogUnits SizeDialog(QWidget& dialog, int width, int height) {
    dialog.setFont(DialogFont());
    const DialogUnits du = DialogUnits::FromMetrics(dialog.fontMetrics());
    dialog.setFixedSize(du.ToPixelsX(width), du.ToPixelsY(height));
    return du;
}
