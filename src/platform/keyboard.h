// SPDX-License-Identifier: MIT
// The keyboard convention every window of the program shares: Enter moves to
// the next field in single-line edits (currency edits included), closed combo
// boxes, radio buttons and list boxes, presses a focused button and keeps its
// own meaning elsewhere (date pickers, check boxes, memos), since no window
// has a default button; Down-arrow opens a combo box's list and still reaches
// the box. Installed application-wide, it sees every event before it is
// dispatched.
#pragma once

class QEvent;
class QObject;
class QWidget;

namespace Keyboard {
// Applies the convention to one event; true when the event was replaced by a
// Tab or pressed a button, and must not be delivered.
bool applyConvention(QObject *receiver, QEvent *event);
// Leaves Enter its own meaning in every field of window: a viewer's find
// field or zoom box acts on Enter instead of moving on.
void exemptWindow(QWidget *window);
// Installs the convention on the application for the program's lifetime
// (editions without the start window, whose creation installs it); once.
void installConvention();
} // namespace Keyboard
