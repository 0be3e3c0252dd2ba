#pragma once

// The texts of the receiver link: the state line's status and progress texts and the port's
// error messages. Code and tests share them.

#include <string>

namespace orvane::link_text {

inline constexpr const char *kConnecting = "Connectting...";
inline constexpr const char *kConnectFailed = "Connect failed!";
inline constexpr const char *kConnectSuccess = "Connect Success!";
inline constexpr const char *kTransfer = "Transfer...";
inline constexpr const char *kTransferFailed = "Transfer failed!";
inline constexpr const char *kTransferSuccess = "Transfer Success!";
inline constexpr const char *kVerify = "Verify...";
inline constexpr const char *kVerifyFailed = "Verify failed!";
inline constexpr const char *kVerifySuccess = "Verify Success!";
inline constexpr const char *kEraseFlash = "Erase flash...";
inline constexpr const char *kEraseFlashFailed = "Erase flash failed!";
inline constexpr const char *kEraseFlashSuccess = "Erase flash Success!";
inline constexpr const char *kProgramFlash = "Program flash...";
inline constexpr const char *kProgramFlashFailed = "Program flash failed!";
inline constexpr const char *kProgramFlashSuccess = "Program flash Success!";
inline constexpr const char *kEraseEepromSuccess = "Erase eeprom Success!";
inline constexpr const char *kUpdateSuccess = "Update Success!";
inline constexpr const char *kUpdateFailed = "Update failed!";
inline constexpr const char *kCanNotOpenUpload = "Can not open Upload file!";
inline constexpr const char *kCanNotOpenDownload = "Can not open Download file!";

inline constexpr const char *kUsedByOther = "The Port you selected is used by other application!";

// Progress texts: the prefix, then a whole percentage and "%".
inline constexpr const char *kReadProgress = "Transfering:  ";
inline constexpr const char *kDataProgress = "Transfering Data:  ";
inline constexpr const char *kCrcProgress = "Transfering CRC:  ";

std::string Progress_Text(const char *prefix, long long percent);

// A port the user lacks the rights for: names the device and the group that grants them.
std::string Permission_Denied_Text(const std::string &device);

// A file to send that cannot be read whole, or a received file that cannot be written.
std::string Read_Failed_Text(const std::string &path, const std::string &reason);
std::string Write_Failed_Text(const std::string &path, const std::string &reason);

} // namespace orvane::link_text
