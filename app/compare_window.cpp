#include "app/compare_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <optional>

namespace orvane {
namespace {

// Where a change's item keeps its index in the comparison, and a group's item its table or
// kind of change.
constexpr int kChangeRole = Qt::UserRole;
constexpr int kGroupRole = Qt::UserRole + 1;
constexpr int kNoChange = -1;

QString Table_Caption(CompareTable table)
{
    switch (table) {
    case CompareTable::Satellites:
        return CompareWindow::tr("Satellites");
    case CompareTable::Sat_Transponders:
        return CompareWindow::tr("Satellite transponders");
    case CompareTable::Ter_Transponders:
        return CompareWindow::tr("Terrestrial transponders");
    case CompareTable::Programs:
        return CompareWindow::tr("Programs");
    case CompareTable::Favourite_Groups:
        return CompareWindow::tr("Favourite groups");
    }
    return {};
}

QString Kind_Caption(ChangeKind kind)
{
    switch (kind) {
    case ChangeKind::Added:
        return CompareWindow::tr("Added");
    case ChangeKind::Removed:
        return CompareWindow::tr("Removed");
    case ChangeKind::Changed:
        return CompareWindow::tr("Changed");
    case ChangeKind::Moved:
        return CompareWindow::tr("Moved");
    }
    return {};
}

QString Summary_Text(const DatabaseComparison &comparison)
{
    if (comparison.empty())
        return CompareWindow::tr("No differences.");
    return CompareWindow::tr("%1 added, %2 removed, %3 changed, %4 moved")
            .arg(comparison.count(ChangeKind::Added))
            .arg(comparison.count(ChangeKind::Removed))
            .arg(comparison.count(ChangeKind::Changed))
            .arg(comparison.count(ChangeKind::Moved));
}

bool Same_Entry(const EntryChange &x, const EntryChange &y)
{
    return x.kind == y.kind && x.table == y.table && x.a_slot == y.a_slot && x.b_slot == y.b_slot;
}

// "Programs (12)": a group's caption with the changes under it.
void Count_Children(QTreeWidgetItem &item, const QString &caption)
{
    item.setText(0, QStringLiteral("%1 (%2)").arg(caption).arg(item.childCount()));
}

} // namespace

CompareWindow::CompareWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Compare"));
    m_summary = new QLabel;
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_filter = new QComboBox;
    m_filter->addItems({tr("All changes"), tr("Added"), tr("Removed"), tr("Changed"), tr("Moved")});
    auto *filter_label = new QLabel(tr("&Show:"));
    filter_label->setBuddy(m_filter);
    connect(m_filter, &QComboBox::currentIndexChanged, this, &CompareWindow::Fill_Tree);

    m_tree = new QTreeWidget;
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tree->header()->setStretchLastSection(false);
    m_tree->installEventFilter(this);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { Activate(item); });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto *filter_row = new QHBoxLayout;
    filter_row->addWidget(filter_label);
    filter_row->addWidget(m_filter);
    filter_row->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addLayout(filter_row);
    layout->addWidget(m_tree, 1);
    layout->addWidget(buttons);
    resize(760, 480);
    // The arrows walk the changes from the start; Alt+S reaches the filter.
    m_tree->setFocus();
}

void CompareWindow::Show_Comparison(const DatabaseComparison &comparison, const QString &other)
{
    setWindowTitle(tr("Compare with %1").arg(other));
    m_summary->setText(tr("What the open database changes relative to %1:").arg(other) + u'\n'
                       + Summary_Text(comparison));
    m_comparison = comparison;
    Fill_Tree();
}

void CompareWindow::Set_Filter(Filter filter)
{
    m_filter->setCurrentIndex(static_cast<int>(filter));
}

// Tables, then kinds of change, each with its count, then the changes; every group open.
void CompareWindow::Fill_Tree()
{
    std::optional<EntryChange> current;
    if (const QTreeWidgetItem *item = m_tree->currentItem()) {
        const int index = item->data(0, kChangeRole).toInt();
        if (index >= 0 && index < static_cast<int>(m_comparison.changes.size()))
            current = m_comparison.changes[static_cast<std::size_t>(index)];
    }
    m_tree->clear();
    const int filter = m_filter->currentIndex();
    QTreeWidgetItem *table_item = nullptr;
    QTreeWidgetItem *kind_item = nullptr;
    QTreeWidgetItem *keep = nullptr;
    const EntryChange *previous = nullptr;
    for (std::size_t i = 0; i < m_comparison.changes.size(); ++i) {
        const EntryChange &change = m_comparison.changes[i];
        if (filter != 0 && static_cast<int>(change.kind) != filter - 1)
            continue;
        if (previous == nullptr || previous->table != change.table) {
            table_item = new QTreeWidgetItem(m_tree);
            table_item->setData(0, kChangeRole, kNoChange);
            table_item->setData(0, kGroupRole, static_cast<int>(change.table));
            kind_item = nullptr;
        }
        if (kind_item == nullptr || previous->kind != change.kind) {
            kind_item = new QTreeWidgetItem(table_item);
            kind_item->setData(0, kChangeRole, kNoChange);
            kind_item->setData(0, kGroupRole, static_cast<int>(change.kind));
        }
        auto *item = new QTreeWidgetItem(kind_item, {QString::fromStdString(change.text)});
        item->setData(0, kChangeRole, static_cast<int>(i));
        if (current && Same_Entry(*current, change))
            keep = item;
        previous = &change;
    }
    for (int t = 0; t < m_tree->topLevelItemCount(); ++t) {
        QTreeWidgetItem *table = m_tree->topLevelItem(t);
        int entries = 0;
        for (int k = 0; k < table->childCount(); ++k) {
            QTreeWidgetItem *kind = table->child(k);
            Count_Children(*kind, Kind_Caption(static_cast<ChangeKind>(
                                          kind->data(0, kGroupRole).toInt())));
            entries += kind->childCount();
        }
        table->setText(0, QStringLiteral("%1 (%2)")
                                  .arg(Table_Caption(static_cast<CompareTable>(
                                          table->data(0, kGroupRole).toInt())))
                                  .arg(entries));
    }
    m_tree->expandAll();
    m_tree->setCurrentItem(keep != nullptr ? keep : m_tree->topLevelItem(0));
}

// A removed entry is in the other file only: it has nowhere to go.
void CompareWindow::Activate(QTreeWidgetItem *item)
{
    if (item == nullptr)
        return;
    const int index = item->data(0, kChangeRole).toInt();
    if (index < 0 || index >= static_cast<int>(m_comparison.changes.size()))
        return;
    const EntryChange &change = m_comparison.changes[static_cast<std::size_t>(index)];
    if (change.b_slot != kNoCompareSlot)
        emit changeActivated(change);
}

void CompareWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool CompareWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_tree->currentItem() != nullptr
            && m_tree->currentItem()->childCount() == 0) {
            Activate(m_tree->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvane
