#include "state/LanguageFile.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

// Every shipped language against the rules the program and its users rely on: no two
// entries of one menu or dialog underline the same letter, an "&" always marks a letter,
// and the texts the program joins or cuts keep their shape.
namespace {

// The texts shown together, by language text number; -1 stands for the fixed "&Delete".
const std::vector<std::pair<const char*, std::vector<int>>> kGroups = {
    {"menu bar", {0, 4, 8, 27, 12}},
    {"File menu", {1, 107, 3}},
    {"Options menu", {5, 117, 132, 133, 6, 62, 7, 69}},
    {"Favorite menu", {9, 41, 42}},
    {"Help menu", {13, 14}},
    {"tray menu", {13, 14, 10, 104, 103, 3}},
    {"Options dialog", {47, 59}},
    {"turn-off dialog", {78, 79, 80}},
    {"favorite dialog", {100, 101, 102}},
    {"program time editor", {79, 102, 100}},
    {"scheduled programs list", {126, 102, -1, 100}},
};

QStringList textsOf(const QString& language)
{
    return LanguageFile::load(QStringLiteral(VIDORRA_DATA_DIR "/Language/") + language).texts;
}

// The letter after the single "&" of a caption, lower-cased; nothing for a caption without one.
std::optional<QChar> accelerator(const QString& caption)
{
    const qsizetype at = caption.indexOf(u'&');
    if (at < 0 || at + 1 >= caption.size())
        return std::nullopt;
    return caption[at + 1].toLower();
}

class Translations : public ::testing::TestWithParam<const char*> {
protected:
    QStringList texts = textsOf(QString::fromLatin1(GetParam()));
    QString text(int n) const { return n < 0 ? QStringLiteral("&Delete") : texts.value(n); }
};

} // namespace

TEST_P(Translations, NoTwoEntriesOfAMenuOrDialogShareAnAccessKey)
{
    ASSERT_GE(texts.size(), LanguageFile::kTextCount);
    for (const auto& [group, members] : kGroups) {
        std::map<QChar, int> taken;
        for (int n : members) {
            const QString caption = n == 0 ? text(0).mid(1) : text(n); // text 0 carries the byte-order mark
            const std::optional<QChar> key = accelerator(caption);
            if (!key)
                continue;
            const auto [it, fresh] = taken.emplace(*key, n);
            EXPECT_TRUE(fresh) << group << ": texts " << it->second << " and " << n << " both use "
                               << QString(*key).toStdString();
        }
    }
}

TEST_P(Translations, EveryAmpersandMarksALetter)
{
    for (int n = 0; n < LanguageFile::kTextCount; ++n) {
        const QString caption = n == 0 ? text(0).mid(1) : text(n);
        for (qsizetype at = caption.indexOf(u'&'); at >= 0; at = caption.indexOf(u'&', at + 1)) {
            const bool letter = at + 1 < caption.size() && caption[at + 1].isLetter();
            EXPECT_TRUE(letter) << "text " << n << ": " << caption.toStdString();
        }
    }
}

TEST_P(Translations, TheShapesTheProgramReliesOnStay)
{
    EXPECT_TRUE(text(45).endsWith(u' ') && !text(45).endsWith(QStringLiteral("  "))) << text(45).toStdString();
    EXPECT_TRUE(text(61).startsWith(u' ') && text(61).endsWith(u' ')) << text(61).toStdString();
    EXPECT_TRUE(text(95).endsWith(u' ')) << text(95).toStdString();
    for (int n : {7, 117})
        EXPECT_TRUE(text(n).endsWith(QStringLiteral("..."))) << n; // their windows' titles cut them
    for (int n : {24, 33, 34})
        EXPECT_FALSE(text(n).trimmed().endsWith(u':')) << n; // the program adds " :"
    static const QRegularExpression pattern(QStringLiteral("\\*\\.|\\("));
    for (int n = 37; n <= 40; ++n)
        EXPECT_FALSE(pattern.match(text(n)).hasMatch()) << n; // the program adds the patterns
    // The Options dialog's title is text 4 without its first character, its "&".
    EXPECT_TRUE(text(4).startsWith(u'&')) << text(4).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Shipped, Translations,
    ::testing::Values("english", "german", "french", "spanish", "italian", "portuguese", "dutch", "russian", "greek",
        "arabic"));
