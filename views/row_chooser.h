#pragma once

// A small modal list to pick one row from: a line of text, a table with a header, OK and
// Cancel. Enter or a double click takes the current row; the first row is current at start.

#include "views/ui_services.h"

#include <QDialog>

class QDialogButtonBox;
class QTreeWidget;

namespace orvane {

class RowChooser final : public QDialog
{
    Q_OBJECT

public:
    RowChooser(const Ui_Services::RowChoice &choice, QWidget *parent = nullptr);

    // The current row, -1 when the list is empty.
    int chosen_row() const;
    QTreeWidget *list() const { return m_list; }

private:
    QTreeWidget *m_list = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};

} // namespace orvane
