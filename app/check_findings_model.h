#pragma once

// The findings of a database check as a table for the check window: severity, table, entry and
// text, each with a sort key of its own so that severities sort by rank and entries by number,
// not as the words and digits they are shown as.

#include "dbase/database_check.h"
#include "dbase/name_text.h"
#include "translations/text_mark.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace orvane {

namespace check_text {
constexpr const char *kWindowTitle = ORVANE_TEXT("Orvane", "Check database");
constexpr const char *kRemoveDuplicates = ORVANE_TEXT("Orvane", "Remove duplicate programs");
constexpr const char *kDeleteEmptyTps = ORVANE_TEXT("Orvane", "Delete all empty transponders");
constexpr const char *kClose = ORVANE_TEXT("Orvane", "Close");
} // namespace check_text

QString Severity_Text(Severity severity);
QString Table_Text(CheckTable table);
// "2 errors, 1 warning, 3 information".
QString Findings_Summary(const CheckReport &report);

class CheckFindingsModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Severity_Column, Table_Column, Entry_Column, Text_Column, Column_Count };
    // The role the proxy sorts by: a severity's rank, a table's order, an entry's number.
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    // The report's findings, and what their entries need to be named.
    // The findings' texts hold names as stored, read here in `names`.
    void Set_Findings(const CheckReport &report, const NameText &names);
    const CheckFinding &finding(int row) const
    {
        return m_report.findings[static_cast<std::size_t>(row)];
    }
    // The row of a finding about the same entry with the same text, else of the first finding
    // about that entry, or -1.
    int Row_Like(const CheckFinding &finding) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant Display(const CheckFinding &finding, int column) const;
    QVariant Sort_Key(const CheckFinding &finding, int column) const;

    // A text of the report (ASCII with names as stored inside) for the screen.
    QString Text_Of(const std::string &text) const
    {
        return QString::fromStdString(m_names->Text_Of(text));
    }

    CheckReport m_report; // without its gauges
    const NameText *m_names = &Latin1_Names();
};

} // namespace orvane
