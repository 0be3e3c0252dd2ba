#pragma once

// The limit messages and confirmations of the commands that add and delete transponders and
// programs, character for character. "\r\r" separates the lines of a message box.

#include "translations/text_mark.h"

namespace orvane::msg {

inline constexpr const char *kMaxSatTps = ORVANE_TEXT(
        "Orvane", "The max number of Transponder is 2,000,\r\rThe Transponder can not be added!");
inline constexpr const char *kMaxTpsPerSatellite = ORVANE_TEXT(
        "Orvane",
        "The max number of Transponder every Satellite is 150,\r\rSo Transponder can not be "
        "added on this Satellite!");
inline constexpr const char *kMaxTerTps = ORVANE_TEXT(
        "Orvane", "The max number of Transponder is 1,000,\r\rThe Transponder can not be added!");
// The terrestrial transponder number has 8 bits: a group holds at most 255 transponders.
inline constexpr const char *kMaxTpsPerGroup = ORVANE_TEXT(
        "Orvane",
        "The max number of Transponder every group is 255,\r\rThe Transponder can not be added!");
inline constexpr const char *kMaxPrograms = ORVANE_TEXT(
        "Orvane", "The max number of Program is 4,000,\r\rThe Program can not be added!");
inline constexpr const char *kMaxProgramsPerTp = ORVANE_TEXT(
        "Orvane",
        "The max number of Program every Transponder is 120,\r\rSo Program can not be added "
        "on this Transponder!");

inline constexpr const char *kConfirmDeleteTp = ORVANE_TEXT(
        "Orvane", "The data can not be restored after be deleted,\r\rAre you sure to delete this "
                  "transponder?");
inline constexpr const char *kConfirmDeleteEmptyTps = ORVANE_TEXT(
        "Orvane", "The data can not be restored after be deleted,\r\rAre you sure to delete these "
                  "transponder?");
inline constexpr const char *kConfirmDeleteProgram = ORVANE_TEXT(
        "Orvane", "The data can not be restored after be deleted,\r\rAre you sure to delete this "
                  "program?");
inline constexpr const char *kConfirmDeletePrograms = ORVANE_TEXT(
        "Orvane", "The data can not be restored after be deleted,\r\rAre you sure to delete these "
                  "programs?");

} // namespace orvane::msg
