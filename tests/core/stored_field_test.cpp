#include "base/Scrambling.h"
#include "base/SharedBytes.h"
#include "base/StoredField.h"
#include "base/StoredText.h"

#include <QUrl>

#include <gtest/gtest.h>

using StoredField::decodeAddress;
using StoredField::decodeText;
using StoredField::encodeAddress;
using StoredField::encodeText;

TEST(StoredText, AnyTextReadsBackTheSameAndNeverBreaksALine)
{
    const QString texts[] = {QStringLiteral("A | B\r\nC"), QStringLiteral("100% sure, %7C stays, %25 too\nnext"),
        QString::fromUtf8("Müsik ¦ Радио | إذاعة"), QStringLiteral("%%0a%7c%"), QString()};
    for (const QString& text : texts) {
        const QByteArray stored = encodeText(text);
        EXPECT_FALSE(StoredField::breaksALine(stored)) << stored.constData();
        EXPECT_EQ(decodeText(stored), text);
    }
}

TEST(StoredText, OtherWritersPercentSignsAndEightBitTextReadUnchanged)
{
    EXPECT_EQ(decodeText("100% Radio, 50% off"), QStringLiteral("100% Radio, 50% off"));
    EXPECT_EQ(decodeText("caf\xE9"), QString::fromUtf8("café")); // Windows-1252
    EXPECT_EQ(encodeText(QStringLiteral("plain")), QByteArray("plain"));
}

TEST(StoredText, HeldAsStoredItReadsAsItsTextAndEqualsWhateverBytesStoreTheSameText)
{
    const QString typed = QStringLiteral("100% | %7C");
    EXPECT_EQ(StoredText(typed).toString(), typed);
    EXPECT_EQ(StoredText::fromStored("caf\xE9"), StoredText(QString::fromUtf8("café")));
    EXPECT_EQ(StoredText::fromStored("a%7cb"), StoredText(QStringLiteral("a|b")));
    EXPECT_FALSE(StoredText::fromStored("a") == StoredText::fromStored("b"));
    EXPECT_TRUE(StoredText().isEmpty());
    EXPECT_TRUE(StoredText(QString()).isEmpty());
    EXPECT_FALSE(StoredText::fromStored("%25").isEmpty());
}

TEST(StoredText, AFieldWithinAFileReadsTheSameAfterTheFileChangesOrIsGone)
{
    StoredText shared;
    StoredText copied;
    StoredText empty;
    {
        QByteArray file("|a|caf\xE9 %7C ok|b|");
        const QByteArrayView field = QByteArrayView(file).sliced(3, 11);
        shared = StoredText::within(file, field);
        copied = StoredText::within(QByteArray("elsewhere"), field); // not within it: copied
        empty = StoredText::within(file, QByteArrayView(file).sliced(2, 0));
        file.fill('x'); // the file's own holder writes to it
    }
    const QString expected = QString::fromUtf8("café | ok");
    EXPECT_EQ(shared.toString(), expected);
    EXPECT_EQ(copied.toString(), expected);
    EXPECT_EQ(shared, StoredText::fromStored("caf\xE9 %7C ok"));
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty, StoredText());
}

TEST(SharedBytes, BytesHeldWholeComeBackSharedAndAPartComesBackAsACopyOfItsOwn)
{
    const QByteArray whole("gssor9..dw-s");
    EXPECT_EQ(SharedBytes(whole).toByteArray().constData(), whole.constData());

    QByteArray file("|a|gssor9..dw-s|b|");
    const SharedBytes part = SharedBytes::within(file, QByteArrayView(file).sliced(3, 12));
    QByteArray copy = part.toByteArray();
    EXPECT_EQ(copy, whole);
    copy[0] = 'x'; // the copy is its own: the file and the part are untouched
    EXPECT_EQ(part, SharedBytes(whole));
    EXPECT_EQ(file, QByteArray("|a|gssor9..dw-s|b|"));
    EXPECT_EQ(part.view(), QByteArrayView(file).sliced(3, 12));
    EXPECT_FALSE(part == SharedBytes(QByteArray("gssor9..dw-t")));
    EXPECT_TRUE(SharedBytes::within(file, QByteArrayView(file).sliced(0, 0)).isEmpty());
}

TEST(StoredAddress, PlainAddressesAreOnlyScrambled)
{
    EXPECT_EQ(encodeAddress(QStringLiteral("http://j")), *Scrambling::scrambleAddress("http://j"));
    EXPECT_EQ(decodeAddress(encodeAddress(QString::fromUtf8("/media/Müsik/ä.mp3"))),
        QString::fromUtf8("/media/Müsik/ä.mp3"));
    EXPECT_TRUE(encodeAddress(QString()).isEmpty());
    EXPECT_EQ(decodeAddress("\xFF"), QString()); // no scrambled text
}

TEST(StoredAddress, AWebAddressThatWouldBreakItsLineIsPercentEncoded)
{
    const QByteArray stored = encodeAddress(QStringLiteral("http://ex.com/a}b|c\nd"));
    EXPECT_FALSE(StoredField::breaksALine(stored));
    EXPECT_EQ(decodeAddress(stored), QStringLiteral("http://ex.com/a%7Db%7Cc%0Ad"));
}

TEST(StoredAddress, ALocalPathThatWouldBreakItsLineBecomesAFileUrlOfTheSameFile)
{
    const QString path = QStringLiteral("/media/a}b\x0E.mp3");
    const QByteArray stored = encodeAddress(path);
    EXPECT_FALSE(StoredField::breaksALine(stored));
    const QString back = decodeAddress(stored);
    EXPECT_TRUE(back.startsWith(QStringLiteral("file:///media/")));
    EXPECT_EQ(QUrl(back).toLocalFile(), path);
}

TEST(Scrambling, ShiftsEveryByteByOne)
{
    EXPECT_EQ(Scrambling::scrambleAddress("abc"), QByteArray("`ab"));
    EXPECT_EQ(Scrambling::unscrambleAddress("`ab"), QByteArray("abc"));
    EXPECT_EQ(Scrambling::scrambleAddress(QByteArray("a\0", 2)), std::nullopt);
    EXPECT_EQ(Scrambling::unscrambleAddress("\xFF"), std::nullopt);
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Scrambling::unscrambleAddress(*Scrambling::scrambleAddress(all)), all);
}

TEST(Scrambling, DecryptRepeatsItsKeyAndUndoesItself)
{
    const auto once = Scrambling::decrypt("ab", "xyz");
    ASSERT_TRUE(once);
    EXPECT_EQ(static_cast<char>((*once)[2]), static_cast<char>('z' ^ 'a'));
    EXPECT_EQ(Scrambling::decrypt("OrvesaKt", *Scrambling::decrypt("OrvesaKt", "announcements")),
        QByteArray("announcements"));
    EXPECT_EQ(Scrambling::decrypt({}, "x"), std::nullopt);
}
