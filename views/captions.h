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

} // namespace orvane::caption
