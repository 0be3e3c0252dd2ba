// TFormMain: the program list as a CSV file. The list, its checks and the whole apply are
// plain logic (dbase/program_list.h); this file asks for the files, records the apply as one
// step of the history and shows what it did.

#include "app/Main.h"

#include "dbase/file_io.h"
#include "dbase/messages.h"
#include "dbase/program_list.h"
#include "views/ui_services.h"

#include <QFile>
#include <QStringList>

#include <span>

namespace orvane {
namespace {

constexpr const char *kExportTitle = "Export program list";
constexpr const char *kImportTitle = "Import program list";
constexpr const char *kListRefused = "The program list was not imported:";

Ui_Services::FileType Csv_Files()
{
    return {QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv")};
}

// Lines for a message box ("\r" between them) or for a report's details ("\n").
QString Lines_Text(std::span<const std::string> lines, char16_t separator)
{
    QStringList texts;
    for (const std::string &line : lines)
        texts << QString::fromStdString(line);
    return texts.join(separator);
}

} // namespace

void TFormMain::Export_Program_ListClick()
{
    if (m_files.opening_or_saving() || !m_view.Data_Loaded)
        return;
    const QString path
            = m_ui.Save_Typed_File_Name(this, QString::fromUtf8(kExportTitle), Csv_Files());
    if (path.isEmpty())
        return;
    const std::string csv = Program_List_Csv(*m_db);
    const std::string local = QFile::encodeName(path).toStdString();
    std::string reason;
    if (!Write_File_Atomically(
                local, {reinterpret_cast<const std::uint8_t *>(csv.data()), csv.size()}, reason))
        m_ui.Error_Box(this, QString::fromStdString(msg::Save_Failed(local, reason)));
}

// A list with faults changes nothing: its first faults are shown instead.
void TFormMain::Import_Program_ListClick()
{
    if (m_files.opening_or_saving() || m_syncing || !m_view.Data_Loaded)
        return;
    const QString path
            = m_ui.Open_Typed_File_Name(this, QString::fromUtf8(kImportTitle), Csv_Files());
    if (path.isEmpty())
        return;
    std::string text;
    if (const Outcome read = Read_Program_List_File(QFile::encodeName(path).toStdString(), text);
        !read) {
        m_ui.Error_Box(this, QString::fromStdString(read.message));
        return;
    }
    const ProgramList list = Parse_Program_List(text);
    ProgramListReport report;
    Record_Step(QString::fromUtf8(kImportTitle), [&] { report = Apply_Program_List(*m_db, list); });
    if (!report.errors.empty()) {
        m_ui.Error_Box(this,
                       QString::fromUtf8(kListRefused) + u'\r' + Lines_Text(report.errors, u'\r'));
        return;
    }
    // Programs may have changed places across satellites and transponders: the page is listed
    // afresh, as when it is shown.
    m_views.PageControl_MainChange(m_view.View_Mode - 1);
    Apply_Changes();
    const std::vector<std::string> lines = Program_List_Lines(report);
    m_ui.Show_Report(this, QString::fromStdString(lines.front()),
                     Lines_Text(std::span(lines).subspan(1), u'\n'));
}

} // namespace orvane
