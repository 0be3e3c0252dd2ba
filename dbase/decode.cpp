#include "dbase/decode.h"

#include "dbase/codecs.h"
#include "dbase/file_io.h"
#include "dbase/messages.h"

#include <algorithm>
#include <charconv>

namespace orvane {
namespace {

void Assign_Decimal(std::string &text, std::uint32_t value)
{
    char buffer[12];
    auto *const end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    text.assign(buffer, end);
}

std::uint8_t Field_U8(ByteView record, BitField field)
{
    return static_cast<std::uint8_t>(Read_Field(record, field));
}

// Names shown in lists lose trailing blanks and control characters.
std::string_view Trim_Right(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

void Assign_Mask_Text(std::string &text, std::uint32_t mask)
{
    text.resize(16);
    for (int k = 0; k < 16; ++k)
        text[static_cast<std::size_t>(k)] = (mask >> (15 - k)) & 1u ? '1' : '0';
}

} // namespace

const std::string &Polarity_Text(std::uint32_t polarity)
{
    static const std::string kTexts[] = {"H", "V", ""};
    return kTexts[std::min<std::uint32_t>(polarity, 2)];
}

const std::string &Fec_Text(std::uint32_t fec)
{
    static const std::string kTexts[] = {"Auto", "1/2", "2/3", "3/4", "5/6", "6/7", "7/8", ""};
    return kTexts[std::min<std::uint32_t>(fec, 7)];
}

void Decode_Satellite(const SatelliteRecord &record, TLNB_Info_String &row)
{
    row.Lnb_Type = Field_U8(record, sat::Lnb_Type);
    row.Lnb_12V = Field_U8(record, sat::Lnb_12V);
    row.Tone_22K = Field_U8(record, sat::Tone_22K);
    row.Diseqc_Port = Field_U8(record, sat::Diseqc_Port);
    row.Motor = Field_U8(record, sat::Motor);
    row.Lnb_Power = Field_U8(record, sat::Lnb_Power);
    Assign_Decimal(row.Lnb_Low_Freq, Read_Field(record, sat::Lnb_Low_Freq));
    Assign_Decimal(row.Lnb_High_Freq, Read_Field(record, sat::Lnb_High_Freq));
    row.Name = Trim_Right(Stored_Text(record, sat::kNameOffset, sat::kNameLength));
    row.Longitude = Tenths_Text(Read_Field(record, sat::Longitude));
}

void Decode_Sat_Transponder(const SatTransponderRecord &record, TTp_Info_String &row)
{
    // Polarity and FEC pass through From_Digits with their maxima, so codes outside the lists
    // read as the value of their longest fitting leading bits (Polarity 3 reads as 1).
    row.In_Use = Field_U8(record, sat_tp::In_Use);
    row.Sat_Index = Field_U8(record, sat_tp::Sat_Index);
    row.Tp_Number = static_cast<std::int32_t>(Read_Field(record, sat_tp::Tp_Number));
    row.Polarity = static_cast<std::uint8_t>(
            From_Bits(Read_Field(record, sat_tp::Polarity), sat_tp::Polarity.width, 2));
    row.Fec = static_cast<std::uint8_t>(
            From_Bits(Read_Field(record, sat_tp::Fec), sat_tp::Fec.width, 6));
    row.Polarity_Text = Polarity_Text(row.Polarity);
    row.Fec_Text = Fec_Text(row.Fec);
    Assign_Decimal(row.Symbol_Rate, Read_Field(record, sat_tp::Symbol_Rate));
    Assign_Decimal(row.Frequency, Read_Field(record, sat_tp::Frequency));
}

void Decode_Ter_Transponder(const TerTransponderRecord &record, TTer_Tp_Info_String &row)
{
    row.In_Use = Field_U8(record, ter_tp::In_Use);
    row.Group_Index = Field_U8(record, ter_tp::Group_Index);
    row.Tp_Number = Field_U8(record, ter_tp::Tp_Number);
    Assign_Decimal(row.Frequency, Read_Field(record, ter_tp::Frequency));
    row.Bandwidth = Field_U8(record, ter_tp::Bandwidth);
}

void Decode_Favourite_Name(const FavouriteGroupName &record, TFavor_Name_String &name)
{
    name = Trim_Right(Stored_Text(record, 0, kFavouriteNameLength));
}

std::int32_t Program_Sat_Slot(const ProgramRecord &record, const RawArrays &raw)
{
    if (Read_Field(record, prog::Tp_Kind) != prog::kKindSatellite)
        return 0;
    const std::uint32_t tp = Read_Field(record, prog::Tp_Index);
    if (tp >= kSatTransponderSlots)
        return kNoSatellite;
    const std::uint32_t satellite = Read_Field(raw.sat_tps[tp], sat_tp::Sat_Index);
    return satellite < kSatelliteCount ? static_cast<std::int32_t>(satellite) : kNoSatellite;
}

void Decode_Program(const ProgramRecord &record, const RawArrays &raw, TProg_Info_String &row)
{
    row.In_Use = Field_U8(record, prog::In_Use);
    row.Is_Radio = Field_U8(record, prog::Is_Radio);
    row.Free_To_Air = Field_U8(record, prog::Free_To_Air);
    row.Locked = Field_U8(record, prog::Locked);
    row.Skipped = Field_U8(record, prog::Skipped);
    row.Tp_Index = static_cast<std::int32_t>(Read_Field(record, prog::Tp_Index));
    row.Sat_Slot = Program_Sat_Slot(record, raw);
    row.Tp_Kind = Field_U8(record, prog::Tp_Kind);
    Assign_Decimal(row.Service_Id, Read_Field(record, prog::Service_Id));
    Assign_Decimal(row.Pcr_Pid, Read_Field(record, prog::Pcr_Pid));
    Assign_Decimal(row.Private_Pid, Read_Field(record, prog::Private_Pid));
    row.Audio_Track_Total = Field_U8(record, prog::Audio_Track_Total);
    Assign_Decimal(row.Video_Pid, Read_Field(record, prog::Video_Pid));
    Assign_Decimal(row.Audio_Pid, Read_Field(record, prog::Audio_Pid));
    row.Current_Audio = Field_U8(record, prog::Current_Audio);
    Assign_Mask_Text(row.Favourite_Mask, Read_Field(record, prog::Favourite_Mask));
    Assign_Decimal(row.Pmt_Pid, Read_Field(record, prog::Pmt_Pid));
    row.W4_Top_Bits = Field_U8(record, prog::W4_Top_Bits);
    row.Name = Stored_Text(record, prog::kNameOffset, prog::kNameLength); // not trimmed
    std::copy_n(record.begin() + prog::kCaSystemOffset, prog::kCaSystemCount,
                row.Ca_System.begin());
}

void Decode_Audio_Track(const AudioTrackRecord &record, TAudio_Info_String &row)
{
    row.In_Use = Field_U8(record, audio::In_Use);
    row.Program_Index = static_cast<std::int32_t>(Read_Field(record, audio::Program_Index));
    Assign_Decimal(row.Audio_Pid, Read_Field(record, audio::Audio_Pid));
    row.Tag = Stored_Text(record, audio::kTagOffset, audio::kTagLength);
}

int Stored_Program_Count(const RawArrays &raw)
{
    return static_cast<int>(Read_Field(raw.program_counts, program_counts::Program_Count));
}

int Stored_Audio_Track_Count(const RawArrays &raw)
{
    return static_cast<int>(Read_Field(raw.program_counts, program_counts::Audio_Track_Count));
}

int Used_Program_Count(const RawArrays &raw)
{
    return std::min(Stored_Program_Count(raw), kProgramSlots);
}

int Used_Audio_Track_Count(const RawArrays &raw)
{
    return std::min(Stored_Audio_Track_Count(raw), kAudioTrackSlots);
}

void Decode_Satellite_Slot(const RawArrays &raw, std::size_t slot, TLNB_Info_String &row)
{
    Decode_Satellite(raw.satellites[slot], row);
}

void Decode_Sat_Transponder_Slot(const RawArrays &raw, std::size_t slot, TTp_Info_String &row)
{
    Decode_Sat_Transponder(raw.sat_tps[slot], row);
}

void Decode_Ter_Transponder_Slot(const RawArrays &raw, std::size_t slot, TTer_Tp_Info_String &row)
{
    Decode_Ter_Transponder(raw.ter_tps[slot], row);
}

void Decode_Favourite_Name_Slot(const RawArrays &raw, std::size_t slot, TFavor_Name_String &row)
{
    Decode_Favourite_Name(raw.favourite_names[slot], row);
}

void Decode_Program_Slot(const RawArrays &raw, std::size_t slot, TProg_Info_String &row)
{
    Decode_Program(raw.programs[slot], raw, row);
}

void Decode_Audio_Track_Slot(const RawArrays &raw, std::size_t slot, TAudio_Info_String &row)
{
    Decode_Audio_Track(raw.audio_tracks[slot], row);
}

// The rows are made as they are read (display_rows.h).
void Decode_Rows(ChannelDatabase &db)
{
    db.rows.Forget_All();
    db.Program_Count = Stored_Program_Count(db.raw);
}

void Decode_Image(ChannelDatabase &db, ByteView image)
{
    Raw_From_Image(db.raw, image);
    Decode_Rows(db);
}

Outcome Decode_Image(ChannelDatabase &db, const std::string &working_copy_path)
{
    Bytes image;
    std::string reason;
    if (!Read_Whole_File(working_copy_path, image, reason, kImageSize) || image.size() < kImageSize)
        return Outcome::failure(msg::kFileInexistent);
    Decode_Image(db, image);
    return Outcome::success();
}

} // namespace orvane
