#pragma once
// The program's own artwork, painted once at start: the image list shared by the menu and the tool
// bar, the support and load pictures, the logo, the program icon and the navigation glyphs.
#include "model/TTask.h"

#include <QIcon>
#include <QPixmap>

constexpr int ActionImageCount = 20;

QIcon ActionImage(int index); // 16 x 16 (and a sharper 32 x 32 layer); empty outside 0..19
QPixmap SupportPicture(unsigned char typ); // 50 x 15: the beam with its two ends
QPixmap LoadPicture(TLoadKind kind); // 60 x 24: the load with its dimensions
QPixmap LogoPicture(int width, int height);
QIcon ProgramIcon();
QPixmap ProgramIconPicture(int size); // the program icon alone, `size` pixels square (device pixel ratio size / 32)
QIcon NavigationGlyph(bool forward);
