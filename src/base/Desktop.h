#pragma once

#include "base/Formularios.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace quelvar {

enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Question };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// The parameters of an open or save-as dialog.
struct FileDialog {
    enum class Mode { Open, SaveAs } mode = Mode::Open;
    std::string title;
    std::string filterName;    // "Quelvar"
    std::string filterPattern; // "*.qlv"
    std::string initialDir;    // empty: the dialog's own default
    std::string defaultSuffix; // added to a typed name without one (save-as)
};

// The outcome of a file operation: ok, or an error code and its description.
struct FileResult {
    bool ok = true;
    int code = 0;
    std::string description;
    std::string bytes; // what was read
};

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
    // The bet file the program was started to open, if it was given one.
    virtual std::optional<std::string> startFile() = 0;
    // Gives a path to the instance already running, which opens it; false
    // when that instance did not take it.
    virtual bool handOver(const std::string& path) = 0;

    // A modal file dialog: the chosen full path, or nothing when cancelled.
    virtual std::optional<std::string> fileDialog(const FileDialog& dialog) = 0;

    // The value of an environment variable, empty when unset.
    virtual std::string environment(const std::string& name) = 0;

    // The whole content of a file; a file larger than maxBytes is refused
    // without being read, and so is an empty one.
    virtual FileResult readFile(const std::string& path, std::size_t maxBytes) = 0;

    // Replaces a file's content in one step: on failure the old file stays as
    // it was.
    virtual FileResult writeFile(const std::string& path, const std::string& bytes) = 0;

    // The time of day, as finely as the system tells it; it reseeds the
    // random draw.
    virtual std::uint64_t clockReading() = 0;

    // Shows one of the dialogs modally; returns when it has been closed.
    virtual void showModal(Formulario form) = 0;

    // The shell's "open" of a document or address with a verb. Whether it
    // worked is not asked.
    virtual void shellOpen(const std::string& verb, const std::string& target) = 0;
};

} // namespace quelvar
