#pragma once

// The "Compare" window: what the open database changes relative to another file, as a tree by
// table and kind of change under a summary, with a filter by kind. It shows a comparison and
// says which change the user went to; the controller compares and goes there.

#include "dbase/database_compare.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace orvane {

class CompareWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit CompareWindow(QWidget *parent);

    // The changes that turn the file `other` into the open database. The filter stays, and the
    // current change when the new comparison still has it.
    void Show_Comparison(const DatabaseComparison &comparison, const QString &other);

    // The kinds the filter offers: every change, or one kind.
    enum class Filter { All, Added, Removed, Changed, Moved };
    void Set_Filter(Filter filter);

    QLabel *summary_label() const { return m_summary; }
    QComboBox *filter_box() const { return m_filter; }
    QTreeWidget *tree() const { return m_tree; }

signals:
    // Double click or Enter on a change: go to its entry in the open database.
    void changeActivated(const orvane::EntryChange &change);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Fill_Tree();
    void Activate(QTreeWidgetItem *item);

    QLabel *m_summary = nullptr;
    QComboBox *m_filter = nullptr;
    QTreeWidget *m_tree = nullptr;
    DatabaseComparison m_comparison;
};

} // namespace orvane

Q_DECLARE_METATYPE(orvane::EntryChange)
