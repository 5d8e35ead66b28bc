// icon_png.h -- the painted icons written as PNG files into an icon theme's folders.
#pragma once

#include <string>

// Writes every size of the icon as DIR/<N>x<N>/apps/<IconName>.png, making
// the folders. False with a message naming the file when one cannot be written.
bool WriteIconTheme(const std::string& dir, std::string& error);
