#pragma once

// The fixed texts of the main window's lists, character for character. The star, bullseye and
// full-width bracket marks are the same characters in UTF-8.

namespace orvane::caption {

inline constexpr const char *kSatTitle = " ☆☆";
inline constexpr const char *kTerTitle = "   ☆ ☆";
inline constexpr const char *kShowAllInfo = "Show ALL Info";
inline constexpr const char *kFreq = "Freq";
inline constexpr const char *kPol = "Pol";
inline constexpr const char *kSym = "Sym";
inline constexpr const char *kFec = "FEC";
inline constexpr const char *kTvName = "TV.Name";
inline constexpr const char *kRadioName = "Radio.Name";
inline constexpr const char *kScrambledTitle = "◎";
inline constexpr const char *kTransponderList = "        Transponder    List";
inline constexpr const char *kScrambledMark = "$";

inline constexpr const char *kInfoSat = "【SAT】:";
inline constexpr const char *kInfoTp = "【TP】:";
inline constexpr const char *kInfoName = "【Program Name】:";
inline constexpr const char *kInfoVid = "【Vid】:";
inline constexpr const char *kInfoAud = "【Aud】:";
inline constexpr const char *kInfoPcr = "【PCR】:";
inline constexpr const char *kInfoFree = "【Free】";
inline constexpr const char *kInfoEncrypt = "【Encrypt】";
inline constexpr const char *kInfoLockYes = "【Lock_Yes】";
inline constexpr const char *kInfoLockNot = "【Lock_Not】";
inline constexpr const char *kInfoSkipYes = "【Skip_Yes】";
inline constexpr const char *kInfoSkipNot = "【Skip_Not】";
inline constexpr const char *kInfoSeparator = "----";

inline constexpr const char *kShowActiveSatellites = "Show active satellites";
inline constexpr const char *kShowAllSatellites = "Show all satellites";

// The context menus of the lists.
inline constexpr const char *kChangeSat = "Change Sat data";
inline constexpr const char *kViewSortedBy = "View sorted by";
inline constexpr const char *kSortOriginal = "Original";
inline constexpr const char *kSortLongitude = "Longitude";
inline constexpr const char *kSortNames = "Names(Alphabetic)";
inline constexpr const char *kChangeTp = "Change Tp data";
inline constexpr const char *kNew = "New";
inline constexpr const char *kNewTpInitial = "TP";
inline constexpr const char *kNewSatTp = "Satellites Tp";
inline constexpr const char *kNewTerTp = "Terrestrial Tp";
inline constexpr const char *kNewTpTv = "TV "; // with its trailing space
inline constexpr const char *kNewTpRadio = "Radio";
inline constexpr const char *kDeleteTpInitial = "Delete Tp";
inline constexpr const char *kDeleteSatTp = "Delete Satellites Tp";
inline constexpr const char *kDeleteTerTp = "Delete Terrestrial Tp";
inline constexpr const char *kDelAllEmptyTp = "Delete all empty transponders";
inline constexpr const char *kChangeTv = "Change TV data";
inline constexpr const char *kNewTv = "New TV";
inline constexpr const char *kDeleteTv = "Delete Tv";
inline constexpr const char *kChangeRadio = "Change Radio data";
inline constexpr const char *kNewRadio = "New Radio";
inline constexpr const char *kDeleteRadio = "Delete Radio";

// The order commands at the end of both program menus.
inline constexpr const char *kMoveUp = "Move up";
inline constexpr const char *kMoveDown = "Move down";
inline constexpr const char *kMoveToTop = "Move to top";
inline constexpr const char *kMoveToBottom = "Move to bottom";
inline constexpr const char *kMoveToNumber = "Move to number...";
inline constexpr const char *kSortByName = "Sort by name";
inline constexpr const char *kSortByServiceId = "Sort by service id";
inline constexpr const char *kDeleteSelectedPrograms = "Delete selected programs";
inline constexpr const char *kOrderLikeFile = "Order like another file...";

} // namespace orvane::caption
