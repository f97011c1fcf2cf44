// The control panel table: ids, texts, styles and rectangles of the main
// window's 80 child controls. Half units are cut toward zero, so 12.5·j
// is written (25·j) / 2 and so on; every such value is non-negative.
#include "shell/control_layout.h"

#include <utility>

#include "resources/ids.h"
#include "shell/scroll_rules.h"
#include "shell/settings.h"
#include "shell/shell_texts.h"

namespace lomvex {
namespace {

constexpr char kDropTargetText[] = "             ";  // thirteen spaces

struct Texts {
    const char* play;
    const char* stop;
    const char* channelGroup;
    const char* radios[kRadioCount];
    const char* balanceLabel;
    const char* barLabel;
    const char* presets[kPresetCount];  // id order; 552 is "Octave Cut"
};

const Texts kEnglish = {
    "Play",
    "Stop",
    "channel opelation",
    {"nothing", "balance adjust", "L+R(monaural)", "L-R(minusOne)"},
    "balance",
    "equalizer",
    {"Soprano(E4-A5)", "Mezzosoprano(Bb3-Eb5)", "Alto/Tenor(E3-A4)", "Baritone(Bb2-Eb4)",
     "Bass(E2-A3)", "Octave Cut", "high boost", "low boost", "Subsonic"},
};

const Texts kJapanese = {
    ja::kPlay,
    ja::kStop,
    ja::kChannelGroup,
    {ja::kNothing, ja::kBalanceAdjust, ja::kMonaural, ja::kMinusOne},
    ja::kBalanceLabel,
    ja::kEqualizerLabel,
    {ja::kSoprano, ja::kMezzosoprano, ja::kAltoTenor, ja::kBaritone, ja::kBass, ja::kOctaveCut,
     ja::kHighBoost, ja::kLowBoost, ja::kSubsonic},
};

const char* const kFieldLabelTexts[3] = {"from", "to", "decibel"};

// Field column c: x and width in units of unitX.
constexpr int kFieldColumnX[3] = {1, 11, 21};
constexpr int kFieldColumnWidth[3] = {6, 6, 5};

// Style flags as the control table writes them.
enum : unsigned { kV = 1, kD = 2, kT = 4, kG = 8 };

class TableBuilder {
   public:
    TableBuilder(std::vector<ControlDescriptor>& table, const LayoutUnits& units, bool japanese,
                 bool newStyleShell)
        : units(units),
          japanese(japanese),
          texts(japanese ? kJapanese : kEnglish),
          scrollFrame(newStyleShell ? ControlFrame::Border : ControlFrame::None),
          fieldFrame(newStyleShell ? ControlFrame::ClientEdge : ControlFrame::Border),
          table_(table) {}

    void Add(ControlRole role, int index, int id, ControlKind kind, std::string text,
             unsigned flags, ControlRect rect, ControlFrame frame = ControlFrame::None) {
        table_.push_back({role, index, id, kind, std::move(text), (flags & kV) != 0,
                          (flags & kD) != 0, (flags & kT) != 0, (flags & kG) != 0, frame, rect});
    }

    const LayoutUnits& units;
    const bool japanese;
    const Texts& texts;
    const ControlFrame scrollFrame;
    const ControlFrame fieldFrame;

   private:
    std::vector<ControlDescriptor>& table_;
};

void AddButtonsAndChannelGroup(TableBuilder& add) {
    const LayoutUnits& u = add.units;
    const int x = ClientWidth(u) - 8 * u.unitX;
    add.Add(ControlRole::Play, 0, IDM_PLAY, ControlKind::PushButton, add.texts.play, kV | kD,
            {x, u.unitY, 7 * u.unitX, 4 * u.unitY});
    add.Add(ControlRole::Stop, 0, IDM_STOP, ControlKind::PushButton, add.texts.stop, kV | kD,
            {x, 5 * u.unitY, 7 * u.unitX, 4 * u.unitY});
    add.Add(ControlRole::Pause, 0, IDM_PAUSE, ControlKind::PushButton, "Pause", kV | kD,
            {x, 9 * u.unitY, 7 * u.unitX, 4 * u.unitY});

    const ControlRect groupRect{u.unitX, u.unitY, 16 * u.unitX, 12 * u.unitY};
    add.Add(ControlRole::DropTarget, 0, IDC_DROP_TARGET, ControlKind::Static, kDropTargetText, kV,
            groupRect);
    add.Add(ControlRole::ChannelGroup, 0, kNoControlId, ControlKind::GroupBox,
            add.texts.channelGroup, kV, groupRect);
    for (int r = 0; r < kRadioCount; ++r)
        add.Add(ControlRole::Radio, r, IDC_CHANNEL_NOTHING + r, ControlKind::RadioButton,
                add.texts.radios[r], kV,
                {3 * u.unitX / 2, (4 + 2 * r) * u.unitY, 15 * u.unitX, 2 * u.unitY});
}

void AddBalance(TableBuilder& add) {
    const LayoutUnits& u = add.units;
    add.Add(ControlRole::BalanceLabel, 0, kNoControlId, ControlKind::Static, add.texts.balanceLabel,
            kV, {u.unitX, 14 * u.unitY, 7 * u.unitX, 2 * u.unitY});
    add.Add(ControlRole::Balance, 0, IDC_BALANCE, ControlKind::HorizontalScrollBar,
            kBalanceBarWindowText, kV | kG | kT,
            {(2 * ClientWidth(u) - 61 * u.unitX) / 2, 14 * u.unitY, 25 * u.unitX, 2 * u.unitY},
            add.scrollFrame);
}

void AddBars(TableBuilder& add) {
    const LayoutUnits& u = add.units;
    for (int j = 0; j < kBarCount; ++j)
        add.Add(ControlRole::Bar, j, IDC_BAR_FIRST + j, ControlKind::VerticalScrollBar, BarName(j),
                kT, {(25 * j + 2 * u.unitX) / 2, 18 * u.unitY + 100, 12, 10 * u.unitY},
                add.scrollFrame);
    add.Add(ControlRole::Reset, 0, IDC_RESET, ControlKind::PushButton, "Reset", kG,
            {u.unitX + 256, (51 * u.unitY + 200) / 2, 6 * u.unitX, 5 * u.unitY / 2});
}

void AddPresets(TableBuilder& add) {
    const LayoutUnits& u = add.units;
    const int height = 2 * u.unitY + 1;
    auto rowTop = [&u](int row) { return (18 + 2 * row) * u.unitY + 98 + row; };
    // Left column: the five voice ranges in rows 0..4.
    for (int k = 0; k < 5; ++k) {
        int width = (k == 1 && !add.japanese ? 23 : 21) * u.unitX;
        add.Add(ControlRole::Preset, k, IDC_SOPRANO + k, ControlKind::CheckBox,
                add.texts.presets[k], kT, {u.unitX, rowTop(k), width, height});
    }
    // Right column: "Octave Cut", the blank static in row 1, then the boosts.
    const int x = 22 * u.unitX, width = 13 * u.unitX;
    add.Add(ControlRole::Preset, 5, IDC_OCTAVE_CUT, ControlKind::CheckBox, add.texts.presets[5], kT,
            {x, rowTop(0), width, height});
    add.Add(ControlRole::Blank, 0, IDC_OCTAVE_CUT, ControlKind::Static, "", 0,
            {(add.japanese ? 22 : 24) * u.unitX, rowTop(1), (add.japanese ? 13 : 11) * u.unitX,
             height});
    for (int k = 6; k < kPresetCount; ++k)
        add.Add(ControlRole::Preset, k, IDC_SOPRANO + k, ControlKind::CheckBox,
                add.texts.presets[k], kT, {x, rowTop(k - 4), width, height});
}

void AddFields(TableBuilder& add) {
    const LayoutUnits& u = add.units;
    for (int i = 0; i < kFieldRows; ++i)
        for (int c = 0; c < 3; ++c)
            add.Add(ControlRole::Field, 3 * i + c, IDC_FIELD_FIRST + 3 * i + c, ControlKind::Edit,
                    "", 0,
                    {kFieldColumnX[c] * u.unitX, FieldRowTop(u, i), kFieldColumnWidth[c] * u.unitX,
                     FieldHeight(u, add.japanese)},
                    add.fieldFrame);
}

void AddLabels(TableBuilder& add) {
    const LayoutUnits& u = add.units;
    for (int j = 0; j < kBarCount; ++j)
        add.Add(ControlRole::BarLabel, j, kNoControlId, ControlKind::Static, add.texts.barLabel, kV,
                {(25 * j + 2 * u.unitX + 2) / 2, 18 * u.unitY + 101, 10, 10 * u.unitY - 2});
    for (int i = 0; i < kFieldRows; ++i)
        for (int c = 0; c < 3; ++c)
            add.Add(ControlRole::FieldLabel, 3 * i + c, kNoControlId, ControlKind::Static,
                    kFieldLabelTexts[c], kV,
                    {kFieldColumnX[c] * u.unitX, FieldRowTop(u, i), kFieldColumnWidth[c] * u.unitX,
                     u.unitY});
}

}  // namespace

const char* ControlClassName(ControlKind kind) {
    switch (kind) {
        case ControlKind::PushButton:
        case ControlKind::GroupBox:
        case ControlKind::RadioButton:
        case ControlKind::CheckBox:
            return "BUTTON";
        case ControlKind::Static:
            return "STATIC";
        case ControlKind::HorizontalScrollBar:
        case ControlKind::VerticalScrollBar:
            return "SCROLLBAR";
        case ControlKind::Edit:
            return "EDIT";
    }
    return "STATIC";
}

int FieldRowTop(const LayoutUnits& units, int row) {
    return (3 * row + 18) * units.unitY + 2 * row + 100;
}

int FieldHeight(const LayoutUnits& units, bool japanese) {
    return 3 * units.unitY + (japanese ? 0 : 3);
}

std::vector<ControlDescriptor> BuildControlLayout(const LayoutUnits& units, bool japanese,
                                                  bool newStyleShell) {
    std::vector<ControlDescriptor> table;
    table.reserve(kControlCount);
    TableBuilder add(table, units, japanese, newStyleShell);
    AddButtonsAndChannelGroup(add);
    AddBalance(add);
    AddBars(add);
    AddPresets(add);
    AddFields(add);
    AddLabels(add);
    return table;
}

}  // namespace lomvex
