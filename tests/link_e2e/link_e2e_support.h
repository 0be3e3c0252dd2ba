#pragma once

// Running the simulated receiver and orvane-cli against each other over a pseudo-terminal:
// start the receiver, learn its device from its first line, run a transfer through the
// command line, and collect what both sides printed.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace link_e2e {

struct ProcessRun
{
    bool finished = false;
    int exit_code = -1;
    QByteArray out;
    QByteArray err;
};

QString Sample_Path(const QString &name);
QByteArray Read_File(const QString &path);
bool Write_File(const QString &path, const QByteArray &bytes);

// The status texts the command line printed, in order: progress texts dropped and a text
// repeated on consecutive lines kept once, so "Connectting..." before each request and
// "Transfer Success!" after each block count once.
QStringList Status_Lines(const QByteArray &out);

class SimReceiver
{
public:
    explicit SimReceiver(const QStringList &arguments);
    ~SimReceiver();

    // The slave device of its pseudo-terminal; empty when it did not start.
    const QString &device() const { return m_device; }
    // Everything it logged so far.
    const QByteArray &log();
    // Waits until the log holds `line` `count` times.
    bool Wait_For_Log(const QByteArray &line, int count, int timeout_ms);
    // Waits for it to end (it runs with --once).
    ProcessRun Finish(int timeout_ms);

private:
    QProcess m_process;
    QString m_device;
    QByteArray m_log;
};

// Starts orvane-cli; the caller waits or interrupts it.
std::unique_ptr<QProcess> Start_Cli(const QStringList &arguments);
ProcessRun Wait_Cli(QProcess &cli, int timeout_ms);
ProcessRun Run_Cli(const QStringList &arguments, int timeout_ms);
// SIGINT, as Ctrl-C in a terminal sends it.
void Interrupt(QProcess &process);

int Count_Lines(const QByteArray &text, const QByteArray &line);

// A folder of its own for each test, to see exactly what a run leaves in it.
class RunFolder
{
public:
    bool ok() const { return m_dir.isValid(); }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    // Every file in it, hidden ones too (a temporary file left behind would show).
    QStringList entries() const;

private:
    QTemporaryDir m_dir;
};

} // namespace link_e2e
