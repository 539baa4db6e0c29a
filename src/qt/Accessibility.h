#pragma once

namespace quelvar {

// Gives assistive technology the painted controls: every number, star and
// size cell, the toolbar positions and the about box's links, with Spanish
// names, roles, states and the press action, which runs what a click runs.
// Call once, before the window is created.
void installAccessibility();

} // namespace quelvar
