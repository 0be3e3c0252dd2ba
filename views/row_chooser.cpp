#include "views/row_chooser.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orvane {

RowChooser::RowChooser(const Ui_Services::RowChoice &choice, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(choice.title);
    m_list = new QTreeWidget;
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels(choice.columns);
    for (const QStringList &row : choice.rows)
        m_list->addTopLevelItem(new QTreeWidgetItem(row));
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->setCurrentItem(m_list->topLevelItem(0));

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!choice.rows.isEmpty());
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemActivated, this, &QDialog::accept);
    if (choice.action) {
        QPushButton *action
                = m_buttons->addButton(choice.action_caption, QDialogButtonBox::ActionRole);
        action->setObjectName(QStringLiteral("RowAction"));
        action->setEnabled(!choice.rows.isEmpty());
        connect(action, &QPushButton::clicked, this, [this, act = choice.action] {
            if (const int row = chosen_row(); row >= 0)
                act(row, this);
        });
    }

    auto *layout = new QVBoxLayout(this);
    auto *text = new QLabel(choice.text);
    text->setWordWrap(true);
    layout->addWidget(text);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_buttons);
    resize(760, 420);
    m_list->setFocus();
}

int RowChooser::chosen_row() const
{
    QTreeWidgetItem *item = m_list->currentItem();
    return item == nullptr ? -1 : m_list->indexOfTopLevelItem(item);
}

} // namespace orvane
