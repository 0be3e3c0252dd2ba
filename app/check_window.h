#pragma once

// The "Check database" window: how full each table is, the findings of the check in a sortable
// table, and the two repairs. It shows a report and says what the user asked for; the main
// window runs the check, the repairs and the jump to an entry, and refreshes it after every
// change of the database.

#include "dbase/database_check.h"
#include "dbase/name_text.h"

#include <QWidget>

#include <optional>
#include <vector>

class QBoxLayout;
class QGridLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace orvane {

class CheckFindingsModel;

// How a gauge's bar is coloured: orange from 90 % of the limit, red once the limit is reached.
enum class GaugeLevel { Normal, Near_Limit, At_Limit };
GaugeLevel Gauge_Level(int used, int limit);

class CheckWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit CheckWindow(QWidget *parent);
    ~CheckWindow() override;

    // A new report, with how many entries each repair would remove. The sort order stays, and
    // the current finding when the new report still has it; without one (the first report, or
    // the one after the no-file state that every open passes through) the first finding is
    // current, scrolled to the top.
    // The names inside the report's texts read in `names`, the database's character set.
    void Show_Report(const CheckReport &report, int duplicate_programs, int empty_transponders,
                     const NameText &names = Latin1_Names());
    // The window opens: the next report starts at its first finding, whatever was current.
    void Start_At_First_Finding() { m_start_at_first = true; }
    // Large enough for kShownFindings findings and every gauge's caption and figures, within
    // the screen; never smaller than the user made it.
    void Fit_To_Content();
    static constexpr int kShownFindings = 15;

    // The repairs' questions, in the counts' own number.
    static QString Remove_Duplicates_Question(int count);
    static QString Delete_Empty_Question(int count);

    QTableView *findings_view() const { return m_view; }
    const CheckFindingsModel &findings() const { return *m_model; }
    QLabel *summary_label() const { return m_summary; }
    QPushButton *remove_duplicates_button() const { return m_remove_duplicates; }
    QPushButton *delete_empty_button() const { return m_delete_empty; }
    QPushButton *close_button() const { return m_close; }
    // The gauges on show: each its caption, bar and figures ("10 / 16", beside the bar, where
    // no chunk can cover them).
    struct GaugeRow
    {
        QLabel *caption = nullptr;
        QProgressBar *bar = nullptr;
        QLabel *figures = nullptr;
    };
    // Rows beyond the report's gauges are hidden.
    const std::vector<GaugeRow> &gauges() const { return m_gauges; }

signals:
    // Double click or Enter on a finding: go to its entry.
    void findingActivated(const orvane::CheckFinding &finding);
    void removeDuplicatesClicked();
    void deleteEmptyClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Build_Findings_View();
    void Build_Buttons(QBoxLayout &layout);
    void Show_Gauges(const std::vector<CapacityGauge> &capacity, const NameText &names);
    void Show_Repairs(int duplicates, int empty);
    void Keep_Current(const std::optional<CheckFinding> &current);
    void Activate(const QModelIndex &proxy_index);

    QGridLayout *m_gauge_layout = nullptr;
    std::vector<GaugeRow> m_gauges;
    QLabel *m_summary = nullptr;
    CheckFindingsModel *m_model = nullptr;
    QSortFilterProxyModel *m_proxy = nullptr;
    QTableView *m_view = nullptr;
    QPushButton *m_remove_duplicates = nullptr;
    QPushButton *m_delete_empty = nullptr;
    QPushButton *m_close = nullptr;
    bool m_start_at_first = true;
};

} // namespace orvane

Q_DECLARE_METATYPE(orvane::CheckFinding)
