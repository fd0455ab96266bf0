#pragma once
// The pieces of the preview window: the page area that paints through the window, the status bar
// that carries the layout's progress bar, and the tool button pictures.
#include <QIcon>
#include <QStatusBar>
#include <QWidget>

class TPreview;

// Bevel1: the page view area. It paints and reports mouse moves through the preview.
class TPreviewView : public QWidget
{
public:
    TPreviewView(TPreview& owner, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    TPreview& Owner;
};

// StatusBar1: four panels normally; during a layout one undivided panel with the progress bar
// drawn over it.
class TPreviewStatusBar : public QStatusBar
{
public:
    explicit TPreviewStatusBar(QWidget* parent);

    void SetProgressMode(bool on);
    bool ProgressMode() const { return Progressing; }
    void SetProgress(int pos, int total);
    int ProgressRight() const; // right end of the bar in pixels, 0 when there is none

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool Progressing = false;
    int Pos = 0;
    int Total = 0;
};

enum class TPreviewIcon { First, Prev, Next, Last, ZoomIn, ZoomOut, Fit, TwoPages, PrintPage, PrintAll, Pdf };
QIcon PreviewIcon(TPreviewIcon kind);
