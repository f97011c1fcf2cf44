// The Japanese menu labels are the Shift-JIS bytes of the quoted texts; the
// older shells' labels carry the 0x1E/0x1F mnemonic mark.
#include "shell/shell_texts.h"

#include <gtest/gtest.h>

#include <set>

#include "common/cp932.h"
#include "display/display_texts.h"

namespace lomvex {
namespace {

using testing::Cp932;

// An older-shell label: text, 0x1E, the letter, 0x1F, a half-width kana, tail.
std::string Older(const char* head, char letter, const char* kana, const char* tail = ")") {
    return Cp932(head) + '\x1E' + letter + '\x1F' + Cp932(kana) + tail;
}

TEST(MenuLabels, PopupsAndItems) {
    EXPECT_EQ(ja::kMenuPopups[0].newStyle, Cp932("ファイル(&F)"));
    EXPECT_EQ(ja::kMenuPopups[0].olderShell, Older("ﾌｧｲﾙ(", 'F', "ﾌ"));
    EXPECT_EQ(ja::kMenuPopups[3].olderShell, Older("ﾍﾙﾌﾟ(", 'H', "ﾍ"));

    std::set<int> ids;
    for (const MenuLabel& label : ja::kMenuItems) ids.insert(label.positionOrId);
    EXPECT_EQ(
        ids, (std::set<int>{101, 102, 103, 104, 105, 106, 107, 111, 112, 113, 114, 150, 197, 198,
                            199, 508, 509, 510}));
    const MenuLabel& help = ja::kMenuItems[9];
    ASSERT_EQ(help.positionOrId, 106);
    EXPECT_EQ(help.newStyle, Cp932("ヘルプの表示(&H)...\tF1"));
    EXPECT_EQ(help.olderShell, Older("ﾍﾙﾌﾟの表示(", 'H', "ﾍ", ")...\tF1"));
    EXPECT_EQ(ja::kMenuItems[7].newStyle, Cp932("ﾎﾟｰｽﾞ(&P)"));
    EXPECT_EQ(ja::kMenuItems[8].olderShell, Older("ｵﾌﾟｼｮﾝ(", 'O', "ｵ", ")..."));
    EXPECT_EQ(ja::kMenuItems[10].newStyle, Cp932("バージョン情報(&A)..."));
    EXPECT_EQ(ja::kMenuItems[13].olderShell, Older("ｽﾍﾟｸﾄﾙ(", 'S', "ｽ"));
    EXPECT_EQ(ja::kMenuItems[14].newStyle, Cp932("ループ開始(&S)"));
    EXPECT_EQ(ja::kMenuItems[15].newStyle, Cp932("ループ終了(&E)"));
    EXPECT_EQ(ja::kMenuItems[16].olderShell, Older("ﾙｰﾌﾟ(", 'L', "ﾙ"));
    EXPECT_EQ(ja::kMenuItems[17].newStyle, Cp932("ループ解除"));
}

TEST(PanelTexts, ParametricToIsTwoBytesLikeTheEnglish) {
    EXPECT_EQ(ja::kParametricTo, Cp932("～"));
    EXPECT_EQ(std::string(ja::kParametricTo).size(), 2u);
}

}  // namespace
}  // namespace lomvex
