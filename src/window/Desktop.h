#pragma once

#include <string>

namespace quelvar {

enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Question };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// Everything the core needs from the world outside it. The Qt shell
// implements it for real; tests implement it with a scripted fake.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal message box; returns the button the user chose.
    virtual MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                 const std::string& title) = 0;

    // True when another instance of the program is already running.
    virtual bool anotherInstanceRunning() = 0;
};

} // namespace quelvar
