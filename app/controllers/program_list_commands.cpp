#include "app/controllers/program_list_commands.h"

#include "app/app_messages.h"
#include "app/controllers/window_shell.h"
#include "app/file_commands.h"
#include "dbase/file_io.h"
#include "dbase/messages.h"
#include "dbase/program_list.h"
#include "views/ui_services.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QStringList>

#include <span>

namespace orvane {
namespace {

constexpr const char *kExportTitle = ORVANE_TEXT("Orvane", "Export program list");
constexpr const char *kImportTitle = ORVANE_TEXT("Orvane", "Import program list");
constexpr const char *kListRefused = ORVANE_TEXT("Orvane", "The program list was not imported:");

Ui_Services::FileType Csv_Files()
{
    return {ProgramListCommands::tr("CSV files (*.csv)"), QStringLiteral("csv")};
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

ProgramListCommands::ProgramListCommands(WindowShell &shell)
    : QObject(shell.controller_parent())
    , m_shell(shell)
{
    QMenu *menu = shell.file_menu();
    menu->addSeparator();
    m_export = menu->addAction(tr("Export program list..."));
    connect(m_export, &QAction::triggered, this, &ProgramListCommands::Export_Program_ListClick);
    m_import = menu->addAction(tr("Import program list..."));
    connect(m_import, &QAction::triggered, this, &ProgramListCommands::Import_Program_ListClick);
    connect(&shell.events(), &ShellEvents::loadedStateChanged, this, [this](bool loaded) {
        m_export->setEnabled(loaded);
        m_import->setEnabled(loaded);
    });
}

void ProgramListCommands::Export_Program_ListClick()
{
    if (m_shell.file_commands().opening_or_saving() || !m_shell.views().view().Data_Loaded)
        return;
    Ui_Services &ui = m_shell.ui();
    QWidget *parent = m_shell.Dialog_Parent();
    const QString path = ui.Save_Typed_File_Name(parent, ui_text::Shown(kExportTitle), Csv_Files());
    if (path.isEmpty())
        return;
    const std::string csv = Program_List_Csv(m_shell.database());
    const std::string local = QFile::encodeName(path).toStdString();
    std::string reason;
    if (!Write_File_Atomically(
                local, {reinterpret_cast<const std::uint8_t *>(csv.data()), csv.size()}, reason))
        ui.Error_Box(parent, Shown_Database_Message(msg::Save_Failed(local, reason)));
}

// A list with faults changes nothing: its first faults are shown instead.
void ProgramListCommands::Import_Program_ListClick()
{
    if (!m_shell.Ready_For_Command())
        return;
    Ui_Services &ui = m_shell.ui();
    QWidget *parent = m_shell.Dialog_Parent();
    const QString path = ui.Open_Typed_File_Name(parent, ui_text::Shown(kImportTitle), Csv_Files());
    if (path.isEmpty())
        return;
    std::string text;
    if (const Outcome read = Read_Program_List_File(QFile::encodeName(path).toStdString(), text);
        !read) {
        ui.Error_Box(parent, Shown_Database_Message(read.message));
        return;
    }
    const ProgramList list = Parse_Program_List(text);
    ProgramListReport report;
    m_shell.Record_Step(ui_text::Shown(kImportTitle),
                        [&] { report = Apply_Program_List(m_shell.database(), list); });
    if (!report.errors.empty()) {
        ui.Error_Box(parent,
                     ui_text::Shown(kListRefused) + u'\r' + Lines_Text(report.errors, u'\r'));
        return;
    }
    // Programs may have changed places across satellites and transponders: the page is listed
    // afresh, as when it is shown.
    MainViews &views = m_shell.views();
    views.PageControl_MainChange(views.view().View_Mode - 1);
    m_shell.Apply_Changes();
    const std::vector<std::string> lines = Program_List_Lines(report);
    ui.Show_Report(parent, QString::fromStdString(lines.front()),
                   Lines_Text(std::span(lines).subspan(1), u'\n'));
}

} // namespace orvane
