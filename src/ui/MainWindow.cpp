#include "ui/MainWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

template <typename W, typename... Args> W* named(const char* objectName, Args&&... args)
{
    auto* widget = new W(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

QLabel* infoValue(const char* objectName)
{
    QLabel* label = named<QLabel>(objectName);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_menus(std::make_unique<MainMenus>(this)), m_firstDrawn(new FirstDrawn(*this))
{
    setObjectName(QStringLiteral("TV"));
    setWindowTitle(QStringLiteral("Vidorra"));
    setMinimumSize(kMinWidth, kMinHeight);

    m_splitter = named<QSplitter>("Image1", Qt::Horizontal);
    m_catalogueSide = buildCatalogueSide();
    // The splitter keeps the tree itself between its narrowest and widest; its side is wider
    // by the margins and the border around it.
    m_catalogueTree->setMinimumWidth(kTreeMinWidth);
    m_catalogueTree->setMaximumWidth(kTreeMaxWidth);
    m_playerSide = buildPlayerSide();
    m_splitter->addWidget(m_catalogueSide);
    m_splitter->addWidget(m_playerSide);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({210, 536});
    setCentralWidget(m_splitter);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildCatalogueSide()
{
    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(4, 4, 2, 4);

    auto* filterRow = new QHBoxLayout;
    m_viewLabel = named<QLabel>("Label1", QStringLiteral("Filter :"));
    m_viewSelector = named<QComboBox>("Combo1");
    filterRow->addWidget(m_viewLabel);
    filterRow->addWidget(m_viewSelector, 1);
    layout->addLayout(filterRow);

    auto* treeBorder = named<QFrame>("Border");
    treeBorder->setFrameShape(QFrame::StyledPanel);
    auto* borderLayout = new QVBoxLayout(treeBorder);
    borderLayout->setContentsMargins(1, 1, 1, 1);
    m_catalogueTree = named<QTreeView>("TreeView1");
    m_catalogueTree->setHeaderHidden(true);
    borderLayout->addWidget(m_catalogueTree);
    layout->addWidget(treeBorder, 1);

    auto* infoPanel = named<QFrame>("InfoShape");
    infoPanel->setFrameShape(QFrame::StyledPanel);
    auto* info = new QGridLayout(infoPanel);
    m_information = info;
    m_countryCaption = named<QLabel>("lblCountry", QStringLiteral("Country :"));
    m_categoryCaption = named<QLabel>("lblCategory", QStringLiteral("Category :"));
    m_bandwidthCaption = named<QLabel>("lblSite", QStringLiteral("Bandwidth :"));
    m_countryValue = infoValue("LblInfCountry");
    m_categoryValue = infoValue("LblInfCategory");
    m_bandwidthValue = infoValue("LblInfBWidth");
    info->addWidget(m_countryCaption, 0, 0);
    info->addWidget(m_countryValue, 0, 1);
    info->addWidget(m_categoryCaption, 1, 0);
    info->addWidget(m_categoryValue, 1, 1);
    info->addWidget(m_bandwidthCaption, 2, 0);
    info->addWidget(m_bandwidthValue, 2, 1);
    info->setColumnStretch(1, 1);
    layout->addWidget(infoPanel);
    return side;
}

QWidget* MainWindow::buildPlayerSide()
{
    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(2, 4, 4, 4);
    layout->setSpacing(2);

    m_nowPlayingLabel = named<QLabel>("Label2");
    m_nowPlayingLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_nowPlayingLabel);

    m_playerFrame = named<QFrame>("Shape2");
    m_playerFrame->setFrameShape(QFrame::Box);
    auto* playerArea = new QVBoxLayout(m_playerFrame);
    playerArea->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_playerFrame, 1);

    m_bannerBar = named<QFrame>("Picture1");
    m_bannerBar->setFixedSize(468, 60);
    auto* banner = new QVBoxLayout(m_bannerBar);
    banner->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_bannerBar, 0, Qt::AlignHCenter);
    return side;
}

QWidget& MainWindow::playerArea() const { return *m_playerFrame; }

QWidget& MainWindow::bannerBar() const { return *m_bannerBar; }

void MainWindow::showNowPlaying(const QString& title) { m_nowPlayingLabel->setText(title); }

QString MainWindow::nowPlaying() const { return m_nowPlayingLabel->text(); }

void MainWindow::addInformationRow(QWidget* row)
{
    m_information->addWidget(row, m_information->rowCount(), 0, 1, 2);
}

void MainWindow::showItemDetails(const QString& country, const QString& category, const QString& bandwidth)
{
    m_countryValue->setText(country);
    m_categoryValue->setText(category);
    m_bandwidthValue->setText(bandwidth);
}

void MainWindow::setCaption(Caption caption, const QString& text)
{
    switch (caption) {
    case Caption::Filter:
        m_viewLabel->setText(text);
        break;
    case Caption::Country:
        m_countryCaption->setText(text);
        break;
    case Caption::Category:
        m_categoryCaption->setText(text);
        break;
    case Caption::Bandwidth:
        m_bandwidthCaption->setText(text);
        break;
    }
}

void MainWindow::setTopmost(bool topmost)
{
    if (isTopmost() == topmost)
        return;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (wasVisible)
        show(); // changing window flags hides the window
}

bool MainWindow::isTopmost() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

bool MainWindow::isRightToLeft() const { return m_catalogueSide->layoutDirection() == Qt::RightToLeft; }

void MainWindow::arabicAppearance()
{
    const bool rightToLeft = !isRightToLeft();
    const Qt::LayoutDirection direction = rightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
    // The splitter itself keeps one order; the catalogue side moves to the reading
    // direction's start, and each side mirrors its own contents.
    const QList<int> sizes = m_splitter->sizes();
    m_splitter->insertWidget(rightToLeft ? 1 : 0, m_catalogueSide);
    m_splitter->setSizes({sizes.value(1), sizes.value(0)});
    m_catalogueSide->setLayoutDirection(direction);
    m_playerSide->setLayoutDirection(direction);
    const Qt::Alignment side = rightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    for (QLabel* label : {m_countryCaption, m_categoryCaption, m_bandwidthCaption, m_countryValue,
             m_categoryValue, m_bandwidthValue})
        label->setAlignment(side | Qt::AlignVCenter);
}

void MainWindow::resizeForm()
{
    if (QLayout* layout = m_playerSide->layout())
        layout->activate();
    if (QLayout* layout = m_catalogueSide->layout())
        layout->activate();
}

void MainWindow::repaintForm(int)
{
    // Every player fills the same area; only the area's layout needs to be current.
    resizeForm();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (change->oldState().testFlag(Qt::WindowMinimized) && !isMinimized())
        Q_EMIT restored();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    // Moving over the window's own background with the right button held opens the
    // notification-area menu, also where the desktop has no notification area.
    if (event->buttons().testFlag(Qt::RightButton) && !m_menus->trayMenu->isVisible())
        m_menus->trayMenu->popup(event->globalPosition().toPoint());
    QMainWindow::mouseMoveEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_unload && m_unload())
        event->ignore();
    else
        event->accept();
}
