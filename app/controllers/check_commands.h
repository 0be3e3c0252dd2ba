#pragma once

// The database check: Edit > "Check database..." (Ctrl+K) opens the check window, which follows
// every change while it is open; a finding goes to its entry in the lists; each of the two
// repairs is asked first and runs as one step of the history. The check and the repairs belong
// to the database (dbase/database_check.h, dbase/maintenance.h), going to an entry to the lists
// (views/finding_jump.h).

#include "app/check_window.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QAction;

namespace orvane {

class WindowShell;
struct ChannelDatabase;
struct CheckFinding;

class CheckCommands final : public QObject
{
    Q_OBJECT

public:
    explicit CheckCommands(WindowShell &shell);

    void Check_DatabaseClick();
    void Go_To_Finding(const CheckFinding &finding);
    QAction *check_action() const { return m_check; }
    CheckWindow *check_window() const { return m_window; }

private:
    void Refresh_Check_Window();
    void Run_Repair(const char *caption, const QString &question, int count,
                    const std::function<void(ChannelDatabase &)> &repair);

    WindowShell &m_shell;
    QAction *m_check;
    QPointer<CheckWindow> m_window;
};

} // namespace orvane
