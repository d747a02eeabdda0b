// Language files: whatever the bytes, texts only for a whole, valid file of 138 lines or more.
#include "FuzzCheck.h"

#include "state/LanguageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzzInput(data, size);
    const LanguageFile::LoadResult result = LanguageFile::check(bytes);
    FUZZ_CHECK(result.problem.isEmpty() != result.texts.isEmpty());
    if (result.problem.isEmpty()) {
        FUZZ_CHECK(result.texts.size() >= LanguageFile::kTextCount);
        FUZZ_CHECK(bytes.startsWith("\xff\xfe"));
    }
    LanguageFile::parse(bytes);
    LanguageFile::isSafeName(QString::fromUtf8(bytes));
    return 0;
}
