#pragma once

// The main window's own texts, character for character.

#include "dbase/messages.h"
#include "translations/ui_text.h"

#include "orvane_version.h"
#include "translations/text_mark.h"

namespace orvane::app_text {

inline constexpr const char *kWindowCaption = kOrvaneTitle;
inline constexpr const char *kApplicationTitle = kOrvaneBracketedTitle;
inline constexpr const char *kExitQuestion
        = ORVANE_TEXT("Orvane", "Setting not saved, exit anyway?");
inline constexpr const char *kOpenQuestion
        = ORVANE_TEXT("Orvane", "Setting not saved, open another file anyway?");
inline constexpr const char *kOverwriteQuestion
        = ORVANE_TEXT("Orvane", "The file has existed, are you sure to cover it?");
inline constexpr const char *kOpenedLabel = ORVANE_TEXT("Orvane", "Open The File Name:  ");
inline constexpr const char *kSavedLabel = ORVANE_TEXT("Orvane", "FileName:  ");
inline constexpr const char *kVersionCaption = ORVANE_TEXT("Orvane", "Modifiable [FDD] Version:");
inline constexpr const char *kOpenDialogTitle = ORVANE_TEXT("Orvane", "Open File");
inline constexpr const char *kSaveDialogTitle = ORVANE_TEXT("Orvane", "Save As...");

} // namespace orvane::app_text

namespace orvane {

// A message of the database layer in the user's language: a fixed one, or one composed of a
// lead line, a path and the system's reason.
inline QString Shown_Database_Message(const std::string &message)
{
    return ui_text::Shown_Pieces(message, {msg::kSaveFailedLead, msg::kOpenFailedLead,
                                           msg::kWorkingCopyFailedLead, msg::kBackupFailedLead,
                                           msg::kOldFileKept});
}

} // namespace orvane
