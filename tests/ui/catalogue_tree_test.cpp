#include "app/Application.h"
#include "catalogue/CatalogueTreeModel.h"
#include "catalogue/CatalogueView.h"
#include "catalogue/InformationWindow.h"
#include "catalogue/TreeEvents.h"
#include "catalogue/TreeIcons.h"
#include "playback/core/NowPlaying.h"
#include "state/ProgramState.h"
#include "ui/MainWindow.h"

#include "support/AppTestCase.h"
#include "support/FakePlatform.h"
#include "support/ModalHelper.h"
#include "support/ProgramFolderFixture.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

// The catalogue tree on the real main window: views, keys, icons, labels and pop-up menus.
class CatalogueTreeTest : public AppTestCase {
    Q_OBJECT

private:
    void start() { QVERIFY(startWith()); }
    QModelIndex node(const char* key) { return model().indexForKey(QString::fromLatin1(key)); }
    QString parentKey(const char* key) { return model().keyOf(node(key).parent()); }
    int icon(const QModelIndex& index) { return index.data(CatalogueTreeModel::IconPositionRole).toInt(); }

    void select(const char* key)
    {
        const QModelIndex index = node(key);
        QVERIFY2(index.isValid(), key);
        window().catalogueTree().setCurrentIndex(index);
    }

    // Selects the node and clicks it with the button.
    void clickNode(const char* key, Qt::MouseButton button)
    {
        select(key);
        window().catalogueTree().scrollTo(node(key));
        const QRect rect = window().catalogueTree().visualRect(node(key));
        QTest::mouseClick(window().catalogueTree().viewport(), button, {}, rect.center());
    }
    void rightClick(const char* key) { clickNode(key, Qt::RightButton); }

    // The one icon theme found while it lives.
    struct ThemeOnlyIn {
        ThemeOnlyIn(const QString& path, const QString& name)
        {
            QIcon::setThemeSearchPaths({path});
            QIcon::setThemeName(name);
            QIcon::setFallbackThemeName(name);
        }
        ~ThemeOnlyIn()
        {
            QIcon::setThemeSearchPaths(paths);
            QIcon::setThemeName(theme);
            QIcon::setFallbackThemeName(fallback);
        }
        const QStringList paths = QIcon::themeSearchPaths();
        const QString theme = QIcon::themeName();
        const QString fallback = QIcon::fallbackThemeName();
    };

private Q_SLOTS:
    void init() { setUpFolder(); }
    void cleanup() { tearDownFolder(); }

    void startsInTheViewByCountry()
    {
        start();
        QAbstractItemModelTester tester(&model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(app->catalogueView().currentView(), 1);
        QCOMPARE(model().rowCount(), 3); // TV, radio, the movie store
        QCOMPARE(model().keyOf(model().index(0, 0)), QStringLiteral("MainNodeTV"));
        QCOMPARE(model().index(1, 0).data().toString(), QStringLiteral("Radios"));
        QCOMPARE(model().index(2, 0).data().toString(), QStringLiteral("Live"));
        QCOMPARE(node("C0").data().toString(), QStringLiteral("News One"));
        QCOMPARE(icon(node("C0")), 20);
        QCOMPARE(icon(node("C4")), 2);
        QCOMPARE(icon(node("C8")), 19);
        const QModelIndex texas = node("C1").parent();
        QCOMPARE(texas.data().toString(), QStringLiteral("USA-Texas"));
        QCOMPARE(texas.data(CatalogueTreeModel::FlagKeyRole).toString(), QStringLiteral("USA"));
    }

    // A new tree is scanned for its first lookups and indexed for the later ones: both
    // ways find the same node for each key, item or branch, and nothing for a key that is
    // not written the way the tree writes it.
    void keysFindTheSameNodeScannedOrIndexed()
    {
        start();
        const char* keys[]
            = {"C0", "C4", "MainNodeTV", "MoviesTvAmazon", "C012", "c0", "C", "Cx", "", "None"};
        for (const char* key : keys) {
            window().viewSelector().setCurrentIndex(0); // a new tree each time
            window().viewSelector().setCurrentIndex(1);
            const QModelIndex scanned = node(key);
            node(key);
            const QModelIndex indexed = node(key);
            QCOMPARE(indexed, scanned);
            const bool written = QByteArray(key) == "C0" || QByteArray(key) == "C4"
                || QByteArray(key) == "MainNodeTV" || QByteArray(key) == "MoviesTvAmazon";
            QCOMPARE(scanned.isValid(), written);
            if (written)
                QCOMPARE(model().keyOf(scanned), QString::fromLatin1(key));
        }
        window().viewSelector().setCurrentIndex(2);
        QVERIFY(node("MainNodeFavorite").isValid());
    }

    // An icon the theme has is the theme's; one it lacks is drawn, in three sizes.
    void iconsComeFromTheThemeElseAreDrawn()
    {
        QTemporaryDir icons;
        QVERIFY(QDir(icons.path()).mkpath(QStringLiteral("tiny/16x16/devices")));
        QFile index(icons.filePath(QStringLiteral("tiny/index.theme")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=tiny\nDirectories=16x16/devices\n\n"
                    "[16x16/devices]\nSize=16\nContext=Devices\nType=Fixed\n");
        index.close();
        QPixmap screen(16, 16);
        screen.fill(Qt::blue);
        QVERIFY(screen.save(icons.filePath(QStringLiteral("tiny/16x16/devices/video-display.png"))));
        const ThemeOnlyIn tiny(icons.path(), QStringLiteral("tiny"));

        const TreeIcons tree;
        const QIcon tv = tree.icon(1);
        const QIcon radio = tree.icon(2); // "audio-x-generic" is not in the theme
        QCOMPARE(tv.name(), QStringLiteral("video-display"));
        QCOMPARE(radio.name(), QString());
        QCOMPARE(radio.availableSizes(), (QList<QSize> {{16, 16}, {24, 24}, {32, 32}}));
        QVERIFY(!radio.pixmap(16).isNull());
    }

    void radioCountriesGroupOnlyWhenAdjacent()
    {
        start();
        const QModelIndex radios = model().index(1, 0);
        QStringList countries;
        for (int row = 0; row < model().rowCount(radios); ++row)
            countries << model().index(row, 0, radios).data().toString();
        QCOMPARE(countries,
            (QStringList {QStringLiteral("Germany"), QStringLiteral("France"), QStringLiteral("Germany")}));
    }

    void theFilterSelectorChangesTheView()
    {
        start();
        window().viewSelector().setCurrentIndex(0);
        QCOMPARE(app->catalogueView().currentView(), 0);
        QCOMPARE(parentKey("C2"), QStringLiteral("NewsNode")); // "news" in lower case
        QCOMPARE(parentKey("C3"), QStringLiteral("UnknownNode")); // "0"
        QCOMPARE(model().index(0, 0).data().toString(), QStringLiteral("TV Channels"));
        window().viewSelector().setCurrentIndex(2);
        QCOMPARE(model().keyOf(model().index(0, 0)), QStringLiteral("MainNodeFavorite"));
        window().viewSelector().setCurrentIndex(3);
        QCOMPARE(model().keyOf(model().index(0, 0)), QStringLiteral("MainNodeFile"));
    }

    void choosingTheShownViewRebuildsNothing()
    {
        start();
        window().catalogueTree().setCurrentIndex(node("C2"));
        app->catalogueView().filterBy(1, false);
        QCOMPARE(app->catalogueView().selectedKey(), QStringLiteral("C2"));
        app->catalogueView().filterBy(1, true);
        QVERIFY(app->catalogueView().selectedKey() != QStringLiteral("C2"));
    }

    void thePlayingMarkSurvivesARebuild()
    {
        start();
        app->catalogueView().markPlaying(ItemKey::channel(4));
        QCOMPARE(icon(node("C4")), 28);
        window().viewSelector().setCurrentIndex(0);
        QCOMPARE(icon(node("C4")), 28);
        QCOMPARE(app->catalogueView().selectedKey(), QStringLiteral("C4"));
        app->catalogueView().markPlaying(ItemKey::channel(0));
        QCOMPARE(icon(node("C4")), 2);
        QCOMPARE(icon(node("C0")), 28);
    }

    void theItemPlayingHasAMarkOfItsOwn()
    {
        start();
        const auto picture = [this](const char* key) {
            return qvariant_cast<QIcon>(node(key).data(Qt::DecorationRole)).pixmap(16, 16).toImage();
        };
        app->catalogueView().markPlaying(ItemKey::channel(0));
        const QImage playing = picture("C0");
        QVERIFY(!playing.isNull());
        QVERIFY(playing != picture("C8")); // a movie-store entry
        app->catalogueView().markPlaying(ItemKey::channel(4));
        QCOMPARE(picture("C4"), playing); // a radio station playing: the same mark
    }

    void aClickShowsCountryCategoryAndBandwidth()
    {
        start();
        clickNode("C3", Qt::LeftButton);
        QCOMPARE(label("LblInfCountry")->text(), QStringLiteral("Germany"));
        QCOMPARE(label("LblInfCategory")->text(), QStringLiteral(" ")); // "0" shows a blank
        QCOMPARE(label("LblInfBWidth")->text(), QStringLiteral(" "));
        select("C2");
        QTest::keyClick(&window().catalogueTree(), Qt::Key_Down);
        QCOMPARE(label("LblInfCountry")->text(), QStringLiteral("Germany"));
    }

    void enterPlaysLikeADoubleClick()
    {
        start();
        select("C1");
        QTest::keyClick(&window().catalogueTree(), Qt::Key_Return);
        QCOMPARE(window().nowPlaying(), QStringLiteral("Texas Sports"));
        QCOMPARE(app->nowPlaying().currentOperator, 1);
        QCOMPARE(app->nowPlaying().currentRoot, QStringLiteral("gssor9..roqsr-dw"));
        QCOMPARE(icon(node("C1")), 28); // marked as playing
    }

    void thePopUpMenuShowsTheEntriesOfItsParent()
    {
        start();
        MainMenus& m = window().menus();
        rightClick("C8"); // a movie-store entry
        QTRY_VERIFY(m.catalogueMenu->isVisible());
        QVERIFY(m.watchAction->isVisible());
        QVERIFY(!m.informationAction->isVisible());
        QVERIFY(!m.addToFavoritesAction->isVisible());
        QVERIFY(!m.scheduleProgramAction->isVisible());
        m.catalogueMenu->close();

        rightClick("C0");
        QTRY_VERIFY(m.catalogueMenu->isVisible());
        QVERIFY(m.informationAction->isVisible());
        QVERIFY(m.addToFavoritesAction->isVisible());
        QCOMPARE(window().catalogueTree().toolTip(), QStringLiteral("News One"));
        m.catalogueMenu->close();
    }

    void movingAwayAfterTheRightButtonClearsTheTooltip()
    {
        start();
        rightClick("C4");
        window().menus().catalogueMenu->close();
        QCOMPARE(window().catalogueTree().toolTip(), QStringLiteral("Radio Eins"));
        const QPoint near = window().catalogueTree().visualRect(node("C4")).center() + QPoint(0, 5);
        QTest::mouseMove(window().catalogueTree().viewport(), near);
        QCOMPARE(window().catalogueTree().toolTip(), QStringLiteral("Radio Eins")); // within 150 twips
        QTest::mouseMove(window().catalogueTree().viewport(), near + QPoint(0, 40));
        QTRY_COMPARE(window().catalogueTree().toolTip(), QString());
    }

    void noMenuOnFixedNodes()
    {
        start();
        window().catalogueTree().setToolTip(QStringLiteral("before"));
        bool popped = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, &watch, [&popped] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popped = true;
                popup->close();
            }
        });
        watch.start(10);
        rightClick("MainNodeTV"); // a menu here would be run, and closed by the watch, before this returns
        QCoreApplication::processEvents();
        QVERIFY(!popped);
        QCOMPARE(window().catalogueTree().toolTip(), QStringLiteral("before"));
    }

    void informationShowsUnkownForCategoryZero()
    {
        start();
        select("C3");
        QString category, band;
        whenModalShows([&](QWidget* modal) {
            auto* info = qobject_cast<InformationWindow*>(modal);
            QVERIFY(info);
            category = info->categoryValue->text();
            band = info->bandwidthValue->text();
            QCOMPARE(info->nameCaption->text(), QStringLiteral("Name"));
            info->okButton->click();
        });
        window().menus().informationAction->trigger();
        QCOMPARE(category, QStringLiteral("Unkown"));
        QCOMPARE(band, QStringLiteral("0"));
    }

    void aMissingListShowsItsMessageAndEnds()
    {
        QFile::remove(folder->file(QStringLiteral("atlr.dll")));
        QString text, title;
        whenModalShows([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            text = box->text();
            title = box->windowTitle();
            box->accept();
        });
        folder->writeInf();
        Application ending(ProgramFolder(folder->path()), platform.services());
        QVERIFY(!ending.start());
        QCOMPARE(platform.ends, 1);
        QVERIFY(!ending.mainWindow().isVisible());
        QVERIFY(text.startsWith(QStringLiteral("Vidorra cannot find one of its channel lists...\r\n")));
        QCOMPARE(title, QStringLiteral("Missing list file"));
    }

    void aListThatIsAFolderCountsAsMissing()
    {
        QFile::remove(folder->file(QStringLiteral("fav.fav")));
        QDir(folder->path()).mkdir(QStringLiteral("fav.fav"));
        whenModalShows([](QWidget* modal) { modal->close(); });
        folder->writeInf();
        Application ending(ProgramFolder(folder->path()), platform.services());
        QVERIFY(!ending.start());
        QCOMPARE(platform.ends, 1);
    }

    void theShippedCatalogueShowsWithFlags()
    {
        for (const char* name : {"avtapit.dll", "atlr.dll", "apcupm.dll"}) {
            QFile source(QStringLiteral(VIDORRA_DATA_DIR "/") + QString::fromLatin1(name));
            QVERIFY(source.open(QIODevice::ReadOnly));
            folder->write(QString::fromLatin1(name), source.readAll());
        }
        start();
        QVERIFY(app->catalogue().channelCount() > 40);
        QVERIFY(app->catalogue().movieStoreLoaded);
        const QModelIndex tvRoot = model().index(0, 0);
        QVERIFY(model().rowCount(tvRoot) >= 4);
        bool someFlag = false;
        for (int row = 0; row < model().rowCount(tvRoot); ++row) {
            const QModelIndex country = model().index(row, 0, tvRoot);
            someFlag = someFlag || !country.data(CatalogueTreeModel::FlagKeyRole).toString().isEmpty();
        }
        QVERIFY(someFlag);
    }
};

QTEST_MAIN(CatalogueTreeTest)
#include "catalogue_tree_test.moc"
