#pragma once

// The texts of the receiver link: the state line's status and progress texts and the port's
// error messages. Code and tests share them.

#include "translations/text_mark.h"
#include <string>

namespace orvane::link_text {

inline constexpr const char *kConnecting = ORVANE_TEXT("Orvane", "Connectting...");
inline constexpr const char *kConnectFailed = ORVANE_TEXT("Orvane", "Connect failed!");
inline constexpr const char *kConnectSuccess = ORVANE_TEXT("Orvane", "Connect Success!");
inline constexpr const char *kTransfer = ORVANE_TEXT("Orvane", "Transfer...");
inline constexpr const char *kTransferFailed = ORVANE_TEXT("Orvane", "Transfer failed!");
inline constexpr const char *kTransferSuccess = ORVANE_TEXT("Orvane", "Transfer Success!");
inline constexpr const char *kVerify = ORVANE_TEXT("Orvane", "Verify...");
inline constexpr const char *kVerifyFailed = ORVANE_TEXT("Orvane", "Verify failed!");
inline constexpr const char *kVerifySuccess = ORVANE_TEXT("Orvane", "Verify Success!");
inline constexpr const char *kEraseFlash = ORVANE_TEXT("Orvane", "Erase flash...");
inline constexpr const char *kEraseFlashFailed = ORVANE_TEXT("Orvane", "Erase flash failed!");
inline constexpr const char *kEraseFlashSuccess = ORVANE_TEXT("Orvane", "Erase flash Success!");
inline constexpr const char *kProgramFlash = ORVANE_TEXT("Orvane", "Program flash...");
inline constexpr const char *kProgramFlashFailed = ORVANE_TEXT("Orvane", "Program flash failed!");
inline constexpr const char *kProgramFlashSuccess = ORVANE_TEXT("Orvane", "Program flash Success!");
inline constexpr const char *kEraseEepromSuccess = ORVANE_TEXT("Orvane", "Erase eeprom Success!");
inline constexpr const char *kUpdateSuccess = ORVANE_TEXT("Orvane", "Update Success!");
inline constexpr const char *kUpdateFailed = ORVANE_TEXT("Orvane", "Update failed!");
inline constexpr const char *kCanNotOpenUpload = ORVANE_TEXT("Orvane", "Can not open Upload file!");
inline constexpr const char *kCanNotOpenDownload
        = ORVANE_TEXT("Orvane", "Can not open Download file!");

inline constexpr const char *kUsedByOther
        = ORVANE_TEXT("Orvane", "The Port you selected is used by other application!");

// Progress texts: the prefix, then a whole percentage and "%".
inline constexpr const char *kReadProgress = ORVANE_TEXT("Orvane", "Transfering:  ");
inline constexpr const char *kDataProgress = ORVANE_TEXT("Orvane", "Transfering Data:  ");
inline constexpr const char *kCrcProgress = ORVANE_TEXT("Orvane", "Transfering CRC:  ");

std::string Progress_Text(const char *prefix, long long percent);

// The pieces of the texts below, around the device or file they name.
inline constexpr const char *kPortDeniedLead = ORVANE_TEXT("Orvane", "The Port you selected (");
inline constexpr const char *kPortDeniedTail
        = ORVANE_TEXT("Orvane", ") can not be opened: permission denied.");
inline constexpr const char *kDialoutAdvice
        = ORVANE_TEXT("Orvane", "Ask for membership of the \"dialout\" group (sudo usermod -a -G "
                                "dialout $USER), then log in again.");
inline constexpr const char *kCanNotReadFile = ORVANE_TEXT("Orvane", "Can not read the file ");
inline constexpr const char *kCanNotWriteFile = ORVANE_TEXT("Orvane", "Can not write the file ");

// A port the user lacks the rights for: names the device and the group that grants them.
std::string Permission_Denied_Text(const std::string &device);

// A file to send that cannot be read whole, or a received file that cannot be written.
std::string Read_Failed_Text(const std::string &path, const std::string &reason);
std::string Write_Failed_Text(const std::string &path, const std::string &reason);

} // namespace orvane::link_text
