#pragma once

// The communication dialog's own texts and the captions its callers give it, character for
// character.

namespace orvane::upgrade_text {

inline constexpr const char *kCaptionReadData = "Communication Settings  (Upgrade Data)";
inline constexpr const char *kCaptionReadDefault = "Communication Settings  (Upgrade Default)";
inline constexpr const char *kCaptionWriteData = "Downloading Data";
inline constexpr const char *kCaptionWriteDefault = "Downloading Default";

inline constexpr const char *kComLabel = "Settings  COM:";
inline constexpr const char *kBaudLabel = "Baudrates:";
inline constexpr const char *kBaudRate = "115200[bps]";
inline constexpr const char *kFileNameLabel = "File Name:";
inline constexpr const char *kStateLabel = "Nonce State:";
inline constexpr const char *kCancel = "Cancel";

// The tooltip of a port item whose COM number stands for no device of this system.
inline constexpr const char *kNoDevice = "No serial port of this system";

} // namespace orvane::upgrade_text
