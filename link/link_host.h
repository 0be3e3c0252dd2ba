#pragma once

// What a transfer needs from the window that shows it: the state line, the progress bar, the
// file-name field, the port list and lamp, the main panel, and the flag that says the window
// is still open. The communication dialog implements it; the command line has a terminal
// version; tests record every call.

#include <string>

namespace orvane {

class LinkHost
{
public:
    virtual ~LinkHost() = default;
    // False once the dialog closed (or the terminal user pressed Ctrl-C): every wait ends.
    virtual bool Link_Running() const = 0;
    // Lets pending window messages run, so Cancel and the port list stay usable.
    virtual void Process_Messages() = 0;
    // The state line (Edit_Start): status and progress texts.
    virtual void Show_Status(const std::string &text) = 0;
    // Sets the progress bar to range 0..max with the given step, advances it by one step and
    // lets pending window messages run.
    virtual void Show_Progress(int max, int step) = 0;
    // The file-name field (Edit_FileName).
    virtual void Show_File_Name(const std::string &path) = 0;
    // Panel_Form: the port list and fields; disabled from the handshake until a failure.
    virtual void Set_Panel_Enabled(bool enabled) = 0;
    // The item index of the port list (CB_Com), -1 when none is selected.
    virtual int Selected_Port_Index() const = 0;
    // The port-state lamp: true bright green, false red.
    virtual void Show_Port_State(bool open) = 0;
    // An error box with an OK button (on a terminal: a line on stderr).
    virtual void Port_Error(const std::string &message) = 0;
    // A file that cannot be read or written; it reaches the user the way port errors do
    // unless the window has a better place for it.
    virtual void File_Error(const std::string &message) { Port_Error(message); }
};

} // namespace orvane
