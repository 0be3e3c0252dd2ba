#pragma once

// The fixed texts of the main window's lists, character for character. The star, bullseye and
// full-width bracket marks are the same characters in UTF-8.

#include "translations/text_mark.h"

namespace orvane::caption {

inline constexpr const char *kSatTitle = " ☆☆";
inline constexpr const char *kTerTitle = "   ☆ ☆";
inline constexpr const char *kShowAllInfo = ORVANE_TEXT("Orvane", "Show ALL Info");
inline constexpr const char *kFreq = ORVANE_TEXT("Orvane", "Freq");
inline constexpr const char *kPol = ORVANE_TEXT("Orvane", "Pol");
inline constexpr const char *kSym = ORVANE_TEXT("Orvane", "Sym");
inline constexpr const char *kFec = ORVANE_TEXT("Orvane", "FEC");
inline constexpr const char *kTvName = ORVANE_TEXT("Orvane", "TV.Name");
inline constexpr const char *kRadioName = ORVANE_TEXT("Orvane", "Radio.Name");
inline constexpr const char *kScrambledTitle = "◎";
inline constexpr const char *kTransponderList
        = ORVANE_TEXT("Orvane", "        Transponder    List");
inline constexpr const char *kScrambledMark = "$";

inline constexpr const char *kInfoSat = ORVANE_TEXT("Orvane", "【SAT】:");
inline constexpr const char *kInfoTp = ORVANE_TEXT("Orvane", "【TP】:");
inline constexpr const char *kInfoName = ORVANE_TEXT("Orvane", "【Program Name】:");
inline constexpr const char *kInfoVid = ORVANE_TEXT("Orvane", "【Vid】:");
inline constexpr const char *kInfoAud = ORVANE_TEXT("Orvane", "【Aud】:");
inline constexpr const char *kInfoPcr = ORVANE_TEXT("Orvane", "【PCR】:");
inline constexpr const char *kInfoFree = ORVANE_TEXT("Orvane", "【Free】");
inline constexpr const char *kInfoEncrypt = ORVANE_TEXT("Orvane", "【Encrypt】");
inline constexpr const char *kInfoLockYes = ORVANE_TEXT("Orvane", "【Lock_Yes】");
inline constexpr const char *kInfoLockNot = ORVANE_TEXT("Orvane", "【Lock_Not】");
inline constexpr const char *kInfoSkipYes = ORVANE_TEXT("Orvane", "【Skip_Yes】");
inline constexpr const char *kInfoSkipNot = ORVANE_TEXT("Orvane", "【Skip_Not】");
inline constexpr const char *kInfoSeparator = "----";

inline constexpr const char *kShowActiveSatellites
        = ORVANE_TEXT("Orvane", "Show active satellites");
inline constexpr const char *kShowAllSatellites = ORVANE_TEXT("Orvane", "Show all satellites");

// The context menus of the lists.
inline constexpr const char *kChangeSat = ORVANE_TEXT("Orvane", "Change Sat data");
inline constexpr const char *kViewSortedBy = ORVANE_TEXT("Orvane", "View sorted by");
inline constexpr const char *kSortOriginal = ORVANE_TEXT("Orvane", "Original");
inline constexpr const char *kSortLongitude = ORVANE_TEXT("Orvane", "Longitude");
inline constexpr const char *kSortNames = ORVANE_TEXT("Orvane", "Names(Alphabetic)");
inline constexpr const char *kChangeTp = ORVANE_TEXT("Orvane", "Change Tp data");
inline constexpr const char *kNew = ORVANE_TEXT("Orvane", "New");
inline constexpr const char *kNewTpInitial = ORVANE_TEXT("Orvane", "TP");
inline constexpr const char *kNewSatTp = ORVANE_TEXT("Orvane", "Satellites Tp");
inline constexpr const char *kNewTerTp = ORVANE_TEXT("Orvane", "Terrestrial Tp");
inline constexpr const char *kNewTpTv = ORVANE_TEXT("Orvane", "TV "); // with its trailing space
inline constexpr const char *kNewTpRadio = ORVANE_TEXT("Orvane", "Radio");
inline constexpr const char *kDeleteTpInitial = ORVANE_TEXT("Orvane", "Delete Tp");
inline constexpr const char *kDeleteSatTp = ORVANE_TEXT("Orvane", "Delete Satellites Tp");
inline constexpr const char *kDeleteTerTp = ORVANE_TEXT("Orvane", "Delete Terrestrial Tp");
inline constexpr const char *kDelAllEmptyTp
        = ORVANE_TEXT("Orvane", "Delete all empty transponders");
inline constexpr const char *kChangeTv = ORVANE_TEXT("Orvane", "Change TV data");
inline constexpr const char *kNewTv = ORVANE_TEXT("Orvane", "New TV");
inline constexpr const char *kDeleteTv = ORVANE_TEXT("Orvane", "Delete Tv");
inline constexpr const char *kChangeRadio = ORVANE_TEXT("Orvane", "Change Radio data");
inline constexpr const char *kNewRadio = ORVANE_TEXT("Orvane", "New Radio");
inline constexpr const char *kDeleteRadio = ORVANE_TEXT("Orvane", "Delete Radio");

// The order commands at the end of both program menus.
inline constexpr const char *kMoveUp = ORVANE_TEXT("Orvane", "Move up");
inline constexpr const char *kMoveDown = ORVANE_TEXT("Orvane", "Move down");
inline constexpr const char *kMoveToTop = ORVANE_TEXT("Orvane", "Move to top");
inline constexpr const char *kMoveToBottom = ORVANE_TEXT("Orvane", "Move to bottom");
inline constexpr const char *kMoveToNumber = ORVANE_TEXT("Orvane", "Move to number...");
inline constexpr const char *kSortByName = ORVANE_TEXT("Orvane", "Sort by name");
inline constexpr const char *kSortByServiceId = ORVANE_TEXT("Orvane", "Sort by service id");
inline constexpr const char *kDeleteSelectedPrograms
        = ORVANE_TEXT("Orvane", "Delete selected programs");
inline constexpr const char *kOrderLikeFile = ORVANE_TEXT("Orvane", "Order like another file...");

} // namespace orvane::caption
