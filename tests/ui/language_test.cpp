#include "app/Application.h"
#include "playback/core/NowPlaying.h"
#include "state/ProgramState.h"
#include "ui/LanguageSelector.h"
#include "ui/MainWindow.h"

#include "support/AppTestCase.h"
#include "support/FakePlatform.h"
#include "support/ModalHelper.h"
#include "support/ProgramFolderFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

// SelectLanguage, the Language menu and the Help entry, with language files of the tests' own.
class LanguageTest : public AppTestCase {
    Q_OBJECT

private:
    void start(const QString& languageLine = QStringLiteral("language=english"))
    {
        startWith({{6, languageLine}});
    }
    QAction* item(const char* name) { return window().findChild<QAction*>(QString::fromLatin1(name)); }
    QByteArray inf() const { return folder->read(QStringLiteral("inf")); }

    // Answers the error box the next language load shows and returns its text.
    static std::shared_ptr<QString> expectError()
    {
        auto text = std::make_shared<QString>();
        whenModalShows([text](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                *text = box->text();
                box->accept();
            }
        });
        return text;
    }

private Q_SLOTS:
    void init()
    {
        setUpFolder();
        folder->writeLanguage(QStringLiteral("english"), QStringLiteral("E"));
        folder->writeLanguage(QStringLiteral("german"), QStringLiteral("G"));
        folder->writeLanguage(QStringLiteral("greek"), QStringLiteral("R"));
        folder->writeLanguage(QStringLiteral("arabic"), QStringLiteral("A"));
    }
    void cleanup() { tearDownFolder(); }

    void textsReachTheirCaptionsAndSlots()
    {
        start();
        MainMenus& m = window().menus();
        QCOMPARE(m.fileMenu->title(), QStringLiteral("E0")); // text 0 less its byte-order mark
        QCOMPARE(m.exitAction->text(), QStringLiteral("E3"));
        QCOMPARE(m.trayExitAction->text(), QStringLiteral("E3"));
        QCOMPARE(m.trayHelpAction->text(), QStringLiteral("E13"));
        QCOMPARE(m.trayAboutAction->text(), QStringLiteral("E14"));
        QCOMPARE(m.trayTimerAction->text(), QStringLiteral("E10"));
        QCOMPARE(m.trayShowAction->text(), QStringLiteral("E104"));
        QCOMPARE(m.trayHideAction->text(), QStringLiteral("E103"));
        QCOMPARE(m.scheduledProgramsAction->text(), QStringLiteral("E117"));
        QCOMPARE(m.scheduleProgramAction->text(), QStringLiteral("E108"));
        QCOMPARE(m.favoriteScheduleProgramAction->text(), QStringLiteral("E108"));
        QCOMPARE(m.updateListsAction->text(), QStringLiteral("E107"));
        QCOMPARE(label("lblSite")->text(), QStringLiteral("E33 :"));
        QCOMPARE(window().viewSelector().itemText(3), QStringLiteral("E26"));
        QCOMPARE(item("SSMnuLanguageGerman")->text(), QStringLiteral("&German")); // never replaced
        QCOMPARE(app->program().texts.text(135), QStringLiteral("E135"));
        QCOMPARE(app->program().texts.text(48), QStringLiteral("E48"));
    }

    void choosingALanguageSavesAndMovesTheCheckMark()
    {
        start();
        window().viewSelector().setCurrentIndex(3);
        item("SSMnuLanguageGerman")->trigger();
        QVERIFY(item("SSMnuLanguageGerman")->isChecked());
        QVERIFY(!item("SSMnuLanguageEnglish")->isChecked());
        QCOMPARE(window().menus().openAction->text(), QStringLiteral("G1"));
        QVERIFY(inf().contains("\r\nlanguage=german\r\n"));
        QCOMPARE(window().viewSelector().currentIndex(), 3); // the filter kept its item
    }

    void choosingTheActiveLanguageChangesNothing()
    {
        start();
        folder->write(QStringLiteral("inf"), "sentinel");
        folder->writeLanguage(QStringLiteral("english"), QStringLiteral("X"));
        item("SSMnuLanguageEnglish")->trigger();
        QCOMPARE(inf(), QByteArray("sentinel"));
        QCOMPARE(window().menus().openAction->text(), QStringLiteral("E1"));
        QVERIFY(item("SSMnuLanguageEnglish")->isChecked());
    }

    void arabicTogglesRightToLeftOnceEachWay()
    {
        start();
        item("SSMnuLanguageArabic")->trigger();
        QCOMPARE((window().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight), Qt::RightToLeft);
        item("SSMnuLanguageGreek")->trigger();
        QCOMPARE((window().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight), Qt::LeftToRight);
        item("SSMnuLanguageGerman")->trigger();
        QCOMPARE((window().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight), Qt::LeftToRight);
    }

    void startingInArabicTogglesWithoutSaving()
    {
        folder->writeInf({{6, QStringLiteral("language=arabic")}});
        const QByteArray before = inf();
        app = std::make_unique<Application>(ProgramFolder(folder->path()), platform.services());
        app->start();
        QCOMPARE((window().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight), Qt::RightToLeft);
        QCOMPARE(inf(), before);
        QCOMPARE(window().viewSelector().currentIndex(), 1);
    }

    void aBrokenFileChangesNothingAndSaysWhatIsWrong_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty") << QByteArray() << QStringLiteral("is not UTF-16");
        QTest::newRow("binary") << QByteArray("\x7F"
                                              "ELF\x02\x01\x01\0\0\0",
            10)
                                       .repeated(500)
                                << QStringLiteral("is not UTF-16");
        QTest::newRow("UTF-8") << QByteArray("&Datei\r\n").repeated(140) << QStringLiteral("is not UTF-16");
        QTest::newRow("one line") << QByteArray("\xFF\xFE&\0F\0", 6)
                                  << QStringLiteral("holds 1 line; 138 are needed");
    }
    void aBrokenFileChangesNothingAndSaysWhatIsWrong()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        start();
        folder->write(QStringLiteral("Language/german"), bytes);
        const QByteArray before = inf();
        const auto error = expectError();
        item("SSMnuLanguageGerman")->trigger();
        QVERIFY2(error->contains(problem), qPrintable(*error));
        QVERIFY(error->contains(folder->file(QStringLiteral("Language/german"))));
        QCOMPARE(window().menus().fileMenu->title(), QStringLiteral("E0"));
        QCOMPARE(window().menus().stopRemindersAction->text(), QStringLiteral("E133"));
        QCOMPARE(app->program().texts.text(136), QStringLiteral("E136"));
        QCOMPARE(window().viewSelector().count(), 4);
        QCOMPARE(inf(), before); // the language shown stays the one remembered
    }

    void aShortFileChangesNothing()
    {
        start();
        // 137 lines, the last without CR LF: 137 texts.
        folder->writeLanguage(QStringLiteral("german"), QStringLiteral("G"), 137, true, false);
        const auto error = expectError();
        item("SSMnuLanguageGerman")->trigger();
        QVERIFY(error->contains(QStringLiteral("holds 137 lines; 138 are needed")));
        QCOMPARE(window().menus().stopRemindersAction->text(), QStringLiteral("E133"));
        QCOMPARE(window().viewSelector().currentIndex(), 1);
        QVERIFY(inf().contains("language=english"));
    }

    void withoutALanguageLineTheChoiceIsRememberedAndTogglesOnce()
    {
        QByteArray lines = ProgramFolderFixture::standardInf();
        lines.replace("language=english\r\nmru=10\r\n", ""); // lines 6 and 7 missing: a short file
        lines.replace("14\r\n", "5\r\n");
        folder->write(QStringLiteral("inf"), lines.left(lines.indexOf("aot=")));
        app = std::make_unique<Application>(ProgramFolder(folder->path()), platform.services());
        QVERIFY(app->start());
        const auto direction = [this] { return window().isRightToLeft(); };
        item("SSMnuLanguageArabic")->trigger();
        QVERIFY(direction());
        item("SSMnuLanguageArabic")->trigger(); // the same language again: nothing mirrors
        QVERIFY(direction());
        item("SSMnuLanguageEnglish")->trigger();
        QVERIFY(!direction());
        QVERIFY(inf().contains("\r\nlanguage=english\r\n"));
        QVERIFY(inf().startsWith("6\r\n"));
    }

    void theSameLinesClosedByCrLfLoad()
    {
        start();
        folder->writeLanguage(QStringLiteral("german"), QStringLiteral("G"), 137, true, true);
        item("SSMnuLanguageGerman")->trigger();
        QCOMPARE(app->program().texts.text(137), QString());
        QCOMPARE(window().menus().scheduledProgramsAction->text(), QStringLiteral("G117"));
    }

    void linesAfterTheLastTextHaveNoEffect()
    {
        start();
        folder->writeLanguage(QStringLiteral("german"), QStringLiteral("G"), 400);
        item("SSMnuLanguageGerman")->trigger();
        QCOMPARE(label("lblSite")->text(), QStringLiteral("G33 :"));
    }

    void aMissingFileShowsTheSystemsErrorAndKeepsTheTexts()
    {
        start();
        const auto error = expectError();
        item("SSMnuLanguageItalian")->trigger();
        QVERIFY2(error->contains(QStringLiteral("italian")), qPrintable(*error));
        QVERIFY(error->contains(folder->file(QStringLiteral("Language/italian"))));
        QVERIFY(error->contains(QStringLiteral("No such file")));
        QCOMPARE(window().menus().openAction->text(), QStringLiteral("E1"));
        QVERIFY(item("SSMnuLanguageItalian")->isChecked());
    }

    void aLanguageNameCannotReachOutsideTheFolder()
    {
        folder->writeLanguage(QStringLiteral("../evil"), QStringLiteral("V"));
        const auto error = expectError();
        start(QStringLiteral("language=../evil"));
        QVERIFY(!error->isEmpty());
        QVERIFY(window().menus().openAction->text() != QStringLiteral("V1"));
    }

    void helpOpensThePageOfTheCurrentLanguage()
    {
        qputenv("VIDORRA_SERVER", "http://127.0.0.1:9/site");
        start(QStringLiteral("language=greek"));
        window().menus().helpAction->trigger();
        window().menus().trayHelpAction->trigger();
        qunsetenv("VIDORRA_SERVER");
        QCOMPARE(platform.shell->opened.size(), 2);
        QCOMPARE(platform.shell->opened.first(), QUrl(QStringLiteral("http://127.0.0.1:9/site/help/gr.htm")));
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
