#pragma once

namespace arbovane {

class FileSystem;
class Messenger;
class Shell;
class Text;
struct ProgramSettings;

// The ports and the process-wide settings every window works with; owned by the program entry
// (or a test) and outliving every window.
struct GuiContext {
    FileSystem& fs;
    const Text& text;
    Messenger& messenger;
    Shell& shell;
    ProgramSettings& settings;
};

}  // namespace arbovane
