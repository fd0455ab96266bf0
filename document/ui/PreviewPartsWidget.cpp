#include "document/ui/PreviewPartsWidget.h"

#include "document/PageFonts.h"
#include "document/ui/uPreview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

TPreviewView::TPreviewView(TPreview& owner, QWidget* parent)
    : QWidget(parent)
    , Owner(owner)
{
    setObjectName(QStringLiteral("Bevel1"));
    setMouseTracking(true); // the pointer position is remembered at every move
    setAutoFillBackground(true);
}

void TPreviewView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Owner.PPaint(painter);
}

void TPreviewView::mouseMoveEvent(QMouseEvent* event)
{
    Owner.Bevel1MouseMove(event->buttons(), event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

TPreviewStatusBar::TPreviewStatusBar(QWidget* parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
}

void TPreviewStatusBar::SetProgressMode(bool on)
{
    Progressing = on;
    Pos = Total = 0;
    // One undivided panel: the panel labels step aside while the bar runs.
    const auto labels = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : labels)
        child->setVisible(!on);
    update();
}

void TPreviewStatusBar::SetProgress(int pos, int total)
{
    Pos = pos;
    Total = total;
}

int TPreviewStatusBar::ProgressRight() const
{
    if (!Progressing || Total <= 0)
        return 0;
    return RoundEven(double(Pos) / Total * width());
}

void TPreviewStatusBar::paintEvent(QPaintEvent* event)
{
    QStatusBar::paintEvent(event);
    const int right = ProgressRight();
    if (right <= 3)
        return;
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::blue);
    painter.drawRect(QRect(QPoint(3, 3), QPoint(right, height() - 3)));
}

namespace {

void DrawTriangle(QPainter& p, bool right, int x)
{
    const int tip = right ? x + 6 : x;
    const int base = right ? x : x + 6;
    p.drawPolygon(QPolygon({ QPoint(base, 4), QPoint(base, 16), QPoint(tip, 10) }));
}

void DrawMagnifier(QPainter& p, bool plus)
{
    p.setBrush(Qt::white);
    p.drawEllipse(QPoint(8, 8), 6, 6);
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(12, 12, 18, 18);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(5, 8, 11, 8);
    if (plus)
        p.drawLine(8, 5, 8, 11);
}

void DrawSheet(QPainter& p, const QRect& r)
{
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QColor(120, 120, 120));
    for (int y = r.top() + 3; y < r.bottom() - 1; y += 3)
        p.drawLine(r.left() + 2, y, r.right() - 2, y);
    p.setPen(Qt::black);
}

void DrawPrinter(QPainter& p, const QString& mark)
{
    DrawSheet(p, QRect(5, 1, 10, 9));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(2, 8, 16, 7);
    p.setBrush(Qt::white);
    p.drawRect(5, 13, 10, 6);
    QFont font = p.font();
    font.setPixelSize(7);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(5, 13, 10, 6), Qt::AlignCenter, mark);
}

void DrawIcon(QPainter& p, TPreviewIcon kind)
{
    p.setPen(Qt::black);
    p.setBrush(QColor(0, 0, 128));
    switch (kind) {
    case TPreviewIcon::First:
        p.drawRect(4, 4, 2, 12);
        DrawTriangle(p, false, 8);
        break;
    case TPreviewIcon::Prev:
        DrawTriangle(p, false, 7);
        break;
    case TPreviewIcon::Next:
        DrawTriangle(p, true, 7);
        break;
    case TPreviewIcon::Last:
        DrawTriangle(p, true, 6);
        p.drawRect(14, 4, 2, 12);
        break;
    case TPreviewIcon::ZoomIn:
    case TPreviewIcon::ZoomOut:
        DrawMagnifier(p, kind == TPreviewIcon::ZoomIn);
        break;
    case TPreviewIcon::Fit:
        DrawSheet(p, QRect(5, 2, 10, 15));
        break;
    case TPreviewIcon::TwoPages:
        DrawSheet(p, QRect(1, 3, 8, 13));
        DrawSheet(p, QRect(11, 3, 8, 13));
        break;
    case TPreviewIcon::PrintPage:
        DrawPrinter(p, QStringLiteral("1"));
        break;
    case TPreviewIcon::PrintAll:
        DrawPrinter(p, QStringLiteral("≡"));
        break;
    case TPreviewIcon::Pdf: {
        DrawSheet(p, QRect(3, 1, 13, 18));
        p.setBrush(QColor(190, 0, 0));
        p.setPen(Qt::NoPen);
        p.drawRect(1, 10, 18, 7);
        QFont font = p.font();
        font.setPixelSize(7);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(1, 10, 18, 7), Qt::AlignCenter, QStringLiteral("PDF"));
        break;
    }
    }
}

} // namespace

QIcon PreviewIcon(TPreviewIcon kind)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawIcon(painter, kind);
    painter.end();
    return QIcon(pixmap);
}
