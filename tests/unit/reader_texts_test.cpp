// The reader's Japanese messages are stored as the Shift-JIS bytes of the
// quoted texts (the build encodes the UTF-8 sources).
#include "audiofile/reader_texts.h"
#include "base/base_texts.h"
#include "base/device_messages.h"

#include <gtest/gtest.h>

#include "common/cp932.h"
#include "common/recording_sink.h"
#include "resources/ids.h"

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

TEST(InputQueryMessages, NameWhatTheDeviceAnswered) {
    testing::RecordingSink sink;
    for (unsigned result : {2u, 4u, 6u, 7u, 32u, 35u, 99u}) ShowInputQueryMessage(result);
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"bad id", "allocated", "no driver", "nomem",
                                                      "#" + std::to_string(IDS_NO_SUPPORT_FORMAT),
                                                      "err_sync", "? error ?"}));
    for (const MessageBoxRequest& box : sink.boxes) {
        EXPECT_EQ(box.icon, BoxIcon::Exclamation);
        EXPECT_EQ(box.owner, BoxOwner::MainWindow);
    }
    sink.boxes.clear();
    SetJapaneseMessages(true);
    for (unsigned result : {2u, 4u, 6u, 7u, 32u, 35u, 99u}) ShowInputQueryMessage(result);
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{
                                Cp932("デバイスIDがおかしい"), Cp932("すでに割り当てられている"),
                                Cp932("ドライバが無い"), Cp932("メモリの割り当て等ができない"),
                                Cp932("サウンドドライバは、この形式を録音できません。"),
                                Cp932("WAVE_ALLOWSYNCを指定してない"), Cp932("不明なエラー")}));
}

}  // namespace
}  // namespace lomvex
