// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps command keys out of text boxes: a key pressed with Alt, Ctrl or the
// logo key never types its character into a text box, as the classic edit
// controls never did. The key still reaches the box (Ctrl+C, Ctrl+V and the
// other edit commands work as before); only its text is dropped. Characters
// typed with AltGr (the third level of European layouts) still type.
#pragma once

class QKeyEvent;
class QObject;

namespace quillbox {

/// True when `event` would type its text although it is a command key: it
/// carries text and its modifiers hold Alt, Ctrl or Meta, except Ctrl+Alt
/// together (AltGr as Windows reports it) and the group switch (AltGr as
/// some X11 layouts report it).
bool isCommandKeyWithText(const QKeyEvent& event);

/// Guards the text boxes under `target`: pass the application to guard
/// every text box of the program (installed once however often asked), or
/// one text box to guard just that box. A text box is a widget that takes
/// input-method text (line edits, text edits, spin boxes). The guard is
/// owned by `target` and lives as long as it.
void installTypingGuard(QObject* target);

} // namespace quillbox
