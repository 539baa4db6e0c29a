#pragma once

namespace quelvar {

// Qt speaks Spanish too: its dialogs, buttons, dates, numbers and file types.
// The menus keep the key names as the program writes them ("Ctrl+A"), which
// Qt's own translation would spell out. Call once, before any widget.
void speakSpanish();

} // namespace quelvar
