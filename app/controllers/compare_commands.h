#pragma once

// Comparing the open database with another file: File > "Compare with another file..." opens
// the compare window, which follows every change of the open database while it is open, and
// the backup list's "Compare..." button shows one for the backup before anything is restored.
// A change goes to its entry in the lists as a finding of the check does. The comparison
// belongs to the database (dbase/database_compare.h).

#include "app/compare_window.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QAction;

namespace orvane {

class WindowShell;
struct ChannelDatabase;

class CompareCommands final : public QObject
{
    Q_OBJECT

public:
    explicit CompareCommands(WindowShell &shell);
    ~CompareCommands() override;

    void Compare_With_FileClick();
    // The window shows what the open database changes relative to `other`, the file at path.
    void Compare_With(std::unique_ptr<ChannelDatabase> other, const QString &path);
    void Go_To_Change(const EntryChange &change);

    QAction *compare_action() const { return m_compare; }
    CompareWindow *compare_window() const { return m_window; }

private:
    void Refresh_Compare_Window();
    void Compare_Backup(const QString &path, QWidget *list);
    CompareWindow *New_Window(QWidget *parent);

    WindowShell &m_shell;
    QAction *m_compare;
    QPointer<CompareWindow> m_window;
    std::unique_ptr<ChannelDatabase> m_other;
    QString m_other_path;
};

} // namespace orvane
