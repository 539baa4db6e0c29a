#pragma once

namespace quelvar {

// The key codes the dialogs' key-press handlers receive.
constexpr int TeclaEscape = 27;

} // namespace quelvar
