#pragma once

// Enter (either key) acts as the default action of a list or dialog field.

#include <QEvent>
#include <QKeyEvent>

namespace orvane {

inline bool Is_Enter_Press(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace orvane
