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

    Image1 = named<QSplitter>("Image1", Qt::Horizontal);
    m_catalogueSide = buildCatalogueSide();
    // The splitter keeps the tree between 2500 and 3900 twips.
    m_catalogueSide->setMinimumWidth(kTreeMinWidth);
    m_catalogueSide->setMaximumWidth(kTreeMaxWidth);
    m_playerSide = buildPlayerSide();
    Image1->addWidget(m_catalogueSide);
    Image1->addWidget(m_playerSide);
    Image1->setChildrenCollapsible(false);
    Image1->setStretchFactor(1, 1);
    Image1->setSizes({210, 536});
    setCentralWidget(Image1);

    tmScheduledPrograms = timer(this, "tmScheduledPrograms", 60000);
    tmTurnOff = timer(this, "tmTurnOff", 1000);
    TmBrowser = timer(this, "TmBrowser", 60000);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildCatalogueSide()
{
    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(4, 4, 2, 4);

    auto* filterRow = new QHBoxLayout;
    Label1 = named<QLabel>("Label1", QStringLiteral("Filter :"));
    Combo1 = named<QComboBox>("Combo1");
    filterRow->addWidget(Label1);
    filterRow->addWidget(Combo1, 1);
    layout->addLayout(filterRow);

    Border = named<QFrame>("Border");
    Border->setFrameShape(QFrame::StyledPanel);
    auto* borderLayout = new QVBoxLayout(Border);
    borderLayout->setContentsMargins(1, 1, 1, 1);
    TreeView1 = named<QTreeView>("TreeView1");
    TreeView1->setHeaderHidden(true);
    borderLayout->addWidget(TreeView1);
    layout->addWidget(Border, 1);

    InfoShape = named<QFrame>("InfoShape");
    InfoShape->setFrameShape(QFrame::StyledPanel);
    auto* info = new QGridLayout(InfoShape);
    lblCountry = named<QLabel>("lblCountry", QStringLiteral("Country :"));
    lblCategory = named<QLabel>("lblCategory", QStringLiteral("Category :"));
    lblSite = named<QLabel>("lblSite", QStringLiteral("Bandwidth :"));
    LblInfCountry = infoValue("LblInfCountry");
    LblInfCategory = infoValue("LblInfCategory");
    LblInfBWidth = infoValue("LblInfBWidth");
    info->addWidget(lblCountry, 0, 0);
    info->addWidget(LblInfCountry, 0, 1);
    info->addWidget(lblCategory, 1, 0);
    info->addWidget(LblInfCategory, 1, 1);
    info->addWidget(lblSite, 2, 0);
    info->addWidget(LblInfBWidth, 2, 1);
    info->setColumnStretch(1, 1);
    layout->addWidget(InfoShape);
    return side;
}

QWidget* MainWindow::buildPlayerSide()
{
    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(2, 4, 4, 4);
    layout->setSpacing(2);

    Label2 = named<QLabel>("Label2");
    Label2->setAlignment(Qt::AlignCenter);
    layout->addWidget(Label2);

    Shape2 = named<QFrame>("Shape2");
    Shape2->setFrameShape(QFrame::Box);
    auto* playerArea = new QVBoxLayout(Shape2);
    playerArea->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(Shape2, 1);

    Picture1 = named<QFrame>("Picture1");
    Picture1->setFixedSize(468, 60);
    auto* banner = new QVBoxLayout(Picture1);
    banner->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Picture1, 0, Qt::AlignHCenter);
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
    const QList<int> sizes = Image1->sizes();
    Image1->insertWidget(rightToLeft ? 1 : 0, m_catalogueSide);
    Image1->setSizes({sizes.value(1), sizes.value(0)});
    m_catalogueSide->setLayoutDirection(direction);
    m_playerSide->setLayoutDirection(direction);
    const Qt::Alignment side = rightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    for (QLabel* label : {lblCountry, lblCategory, lblSite, LblInfCountry, LblInfCategory, LblInfBWidth})
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
    if (event->buttons().testFlag(Qt::RightButton) && !m_menus->MnuSystem->isVisible())
        m_menus->MnuSystem->popup(event->globalPosition().toPoint());
    QMainWindow::mouseMoveEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    int cancel = 0;
    if (m_unload)
        m_unload(cancel);
    if (cancel == -1)
        event->ignore();
    else
        event->accept();
}
