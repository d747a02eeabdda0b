#include "app/Application.h"
#include "catalogue/CatalogueView.h"
#include "favorites/FavoritesCommands.h"
#include "playback/core/NowPlaying.h"
#include "search/FindWindow.h"
#include "search/SearchCommand.h"
#include "search/SearchResultsModel.h"
#include "state/ProgramState.h"
#include "ui/MainWindow.h"

#include "support/AppTestCase.h"
#include "support/FakePlatform.h"
#include "support/ProgramFolderFixture.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>

// The Find window over a catalogue of its own, driven as a user does.
class SearchTest : public AppTestCase {
    Q_OBJECT

private:
    FindWindow& find()
    {
        window().menus().findAction->trigger();
        return *app->search().window();
    }
    // Types the text, presses Find and returns the names listed.
    QStringList search(const QString& text)
    {
        FindWindow& w = find();
        w.searchEdit->setText(text);
        w.findButton->click();
        QStringList names;
        for (int row = 0; row < app->search().results().rowCount(); ++row)
            names << app->search().results().index(row, 0).data().toString();
        return names;
    }
    QString row(int r, int column) { return app->search().results().index(r, column).data().toString(); }

private Q_SLOTS:
    void init()
    {
        setUpFolder();
        folder->writeInf();
        folder->writeLists("|Deutschland|News|Müller TV|1|||gssor9..l-dw|0|Nachrichten aus München\r\n"
                           "|Russia|0|Первый канал|1|||gssor9..o-dw|0|Новости\r\n"
                           "|Arabia|News|قناة الأخبار|1|||gssor9..`-dw|0|jazz\r\n"
                           "|USA|Music|Jazz Live|1|||gssor9..i-dw|0|music all day\r\n",
            "|France|Radio Jazz|1|Jazz|gssor9..qi-dw\r\n|France|Jazz|1|Pop|gssor9..qo-dw\r\n",
            "|Films|<p>jazz films</p>\r\n",
            "1|USA|Music|My Jazz|1|gssor9..e-dw|||\r\n0|||Other|1|gssor9..a-dw|||\r\n");
        QVERIFY(startWith());
    }
    void cleanup() { tearDownFolder(); }

    void theColumnsAreNamedOnScreenAndToAccessibility()
    {
        FindWindow& w = find();
        QHeaderView* header = w.resultsView->header();
        const QStringList expected = {QStringLiteral("Name"), QStringLiteral("Country"),
            QStringLiteral("Category"), QStringLiteral("Type")};
        for (int column = 0; column < 4; ++column) {
            QCOMPARE(header->model()->headerData(column, Qt::Horizontal).toString(), expected[column]);
            QVERIFY(!header->isSectionHidden(column));
        }
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(w.resultsView);
        QVERIFY(table && table->tableInterface());
        for (int column = 0; column < 4; ++column)
            QCOMPARE(table->tableInterface()->columnDescription(column), expected[column]);
    }

    void anEmptyTextListsEveryRecordOrOnlyEmptyNames()
    {
        QCOMPARE(search(QString()).size(), 8); // 4 TV, 2 radio, 2 favorites; never the movie store
        find().wholeWordCheck->setChecked(true);
        QCOMPARE(search(QString()), QStringList());
    }

    void namesMatchInAnyCaseAndScript()
    {
        QCOMPARE(search(QStringLiteral("jAZZ")),
            (QStringList {QStringLiteral("Jazz Live"), QStringLiteral("Radio Jazz"), QStringLiteral("Jazz"),
                QStringLiteral("My Jazz")}));
        QCOMPARE(search(QString::fromUtf8("MÜLLER")), QStringList {QString::fromUtf8("Müller TV")});
        QCOMPARE(search(QString::fromUtf8("ПЕРВЫЙ")), QStringList {QString::fromUtf8("Первый канал")});
        QCOMPARE(search(QString::fromUtf8("الأخبار")), QStringList {QString::fromUtf8("قناة الأخبار")});
        find().wholeWordCheck->setChecked(true);
        QCOMPARE(search(QStringLiteral("JAZZ")), QStringList {QStringLiteral("Jazz")});
        QCOMPARE(row(0, 3), QStringLiteral("Radio"));
    }

    void informationCoversTvChannelsOnly()
    {
        FindWindow& w = find();
        w.inInformationOption->click();
        QVERIFY(w.tvCheck->isChecked() && !w.tvCheck->isEnabled());
        QVERIFY(
            !w.radioCheck->isChecked() && !w.favoritesCheck->isChecked() && !w.wholeWordCheck->isEnabled());
        QCOMPARE(search(QStringLiteral("JAZZ")), QStringList {QString::fromUtf8("قناة الأخبار")});
        QCOMPARE(row(0, 2), QStringLiteral("News"));
        QCOMPARE(search(QString::fromUtf8("münchen")), QStringList {QString::fromUtf8("Müller TV")});
        w.inNamesOption->click();
        QVERIFY(w.radioCheck->isChecked() && w.favoritesCheck->isChecked() && w.tvCheck->isEnabled());
    }

    void theCollectionBoxesChooseTheRangesAndOneStaysTicked()
    {
        FindWindow& w = find();
        w.tvCheck->setChecked(false);
        w.radioCheck->setChecked(false);
        QVERIFY(!w.favoritesCheck->isEnabled()); // the last one ticked
        QCOMPARE(search(QStringLiteral("jazz")), QStringList {QStringLiteral("My Jazz")});
        QCOMPARE(row(0, 3), QStringLiteral("Fav/TV"));
        QCOMPARE(row(0, 2), QStringLiteral("Music"));
        w.radioCheck->setChecked(true);
        QVERIFY(w.favoritesCheck->isEnabled() && w.tvCheck->isEnabled());
        QCOMPARE(search(QStringLiteral("jazz")),
            (QStringList {QStringLiteral("Radio Jazz"), QStringLiteral("Jazz"), QStringLiteral("My Jazz")}));
        QCOMPARE(search(QStringLiteral("Mystery")).size(), 0);
        QCOMPARE(row(0, 0), QString());
    }

    void aChannelResultSwitchesTheTreeBackAndPlays()
    {
        window().viewSelector().setCurrentIndex(2);
        search(QStringLiteral("Jazz Live"));
        FindWindow& w = find();
        w.resultsView->setCurrentIndex(app->search().results().index(0, 0));
        w.runButton->click();
        QCOMPARE(app->catalogueView().currentView(), 0);
        QCOMPARE(app->catalogueView().selectedKey(), QStringLiteral("C3"));
        QCOMPARE(window().nowPlaying(), QStringLiteral("Jazz Live"));
        QVERIFY(w.isVisible()); // it stays open beside the main window
        QCOMPARE(w.searchEdit->text(), QStringLiteral("Jazz Live"));
    }

    void aFavoriteDeletedSinceTheSearchStillPlaysFromItsRow()
    {
        search(QStringLiteral("My Jazz"));
        window().viewSelector().setCurrentIndex(2);
        select(QStringLiteral("F0"));
        window().menus().favoriteDeleteAction->trigger();
        QCOMPARE(app->catalogue().favoriteCount(), 1);
        FindWindow& w = find();
        QCOMPARE(row(0, 0), QStringLiteral("My Jazz"));
        w.resultsView->setCurrentIndex(app->search().results().index(0, 0));
        w.runButton->click();
        QCOMPARE(window().nowPlaying(), QStringLiteral("My Jazz"));
        QCOMPARE(app->nowPlaying().currentRoot, QStringLiteral("gssor9..e-dw"));
    }

    void theSearchTextIsKeptWhenTheWindowOpensAgain()
    {
        search(QStringLiteral("kept"));
        find().close();
        QTRY_VERIFY(!app->search().window());
        QCOMPARE(find().searchEdit->text(), QStringLiteral("kept"));
    }
};

QTEST_MAIN(SearchTest)
#include "search_test.moc"
