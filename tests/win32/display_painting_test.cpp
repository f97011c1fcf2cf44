// The displays painted with GDI into a memory bitmap: the operation
// painter, the level meter fed from the engine's buffers, the graph area,
// and the level warning box.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "display/draw_list.h"
#include "audiofile/format_state.h"
#include "display/level_meter.h"
#include "display/win32/draw_list_painter.h"
#include "display/win32/run_display.h"
#include "base/run_state.h"
#include "display/win32/balance_text.h"
#include "base/program_state.h"
#include "win32/capturing_sink.h"

namespace lomvex {
namespace {

constexpr int kUx = 6;
constexpr int kUy = 6;

// A 400 × 400 memory bitmap selected into its own context, white at start.
class MemoryCanvas {
   public:
    MemoryCanvas() {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, 400, 400);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
        PatBlt(dc_, 0, 0, 400, 400, WHITENESS);
    }
    ~MemoryCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

   private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

TEST(DisplayPainting, OperationsPaintAndLeaveTheContextAsItWas) {
    MemoryCanvas canvas;
    HDC dc = canvas.dc();
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkMode(dc, OPAQUE);
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);

    DrawList list;
    list.Fill(0, 0, 10, 10, Rgb(255, 0, 0));
    list.Fill(10, 0, 10, 10, Rgb(255, 0, 0));
    list.Fill(20, 0, 10, 10, Rgb(0, 0, 128));
    list.Blackness(0, 20, 10, 10);
    list.Whiteness(2, 22, 2, 2);
    list.WhitePen();
    list.MoveTo(40, 20);
    list.LineTo(40, 30);
    list.TextColour(Rgb(255, 255, 0));
    list.TransparentBack();
    list.LabelFont(-9);
    list.Text(0, 40, "LEFT");
    list.TextColour(SystemColour(kSysColourButtonText));
    PaintDrawList(dc, list);

    EXPECT_EQ(canvas.At(5, 5), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(15, 5), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(25, 5), RGB(0, 0, 128));
    EXPECT_EQ(canvas.At(5, 25), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(3, 23), RGB(255, 255, 255));
    bool textDrawn = false;  // in whatever font the mapper found: some pixels changed
    for (int y = 38; y < 60; ++y)
        for (int x = 0; x < 60; ++x) textDrawn |= canvas.At(x, y) != RGB(255, 255, 255);
    EXPECT_TRUE(textDrawn);

    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
}

// The parametric fields' unit labels carry the value-text colours
// themselves (grey behind black text; dark grey in the dark scheme), even
// though the balance text before them restores the context.
TEST(DisplayPainting, ParametricLabelsAreDrawnInTheValueTextColours) {
    program = ProgramState{};
    program.units = {kUx, kUy, 4};
    for (bool dark : {false, true}) {
        program.darkScheme = dark;
        MemoryCanvas canvas;
        DrawBalanceText(canvas.dc());
        DrawParametricLabels(canvas.dc());
        const COLORREF back = dark ? RGB(128, 128, 128) : RGB(192, 192, 192);
        // The top-left corner of each label's cell is background.
        for (int row = 0; row < 3; ++row) {
            const int y = (3 * row + 18) * kUy + 2 * row + 100;
            EXPECT_EQ(canvas.At(8 * kUx, y), back) << "to, row " << row;
            EXPECT_EQ(canvas.At(27 * kUx, y), back) << "db, row " << row;
        }
    }
    program = ProgramState{};
}

class MeterPaintingTest : public ::testing::Test {
   protected:
    void SetUp() override {
        program = ProgramState{};
        program.units = {kUx, kUy, 4};
        program.settings.levelwarning = 0;
        formatState = FormatState{};
        formatState.layout = 3;
        formatState.tag = 1;
        run = RunState{};
        run.oneTimeLength = 16384;
        meterState = MeterState{};
        // Left channel at -32768, right channel quiet.
        for (int i = 0; i < 4096; ++i) {
            for (uint8_t b : {0x00, 0x80, 0x10, 0x00}) buffer_.push_back(b);
        }
    }
    void TearDown() override {
        run = RunState{};
        program = ProgramState{};
    }

    std::vector<uint8_t> buffer_;
};

TEST_F(MeterPaintingTest, LoudBufferLightsTheOverloadSegment) {
    MemoryCanvas canvas;
    ResetLevelMeter();
    DrawLevels(canvas.dc(), buffer_.data(), static_cast<uint32_t>(buffer_.size()));
    const int row0 = 30 * kUy + 100, row1 = 32 * kUy + 100;
    EXPECT_EQ(canvas.At(26 * kUx + 1, row0 + 1), RGB(255, 0, 0));  // overload lit
    EXPECT_EQ(canvas.At(26 * kUx + 1, row1 + 1), RGB(128, 0, 0));  // right: not
    EXPECT_EQ(meterState.heldPeak[0], 34816u);
    EXPECT_EQ(meterState.overCount, 1);
    ResetHeldPeaks();
    EXPECT_EQ(meterState.heldPeak[0], 0u);
    ResetLevelMeter();
    EXPECT_EQ(meterState.maxLevel, 0u);
    EXPECT_EQ(meterState.overCount, 0);

    // Neither PCM nor decoded: a text instead of bars, nothing counted.
    formatState.tag = 0x55;
    MemoryCanvas other;
    DrawLevels(other.dc(), buffer_.data(), static_cast<uint32_t>(buffer_.size()));
    EXPECT_EQ(meterState.maxLevel, 0u);
    EXPECT_EQ(other.At(26 * kUx + 1, row0 + 1), RGB(255, 255, 255));  // no bar

    DrawLevels(other.dc(), nullptr, 4096);  // no buffer: nothing drawn
}

TEST_F(MeterPaintingTest, TheFirstStepOfARunAndTheWarningBox) {
    SetInitialScanStep(44100, 2);
    EXPECT_EQ(meterState.scanStep, 16u);

    testing::CapturingSink sink;
    meterState.maxLevel = 32767;
    meterState.overCount = 2;
    ShowLevelWarning(true);
    meterState.maxLevel = 0;
    ShowLevelWarning(false);
    ASSERT_EQ(sink.boxes.size(), 2u);
    EXPECT_EQ(sink.boxes[0].text, "Max level +0.0db\nLevel over times 2");
    EXPECT_EQ(sink.boxes[0].caption, "Level Over");
    EXPECT_EQ(sink.boxes[0].owner, BoxOwner::None);
    EXPECT_EQ(sink.boxes[1].text, "Max level -99.0db");
    EXPECT_EQ(sink.boxes[1].caption, "Level Under");
    EXPECT_EQ(sink.boxes[1].owner, BoxOwner::MainWindow);
}

}  // namespace
}  // namespace lomvex
