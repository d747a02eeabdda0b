#include "state/LanguageFile.h"
#include "state/Languages.h"

#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QByteArray utf16(const QString& text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

} // namespace

TEST(LanguageFileParse, SplitsOnCrLfAndKeepsTheByteOrderMark)
{
    const QStringList texts = LanguageFile::parse(utf16(QStringLiteral("\uFEFF&File\r\n&Open...\r\n")));
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0], QStringLiteral("\uFEFF&File"));
    EXPECT_EQ(texts[1], QStringLiteral("&Open..."));
    EXPECT_EQ(texts[2], QString());
}

TEST(LanguageFileParse, LoneCrOrLfDoNotSplit)
{
    const QStringList texts = LanguageFile::parse(utf16(QStringLiteral("a\rb\nc\r\nd")));
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0], QStringLiteral("a\rb\nc"));
}

TEST(LanguageFileParse, AnOddTrailingByteIsDropped)
{
    QByteArray bytes = utf16(QStringLiteral("\uFEFFab"));
    bytes.append('x');
    EXPECT_EQ(LanguageFile::parse(bytes), QStringList {QStringLiteral("\uFEFFab")});
}

TEST(LanguageFileParse, NonLatinTextsSurvive)
{
    const QString arabic = QString::fromUtf8("\xD9\x85\xD9\x84\xD9\x81"); // "ملف"
    EXPECT_EQ(LanguageFile::parse(utf16(arabic + QStringLiteral("\r\n")))[0], arabic);
}

// A file of `count` texts "T0".."Tn", each closed by CR LF, with a byte-order mark.
QByteArray languageBytes(int count)
{
    QString text = QStringLiteral("\uFEFF");
    for (int n = 0; n < count; ++n)
        text += QStringLiteral("T%1\r\n").arg(n);
    return utf16(text);
}

TEST(LanguageFileLoad, OnlyAWholeValidFileGivesTexts)
{
    TempFolder folder;
    const auto load = [&](const QByteArray& bytes) {
        return LanguageFile::load(folder.write(QStringLiteral("german"), bytes));
    };
    const LanguageFile::LoadResult good = load(languageBytes(137)); // 138 texts, the last empty
    EXPECT_TRUE(good.problem.isEmpty());
    EXPECT_EQ(good.texts.value(136), QStringLiteral("T136"));

    QByteArray loneSurrogate = languageBytes(140);
    loneSurrogate[4] = '\x00';
    loneSurrogate[5] = '\xD8';
    const std::pair<QByteArray, const char*> refused[] = {
        {QByteArray(), "is not UTF-16"},
        {languageBytes(140).toHex(), "is not UTF-16"}, // binary-looking text
        {QString::fromUtf8("&Datei\r\n").repeated(140).toUtf8(), "is not UTF-16"},
        {languageBytes(140).mid(2), "is not UTF-16"}, // no byte-order mark
        {languageBytes(140) + 'x', "is not UTF-16"}, // half a code unit
        {loneSurrogate, "is not UTF-16"},
        {utf16(QStringLiteral("\uFEFF&File")), "holds 1 line; 138 are needed"},
        {languageBytes(136), "holds 137 lines; 138 are needed"},
    };
    for (const auto& [bytes, problem] : refused) {
        const LanguageFile::LoadResult result = load(bytes);
        EXPECT_TRUE(result.problem.startsWith(QString::fromLatin1(problem))) << result.problem.toStdString();
        EXPECT_TRUE(result.texts.isEmpty());
    }
}

TEST(LanguageFileLoad, MissingFileAndFolderGiveTheSystemsDescription)
{
    TempFolder folder;
    EXPECT_TRUE(LanguageFile::load(folder.file(QStringLiteral("Language/english"))).problem.startsWith(QStringLiteral("cannot be read")));
    QDir(folder.path()).mkpath(QStringLiteral("Language/english"));
    EXPECT_TRUE(LanguageFile::load(folder.file(QStringLiteral("Language/english"))).problem.contains(QStringLiteral("folder")));
}

TEST(LanguageFileNames, OnlyPlainNamesAreLanguageFiles)
{
    EXPECT_TRUE(LanguageFile::isSafeName(QStringLiteral("english")));
    EXPECT_TRUE(LanguageFile::isSafeName(QStringLiteral("klingon")));
    EXPECT_FALSE(LanguageFile::isSafeName(QStringLiteral("../inf")));
    EXPECT_FALSE(LanguageFile::isSafeName(QStringLiteral("..")));
    EXPECT_FALSE(LanguageFile::isSafeName(QString()));
}

TEST(ShippedLanguageFiles, HaveTheFullStructure)
{
    const QDir folder(QStringLiteral(VIDORRA_DATA_DIR "/Language"));
    const QStringList files = folder.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_TRUE(bytes.startsWith("\xFF\xFE"));
        ASSERT_EQ(bytes.size() % 2, 0);
        EXPECT_TRUE(bytes.endsWith(QByteArray("\r\0\n\0", 4)));
        const QStringList texts = LanguageFile::parse(bytes);
        EXPECT_EQ(texts.size(), LanguageFile::kTextCount + 1); // the last, empty, after the final CR LF
        for (const QString& text : texts) {
            EXPECT_FALSE(text.contains(u'\r'));
            EXPECT_FALSE(text.contains(u'\n'));
        }
    }
}

TEST(ShippedLanguageFiles, TranslateTheMenus)
{
    const QDir folder(QStringLiteral(VIDORRA_DATA_DIR "/Language"));
    EXPECT_EQ(folder.entryList(QDir::Files).size(), 10);
    const QStringList english = LanguageFile::load(folder.filePath(QStringLiteral("english"))).texts;
    for (const QString& name : folder.entryList(QDir::Files)) {
        if (name == QStringLiteral("english"))
            continue;
        SCOPED_TRACE(name.toStdString());
        const QStringList texts = LanguageFile::load(folder.filePath(name)).texts;
        ASSERT_GE(texts.size(), LanguageFile::kTextCount);
        int differing = 0;
        for (int n : {0, 1, 3, 4, 5, 6, 7, 8, 9, 12, 14, 27, 28, 29, 30, 41, 42, 62, 69, 107})
            differing += texts[n] != english[n] ? 1 : 0;
        EXPECT_GE(differing, 15);
        EXPECT_TRUE(texts[117].endsWith(QStringLiteral("..."))); // its window caption drops them
        EXPECT_TRUE(texts[2].isEmpty());
        EXPECT_TRUE(texts[134].isEmpty());
    }
}
