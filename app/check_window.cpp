#include "app/check_window.h"

#include "app/check_findings_model.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <optional>

namespace orvane {
namespace {

// Only the chunk is styled, so that the bar keeps the look of the desktop's style otherwise.
const QString kNearLimitStyle
        = QStringLiteral("QProgressBar::chunk { background-color: #ff8c00; }");
const QString kAtLimitStyle = QStringLiteral("QProgressBar::chunk { background-color: #d00000; }");

QString Gauge_Caption(const CapacityGauge &gauge)
{
    QString caption
            = QString::fromLatin1(gauge.name.data(), static_cast<qsizetype>(gauge.name.size()));
    if (!gauge.detail.empty())
        caption += QStringLiteral(" (%1)").arg(QString::fromLatin1(
                gauge.detail.data(), static_cast<qsizetype>(gauge.detail.size())));
    return caption;
}

void Show_Gauge(QProgressBar &bar, const CapacityGauge &gauge)
{
    // A bar of range 0..0 would run as a busy indicator.
    const int limit = std::max(gauge.limit, 1);
    bar.setRange(0, limit);
    bar.setValue(std::clamp(gauge.used, 0, limit));
    // A hostile count may exceed the limit: the text tells the stored number.
    bar.setFormat(gauge.used > limit || gauge.used < 0 ? QStringLiteral("%1 / %m").arg(gauge.used)
                                                       : QStringLiteral("%v / %m"));
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
    setWindowTitle(QString::fromUtf8(check_text::kWindowTitle));
    resize(720, 520);

    auto *layout = new QVBoxLayout(this);
    m_gauge_layout = new QGridLayout;
    m_gauge_layout->setColumnStretch(1, 1);
    layout->addLayout(m_gauge_layout);
    m_summary = new QLabel;
    m_summary->setObjectName(QStringLiteral("Label_Summary"));
    layout->addWidget(m_summary);
    Build_Findings_View();
    layout->addWidget(m_view, 1);

    auto *buttons = new QHBoxLayout;
    m_remove_duplicates = new QPushButton(QString::fromUtf8(check_text::kRemoveDuplicates));
    m_delete_empty = new QPushButton(QString::fromUtf8(check_text::kDeleteEmptyTps));
    auto *close = new QPushButton(QString::fromUtf8(check_text::kClose));
    buttons->addWidget(m_remove_duplicates);
    buttons->addWidget(m_delete_empty);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(m_remove_duplicates, &QPushButton::clicked, this,
            &CheckWindow::removeDuplicatesClicked);
    connect(m_delete_empty, &QPushButton::clicked, this, &CheckWindow::deleteEmptyClicked);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    Show_Report({}, 0, 0);
}

CheckWindow::~CheckWindow() = default;

void CheckWindow::Build_Findings_View()
{
    m_model = new CheckFindingsModel(this);
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(CheckFindingsModel::kSortRole);
    m_view = new QTableView;
    m_view->setObjectName(QStringLiteral("Check_Findings"));
    m_view->setModel(m_proxy);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
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
                              int empty_transponders)
{
    std::optional<CheckFinding> current;
    if (const QModelIndex index = m_proxy->mapToSource(m_view->currentIndex()); index.isValid())
        current = m_model->finding(index.row());
    Show_Gauges(report.capacity);
    m_summary->setText(Findings_Summary(report));
    m_model->Set_Findings(report.findings);
    m_remove_duplicates->setEnabled(duplicate_programs > 0);
    m_delete_empty->setEnabled(empty_transponders > 0);
    if (!current)
        return;
    const int row = m_model->Row_Like(*current);
    if (row < 0)
        return;
    const QModelIndex index = m_proxy->mapFromSource(m_model->index(row, 0));
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect
                                                             | QItemSelectionModel::Rows);
    m_view->scrollTo(index);
}

void CheckWindow::Show_Gauges(const std::vector<CapacityGauge> &capacity)
{
    while (m_gauges.size() < capacity.size()) {
        GaugeRow row{new QLabel, new QProgressBar};
        row.bar->setTextVisible(true);
        const int line = static_cast<int>(m_gauges.size());
        m_gauge_layout->addWidget(row.caption, line, 0);
        m_gauge_layout->addWidget(row.bar, line, 1);
        m_gauges.push_back(row);
    }
    for (std::size_t i = 0; i < m_gauges.size(); ++i) {
        const bool shown = i < capacity.size();
        m_gauges[i].caption->setVisible(shown);
        m_gauges[i].bar->setVisible(shown);
        if (!shown)
            continue;
        m_gauges[i].caption->setText(Gauge_Caption(capacity[i]));
        Show_Gauge(*m_gauges[i].bar, capacity[i]);
    }
}

void CheckWindow::Activate(const QModelIndex &proxy_index)
{
    const QModelIndex index = m_proxy->mapToSource(proxy_index);
    if (index.isValid())
        emit findingActivated(m_model->finding(index.row()));
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
