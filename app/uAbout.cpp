#include "app/uAbout.h"

#include "app/Artwork.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

const QString TfAbout::EMail = QStringLiteral("info@trabik.example");
const QString TfAbout::Web = QStringLiteral("https://trabik.example");

namespace {

constexpr int Frame = 3;
const QColor Gold(255, 204, 0);

QLabel* BoldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* LinkLabel(const QString& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAutoFillBackground(true);
    label->setCursor(Qt::PointingHandCursor);
    label->setMouseTracking(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    label->setPalette(palette);
    return label;
}

} // namespace

TfAbout::TfAbout(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
    , OpenUrl([](const QUrl& url) { QDesktopServices::openUrl(url); })
    , LogoImage(new QLabel(this))
    , MailLink(LinkLabel(EMail, "Label_email", this))
    , WebLink(LinkLabel(Web, "Label_web", this))
{
    setObjectName(QStringLiteral("fAbout"));
    setWindowTitle(QStringLiteral("Trabík"));
    setFixedSize(251, 144);
    setMouseTracking(true);
    LogoImage->setObjectName(QStringLiteral("Image_logo"));
    LogoImage->setPixmap(LogoPicture(235, 58));
    LogoImage->setAlignment(Qt::AlignCenter);
    MailLink->installEventFilter(this);
    WebLink->installEventFilter(this);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(Frame + 5, Frame + 3, Frame + 5, Frame + 5);
    layout->setVerticalSpacing(1);
    layout->addWidget(LogoImage, 0, 0, 1, 2);
    layout->addWidget(BoldLabel(QStringLiteral("verze:"), this), 1, 0);
    layout->addWidget(BoldLabel(QStringLiteral("2.20"), this), 1, 1);
    layout->addWidget(BoldLabel(QStringLiteral("e-mail:"), this), 2, 0);
    layout->addWidget(MailLink, 2, 1);
    layout->addWidget(BoldLabel(QStringLiteral("web:"), this), 3, 0);
    layout->addWidget(WebLink, 3, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfAbout::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.fillRect(rect().adjusted(Frame, Frame, -Frame, -Frame), Qt::white);
}

void TfAbout::Highlight(QLabel* link)
{
    for (QLabel* label : { MailLink, WebLink }) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, label == link ? Gold : QColor(Qt::white));
        label->setPalette(palette);
    }
}

bool TfAbout::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    // Esc closes it, typed into the main window as well: the about window does not take the focus.
    if (type == QEvent::KeyPress && isVisible() && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape
        && watched->isWidgetType() && (static_cast<QWidget*>(watched)->window() == CloseWith || watched == this)) {
        hide();
        return true;
    }
    if (type == QEvent::MouseButtonPress && CloseWith && isVisible() && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == CloseWith) {
        hide();
    }
    const bool link = watched == MailLink || watched == WebLink;
    if (link && type == QEvent::Enter)
        Highlight(static_cast<QLabel*>(watched));
    // A move over an address ends there: passed on to the panel, it would whiten the address again.
    if (link && type == QEvent::MouseMove) {
        Highlight(static_cast<QLabel*>(watched));
        return true;
    }
    // A press on an address must not reach the panel, which would close the window.
    if (link && type == QEvent::MouseButtonPress)
        return true;
    if (link && type == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        OpenUrl(watched == MailLink ? QUrl(QStringLiteral("mailto:") + EMail) : QUrl(Web));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfAbout::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        hide();
}

void TfAbout::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        hide();
    else
        QWidget::keyPressEvent(event);
}

void TfAbout::mouseMoveEvent(QMouseEvent* event)
{
    Highlight(nullptr);
    QWidget::mouseMoveEvent(event);
}
