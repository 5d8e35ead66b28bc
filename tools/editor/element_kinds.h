// element_kinds.h -- what each element is called, how big it is and what the palette offers.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

#include "tools/editor/level_document.h"

namespace editor {

// One button of the palette: the element a click places.
struct PaletteItem {
    const char* name;  // a text of editor_texts.h
    ElementValues values;
    int points = 0;  // a pickup's worth, else 0
};
const std::vector<PaletteItem>& Palette();

// The element's name in the language in use.
QString ElementName(const ElementValues& values);

// The level pixels the element covers: its sprite, the soldier's body for
// the start, the turning sprite's reach for a mosquito.
QRect ElementBox(const ElementValues& values);

// The element drawn by the engine on the sky, cut to its box.
QImage ElementPicture(const ElementValues& values);

}  // namespace editor
