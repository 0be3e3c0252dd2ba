#pragma once

// The checks of the two transponder dialogs, without widgets: the typed texts and list
// selections go in, a verdict (which field failed, with which message) or the checked values
// come out, which the database's transponder edits write. Every check runs before the first
// write, so a refused input leaves the database as it was.

#include "dbase/channel_database.h"
#include "dbase/record_writers.h"

#include <QString>

namespace orvane {

// Ranges the dialogs accept, and the item lists' sizes.
inline constexpr int kSatTpMinFrequency = 2000; // MHz
inline constexpr int kSatTpMaxFrequency = 12750;
inline constexpr int kSatTpMinSymbolRate = 2000; // kS/s
inline constexpr int kSatTpMaxSymbolRate = 45000;
inline constexpr int kTerTpMinFrequency = 50000; // kHz
inline constexpr int kTerTpMaxFrequency = 1000000;
inline constexpr int kNoSelection = -1;

// What an opener hands to a transponder dialog. Sat_Slot and Tp_Number matter only when the
// dialog adds a satellite transponder (ViewState::Is_New_Entry set); Tp_Number 0 lets the
// record writer number it after the satellite's last transponder, which is what the New
// command hands over anyway.
struct TpHandOver
{
    int Slot_Index = 0;
    int Sat_Slot = 0;
    int Tp_Number = 0;
};

enum class TpField { None, Frequency, Symbol_Rate, Fec, Polarity };

// The first check that failed: its field, its message, and whether the field is emptied.
struct TpVerdict
{
    TpField field = TpField::None;
    QString message;
    bool clear_field = false;

    bool ok() const { return field == TpField::None; }
};

struct SatTpInput
{
    QString frequency;
    QString symbol_rate;
    int fec = kNoSelection;
    int polarity = kNoSelection;
    bool polarity_enabled = true; // a disabled list is not checked and keeps the stored bits
};

struct TerTpInput
{
    QString frequency;
    int bandwidth = kNoSelection; // none: the stored bandwidth is kept
};

struct SatTpCheck
{
    TpVerdict verdict;
    SatTransponderValues values; // valid when verdict.ok()
};

struct TerTpCheck
{
    TpVerdict verdict;
    TerTransponderValues values; // bandwidth valid only when input.bandwidth was selected
};

SatTpCheck Check_Sat_Tp(const SatTpInput &input);
TerTpCheck Check_Ter_Tp(const TerTpInput &input);

// Whether the polarisation list is enabled in change mode: not under a satellite whose LNB
// power is "13" or "18", which fixes the polarisation itself.
bool Sat_Tp_Polarity_Editable(const ChannelDatabase &db, int slot);

// The texts the change mode opens with: the stored number in plain decimal.
QString Plain_Decimal(const std::string &text);

// Hands a checked input to the database's transponder edits (record_writers.h): add mode
// fills the free slot and counts it; change mode replaces only the dialog's own fields, and a
// disabled polarisation list or a bandwidth list without selection keeps the stored code.
void Write_Sat_Tp_Add(ChannelDatabase &db, const TpHandOver &hand_over,
                      const SatTransponderValues &values);
void Write_Sat_Tp_Change(ChannelDatabase &db, int slot, const SatTpInput &input,
                         const SatTransponderValues &values);
void Write_Ter_Tp_Add(ChannelDatabase &db, int slot, const TerTpInput &input,
                      const TerTransponderValues &values);
void Write_Ter_Tp_Change(ChannelDatabase &db, int slot, const TerTpInput &input,
                         const TerTransponderValues &values);

} // namespace orvane
