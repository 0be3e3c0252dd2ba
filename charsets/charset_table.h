#pragma once

// The character sets that names can be read in, as the window's menu groups them by script
// and as `orvane-cli charsets` lists them.

#include "dbase/name_text.h"

#include <span>
#include <string_view>

namespace orvane {

struct CharsetInfo
{
    const char *name;   // as listed and remembered: "windows-1251"
    const char *script; // the group it is listed under: "Cyrillic"
    const char *iconv;  // the converter's own name for it
    bool multi_byte;
};

// Every set, grouped by script in the menu's order; Latin-1 comes first.
std::span<const CharsetInfo> Charsets();

// The set of a name as listed, matched without regard to case, or nullptr.
const CharsetInfo *Find_Charset(std::string_view name);

// How the names read in a set. Latin-1 is dbase's own (the receiver's fixed texts read so);
// the others convert through the system's iconv. Each set has one NameText for the life of
// the program, so a database may keep a pointer to it. nullptr when the system has no
// converter for the set.
const NameText *Names_In(const CharsetInfo &charset);
// The same by name; nullptr also for a name that Find_Charset does not know.
const NameText *Names_In(std::string_view name);

} // namespace orvane
