// The keyboard behaviour shared by the main window's controls (ids 508 to
// 555, and the position bar, 556): the Tab and Shift+Tab focus order, the
// arrow keys on the channel operation radio buttons and which keys copy a
// control's value.
#pragma once

#include <cstdint>

namespace lomvex {

constexpr int kFirstControlId = 508;  // Play
constexpr int kLastControlId = 555;   // the last Easy Setting check box

// What the focus order depends on.
struct FocusFacts {
    int fftmode = 152;  // 152 graphic, 153 parametric, 154 Easy Setting
    int fftparam = 8;
    int radio = 511;                  // the radio button of the current channel operation
    uint64_t enabled = ~uint64_t{0};  // bit (id - 508): the control is enabled
    bool positionBar = false;         // the position bar is enabled (a song is open)

    bool Enabled(int id) const;
    void SetEnabled(int id, bool on);
};

// The control that Tab (or Shift+Tab, `backward`) moves the focus to from
// control `id`; 0 when the order has no entry for it (the key is still
// consumed). An enabled position bar comes between the panel's last
// control and the channel operation's radio button.
int FocusTarget(int id, bool backward, const FocusFacts& facts);

// The radio button that Up (or Down) selects from radio `id`: the
// neighbour, held to 511 .. 514.
int SteppedRadio(int id, bool down);

// The characters that copy a value with `useclip` on: "C", "c", Ctrl+C.
bool IsCopyCharacter(unsigned code);

}  // namespace lomvex
