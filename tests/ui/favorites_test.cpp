#include "app/Application.h"
#include "base/Scrambling.h"
#include "base/StoredField.h"
#include "catalogue/CatalogueTreeModel.h"
#include "catalogue/CatalogueView.h"
#include "catalogue/core/ListFormat.h"
#include "favorites/FavoriteDialog.h"
#include "favorites/FavoritesCommands.h"
#include "favorites/SureImportWindow.h"
#include "playback/core/NowPlaying.h"
#include "state/ProgramState.h"
#include "ui/MainWindow.h"
#include "ui/MessageQuestionWindow.h"
#include "ui/WaitingWindow.h"

#include "support/AppTestCase.h"
#include "support/FakePlatform.h"
#include "support/ModalHelper.h"
#include "support/ProgramFolderFixture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>

// The favorites commands on the real main window, files in a temporary program folder.
class FavoritesTest : public AppTestCase {
    Q_OBJECT

private:
    void start()
    {
        app = std::make_unique<Application>(ProgramFolder(folder->path()), platform.services());
        QVERIFY(app->start());
    }
    QVector<ChannelRecord>& favorites() { return app->catalogue().favorites; }
    QByteArray favFile() { return folder->read(QStringLiteral("fav.fav")); }
    FavoriteDialog& dialog() { return *app->favorites().dialog(); }

    // Clicks the button of the next modal window that has one by this name; returns its label text.
    static std::shared_ptr<QString> answer(const QString& button)
    {
        auto text = std::make_shared<QString>();
        whenModalShows([text, button](QWidget* modal) {
            if (auto* label = modal->findChild<QLabel*>(QStringLiteral("Label1")))
                *text = label->text();
            if (auto* push = modal->findChild<QPushButton*>(button))
                push->click();
        });
        return text;
    }

    // Yes to the import question, then OK to the message that follows it.
    static void answerYesThenOk()
    {
        whenModalShows([](QWidget* sure) {
            sure->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
            whenModalShows(
                [](QWidget* box) { box->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click(); });
        });
    }

private Q_SLOTS:
    void init()
    {
        setUpFolder();
        folder->writeInf();
    }
    void cleanup() { tearDownFolder(); }

    void aFavoritesFileTooLargeToReadIsKeptAndExplainedOnce()
    {
        const qint64 tooLarge = 64 * 1024 * 1024 + 1;
        QFile big(folder->file(QStringLiteral("fav.fav")));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(tooLarge));
        big.close();
        start();
        QVERIFY(favorites().isEmpty());
        select(QStringLiteral("C0"));
        auto said = answer(QStringLiteral("cmdOk"));
        window().menus().addToFavoritesAction->trigger();
        QVERIFY(said->contains(QStringLiteral("could not be read")));
        QVERIFY(noModalShows([this] { window().menus().addToFavoritesAction->trigger(); })); // told once
        QVERIFY(favorites().isEmpty());
        QCOMPARE(QFileInfo(big).size(), tooLarge);
    }

    void addingAChannelTwiceKeepsOneFavorite()
    {
        start();
        select(QStringLiteral("C0"));
        window().menus().addToFavoritesAction->trigger();
        window().menus().addToFavoritesAction->trigger();
        QCOMPARE(favorites().size(), 1);
        QCOMPARE(favorites()[0].name, QStringLiteral("News One"));
        QCOMPARE(favorites()[0].country, QStringLiteral("USA"));
        QCOMPARE(ListFormat::read(ListFormat::Kind::Favorites, favFile()).records, favorites());
        window().viewSelector().setCurrentIndex(2);
        QVERIFY(app->catalogueView().model().indexForKey(QStringLiteral("F0")).isValid());
    }

    void deletingOneOfTwoWithTheSameAddressRemovesBoth()
    {
        const QByteArray same = "1|USA|News|A|1|gssor9..r|0||\r\n";
        writeFavorites(same + "0|||Other|1|gssor9..n|||\r\n" + same);
        start();
        window().viewSelector().setCurrentIndex(2);
        select(QStringLiteral("F2"));
        window().menus().favoriteDeleteAction->trigger();
        QCOMPARE(favorites().size(), 1);
        QCOMPARE(favorites()[0].name, QStringLiteral("Other"));
        QVERIFY(!app->catalogueView().model().indexForKey(QStringLiteral("F1")).isValid());
        select(QStringLiteral("F0"));
        window().menus().favoriteDeleteAction->trigger();
        QCOMPARE(favFile(), QByteArray());
    }

    void theDialogAddsAndAsksBeforeOverwriting()
    {
        start();
        window().viewSelector().setCurrentIndex(2);
        window().menus().addFavoriteAction->trigger();
        QVERIFY(dialog().isVisible());
        QCOMPARE(dialog().windowTitle(), QStringLiteral("Add Favorite"));

        auto said = answer(QStringLiteral("cmdOk"));
        dialog().addButton->click(); // nothing typed
        QCOMPARE(*said, QStringLiteral("Please type a name and an address."));
        QVERIFY(favorites().isEmpty());

        dialog().nameEdit->setText(QStringLiteral("  My Radio  "));
        dialog().addressEdit->setText(QStringLiteral("  http://radio/stream  "));
        dialog().infoEdit->setText(QStringLiteral("info  "));
        dialog().radioOption->click(); // radio
        said = answer(QStringLiteral("cmdOk"));
        dialog().addButton->click();
        QCOMPARE(*said, QStringLiteral("The favorite has been added."));
        QCOMPARE(favorites().size(), 1);
        QCOMPARE(favorites()[0].name, QStringLiteral("My Radio"));
        QCOMPARE(favorites()[0].info, QStringLiteral("info"));
        QCOMPARE(favorites()[0].kind, 0);
        QCOMPARE(StoredField::decodeAddress(favorites()[0].address), QStringLiteral("http://radio/stream"));
        QCOMPARE(app->catalogueView().selectedKey(), QStringLiteral("F0"));

        dialog().nameEdit->setText(QStringLiteral("Renamed"));
        said = answer(QStringLiteral("Command1")); // no
        dialog().addButton->click();
        QCOMPARE(favorites()[0].name, QStringLiteral("My Radio"));

        favorites()[0].country = QStringLiteral("Kept");
        whenModalShows([](QWidget* modal) {
            if (auto* yes = modal->findChild<QPushButton*>(QStringLiteral("Command2")))
                yes->click();
            whenModalShows(
                [](QWidget* next) { next->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click(); });
        });
        dialog().addButton->click();
        QCOMPARE(favorites().size(), 1);
        QCOMPARE(favorites()[0].name, QStringLiteral("Renamed"));
        QCOMPARE(favorites()[0].country, QStringLiteral("Kept"));
    }

    void modifyKeepsTheInformationAsTyped()
    {
        writeFavorites("1|USA|News|A|1|gssor9..r|0|x|\r\n");
        start();
        window().viewSelector().setCurrentIndex(2);
        select(QStringLiteral("F0"));
        window().menus().favoriteModifyAction->trigger();
        QCOMPARE(dialog().windowTitle(), QStringLiteral("Modify Favorite"));
        QCOMPARE(dialog().addressEdit->text(), QStringLiteral("https://s"));
        QVERIFY(!dialog().addButton->isEnabled());
        dialog().infoEdit->setText(QStringLiteral("a | b  "));
        answer(QStringLiteral("cmdOk"));
        dialog().modifyButton->click();
        QCOMPARE(favorites()[0].info, QStringLiteral("a | b  "));
        QCOMPARE(favorites()[0].country, QStringLiteral("USA"));
        app.reset();
        start();
        QCOMPARE(favorites()[0].info, QStringLiteral("a | b  ")); // read back the same
    }

    void exportThenImportGivesTheSameFile_data()
    {
        QTest::addColumn<QString>("answerButton");
        QTest::newRow("yes") << QStringLiteral("Command2");
        QTest::newRow("no") << QStringLiteral("Command1");
    }
    void exportThenImportGivesTheSameFile()
    {
        QFETCH(QString, answerButton);
        const QByteArray original = "1|USA|News|A|1|gssor9..r|0||\r\n0|||B|1|gssor9..a|||\r\n";
        writeFavorites(original);
        start();
        platform.fileDialog->saveAnswer = folder->file(QStringLiteral("out.FAV"));
        window().menus().exportAction->trigger();
        QCOMPARE(folder->read(QStringLiteral("out.FAV")), original);
        folder->write(QStringLiteral("fav.fav"), "1|x|x|x|1|x|x|x|\r\n");
        platform.fileDialog->answer = {{folder->file(QStringLiteral("out.FAV"))}, 0};
        answer(answerButton);
        window().menus().importAction->trigger();
        QCOMPARE(favFile(), original);
        QCOMPARE(favorites().size(), 2);
    }

    void theImportQuestionSaysWhatYesDoes()
    {
        writeFavorites({});
        start();
        const QString chosen
            = folder->write(QStringLiteral("mine.fav"), "\n1|||A|1|gssor9..a|||\n  \n0|||B|1|gssor9..b|||");
        platform.fileDialog->answer = {{chosen}, 0};
        const auto question = answer(QStringLiteral("Command2"));
        window().menus().importAction->trigger();
        QVERIFY2(question->contains(
                     QStringLiteral("Yes leaves out its blank lines and ends every line the standard way")),
            qPrintable(*question));
        QCOMPARE(favFile(), QByteArray("1|||A|1|gssor9..a|||\r\n0|||B|1|gssor9..b|||\r\n"));
    }

    void badImportsChangeNothing()
    {
        const QByteArray original = "1|USA|News|A|1|gssor9..r|0||\r\n";
        writeFavorites(original);
        start();
        const QString seven = folder->write(QStringLiteral("seven.fav"), "1|a|b|c|1|d|e|f\r\n");
        platform.fileDialog->answer = {{seven}, 0};
        answerYesThenOk();
        window().menus().importAction->trigger();
        QCOMPARE(favFile(), original);

        answer(QStringLiteral("Command3")); // cancel
        window().menus().importAction->trigger();
        QCOMPARE(favFile(), original);

        QDir(folder->path()).mkdir(QStringLiteral("folder.fav"));
        platform.fileDialog->answer = {{folder->file(QStringLiteral("folder.fav"))}, 0};
        window().menus().importAction->trigger(); // a folder: no question, nothing happens
        QCOMPARE(favFile(), original);
        QCOMPARE(favorites().size(), 1);
    }

    void exportToAPlaceThatCannotBeWrittenChangesNothing()
    {
        const QByteArray original = "1|USA|News|A|1|gssor9..r|0||\r\n";
        writeFavorites(original);
        start();
        platform.fileDialog->saveAnswer = folder->file(QStringLiteral("no/such/folder/out.FAV"));
        window().menus().exportAction->trigger();
        QVERIFY(!QFileInfo::exists(platform.fileDialog->saveAnswer));
        QCOMPARE(favFile(), original);
        QCOMPARE(favorites().size(), 1);
    }

    void aLargeBinaryFileIsRefused()
    {
        const QByteArray original = "1|USA|News|A|1|gssor9..r|0||\r\n";
        writeFavorites(original);
        start();
        QByteArray noise(50 * 1024 * 1024, '\0');
        for (qsizetype i = 0; i < noise.size(); i += 97)
            noise[i] = static_cast<char>(i * 31);
        platform.fileDialog->answer = {{folder->write(QStringLiteral("noise.fav"), noise)}, 0};
        answerYesThenOk();
        window().menus().importAction->trigger();
        QCOMPARE(favFile(), original);
    }

    void anEmptyFileImportsToNoFavorites()
    {
        writeFavorites("1|USA|News|A|1|gssor9..r|0||\r\n");
        start();
        platform.fileDialog->answer = {{folder->write(QStringLiteral("empty.fav"), {})}, 0};
        answer(QStringLiteral("Command2"));
        window().menus().importAction->trigger();
        QVERIFY(favorites().isEmpty());
        QCOMPARE(favFile(), QByteArray());
    }

    void aFileOfTheMyComputerListIsAddedOnce()
    {
        start();
        const QString a = folder->write(QStringLiteral("a.mp3"), "x");
        const QString b = folder->write(QStringLiteral("b.mp3"), "x");
        platform.fileDialog->answer = {{a, b}, 1};
        window().menus().openAction->trigger();
        select(QStringLiteral("Com1"));
        window().menus().addToFavoritesAction->trigger();
        window().menus().addToFavoritesAction->trigger();
        QCOMPARE(favorites().size(), 1);
        QCOMPARE(favorites()[0].name, QStringLiteral("b.mp3"));
        QCOMPARE(favorites()[0].op, 1);
        QCOMPARE(favorites()[0].kind, ChannelRecord::ComputerFile);
        QCOMPARE(ListFormat::read(ListFormat::Kind::Favorites, favFile()).records, favorites());
    }

    // Selects the node and releases the right button over it; returns the menu that opened.
    QMenu* popUpOn(const QString& key)
    {
        select(key);
        window().catalogueTree().scrollTo(node(key));
        QTest::mouseClick(window().catalogueTree().viewport(), Qt::RightButton, {},
            window().catalogueTree().visualRect(node(key)).center());
        QMenu* shown = nullptr;
        (void)QTest::qWaitFor([&] {
            for (QMenu* menu : {window().menus().catalogueMenu, window().menus().favoriteItemMenu})
                if (menu->isVisible())
                    shown = menu;
            return shown != nullptr;
        });
        if (shown)
            shown->close();
        return shown;
    }

    void myComputerFilesAndTheirFavoritesHaveTheirOwnMenus()
    {
        writeFavorites("2|||song.mp3|1|" + StoredField::encodeAddress(QStringLiteral("/m/song.mp3"))
            + "|||\r\n" + "1|USA|News|A|1|gssor9..r|0||\r\n");
        start();
        platform.fileDialog->answer
            = {{folder->write(QStringLiteral("a.mp3"), "x"), folder->write(QStringLiteral("b.mp3"), "x")}, 1};
        window().menus().openAction->trigger();
        MainMenus& m = window().menus();
        QCOMPARE(popUpOn(QStringLiteral("Com0")), m.catalogueMenu);
        QVERIFY(m.watchAction->isVisible());
        QVERIFY(m.addToFavoritesAction->isVisible());
        QVERIFY(!m.scheduleProgramAction->isVisible()); // no programs for a file
        QVERIFY(!m.informationAction->isVisible());

        window().viewSelector().setCurrentIndex(2);
        QCOMPARE(model().keyOf(node(QStringLiteral("F0")).parent()), QStringLiteral("MyComputerFavorite"));
        QCOMPARE(popUpOn(QStringLiteral("F0")), m.favoriteItemMenu);
        QVERIFY(!m.favoriteScheduleProgramAction->isVisible());
        QVERIFY(m.favoriteModifyAction->isVisible());
        QCOMPARE(popUpOn(QStringLiteral("F1")), m.favoriteItemMenu);
        QVERIFY(m.favoriteScheduleProgramAction->isVisible());
    }

    void theInformationWindowShowsAFavorite()
    {
        writeFavorites("1|USA|News|My News|1|gssor9..r|720p|Round the clock|\r\n");
        start();
        window().viewSelector().setCurrentIndex(2);
        select(QStringLiteral("F0"));
        QStringList shown;
        whenModalShows([&shown](QWidget* info) {
            for (const char* name : {"Ch_name", "Ch_Band", "Ch_Category", "Ch_Info"})
                shown << info->findChild<QLabel*>(QString::fromLatin1(name))->text();
            info->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        });
        window().menus().favoriteInformationAction->trigger();
        QCOMPARE(shown,
            (QStringList {QStringLiteral("My News"), QStringLiteral("720p"), QStringLiteral("News"),
                QStringLiteral("Round the clock")}));
    }

    void enterInTheInformationAndControlInTheAddressAreSwallowed()
    {
        start();
        window().viewSelector().setCurrentIndex(2);
        window().menus().addFavoriteAction->trigger();
        dialog().nameEdit->setText(QStringLiteral("Name"));
        dialog().addressEdit->setText(QStringLiteral("http://a"));
        QVERIFY(noModalShows([this] { QTest::keyClick(dialog().infoEdit, Qt::Key_Return); }));
        QVERIFY(favorites().isEmpty()); // Enter did not press the default button
        QVERIFY(dialog().isVisible());
        QKeyEvent control(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
        QVERIFY(QApplication::sendEvent(dialog().addressEdit, &control)); // taken before the box sees it
        QTest::keyClick(dialog().addressEdit, Qt::Key_X);
        QCOMPARE(dialog().addressEdit->text(), QStringLiteral("http://ax")); // other keys still type
    }
};

QTEST_MAIN(FavoritesTest)
#include "favorites_test.moc"
