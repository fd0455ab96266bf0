#pragma once
// The four 16 x 16 cell pictures of the combination grid, painted in code.
#include <QPixmap>

enum class TKombiBitmap { KOMB_YES, KOMB_NO, PRINT_YES, PRINT_NO };

QPixmap KombiBitmap(TKombiBitmap which);
