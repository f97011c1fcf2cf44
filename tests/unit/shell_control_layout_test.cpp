// The control panel table: creation order and ids, rectangles from half
// units, and what changes with the language and the shell.
#include <gtest/gtest.h>

#include <set>

#include "common/cp932.h"
#include "shell/control_layout.h"

namespace lomvex {
namespace {

using testing::Cp932;

// An odd unit shows the truncations; W = 4 · 7 + 256 = 284.
constexpr LayoutUnits kOddUnits{7, 7, 4};

void ExpectRect(const ControlDescriptor& control, int x, int y, int width, int height) {
    EXPECT_EQ(control.rect.x, x) << control.id;
    EXPECT_EQ(control.rect.y, y) << control.id;
    EXPECT_EQ(control.rect.width, width) << control.id;
    EXPECT_EQ(control.rect.height, height) << control.id;
}

TEST(ControlLayout, IdsInCreationOrder) {
    auto table = BuildControlLayout(kOddUnits, false, true);
    ASSERT_EQ(table.size(), kControlCount);
    const int head[] = {508, 509, 510, 516, 0, 511, 512, 513, 514, 0, 515};
    for (int k = 0; k < 11; ++k) EXPECT_EQ(table[k].id, head[k]) << k;
    EXPECT_EQ(table[11].id, 517);
    EXPECT_EQ(table[30].id, 536);
    const int tail[] = {537, 547, 548, 549, 550, 551, 552, 552, 553, 554, 555, 538};
    for (int k = 0; k < 12; ++k) EXPECT_EQ(table[31 + k].id, tail[k]) << k;
    EXPECT_EQ(table[38].role, ControlRole::Blank);
    EXPECT_EQ(table[50].id, 546);
    EXPECT_EQ(table[79].role, ControlRole::FieldLabel);

    // The subclassed ids 508..555 each name one control (552 also the blank).
    std::set<int> ids;
    for (const auto& control : table) {
        if (control.id == kNoControlId || control.role == ControlRole::Blank) continue;
        EXPECT_TRUE(ids.insert(control.id).second) << control.id;
    }
    EXPECT_EQ(ids.size(), 48u);
    EXPECT_EQ(*ids.rbegin() - *ids.begin(), 47);
}

TEST(ControlLayout, RectanglesFromHalfUnitsAreCut) {
    auto table = BuildControlLayout(kOddUnits, false, true);
    ExpectRect(table[2], 284 - 56, 63, 49, 28);          // Pause
    ExpectRect(table[5], 10, 28, 105, 14);               // radio: 3 · 7 div 2
    ExpectRect(table[10], 70, 98, 175, 14);              // balance: 284 − 213.5
    ExpectRect(table[11 + 3], 44, 226, 12, 70);          // bar 3: 37.5 + 7
    ExpectRect(table[31], 263, 278, 42, 17);             // Reset: 278.5, 17.5
    ExpectRect(table[36], 7, 26 * 7 + 102, 147, 15);     // Bass
    ExpectRect(table[42 + 5], 147, 249, 35, 24);         // row 1, gain field
    ExpectRect(table[71 + 7], 77, 24 * 7 + 104, 42, 7);  // row 2, "to"
    for (int j = 0; j < 20; ++j) {                       // each bar label one pixel inside its bar
        const ControlRect& bar = table[11 + j].rect;
        ExpectRect(table[51 + j], bar.x + 1, bar.y + 1, bar.width - 2, bar.height - 2);
    }
}

TEST(ControlLayout, StylesAndFrames) {
    auto newer = BuildControlLayout(kOddUnits, false, true);
    auto older = BuildControlLayout(kOddUnits, false, false);
    for (int k = 11; k < 51; ++k) EXPECT_FALSE(newer[k].visible) << k;  // shown per mode
    EXPECT_TRUE(newer[31].groupStart && !newer[31].tabStop);
    EXPECT_TRUE(newer[11].tabStop && newer[32].tabStop && !newer[38].tabStop);
    EXPECT_EQ(newer[30].frame, ControlFrame::Border);
    EXPECT_EQ(older[10].frame, ControlFrame::None);
    EXPECT_EQ(older[42].frame, ControlFrame::Border);
}

TEST(ControlLayout, JapaneseTextsAndWidths) {
    constexpr LayoutUnits units{6, 5, 5};
    auto en = BuildControlLayout(units, false, true);
    auto ja = BuildControlLayout(units, true, true);
    EXPECT_EQ(ja[0].text, Cp932("演奏"));
    EXPECT_EQ(ja[2].text, "Pause");
    EXPECT_EQ(ja[4].text, Cp932("左右ﾁｬﾝﾈﾙ処理"));
    EXPECT_EQ(ja[8].text, Cp932("L-R(ﾏｲﾅｽﾜﾝ)"));
    EXPECT_EQ(ja[32].text, Cp932("ソプラノ(320～906)"));
    EXPECT_EQ(ja[33].text, Cp932("ﾒｿﾞｿﾌﾟﾗﾉ(226～641)"));
    EXPECT_EQ(ja[51].text, Cp932("ｸﾞﾗｲｺ"));
    EXPECT_EQ(ja[71].text, "from");
    EXPECT_EQ(en[4].text, "channel opelation");
    EXPECT_EQ(en[10].text, Cp932("バランス"));  // Shift-JIS in both languages
    EXPECT_EQ(en[30].text, Cp932("グライコバー 20"));

    EXPECT_EQ(en[33].rect.width, 23 * 6);
    EXPECT_EQ(ja[33].rect.width, 21 * 6);
    ExpectRect(en[38], 24 * 6, 199, 11 * 6, 11);
    ExpectRect(ja[38], 22 * 6, 199, 13 * 6, 11);
    EXPECT_EQ(en[42].rect.height, 18);
    EXPECT_EQ(ja[42].rect.height, 15);
}

}  // namespace
}  // namespace lomvex
