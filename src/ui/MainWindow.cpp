#include "ui/MainWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

template <typename W, typename... Args> W* named(const char* objectName, Args&&... args)
{
    auto* widget = new W(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

QTimer* timer(QObject* owner, const char* objectName, int intervalMs)
{
    auto* t = new QTimer(owner);
    t->setObjectName(QString::fromLatin1(objectName));
    t->setInterval(intervalMs);
    return t;
}

QLabel* infoValue(const char* objectName)
{
    QLabel* label = named<QLabel>(objectName);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), m_menus(std::make_unique<MainMenus>(this))
{
    setObjectName(QStringLiteral("TV"));
    setWindowTitle(QStringLiteral("Vidorra"));
    setMinimumSize(kMinWidth, kMinHeight);

    splitter = named<QSplitter>("Image1", Qt::Horizontal);
    m_catalogueSide = buildCatalogueSide();
    // The splitter keeps the tree itself between 2500 and 3900 twips; its side is wider
    // by the margins and the border around it.
    catalogueTree->setMinimumWidth(kTreeMinWidth);
    catalogueTree->setMaximumWidth(kTreeMaxWidth);
    m_playerSide = buildPlayerSide();
    splitter->addWidget(m_catalogueSide);
    splitter->addWidget(m_playerSide);
    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({210, 536});
    setCentralWidget(splitter);

    reminderTimer = timer(this, "tmScheduledPrograms", 60000);
    turnOffTimer = timer(this, "tmTurnOff", 1000);
    bannerTimer = timer(this, "TmBrowser", 60000);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildCatalogueSide()
{
    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(4, 4, 2, 4);

    auto* filterRow = new QHBoxLayout;
    viewLabel = named<QLabel>("Label1", QStringLiteral("Filter :"));
    viewSelector = named<QComboBox>("Combo1");
    filterRow->addWidget(viewLabel);
    filterRow->addWidget(viewSelector, 1);
    layout->addLayout(filterRow);

    treeBorder = named<QFrame>("Border");
    treeBorder->setFrameShape(QFrame::StyledPanel);
    auto* borderLayout = new QVBoxLayout(treeBorder);
    borderLayout->setContentsMargins(1, 1, 1, 1);
    catalogueTree = named<QTreeView>("TreeView1");
    catalogueTree->setHeaderHidden(true);
    borderLayout->addWidget(catalogueTree);
    layout->addWidget(treeBorder, 1);

    infoPanel = named<QFrame>("InfoShape");
    infoPanel->setFrameShape(QFrame::StyledPanel);
    auto* info = new QGridLayout(infoPanel);
    countryCaption = named<QLabel>("lblCountry", QStringLiteral("Country :"));
    categoryCaption = named<QLabel>("lblCategory", QStringLiteral("Category :"));
    bandwidthCaption = named<QLabel>("lblSite", QStringLiteral("Bandwidth :"));
    countryValue = infoValue("LblInfCountry");
    categoryValue = infoValue("LblInfCategory");
    bandwidthValue = infoValue("LblInfBWidth");
    info->addWidget(countryCaption, 0, 0);
    info->addWidget(countryValue, 0, 1);
    info->addWidget(categoryCaption, 1, 0);
    info->addWidget(categoryValue, 1, 1);
    info->addWidget(bandwidthCaption, 2, 0);
    info->addWidget(bandwidthValue, 2, 1);
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

    nowPlayingLabel = named<QLabel>("Label2");
    nowPlayingLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(nowPlayingLabel);

    playerFrame = named<QFrame>("Shape2");
    playerFrame->setFrameShape(QFrame::Box);
    auto* playerArea = new QVBoxLayout(playerFrame);
    playerArea->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(playerFrame, 1);

    bannerBar = named<QFrame>("Picture1");
    bannerBar->setFixedSize(468, 60);
    auto* banner = new QVBoxLayout(bannerBar);
    banner->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bannerBar, 0, Qt::AlignHCenter);
    return side;
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
    const QList<int> sizes = splitter->sizes();
    splitter->insertWidget(rightToLeft ? 1 : 0, m_catalogueSide);
    splitter->setSizes({sizes.value(1), sizes.value(0)});
    m_catalogueSide->setLayoutDirection(direction);
    m_playerSide->setLayoutDirection(direction);
    const Qt::Alignment side = rightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    for (QLabel* label : {countryCaption, categoryCaption, bandwidthCaption, countryValue, categoryValue, bandwidthValue})
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
