// How mouse and keyboard notices move a button between its input states and
// which events go out. The state lives in two bits of StateFlags; the button
// is drawn pushed exactly when both are set.
//
//   state            ButtonHeld  PointerInside  drawn
//   idle             clear       clear          normal
//   hovering         clear       set            hover look
//   pressed          set         set            pushed
//   pressed-outside  set         clear          normal (the capture keeps the release coming)
//
// clang-format off
//   | from            | notice                           | to              | events, in order                       |
//   |-----------------|----------------------------------|-----------------|----------------------------------------|
//   | idle            | move with the cursor over it     | hovering        | MouseOnButton(true), MouseMove         |
//   | hovering        | hover tick, cursor elsewhere     | idle            | MouseOnButton(false)                   |
//   | hovering        | left press                       | pressed         | MouseDown(1); the window is captured   |
//   | pressed         | left release, then click notice  | hovering        | MouseUp(1), Click                      |
//   | pressed         | hover tick, cursor elsewhere     | pressed-outside | MouseOnButton(false)                   |
//   | pressed-outside | move back over the button        | pressed         | MouseOnButton(true), MouseMove         |
//   | pressed-outside | left release (no click notice)   | idle            | MouseUp(1)                             |
//   | any             | right or middle press, release   | unchanged       | MouseDown(b), MouseUp(b); no Click     |
//   | hovering        | double click (second press)      | pressed         | DoubleClick(1), MouseDown(1, 0, x, y)  |
//   | idle, hovering  | Space down                       | pressed*        | KeyDown(32)                            |
//   | pressed*        | Space up, command button         | hovering, idle  | Click, KeyUp(32)                       |
//   | pressed*        | Space up, check box or option    | hovering, idle  | KeyUp(32), Click (Value toggled first) |
//   | any             | arrow key down, up               | unchanged       | none: the key goes to the container    |
//   |                 |                                  |                 | window; an unchecked option button     |
//   |                 |                                  |                 | clicks on key up                       |
//   | any             | access key; Enter, Esc (command) | unchanged       | Click                                  |
//   | any             | Enter, Esc (check box, option)   | unchanged       | none                                   |
//   | any (disabled)  | press, click, key, access, focus | unchanged       | none                                   |
//   | any (disabled)  | release                          | not held        | MouseUp(b); a left one lets go         |
//
//   * Space while the pointer is elsewhere draws the pushed look once and
//     leaves pressed-outside until the release.
//   Every left release and every Space release repaints, in every mode.
// clang-format on
#pragma once

#include <cstdint>

class ztButtons_H;

// A disabled button takes no input: its host disabled it so that its command
// cannot run again while it is busy (the application processes events while
// it waits), so no notice may raise its events or change its state. Releases
// are the exception: they let go of a press that began while the button was
// enabled, and the host hears of each one.
bool AcceptsInput(const ztButtons_H& button);

// The press handling shared by the press notice and the double click:
// records the button, shows the pushed look for the left one, captures the
// mouse and raises MouseDown. Returns false when a handler destroyed the button.
bool HandlePress(ztButtons_H& button, std::int16_t mouseButton, std::int16_t shift, float x, float y);
