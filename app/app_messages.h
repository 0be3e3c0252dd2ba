#pragma once

// The main window's own texts, character for character.

#include "orvane_version.h"

namespace orvane::app_text {

inline constexpr const char *kWindowCaption = kOrvaneTitle;
inline constexpr const char *kApplicationTitle = kOrvaneBracketedTitle;
inline constexpr const char *kExitQuestion = "Setting not saved, exit anyway?";
inline constexpr const char *kOpenQuestion = "Setting not saved, open another file anyway?";
inline constexpr const char *kOverwriteQuestion = "The file has existed, are you sure to cover it?";
inline constexpr const char *kOpenedLabel = "Open The File Name:  ";
inline constexpr const char *kSavedLabel = "FileName:  ";
inline constexpr const char *kVersionCaption = "Modifiable [FDD] Version:";
inline constexpr const char *kOpenDialogTitle = "Open File";
inline constexpr const char *kSaveDialogTitle = "Save As...";

} // namespace orvane::app_text
