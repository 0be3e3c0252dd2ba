#include "link_e2e_support.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <csignal>

namespace link_e2e {

QString Sample_Path(const QString &name)
{
    return QDir(QStringLiteral(ORVANE_SAMPLE_DIR)).filePath(name);
}

QByteArray Read_File(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Write_File(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList Status_Lines(const QByteArray &out)
{
    QStringList lines;
    for (const QByteArray &raw : out.split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String("Transfering")))
            continue;
        if (lines.isEmpty() || lines.last() != line)
            lines.append(line);
    }
    return lines;
}

int Count_Lines(const QByteArray &text, const QByteArray &line)
{
    int count = 0;
    for (const QByteArray &each : text.split('\n'))
        count += each == line ? 1 : 0;
    return count;
}

SimReceiver::SimReceiver(const QStringList &arguments)
{
    m_process.start(QStringLiteral(ORVANE_SIM_PATH), arguments);
    const QDeadlineTimer deadline(5000);
    while (!m_process.canReadLine() && !deadline.hasExpired()
           && m_process.state() != QProcess::NotRunning)
        m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    if (m_process.canReadLine())
        m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
}

SimReceiver::~SimReceiver()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

const QByteArray &SimReceiver::log()
{
    m_log += m_process.readAllStandardError();
    return m_log;
}

bool SimReceiver::Wait_For_Log(const QByteArray &line, int count, int timeout_ms)
{
    const QDeadlineTimer deadline(timeout_ms);
    while (Count_Lines(log(), line) < count) {
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
            return false;
        m_process.waitForReadyRead(20);
    }
    return true;
}

ProcessRun SimReceiver::Finish(int timeout_ms)
{
    ProcessRun run;
    run.finished
            = m_process.state() == QProcess::NotRunning || m_process.waitForFinished(timeout_ms);
    run.exit_code = run.finished && m_process.exitStatus() == QProcess::NormalExit
                            ? m_process.exitCode()
                            : -1;
    run.out = m_process.readAllStandardOutput();
    run.err = log();
    return run;
}

std::unique_ptr<QProcess> Start_Cli(const QStringList &arguments)
{
    auto cli = std::make_unique<QProcess>();
    cli->start(QStringLiteral(ORVANE_CLI_PATH), arguments);
    cli->waitForStarted(5000);
    return cli;
}

ProcessRun Wait_Cli(QProcess &cli, int timeout_ms)
{
    ProcessRun run;
    run.finished = cli.waitForFinished(timeout_ms);
    if (!run.finished) {
        cli.kill();
        cli.waitForFinished(2000);
    }
    run.exit_code = run.finished && cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    run.out = cli.readAllStandardOutput();
    run.err = cli.readAllStandardError();
    return run;
}

ProcessRun Run_Cli(const QStringList &arguments, int timeout_ms)
{
    const auto cli = Start_Cli(arguments);
    return Wait_Cli(*cli, timeout_ms);
}

void Interrupt(QProcess &process)
{
    if (process.processId() > 0)
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
}

QStringList RunFolder::entries() const
{
    return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace link_e2e
