#pragma once

// The communication dialog's part in a transfer, on a terminal: state texts one per line on
// the standard output (a text repeated at once is printed once), progress texts as a bar that
// redraws its line when the output is a terminal, errors on the standard error. Ctrl-C
// closes the "dialog": the transfer ends at its next wait. So does a port that cannot be
// opened, since no other port can be picked here.

#include "link/link_host.h"

#include <ostream>
#include <string>

namespace orvane::cli {

class TerminalLinkHost final : public LinkHost
{
public:
    TerminalLinkHost(std::ostream &out, std::ostream &err, bool draw_bar, int port_index);
    ~TerminalLinkHost() override;

    // Ctrl-C clears Link_Running for as long as a host exists; a second Ctrl-C ends the program.
    static void Install_Interrupt_Handler();

    bool Link_Running() const override;
    void Process_Messages() override {}
    void Show_Status(const std::string &text) override;
    void Show_Progress(int max, int step) override;
    void Show_File_Name(const std::string & /*name*/) override {}
    void Set_Panel_Enabled(bool /*enabled*/) override {}
    int Selected_Port_Index() const override { return m_port_index; }
    void Show_Port_State(bool /*open*/) override {}
    void Port_Error(const std::string &message) override;
    // A file that cannot be read or written: reported like a port error, but the transfer
    // decides itself what follows.
    void File_Error(const std::string &message) override;

private:
    void end_bar();
    void draw_bar(const std::string &text);

    std::ostream &m_out;
    std::ostream &m_err;
    bool m_draw_bar;
    int m_port_index;
    bool m_bar_shown = false;
    bool m_port_failed = false;
    std::string m_last_status;
};

// "Transfering Data:  45%" and its kin: the percentage, or -1 for any other text.
int Progress_Percent(const std::string &text);

} // namespace orvane::cli
