// TFormMain: the receiver commands. "Read from receiver" receives a database file of the chosen
// kind into a file the user names and opens it; "Write into receiver" sends the open database
// file, saved first when it has unsaved changes. The file steps are FileCommands'; each transfer
// runs through the communication dialog (LinkTransfers) while the window is disabled.

#include "app/Main.h"

#include "app/link_transfers.h"

#include <QTimer>

namespace orvane {

void TFormMain::ReadDataClick(FileKind kind)
{
    m_files.ReadDataClick(kind);
    Close_If_Asked();
}

void TFormMain::PMWriteClick()
{
    m_files.PMWriteClick();
    Close_If_Asked();
}

bool TFormMain::Receive_File(const QString &target, FileKind kind, const QString &copies_folder)
{
    return m_link->Receive_File(target, kind, copies_folder);
}

bool TFormMain::Send_File(const QString &file, FileKind kind)
{
    return m_link->Send_File(file, kind);
}

// A close asked for while the transfer ran goes ahead once the command is over, with its own
// question about unsaved changes.
void TFormMain::Close_If_Asked()
{
    if (m_link->Take_Close_Request())
        QTimer::singleShot(0, this, &TFormMain::close);
}

} // namespace orvane
