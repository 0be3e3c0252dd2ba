#include "app/check_findings_model.h"

#include <array>

namespace orvane {
namespace {

constexpr std::array<const char *, CheckFindingsModel::Column_Count> kColumnTitles{
        "Severity", "Table", "Entry", "Text"};

QString Counted(int count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(count == 1 ? one : many));
}

bool Same_Entry(const CheckFinding &a, const CheckFinding &b)
{
    return a.table == b.table && a.slot == b.slot;
}

} // namespace

QString Severity_Text(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return QStringLiteral("Error");
    case Severity::Warning:
        return QStringLiteral("Warning");
    default:
        return QStringLiteral("Information");
    }
}

QString Table_Text(CheckTable table)
{
    switch (table) {
    case CheckTable::Satellites:
        return QStringLiteral("Satellites");
    case CheckTable::Sat_Transponders:
        return QStringLiteral("Satellite transponders");
    case CheckTable::Ter_Transponders:
        return QStringLiteral("Terrestrial transponders");
    case CheckTable::Programs:
        return QStringLiteral("Programs");
    case CheckTable::Audio_Tracks:
        return QStringLiteral("Audio tracks");
    case CheckTable::Favourite_Groups:
        return QStringLiteral("Favourite groups");
    default:
        return QStringLiteral("Counts");
    }
}

QString Findings_Summary(const CheckReport &report)
{
    return Counted(report.count(Severity::Error), "error", "errors") + QStringLiteral(", ")
           + Counted(report.count(Severity::Warning), "warning", "warnings") + QStringLiteral(", ")
           + Counted(report.count(Severity::Info), "information", "information");
}

void CheckFindingsModel::Set_Findings(const CheckReport &report, const NameText &names)
{
    beginResetModel();
    m_names = &names;
    m_report.findings = report.findings;
    m_report.satellite_names = report.satellite_names;
    endResetModel();
}

int CheckFindingsModel::Row_Like(const CheckFinding &finding) const
{
    int same_entry = -1;
    for (int row = 0; row < rowCount(); ++row) {
        const CheckFinding &candidate = this->finding(row);
        if (!Same_Entry(candidate, finding))
            continue;
        if (candidate.text == finding.text)
            return row;
        if (same_entry < 0)
            same_entry = row;
    }
    return same_entry;
}

int CheckFindingsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_report.findings.size());
}

int CheckFindingsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Column_Count;
}

QVariant CheckFindingsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const CheckFinding &entry = finding(index.row());
    if (role == Qt::DisplayRole)
        return Display(entry, index.column());
    if (role == kSortRole)
        return Sort_Key(entry, index.column());
    return {};
}

QVariant CheckFindingsModel::Display(const CheckFinding &finding, int column) const
{
    switch (column) {
    case Severity_Column:
        return Severity_Text(finding.severity);
    case Table_Column:
        return Table_Text(finding.table);
    case Entry_Column:
        return Text_Of(Entry_Label(m_report, finding));
    default:
        return Text_Of(finding.text);
    }
}

QVariant CheckFindingsModel::Sort_Key(const CheckFinding &finding, int column) const
{
    switch (column) {
    case Severity_Column:
        return static_cast<int>(finding.severity);
    case Table_Column:
        return static_cast<int>(finding.table);
    case Entry_Column:
        return Entry_Order(finding);
    default:
        return Text_Of(finding.text);
    }
}

QVariant CheckFindingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= Column_Count)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf8(kColumnTitles[static_cast<std::size_t>(section)]);
}

} // namespace orvane
