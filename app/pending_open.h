#pragma once

// A file handed over by a second start opens once nothing else runs in the window: no dialog,
// menu, open or save. The latest file handed over wins.

#include <QObject>
#include <QString>

namespace orvane {

class FileCommands;

class PendingOpen final : public QObject
{
    Q_OBJECT

public:
    PendingOpen(FileCommands &files, QObject *parent);

    void Open_When_Idle(const QString &path);

private:
    void Try_Open();
    bool Idle() const;

    FileCommands &m_files;
    QString m_path;
};

} // namespace orvane
