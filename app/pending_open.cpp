#include "app/pending_open.h"

#include "app/file_commands.h"

#include <QApplication>
#include <QTimer>

#include <utility>

namespace orvane {
namespace {

constexpr int kIdleRetryMs = 250;

} // namespace

PendingOpen::PendingOpen(FileCommands &files, QObject *parent)
    : QObject(parent)
    , m_files(files)
{}

void PendingOpen::Open_When_Idle(const QString &path)
{
    m_path = path;
    Try_Open();
}

bool PendingOpen::Idle() const
{
    return !m_files.busy() && QApplication::activeModalWidget() == nullptr
           && QApplication::activePopupWidget() == nullptr;
}

void PendingOpen::Try_Open()
{
    if (m_path.isEmpty())
        return;
    if (!Idle()) {
        QTimer::singleShot(kIdleRetryMs, this, &PendingOpen::Try_Open);
        return;
    }
    m_files.Open_File_Of_Its_Kind(std::exchange(m_path, QString()));
}

} // namespace orvane
