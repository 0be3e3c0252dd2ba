#pragma once

// The main window's tool bar: "File", "Edit", "Help" and "Exit", each with its picture (a
// brighter one under the mouse) and its Alt key. Only construction lives here; the window and
// the Edit menu connect the buttons.

class QMainWindow;
class QToolButton;

namespace orvane {

struct ToolButtons
{
    QToolButton *file = nullptr;
    QToolButton *edit = nullptr;
    QToolButton *help = nullptr;
    QToolButton *exit = nullptr;
};

ToolButtons Build_Tool_Bar(QMainWindow &window);

} // namespace orvane
