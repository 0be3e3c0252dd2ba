#include "dialogs/prog_edit_logic.h"

#include "dbase/bit_field.h"
#include "dialogs/input_checks.h"
#include "translations/ui_text.h"
#include "views/view_state.h"

#include <algorithm>
#include <cstdlib>

namespace orvane {

namespace {

struct CaName
{
    std::uint8_t id;
    const char *name;
};

constexpr CaName kCaNames[] = {
        {1, "Seca"},
        {2, "CCETT"},
        {3, "MSG MediaServices GmbH"},
        {4, "Eurodec"},
        {5, "Viaccess"},
        {6, "Irdeto"},
        {7, "Jerrold/GI"},
        {8, "Matra Communication"},
        {9, "NDS"},
        {10, "Nokia"},
        {11, "Conax"},
        {12, "NTL"},
        {13, "CryptoWorks"},
        {14, "PowerVu"},
        {15, "Sony"},
        {16, "Tandberg Television"},
        {17, "Thomson"},
        {18, "TV/Com"},
        {19, "HPT-Coratian Post and Telecommunications"},
        {20, "HPT-Coratian Radio and Television"},
        {21, "IBM"},
        {22, "Nera"},
        {23, "BetaCrypt"},
        {24, "Nagra"},
        {25, "Titan Information Systems"},
        {32, "Telefonica Servicios Audiovisuales"},
        {33, "STENTOR(France Telecom,CNES and DGA)"},
        {34, "Tadiran Scopus"},
        {35, "BARCO AS"},
        {36, "StarGuide Digital Networks"},
        {37, "Mentor Data System,Inc"},
        {38, "European"},
        {71, "General Instrument"},
        {72, "Telemann"},
        {74, "Unknow"},
};

// Every id without a name of its own shows this one.
constexpr const char *kOtherCaName = "Sky";

constexpr std::uint32_t kMaxServiceId = 65535;

struct PidText
{
    ProgField field;
    const QString *text;
};

std::array<PidText, 5> Pid_Texts(const ProgInput &input)
{
    return {{{ProgField::Pcr, &input.pcr},
             {ProgField::Pvt, &input.pvt},
             {ProgField::Vid, &input.vid},
             {ProgField::Aud, &input.aud},
             {ProgField::Pmt, &input.pmt}}};
}

ProgVerdict Refused(ProgField field, const QString &message, bool empty_field = false)
{
    ProgVerdict verdict;
    verdict.field = field;
    verdict.message = message;
    verdict.empty_field = empty_field;
    return verdict;
}

ProgVerdict Illegal(ProgField field, bool empty_field = false)
{
    return Refused(field, ui_text::Shown(kIllegalData), empty_field);
}

// Checks 1 and 2: a PID that is empty or has a decimal point, then an empty service id.
std::optional<ProgVerdict> Check_Present(const ProgInput &input)
{
    for (const PidText &pid : Pid_Texts(input))
        if (pid.text->isEmpty() || pid.text->contains(u'.'))
            return Illegal(pid.field);
    if (input.sid.isEmpty())
        return Illegal(ProgField::Sid);
    return std::nullopt;
}

// Check 3: every PID a number within 0..8191; a value out of range empties its field.
std::optional<ProgVerdict> Check_Pid_Ranges(const ProgInput &input, ProgramValues &values)
{
    std::uint32_t *targets[] = {&values.pcr_pid, &values.private_pid, &values.video_pid,
                                &values.audio_pid, &values.pmt_pid};
    std::size_t index = 0;
    for (const PidText &pid : Pid_Texts(input)) {
        const auto value = Parse_Integer(*pid.text);
        if (!value)
            return Refused(pid.field, Not_Valid_Integer(*pid.text));
        if (*value < 0 || *value > static_cast<qint32>(kMaxPid))
            return Illegal(pid.field, true);
        *targets[index++] = static_cast<std::uint32_t>(*value);
    }
    return std::nullopt;
}

// The service id is stored as an unsigned magnitude: a leading minus sign is dropped, and a
// magnitude that the 16-bit field cannot hold is refused rather than cut.
std::optional<ProgVerdict> Check_Service_Id(const ProgInput &input, ProgramValues &values)
{
    const auto value = Parse_Integer(input.sid);
    if (!value)
        return Refused(ProgField::Sid, Not_Valid_Integer(input.sid));
    const qint64 magnitude = std::llabs(static_cast<qint64>(*value));
    if (magnitude > kMaxServiceId)
        return Illegal(ProgField::Sid);
    values.service_id = static_cast<std::uint32_t>(magnitude);
    return std::nullopt;
}

// Names are stored as bytes of their character set; a character without any is refused,
// never replaced.
std::optional<ProgVerdict> Check_Name(const ProgInput &input, ProgramValues &values)
{
    NameToStore name
            = Name_To_Store(*input.names, input.stored_name, input.name, prog::kNameLength);
    if (!name.bytes)
        return Refused(ProgField::Name, name.refusal);
    values.name = std::move(*name.bytes);
    return std::nullopt;
}

std::uint32_t Mask_From_Text(const std::string &text)
{
    // The text holds group 16 first and group 1 last.
    std::uint32_t mask = 0;
    const std::size_t length = std::min<std::size_t>(text.size(), kFavouriteGroupCount);
    for (std::size_t i = 0; i < length; ++i)
        if (text[text.size() - 1 - i] == '1')
            mask |= 1u << i;
    return mask;
}

QString Latin1(const std::string &text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::array<QString, 4> Ca_Names(const TProg_Info_String &row)
{
    std::array<QString, 4> names;
    if (row.Free_To_Air) {
        names[0] = ui_text::Shown(ORVANE_TEXT("Orvane", "The Program is free!"));
        return names;
    }
    names[0] = QString::fromLatin1(Ca_System_Name(row.Ca_System[0]));
    for (std::size_t i = 1; i < names.size(); ++i)
        if (row.Ca_System[i] != 0)
            names[i] = QString::fromLatin1(Ca_System_Name(row.Ca_System[i]));
    return names;
}

} // namespace

const char *Ca_System_Name(std::uint8_t id)
{
    for (const CaName &entry : kCaNames)
        if (entry.id == id)
            return entry.name;
    return kOtherCaName;
}

ProgVerdict Check_Program_Input(const ProgInput &input)
{
    ProgramValues values;
    if (auto refused = Check_Present(input))
        return *refused;
    if (auto refused = Check_Pid_Ranges(input, values))
        return *refused;
    if (auto refused = Check_Service_Id(input, values))
        return *refused;
    if (auto refused = Check_Name(input, values))
        return *refused;
    values.skipped = input.skipped;
    values.locked = input.locked;
    values.favourite_mask = input.favourite_mask & 0xFFFFu;
    ProgVerdict verdict;
    verdict.values = std::move(values);
    return verdict;
}

QString Prog_Decimal_Text(const std::string &text)
{
    const QString shown = Latin1(text);
    const auto value = Parse_Integer(shown);
    return value ? QString::number(*value) : shown;
}

ProgShown Shown_Program(const ChannelDatabase &db, int slot)
{
    const TProg_Info_String &row = db.rows.programs[static_cast<std::size_t>(slot)];
    ProgShown shown;
    shown.name = Name_Field_Text(*db.names, row.Name);
    shown.sid = Latin1(row.Service_Id);
    shown.pcr = Prog_Decimal_Text(row.Pcr_Pid);
    shown.pvt = Prog_Decimal_Text(row.Private_Pid);
    shown.pmt = Prog_Decimal_Text(row.Pmt_Pid);
    shown.vid = Prog_Decimal_Text(row.Video_Pid);
    // A Current_Audio that names no track of this program falls back to its own Audio_Pid,
    // as the information pane does: another program's track is never shown or edited.
    const int track = Current_Audio_Track_Slot(db.raw, slot);
    shown.aud = Prog_Decimal_Text(
            track < 0 ? row.Audio_Pid
                      : db.rows.audio_tracks[static_cast<std::size_t>(track)].Audio_Pid);
    shown.skipped = row.Skipped == 1;
    shown.locked = row.Locked == 1;
    shown.favourite_mask = Mask_From_Text(row.Favourite_Mask);
    shown.ca_names = Ca_Names(row);
    return shown;
}

QString Favourite_Caption(const ChannelDatabase &db, int group)
{
    const FavouriteGroupName &bytes = db.raw.favourite_names[static_cast<std::size_t>(group)];
    std::size_t length = 0;
    while (length < kFavouriteNameLength && bytes[length] != 0)
        ++length;
    return Name_Field_Text(*db.names,
                           std::string_view(reinterpret_cast<const char *>(bytes.data()), length));
}

void Write_Program_Change(ChannelDatabase &db, int slot, const ProgramValues &values)
{
    Edit_Program(db, slot, values);
}

int Write_Program_Add(ChannelDatabase &db, int view_mode, int tp_slot, bool is_radio,
                      ProgramValues values)
{
    values.is_radio = is_radio;
    const std::uint32_t kind
            = view_mode == kTerrestrialPage ? prog::kKindTerrestrial : prog::kKindSatellite;
    return Create_Program(db, kind, tp_slot, values);
}

} // namespace orvane
