#include "app/check_findings_model.h"

#include <array>

namespace orvane {
namespace {

constexpr std::array<const char *, CheckFindingsModel::Column_Count> kColumnTitles{
        QT_TRANSLATE_NOOP("orvane::CheckFindingsModel", "Severity"),
        QT_TRANSLATE_NOOP("orvane::CheckFindingsModel", "Table"),
        QT_TRANSLATE_NOOP("orvane::CheckFindingsModel", "Entry"),
        QT_TRANSLATE_NOOP("orvane::CheckFindingsModel", "Text")};

bool Same_Entry(const CheckFinding &a, const CheckFinding &b)
{
    return a.table == b.table && a.slot == b.slot;
}

} // namespace

QString Severity_Text(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return CheckFindingsModel::tr("Error");
    case Severity::Warning:
        return CheckFindingsModel::tr("Warning");
    default:
        return CheckFindingsModel::tr("Information");
    }
}

QString Table_Text(CheckTable table)
{
    switch (table) {
    case CheckTable::Satellites:
        return CheckFindingsModel::tr("Satellites");
    case CheckTable::Sat_Transponders:
        return CheckFindingsModel::tr("Satellite transponders");
    case CheckTable::Ter_Transponders:
        return CheckFindingsModel::tr("Terrestrial transponders");
    case CheckTable::Programs:
        return CheckFindingsModel::tr("Programs");
    case CheckTable::Audio_Tracks:
        return CheckFindingsModel::tr("Audio tracks");
    case CheckTable::Favourite_Groups:
        return CheckFindingsModel::tr("Favourite groups");
    default:
        return CheckFindingsModel::tr("Counts");
    }
}

QString Findings_Summary(const CheckReport &report)
{
    const int errors = report.count(Severity::Error);
    const int warnings = report.count(Severity::Warning);
    const int information = report.count(Severity::Info);
    const QString separator = CheckFindingsModel::tr(", ");
    return (errors == 1 ? CheckFindingsModel::tr("%n error", nullptr, errors)
                        : CheckFindingsModel::tr("%n errors", nullptr, errors))
           + separator
           + (warnings == 1 ? CheckFindingsModel::tr("%n warning", nullptr, warnings)
                            : CheckFindingsModel::tr("%n warnings", nullptr, warnings))
           + separator + CheckFindingsModel::tr("%n information", nullptr, information);
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
    return tr(kColumnTitles[static_cast<std::size_t>(section)]);
}

} // namespace orvane
