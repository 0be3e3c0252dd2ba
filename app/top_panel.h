#pragma once

// The panel over the pages while a file is open: the file's name on the left, the version
// field of a "Default" file on the right. Only construction lives here; the window fills it.

class QLabel;
class QLineEdit;
class QWidget;

namespace orvane {

struct TopPanel
{
    QWidget *panel = nullptr;
    QWidget *file_name_panel = nullptr;
    QLabel *file_name = nullptr;
    QWidget *version_panel = nullptr;
    QLineEdit *version_edit = nullptr;
};

TopPanel Build_Top_Panel();

} // namespace orvane
