#include "about/AboutWindow.h"

#include "ui/ProgramIcon.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

const char* const AboutWindow::kSite = "https://www.vidorra.example/";
const char* const AboutWindow::kInfoMail = "info@vidorra.example";
const char* const AboutWindow::kSupportMail = "support@vidorra.example";

namespace {

QLabel* label(const char* name, const QString& text)
{
    auto* l = new QLabel(text);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

void setLinkStyle(QLabel* link, bool highlighted)
{
    link->setStyleSheet(highlighted ? QStringLiteral("color: rgb(120,120,220); font-style: italic; "
                                                     "text-decoration: underline;")
                                    : QStringLiteral("color: black;"));
    link->setProperty("highlighted", highlighted);
}

} // namespace

AboutWindow::AboutWindow(QWidget* owner, ChromeState state, std::function<void(const QUrl&)> open)
    : ChromeDialog(owner, Frame::Plain, state), m_open(std::move(open))
{
    setObjectName(QStringLiteral("AboutUs"));
    setWindowTitle(QStringLiteral("About"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);

    iconLabel = label("Image1", {});
    iconLabel->setPixmap(programIcon().pixmap(64, 64));
    siteCaption = label("Label7", QStringLiteral("Site :"));
    contactCaption = label("Label6", QStringLiteral("Contact us :"));
    programmerCaption = label("Label5", QStringLiteral("Programmer :"));
    siteLink = label("Label2", QString::fromLatin1(kSite));
    infoMailLink = label("Label3", QString::fromLatin1(kInfoMail));
    supportMailLink = label("Label4", QString::fromLatin1(kSupportMail));
    noticeLabel = label("Label1",
        QStringLiteral("Vidorra 1.0\nTV, radio and your own media in one window.\n"
                       "\u00A9 2026 Vidorra. All rights reserved."));
    okButton = new QPushButton(QStringLiteral("&Ok"));
    okButton->setObjectName(QStringLiteral("cmdOk"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QWidget::close);

    for (QLabel* link : {siteLink, infoMailLink, supportMailLink}) {
        link->setCursor(Qt::PointingHandCursor);
        link->setMouseTracking(true);
        link->installEventFilter(this);
        setLinkStyle(link, false);
    }
    noticeLabel->installEventFilter(this);

    layOut();
}

// The desktop style's margins and spacing throughout; the notice below the links, apart
// from them, and the OK button at the style's own size.
void AboutWindow::layOut()
{
    const int spacing = style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, this);
    auto* links = new QGridLayout;
    links->setHorizontalSpacing(std::max(spacing, 1) * 2);
    links->addWidget(siteCaption, 0, 0);
    links->addWidget(siteLink, 0, 1);
    links->addWidget(contactCaption, 1, 0);
    links->addWidget(infoMailLink, 1, 1);
    links->addWidget(programmerCaption, 2, 0);
    links->addWidget(supportMailLink, 2, 1);
    links->setColumnStretch(1, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(iconLabel, 0, Qt::AlignTop);
    top->addSpacing(std::max(spacing, 1) * 2);
    top->addLayout(links, 1);

    noticeLabel->setWordWrap(true);
    okButton->setMinimumWidth(
        std::max(okButton->sizeHint().width(), fontMetrics().horizontalAdvance(QLatin1Char('x')) * 12));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(std::max(spacing, 6) * 2);
    layout->addWidget(noticeLabel);
    layout->addSpacing(std::max(spacing, 6) * 2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

AboutWindow::~AboutWindow()
{
    // Back to the main window, unless it is hidden in the notification area.
    if (QWidget* main = parentWidget(); main && main->isVisible())
        main->activateWindow();
}

void AboutWindow::highlight(QLabel* link)
{
    for (QLabel* each : {siteLink, infoMailLink, supportMailLink})
        setLinkStyle(each, each == link);
}

void AboutWindow::openLink(QLabel* link)
{
    if (link == siteLink)
        m_open(QUrl(QString::fromLatin1(kSite)));
    else if (link == infoMailLink)
        m_open(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kInfoMail)));
    else if (link == supportMailLink)
        m_open(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kSupportMail)));
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* link = qobject_cast<QLabel*>(watched);
    if (link && (link == siteLink || link == infoMailLink || link == supportMailLink)) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
            highlight(link);
            return true; // not passed on to the window, whose own move puts the links back
        } else if (event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            openLink(link);
    } else if (watched == noticeLabel && event->type() == QEvent::MouseButtonRelease) {
        highlight(nullptr);
    }
    return ChromeDialog::eventFilter(watched, event);
}

void AboutWindow::mouseMoveEvent(QMouseEvent* event)
{
    highlight(nullptr);
    ChromeDialog::mouseMoveEvent(event);
}
