#pragma once
// fAbout: the borderless window with the logo, the version and the maker's addresses; the start-up
// picture and the "Verze" window. A click on the panel or the logo, or Esc, closes it.
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <functional>

class QLabel;

class TfAbout : public QWidget
{
    Q_OBJECT
public:
    explicit TfAbout(QWidget* parent = nullptr);

    static const QString EMail;
    static const QString Web;

    QLabel* MailLabel() const { return MailLink; }
    QLabel* WebLabel() const { return WebLink; }
    QLabel* Logo() const { return LogoImage; }

    // A mouse press anywhere in `window` closes the about window (the filter must see the
    // application's events: install it on the application).
    void CloseOnClickIn(QWidget* window) { CloseWith = window; }

    // Opens a link through the system; tests replace it.
    std::function<void(const QUrl&)> OpenUrl;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Highlight(QLabel* link);

    QLabel* LogoImage;
    QLabel* MailLink;
    QLabel* WebLink;
    QPointer<QWidget> CloseWith;
};
