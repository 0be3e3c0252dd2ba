#include "cli/import_csv.h"

#include "cli/commands.h"
#include "dbase/program_list.h"

#include <memory>

namespace orvane::cli {

// Every value is checked, and every row matched, before OUT is touched.
int Run_Import_Csv(const CommandLine &line, std::ostream &out, std::ostream &err)
{
    const std::unique_ptr<ChannelDatabase> db = Make_Channel_Database();
    db->names = line.charset;
    std::string text;
    Outcome step = Read_Program_List_File(line.files[0], text);
    if (step)
        step = Load_For_Command(*db, *line.like, line.kind);
    if (!step)
        return Refuse(err, step.message);
    const ProgramListReport report = Apply_Program_List(*db, Parse_Program_List(text));
    if (!report.errors.empty()) {
        for (const std::string &error : report.errors)
            err << line.files[0] << ": " << error << '\n';
        return kExitRefused;
    }
    if (step = Save_In_Own_Kind(*db, line.files[1]); !step)
        return Refuse(err, step.message);
    for (const std::string &report_line : Program_List_Lines(report))
        out << report_line << '\n';
    out.flush();
    return kExitOk;
}

} // namespace orvane::cli
