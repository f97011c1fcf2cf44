// The reader's Japanese messages are stored as the Shift-JIS bytes of the
// quoted texts (the build encodes the UTF-8 sources).
#include "audiofile/reader_texts.h"
#include "base/base_texts.h"

#include <gtest/gtest.h>

#include "common/cp932.h"

namespace lomvex {
namespace {

using testing::Cp932;

TEST(ReaderJapaneseTexts, AreShiftJisBytes) {
    EXPECT_EQ(ja::kFileNameMissing, Cp932("ファイル名が未入力。"));
    EXPECT_EQ(ja::kNotRiffFile, Cp932("指定したファイルは、RIFFファイルではありません。"));
    EXPECT_EQ(ja::kRiffNoData, Cp932("RIFFファイルにデータ チャンクがありません。"));
    EXPECT_EQ(ja::kCantReadFmt, Cp932("形式チャンクを読み取れません。"));
    EXPECT_EQ(ja::kOutputAllocated, Cp932("他のソフトが再生回路を使っています。"));
    EXPECT_EQ(ja::kNoPlayDriver, Cp932("この形式を再生できるドライバがありません。"));
    EXPECT_EQ(ja::kNoRecordDriver, Cp932("サウンドドライバは、この形式を録音できません。"));
    EXPECT_EQ(ja::kBadDeviceId, Cp932("範囲外のデバイスIDが指定されました。"));
}

}  // namespace
}  // namespace lomvex
