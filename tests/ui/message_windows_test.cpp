#include "ui/MessageQuestionWindow.h"
#include "ui/WaitingWindow.h"

#include "support/ModalHelper.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

// The please-wait notice, the one-button message box and the yes/no question.
class MessageWindowsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aNoticeDoesNotWaitAndHasNoButton()
    {
        WaitingWindow waiting(nullptr, false);
        waiting.showNotice(QStringLiteral("loading"));
        QVERIFY(waiting.isVisible());
        QVERIFY(!waiting.okButton->isVisible());
        QCOMPARE(waiting.messageLabel->text(), QStringLiteral("loading"));
    }

    void aMessageWaitsForItsButton()
    {
        WaitingWindow waiting(nullptr, true);
        bool sawButton = false;
        whenModalShows([&](QWidget*) {
            sawButton = waiting.okButton->isVisible() && waiting.okButton->text() == QStringLiteral("OK");
            QTest::mouseClick(waiting.okButton, Qt::LeftButton);
        });
        waiting.showMessage(QStringLiteral("message"), QStringLiteral("OK"));
        QVERIFY(sawButton);
        QVERIFY(!waiting.isVisible());
        QVERIFY(waiting.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void theQuestionAnswersYesOrNoInItsTag_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void theQuestionAnswersYesOrNoInItsTag()
    {
        QFETCH(bool, yes);
        MessageQuestionWindow question(nullptr, ChromeState {});
        whenModalShows([&](QWidget*) {
            QTest::mouseClick(yes ? question.yesButton : question.noButton, Qt::LeftButton);
        });
        const QString tag
            = question.ask(QStringLiteral("Overwrite?"), QStringLiteral("&Yes"), QStringLiteral("&No"));
        QCOMPARE(tag, yes ? QStringLiteral("Yes") : QStringLiteral("No"));
        QCOMPARE(question.tag(), tag);
        QVERIFY(!question.isVisible()); // hidden, still there for the caller
        QCOMPARE(question.questionLabel->text(), QStringLiteral("Overwrite?"));
    }
};

QTEST_MAIN(MessageWindowsTest)
#include "message_windows_test.moc"
