#include "cli/link_commands.h"

#include "cli/backups_folder.h"
#include "cli/terminal_link_host.h"
#include "dbase/file_io.h"
#include "link/MSCommLib_TLB.h"
#include "link/link_texts.h"
#include "link/poll_clock_qt.h"
#include "link/transfer_protocol.h"

#include <QCoreApplication>

#include <cctype>
#include <unistd.h>

namespace orvane::cli {
namespace {

// A device path becomes COM1 of a port list of its own; "COMn" keeps the system's list.
int Select_Port(TMSComm &comm, const std::string &port)
{
    if (!port.empty() && port[0] == '/') {
        std::vector<ComPort> devices = comm.Port_Devices();
        devices.at(0).device = port;
        comm.Set_Port_Devices(std::move(devices));
        return 0;
    }
    return std::stoi(port.substr(3)) - 1;
}

// QSerialPort needs an application object in the thread that uses it; no event loop runs.
struct Transfer
{
    int argc = 1;
    char name[16] = "orvane-cli";
    char *argv[2] = {name, nullptr};
    QCoreApplication application{argc, argv};
    TMSComm comm;
    PortPollClock clock{comm};
    TerminalLinkHost host;
    TransferProtocol protocol{comm, clock, host};

    Transfer(const CommandLine &line, std::ostream &out, std::ostream &err)
        : host(out, err, ::isatty(STDOUT_FILENO) == 1, Select_Port(comm, *line.port))
    {
        TerminalLinkHost::Install_Interrupt_Handler();
    }
};

int Finish(bool ok, std::ostream &out)
{
    if (!ok)
        out << link_text::kUpdateFailed << '\n';
    out.flush();
    return ok ? kExitOk : kExitRefused;
}

} // namespace

int Run_Read(const CommandLine &line, std::ostream &out, std::ostream &err)
{
    Transfer transfer(line, out, err);
    const bool ok
            = transfer.protocol.Read_From_Receiver(line.files[0], *line.kind, Backups_Folder());
    return Finish(ok, out);
}

int Run_Write(const CommandLine &line, std::ostream &out, std::ostream &err)
{
    Transfer transfer(line, out, err);
    const bool ok = transfer.protocol.Write_Into_Receiver(line.files[0],
                                                          Kind_Of(line.files[0], line.kind));
    return Finish(ok, out);
}

} // namespace orvane::cli
