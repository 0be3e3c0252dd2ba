// TFormMain: the doors of the file commands and the controllers to the edit history. A change
// runs through the history controller's step runner (app/controllers/history_commands.*); what
// happened to the file reaches every controller as a ShellEvents signal.

#include "app/Main.h"

namespace orvane {

void TFormMain::Record_Step(const QString &caption, const std::function<void()> &command)
{
    if (m_step_runner)
        m_step_runner(caption, command);
    else
        command();
}

void TFormMain::Database_Opened()
{
    emit m_events->databaseOpened();
}

void TFormMain::Database_Saved()
{
    emit m_events->databaseSaved();
}

void TFormMain::Database_Unsaved()
{
    emit m_events->databaseUnsaved();
}

} // namespace orvane
