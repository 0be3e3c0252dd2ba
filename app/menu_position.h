#pragma once

// Where a tool button's menu opens: at the pointer when the button was clicked, under the
// button when its key opened it (the pointer may then be anywhere on the screen).

#include <QCursor>
#include <QWidget>

namespace orvane {

inline QPoint Tool_Menu_Position(const QWidget *button)
{
    const QPoint pointer = QCursor::pos();
    if (button == nullptr || button->rect().contains(button->mapFromGlobal(pointer)))
        return pointer;
    return button->mapToGlobal(QPoint(0, button->height()));
}

} // namespace orvane
