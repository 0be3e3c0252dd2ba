#include "views/list_texts.h"

#include "dbase/list_numbers.h"
#include "dbase/record_writers.h"
#include "views/captions.h"
#include "views/view_state.h"

namespace orvane {
namespace {

bool In_Table(int slot, int size)
{
    return slot >= 0 && slot < size;
}

std::string Program_Pid_Line(const ChannelDatabase &db, int program)
{
    const TProg_Info_String &row = db.rows.programs[static_cast<std::size_t>(program)];
    return std::string(caption::kInfoVid) + row.Video_Pid + caption::kInfoAud
           + Current_Audio_Pid_Text(db, program) + caption::kInfoPcr + row.Pcr_Pid;
}

std::string Program_Flag_Line(const TProg_Info_String &row)
{
    return std::string(row.Free_To_Air == 1 ? caption::kInfoFree : caption::kInfoEncrypt)
           + (row.Locked == 1 ? caption::kInfoLockYes : caption::kInfoLockNot)
           + (row.Skipped == 1 ? caption::kInfoSkipYes : caption::kInfoSkipNot);
}

void Add_Program_Lines(const ChannelDatabase &db, int view_mode, int program,
                       std::vector<std::string> &lines)
{
    const TProg_Info_String &row = db.rows.programs[static_cast<std::size_t>(program)];
    if (view_mode == kSatellitesPage) {
        lines.push_back(Info_Sat_Line(db, row.Sat_Slot));
        lines.emplace_back();
    }
    lines.push_back(view_mode == kSatellitesPage ? Info_Sat_Tp_Line(db, row.Tp_Index)
                                                 : Info_Ter_Tp_Line(db, row.Tp_Index));
    lines.emplace_back();
    lines.push_back(caption::kInfoName + db.names->Text_Of(row.Name));
    lines.emplace_back();
    lines.push_back(Program_Pid_Line(db, program));
    if (view_mode == kSatellitesPage) {
        lines.emplace_back();
        lines.push_back(Program_Flag_Line(row));
    }
}

} // namespace

std::string Row_Number_Text(int position)
{
    return List_Number_Text(position + 1) + ": ";
}

std::string Zero_Padded(const std::string &digits, std::size_t width)
{
    if (digits.size() >= width)
        return digits;
    return std::string(width - digits.size(), '0') + digits;
}

std::string Favourite_Line(const ChannelDatabase &db, int group)
{
    return Favourite_Number_Text(group) + " :  "
           + db.names->Text_Of(db.rows.favourite_names[static_cast<std::size_t>(group)]);
}

std::vector<std::string> Favourite_Lines(const ChannelDatabase &db)
{
    std::vector<std::string> lines;
    lines.reserve(kFavouriteGroupCount);
    for (int g = 0; g < kFavouriteGroupCount; ++g)
        lines.push_back(Favourite_Line(db, g));
    return lines;
}

std::string Info_Sat_Line(const ChannelDatabase &db, int satellite)
{
    if (!In_Table(satellite, kSatelliteCount))
        return caption::kInfoSat;
    return caption::kInfoSat
           + db.names->Text_Of(db.rows.satellites[static_cast<std::size_t>(satellite)].Name);
}

std::string Info_Sat_Tp_Line(const ChannelDatabase &db, int tp)
{
    if (!In_Table(tp, kSatTransponderSlots))
        return caption::kInfoTp;
    const TTp_Info_String &row = db.rows.sat_tps[static_cast<std::size_t>(tp)];
    const std::string separator = caption::kInfoSeparator;
    return caption::kInfoTp + row.Frequency + separator + row.Polarity_Text + separator
           + row.Symbol_Rate + separator + row.Fec_Text;
}

std::string Info_Ter_Tp_Line(const ChannelDatabase &db, int tp)
{
    if (!In_Table(tp, kTerTransponderSlots))
        return caption::kInfoTp;
    return caption::kInfoTp + db.rows.ter_tps[static_cast<std::size_t>(tp)].Frequency;
}

std::string Current_Audio_Pid_Text(const ChannelDatabase &db, int program)
{
    const int track = Current_Audio_Track_Slot(db.raw, program);
    if (track < 0)
        return db.rows.programs[static_cast<std::size_t>(program)].Audio_Pid;
    return db.rows.audio_tracks[static_cast<std::size_t>(track)].Audio_Pid;
}

std::vector<std::string> Info_Lines(const ChannelDatabase &db, int view_mode, int satellite, int tp,
                                    int program)
{
    std::vector<std::string> lines;
    if (view_mode == kSatellitesPage && satellite != kNoSlot)
        lines.push_back(Info_Sat_Line(db, satellite));
    if (tp != kNoSlot) {
        if (view_mode == kSatellitesPage) {
            const int owner = In_Table(tp, kSatTransponderSlots)
                                      ? db.rows.sat_tps[static_cast<std::size_t>(tp)].Sat_Index
                                      : kNoSlot;
            lines.push_back(Info_Sat_Line(db, owner));
        }
        lines.emplace_back();
        lines.push_back(view_mode == kSatellitesPage ? Info_Sat_Tp_Line(db, tp)
                                                     : Info_Ter_Tp_Line(db, tp));
    }
    if (In_Table(program, kProgramSlots))
        Add_Program_Lines(db, view_mode, program, lines);
    return lines;
}

} // namespace orvane
