#pragma once

// The program dialog's rules without widgets: the names of the conditional-access systems,
// the texts a program shows, the checks of OK in their order, and the record writes of add
// and change mode.

#include "dbase/record_writers.h"
#include "dialogs/name_field.h"

#include <QString>

#include <array>
#include <cstdint>

namespace orvane {

// The display name of a Ca_System id (the high byte of a DVB CA_system_id).
const char *Ca_System_Name(std::uint8_t id);

// What the opener hands to the dialog. Add mode is chosen by ViewState's Is_New_TV and
// Is_New_Radio; the New commands set those and fill this.
struct ProgHandOver
{
    int Slot_Index = 0; // the program slot; Program_Count in add mode
    int Tp_Slot = 0;    // the program's transponder in the table of the page on show
};

// The text fields in the dialog's order, as the checks report them.
enum class ProgField { None, Name, Pcr, Pvt, Vid, Aud, Pmt, Sid };

struct ProgInput
{
    QString name, pcr, pvt, vid, aud, pmt, sid;
    // The name as stored (empty for a new program) and the set it reads in: a name left as
    // the dialog showed it keeps its bytes.
    std::string stored_name;
    const NameText *names = &Latin1_Names();
    bool skipped = false;
    bool locked = false;
    std::uint32_t favourite_mask = 0; // bit k-1 = group k
};

// The first failed check: the field to focus, the message, and whether the field is emptied.
// On success field is None and values holds what OK writes.
struct ProgVerdict
{
    ProgField field = ProgField::None;
    QString message;
    bool empty_field = false;
    ProgramValues values;

    bool ok() const { return field == ProgField::None; }
};

ProgVerdict Check_Program_Input(const ProgInput &input);

// A stored number text shown as plain decimal ("0256" -> "256"); other texts as they are.
QString Prog_Decimal_Text(const std::string &text);

// The texts of a change-mode dialog, from the program's display row. The audio PID is that
// of the current audio track when the program owns it, else the program's own.
struct ProgShown
{
    QString name, pcr, pvt, vid, aud, pmt, sid;
    bool skipped = false;
    bool locked = false;
    std::uint32_t favourite_mask = 0;
    std::array<QString, 4> ca_names; // empty for a field that stays blank
};

ProgShown Shown_Program(const ChannelDatabase &db, int slot);

// The caption of favourite group k's check box: the image slot's text up to its first zero
// byte, at most 15 characters.
QString Favourite_Caption(const ChannelDatabase &db, int group);

// OK's writes. Change mode touches only the dialog's own bits (and the current audio track's
// PID); add mode appends a program on transponder tp_slot of the page's table and returns
// its slot, or -1 when the table is full.
void Write_Program_Change(ChannelDatabase &db, int slot, const ProgramValues &values);
int Write_Program_Add(ChannelDatabase &db, int view_mode, int tp_slot, bool is_radio,
                      ProgramValues values);

} // namespace orvane
