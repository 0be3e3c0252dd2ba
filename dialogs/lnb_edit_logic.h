#pragma once

// The satellite and LNB dialog without widgets: the presets each LNB type brings, the checks
// of OK in their order, and what OK hands to the database's Edit_Satellite_Lnb. Every check
// runs before the first write, so refused input changes nothing.

#include "dbase/channel_database.h"
#include "dialogs/name_field.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace orvane {

// The item lists of the dialog; an item's index is its stored code.
const QStringList &Lnb_Type_Items();
const QStringList &Lnb_Freq_Presets();
const QStringList &Lnb_Power_Items();
const QStringList &Diseqc_Items();
const QStringList &Off_On_Items();

// What choosing an LNB type puts into the dialog. The 22 kHz list is left without a
// selection; the caller picks one.
struct LnbTypeDefaults
{
    QString low;
    QString high;
    bool high_enabled = false;
    QStringList tone_items;
    bool tone_enabled = true;
};
// The defaults of type code `type`, or nothing for a code that has no list item.
std::optional<LnbTypeDefaults> Lnb_Type_Defaults(int type);

// The 22 kHz list for a stored tone code: "Auto" alone (disabled) for 2, else "OFF", "ON".
QStringList Tone_Items_For(int tone);

// The dialog's input. A list index of -1 means no selection: the stored value is kept.
struct LnbInput
{
    QString name;
    // The name as stored and the set it reads in: a name left as shown keeps its bytes.
    std::string stored_name;
    const NameText *names = &Latin1_Names();
    QString longitude;
    QString low;
    QString high;
    QString tone_text; // "OFF", "ON", "Auto", or empty for no selection
    int type = -1;
    int power = -1;
    int diseqc = -1;
    int motor = -1;
    int lnb_12v = -1;
};

enum class LnbField { None, Name, Low, High, Longitude };

struct LnbVerdict
{
    LnbField field = LnbField::None; // the field to focus, None when the input is accepted
    QString message;
    bool clear_field = false; // a refused longitude is emptied
    std::string name;         // the name's bytes
    std::uint32_t low = 0;
    std::uint32_t high = 0;
    std::uint32_t longitude_tenths = 0;

    bool ok() const { return field == LnbField::None; }
};

LnbVerdict Check_Lnb_Input(const LnbInput &input);

// Writes an accepted input into satellite `slot` through Edit_Satellite_Lnb. A list without
// selection leaves its field as it was; the high frequency and the longitude are listed as
// typed.
void Write_Lnb(ChannelDatabase &db, int slot, const LnbInput &input, const LnbVerdict &verdict);

} // namespace orvane
