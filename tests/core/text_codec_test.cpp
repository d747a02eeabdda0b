#include "base/TextCodec.h"

#include <gtest/gtest.h>

TEST(EightBitText, ValidUtf8IsDecodedAsUtf8)
{
    EXPECT_EQ(TextCodec::decodeEightBit("Z\xC3\xBCrich \xE2\x82\xAC \xF0\x9F\x93\xBA"),
        QString::fromUtf8("Zürich € 📺"));
}

TEST(EightBitText, InvalidBytesFallBackToWindows1252)
{
    EXPECT_EQ(
        TextCodec::decodeEightBit("Z\xFCrich \x80 \x93quoted\x94"), QString::fromUtf8("Zürich € “quoted”"));
}

TEST(EightBitText, MixedFilesKeepBothReadings)
{
    EXPECT_EQ(TextCodec::decodeEightBit("caf\xC3\xA9 caf\xE9"), QString::fromUtf8("café café"));
}

TEST(EightBitText, TruncatedAndOverlongSequencesAreSingleBytes)
{
    EXPECT_EQ(TextCodec::decodeEightBit("\xE2\x82"), QString::fromUtf8("â‚"));
    EXPECT_EQ(TextCodec::decodeEightBit("\xC0\xAF"), QString::fromUtf8("À¯"));
    EXPECT_EQ(TextCodec::decodeEightBit("\xED\xA0\x80").size(), 3); // a surrogate is not text
}

TEST(EightBitText, EncodingWritesUtf8)
{
    EXPECT_EQ(TextCodec::encodeEightBit(QString::fromUtf8("Zürich")), QByteArray("Z\xC3\xBCrich"));
}

TEST(EightBitText, CharactersBeyondSixteenBitsSurviveBesideWindows1252Bytes)
{
    // A film clapper (four UTF-8 bytes, two UTF-16 units) beside a lone 0x80 (the euro sign).
    EXPECT_EQ(TextCodec::decodeEightBit("\xF0\x9F\x8E\xAC \x80 caf\xC3\xA9"),
        QString::fromUtf8("\xF0\x9F\x8E\xAC \xE2\x82\xAC caf\xC3\xA9"));
    EXPECT_EQ(TextCodec::decodeEightBit("\xF0\x9F\x8E\xAC caf\xC3\xA9"), QString::fromUtf8("\xF0\x9F\x8E\xAC caf\xC3\xA9"));
}

TEST(EightBitText, ByteOrderMarksAndEncodedSurrogatesReadAsBefore)
{
    // A UTF-8 byte order mark before valid text is dropped.
    EXPECT_EQ(TextCodec::decodeEightBit("\xEF\xBB\xBF" "abc"), QStringLiteral("abc"));
    // An encoded surrogate half is no UTF-8: its bytes are read one by one.
    EXPECT_EQ(TextCodec::decodeEightBit("a\xED\xA0\x80" "b"),
        QStringLiteral("a") + QChar(0x00ED) + QChar(0x00A0) + QChar(0x20AC) + QStringLiteral("b"));
}
