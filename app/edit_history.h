#pragma once

// One undoable step of the open database: the bytes a command changed and the entries the
// lists had chosen before and after it. Undo and redo hand both to the window, which puts the
// bytes back, decodes the rows and chooses the entries again.

#include "dbase/image_change.h"
#include "views/current_entries.h"

#include <QUndoCommand>

#include <functional>

namespace orvane {

class EditStep final : public QUndoCommand
{
public:
    using Restore = std::function<void(const ImageChange &change, bool to_before,
                                       const CurrentEntries &entries)>;

    EditStep(const QString &caption, ImageChange change, const CurrentEntries &before,
             const CurrentEntries &after, Restore restore);

    void undo() override;
    // The first redo is the push of a command that has already run.
    void redo() override;

    std::size_t byte_count() const { return m_change.byte_count(); }

private:
    ImageChange m_change;
    CurrentEntries m_before;
    CurrentEntries m_after;
    Restore m_restore;
    bool m_done = true;
};

} // namespace orvane
