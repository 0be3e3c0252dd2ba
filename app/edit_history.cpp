#include "app/edit_history.h"

#include <utility>

namespace orvane {

EditStep::EditStep(const QString &caption, ImageChange change, const CurrentEntries &before,
                   const CurrentEntries &after, Restore restore)
    : QUndoCommand(caption)
    , m_change(std::move(change))
    , m_before(before)
    , m_after(after)
    , m_restore(std::move(restore))
{}

void EditStep::undo()
{
    m_restore(m_change, true, m_before);
}

void EditStep::redo()
{
    if (std::exchange(m_done, false))
        return;
    m_restore(m_change, false, m_after);
}

} // namespace orvane
