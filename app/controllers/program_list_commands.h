#pragma once

// File > "Export program list..." and "Import program list...": the programs as a CSV file for
// a spreadsheet, and an edited one applied as one step of the history. The list, its checks and
// the whole apply are plain logic (dbase/program_list.h); this asks for the files and shows
// what the import did.

#include <QObject>

class QAction;

namespace orvane {

class WindowShell;

class ProgramListCommands final : public QObject
{
    Q_OBJECT

public:
    explicit ProgramListCommands(WindowShell &shell);

    void Export_Program_ListClick();
    void Import_Program_ListClick();
    QAction *export_action() const { return m_export; }
    QAction *import_action() const { return m_import; }

private:
    WindowShell &m_shell;
    QAction *m_export;
    QAction *m_import;
};

} // namespace orvane
