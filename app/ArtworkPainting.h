#pragma once
// Small drawing helpers shared by the artwork files.
#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <functional>

namespace artwork {

inline const QColor Navy(0, 0, 128);
inline const QColor LoadRed(200, 30, 30);
inline const QColor Steel(70, 90, 120);

// A pixmap of `width` x `height` device-independent pixels at the given scale, transparent,
// painted by `paint` in unscaled coordinates with antialiasing.
QPixmap Paint(int width, int height, qreal scale, const std::function<void(QPainter&)>& paint);

// A filled arrow from `from` to `to` with a head of `head` pixels.
void Arrow(QPainter& p, QPointF from, QPointF to, qreal head, const QColor& color, qreal width = 1.2);

void PinnedSupport(QPainter& p, QPointF at, qreal size); // triangle under the beam at `at`
void FixedSupport(QPainter& p, QPointF at, qreal height, bool wallOnLeft); // hatched wall

} // namespace artwork
