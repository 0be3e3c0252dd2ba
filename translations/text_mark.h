#pragma once

// Marks a fixed text of the window where it is defined, in any layer, with or without Qt.
// It is the English literal itself: orvane-cli and the tests use it as it stands. lupdate reads
// the mark as QT_TRANSLATE_NOOP (translations/CMakeLists.txt gives it the alias), so every
// marked text lands in the catalogues under the one context kTextContext, where
// ui_text::Shown finds it when the window shows it.
#define ORVANE_TEXT(context, text) text

namespace orvane::ui_text {

inline constexpr const char *kTextContext = "Orvane";

} // namespace orvane::ui_text
