#pragma once

// The communication dialog's own texts and the captions its callers give it, character for
// character.

#include "translations/text_mark.h"

namespace orvane::upgrade_text {

inline constexpr const char *kCaptionReadData
        = ORVANE_TEXT("Orvane", "Communication Settings  (Upgrade Data)");
inline constexpr const char *kCaptionReadDefault
        = ORVANE_TEXT("Orvane", "Communication Settings  (Upgrade Default)");
inline constexpr const char *kCaptionWriteData = ORVANE_TEXT("Orvane", "Downloading Data");
inline constexpr const char *kCaptionWriteDefault = ORVANE_TEXT("Orvane", "Downloading Default");

inline constexpr const char *kComLabel = ORVANE_TEXT("Orvane", "Settings  COM:");
inline constexpr const char *kBaudLabel = ORVANE_TEXT("Orvane", "Baudrates:");
inline constexpr const char *kBaudRate = "115200[bps]";
inline constexpr const char *kFileNameLabel = ORVANE_TEXT("Orvane", "File Name:");
inline constexpr const char *kStateLabel = ORVANE_TEXT("Orvane", "Nonce State:");
inline constexpr const char *kCancel = ORVANE_TEXT("Orvane", "Cancel");

// The tooltip of a port item whose COM number stands for no device of this system.
inline constexpr const char *kNoDevice = ORVANE_TEXT("Orvane", "No serial port of this system");

} // namespace orvane::upgrade_text
