#include "app/check_window.h"

#include "app/check_findings_model.h"
#include "translations/ui_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <optional>

namespace orvane {
namespace {

// The repairs' buttons with the count, in its own number (see Remove_Duplicates_Question); with
// nothing to repair a button says what it would do.
QString Remove_Duplicates_Caption(int count)
{
    if (count <= 0)
        return ui_text::Shown(check_text::kRemoveDuplicates);
    return count == 1 ? CheckWindow::tr("Remove %n duplicate program", nullptr, count)
                      : CheckWindow::tr("Remove %n duplicate programs", nullptr, count);
}

QString Delete_Empty_Caption(int count)
{
    if (count <= 0)
        return ui_text::Shown(check_text::kDeleteEmptyTps);
    return count == 1 ? CheckWindow::tr("Delete %n empty transponder", nullptr, count)
                      : CheckWindow::tr("Delete %n empty transponders", nullptr, count);
}

// Only the chunk is styled, so that the bar keeps the look of the desktop's style otherwise.
const QString kNearLimitStyle
        = QStringLiteral("QProgressBar::chunk { background-color: #ff8c00; }");
const QString kAtLimitStyle = QStringLiteral("QProgressBar::chunk { background-color: #d00000; }");

// The detail names the fullest satellite or group, in the names' character set.
QString Gauge_Caption(const CapacityGauge &gauge, const NameText &names)
{
    QString caption = ui_text::Shown(gauge.name);
    if (!gauge.detail.empty())
        caption += QStringLiteral(" (%1)").arg(
                ui_text::Shown_Pieces(QString::fromStdString(names.Text_Of(gauge.detail)),
                                      {kTerrestrialGroup, kTvPart, kRadioPart}));
    return caption;
}

// The findings table asks for room for kShownFindings rows; the layout may give it less on a
// small screen.
class FindingsView final : public QTableView
{
public:
    using QTableView::QTableView;

    QSize sizeHint() const override
    {
        const int rows = CheckWindow::kShownFindings * verticalHeader()->defaultSectionSize();
        return {QTableView::sizeHint().width(),
                horizontalHeader()->sizeHint().height() + rows + 2 * frameWidth()};
    }
};

// Rows as tall as a line of text, as in the main window's grids, so that the findings do not
// take the screen.
constexpr int kRowPadding = 6;

void Show_Gauge(QProgressBar &bar, QLabel &figures, const CapacityGauge &gauge)
{
    // A bar of range 0..0 would run as a busy indicator.
    const int limit = std::max(gauge.limit, 1);
    bar.setRange(0, limit);
    bar.setValue(std::clamp(gauge.used, 0, limit));
    // A hostile count may exceed the limit: the text tells the stored number.
    bar.setFormat(gauge.used > limit || gauge.used < 0 ? QStringLiteral("%1 / %m").arg(gauge.used)
                                                       : QStringLiteral("%v / %m"));
    figures.setText(bar.text());
    switch (Gauge_Level(gauge.used, gauge.limit)) {
    case GaugeLevel::Near_Limit:
        bar.setStyleSheet(kNearLimitStyle);
        break;
    case GaugeLevel::At_Limit:
        bar.setStyleSheet(kAtLimitStyle);
        break;
    default:
        bar.setStyleSheet(QString());
    }
}

} // namespace

GaugeLevel Gauge_Level(int used, int limit)
{
    if (used >= limit)
        return used > 0 || limit > 0 ? GaugeLevel::At_Limit : GaugeLevel::Normal;
    // 10 * used >= 9 * limit, in 64 bits so that no count can overflow it.
    if (10 * static_cast<long long>(used) >= 9 * static_cast<long long>(limit))
        return GaugeLevel::Near_Limit;
    return GaugeLevel::Normal;
}

CheckWindow::CheckWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool)
{
    qRegisterMetaType<CheckFinding>();
    setObjectName(QStringLiteral("Check_Window"));
    setWindowTitle(ui_text::Shown(check_text::kWindowTitle));

    auto *layout = new QVBoxLayout(this);
    m_gauge_layout = new QGridLayout;
    m_gauge_layout->setColumnStretch(1, 1);
    m_gauge_layout->setVerticalSpacing(2);
    layout->addLayout(m_gauge_layout);
    m_summary = new QLabel;
    m_summary->setObjectName(QStringLiteral("Label_Summary"));
    layout->addWidget(m_summary);
    Build_Findings_View();
    layout->addWidget(m_view, 1);
    Build_Buttons(*layout);
    Show_Report({}, 0, 0);
}

CheckWindow::~CheckWindow() = default;

// Tab goes from the findings to the repairs and Close, and on round to the findings.
void CheckWindow::Build_Buttons(QBoxLayout &layout)
{
    auto *buttons = new QHBoxLayout;
    m_remove_duplicates = new QPushButton;
    m_delete_empty = new QPushButton;
    m_close = new QPushButton(ui_text::Shown(check_text::kClose));
    buttons->addWidget(m_remove_duplicates);
    buttons->addWidget(m_delete_empty);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    layout.addLayout(buttons);
    setTabOrder(m_view, m_remove_duplicates);
    setTabOrder(m_remove_duplicates, m_delete_empty);
    setTabOrder(m_delete_empty, m_close);
    m_view->setFocus();
    connect(m_remove_duplicates, &QPushButton::clicked, this,
            &CheckWindow::removeDuplicatesClicked);
    connect(m_delete_empty, &QPushButton::clicked, this, &CheckWindow::deleteEmptyClicked);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
}

// English has one form for one and another for every other count; a translation gives its
// own forms of each text through %n.
QString CheckWindow::Remove_Duplicates_Question(int count)
{
    return count == 1 ? tr("Remove %n duplicate program? The first program of each group stays.",
                           nullptr, count)
                      : tr("Remove %n duplicate programs? The first program of each group stays.",
                           nullptr, count);
}

QString CheckWindow::Delete_Empty_Question(int count)
{
    return count == 1 ? tr("Delete %n empty transponder?", nullptr, count)
                      : tr("Delete %n empty transponders of every satellite and terrestrial group?",
                           nullptr, count);
}

void CheckWindow::Show_Repairs(int duplicates, int empty)
{
    m_remove_duplicates->setText(Remove_Duplicates_Caption(duplicates));
    m_delete_empty->setText(Delete_Empty_Caption(empty));
    m_remove_duplicates->setEnabled(duplicates > 0);
    m_delete_empty->setEnabled(empty > 0);
}

void CheckWindow::Fit_To_Content()
{
    QSize fit = sizeHint().expandedTo(minimumSizeHint()).expandedTo(size());
    if (const QScreen *shown_on = screen())
        fit = fit.boundedTo(shown_on->availableGeometry().size());
    resize(fit);
}

void CheckWindow::Build_Findings_View()
{
    m_model = new CheckFindingsModel(this);
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(CheckFindingsModel::kSortRole);
    m_view = new FindingsView;
    m_view->setObjectName(QStringLiteral("Check_Findings"));
    m_view->setModel(m_proxy);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    const int row_height = m_view->fontMetrics().height() + kRowPadding;
    m_view->verticalHeader()->setMinimumSectionSize(row_height);
    m_view->verticalHeader()->setDefaultSectionSize(row_height);
    // Tab leaves the table instead of walking its cells.
    m_view->setTabKeyNavigation(false);
    m_view->horizontalHeader()->setStretchLastSection(true);
    // The report comes errors first, by table and slot; the stable sort by severity keeps
    // that order until the user picks another column.
    m_view->horizontalHeader()->setSortIndicator(CheckFindingsModel::Severity_Column,
                                                 Qt::AscendingOrder);
    m_view->setSortingEnabled(true);
    m_view->installEventFilter(this);
    connect(m_view, &QTableView::doubleClicked, this, &CheckWindow::Activate);
}

void CheckWindow::Show_Report(const CheckReport &report, int duplicate_programs,
                              int empty_transponders, const NameText &names)
{
    std::optional<CheckFinding> current;
    if (const QModelIndex index = m_proxy->mapToSource(m_view->currentIndex()); index.isValid())
        current = m_model->finding(index.row());
    Show_Gauges(report.capacity, names);
    m_summary->setText(Findings_Summary(report));
    m_model->Set_Findings(report, names);
    Show_Repairs(duplicate_programs, empty_transponders);
    if (m_start_at_first) {
        m_start_at_first = false;
        current.reset();
        // The short columns fit what this report holds; the text takes the rest.
        for (int column = 0; column < CheckFindingsModel::Text_Column; ++column)
            m_view->resizeColumnToContents(column);
    }
    Keep_Current(current);
}

// The finding that was current, else the first one; an empty report has none.
void CheckWindow::Keep_Current(const std::optional<CheckFinding> &current)
{
    const int like = current ? m_model->Row_Like(*current) : -1;
    if (current && like < 0)
        return;
    const QModelIndex index
            = like < 0 ? m_proxy->index(0, 0) : m_proxy->mapFromSource(m_model->index(like, 0));
    if (!index.isValid())
        return;
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect
                                                             | QItemSelectionModel::Rows);
    if (like < 0)
        m_view->scrollToTop();
    else
        m_view->scrollTo(index);
}

void CheckWindow::Show_Gauges(const std::vector<CapacityGauge> &capacity, const NameText &names)
{
    while (m_gauges.size() < capacity.size()) {
        GaugeRow row{new QLabel, new QProgressBar, new QLabel};
        row.bar->setTextVisible(false);
        row.figures->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int line = static_cast<int>(m_gauges.size());
        m_gauge_layout->addWidget(row.caption, line, 0);
        m_gauge_layout->addWidget(row.bar, line, 1);
        m_gauge_layout->addWidget(row.figures, line, 2);
        m_gauges.push_back(row);
    }
    for (std::size_t i = 0; i < m_gauges.size(); ++i) {
        const bool shown = i < capacity.size();
        const GaugeRow &row = m_gauges[i];
        for (QWidget *widget : std::initializer_list<QWidget *>{row.caption, row.bar, row.figures})
            widget->setVisible(shown);
        if (!shown)
            continue;
        row.caption->setText(Gauge_Caption(capacity[i], names));
        Show_Gauge(*row.bar, *row.figures, capacity[i]);
    }
}

void CheckWindow::Activate(const QModelIndex &proxy_index)
{
    const QModelIndex index = m_proxy->mapToSource(proxy_index);
    if (index.isValid())
        emit findingActivated(m_model->finding(index.row()));
}

// Escape closes the window as it closes a dialog.
void CheckWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool CheckWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Activate(m_view->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvane
