#pragma once

// The checks every edit dialog runs on typed text, and their messages. Numbers are read in
// the C locale whatever the desktop's language; a dialog refuses input before it writes
// anything.

#include "translations/text_mark.h"
#include <QString>

#include <optional>

namespace orvane {

inline constexpr const char *kIllegalData = ORVANE_TEXT("Orvane", "Illegal Data!");

// "'%s' is not a valid integer value" / "... floating point value", with the text in place.
QString Not_Valid_Integer(const QString &text);
QString Not_Valid_Float(const QString &text);

// An optional sign and decimal digits, blanks around them allowed, within 32 bits.
std::optional<qint32> Parse_Integer(const QString &text);
// A decimal number in the C locale ("19.2"), blanks around it allowed.
std::optional<double> Parse_Float(const QString &text);

} // namespace orvane
