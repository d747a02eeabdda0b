#include "base/FileIo.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

QByteArray varied(qsizetype size)
{
    std::mt19937 random(static_cast<unsigned>(size));
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

} // namespace

// Small files and large ones (read into memory taken at once) come back byte for byte,
// whatever their size against pages and large pages.
TEST(WholeFileRead, ReadsEverySizeByteForByte)
{
    const TempFolder folder;
    for (const qsizetype size :
        {0, 1, 4095, 512 * 1024 - 1, 512 * 1024, 2 * 1024 * 1024, 5 * 1024 * 1024 + 123}) {
        const QByteArray bytes = varied(size);
        const FileIo::ReadResult read = FileIo::readWholeFile(folder.write(QStringLiteral("list"), bytes));
        ASSERT_TRUE(read.ok()) << size << " " << read.error.toStdString();
        ASSERT_EQ(read.bytes.size(), size);
        EXPECT_TRUE(read.bytes == bytes) << size;
    }
}

TEST(WholeFileRead, RefusesAFileOverItsLimitAndAFolder)
{
    const TempFolder folder;
    const QString path = folder.write(QStringLiteral("list"), varied(600 * 1024));
    EXPECT_FALSE(FileIo::readWholeFile(path, 600 * 1024 - 1).ok());
    EXPECT_TRUE(FileIo::readWholeFile(path, 600 * 1024).ok());
    EXPECT_FALSE(FileIo::readWholeFile(folder.path()).ok());
    EXPECT_FALSE(FileIo::readWholeFile(folder.file(QStringLiteral("none"))).ok());
}
