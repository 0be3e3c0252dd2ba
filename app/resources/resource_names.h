#pragma once

// The paths of the program's pictures inside its resources (orvane.qrc). The application
// shell library links them into every program that uses it.

namespace orvane::resource {

inline constexpr const char *kIcon256 = ":/orvane/icon_256.png";
inline constexpr const char *kIcon48 = ":/orvane/icon_48.png";
inline constexpr const char *kStartPicture = ":/orvane/start_picture.png"; // 833 x 560

// Tool-bar buttons, 20 x 20: normal and under the mouse.
inline constexpr const char *kToolFile = ":/orvane/tb_file.png";
inline constexpr const char *kToolFileHot = ":/orvane/tb_file_hot.png";
inline constexpr const char *kToolEdit = ":/orvane/tb_edit.png";
inline constexpr const char *kToolEditHot = ":/orvane/tb_edit_hot.png";
inline constexpr const char *kToolHelp = ":/orvane/tb_help.png";
inline constexpr const char *kToolHelpHot = ":/orvane/tb_help_hot.png";
inline constexpr const char *kToolExit = ":/orvane/tb_exit.png";
inline constexpr const char *kToolExitHot = ":/orvane/tb_exit_hot.png";

// Tab images, 30 x 21: the "Satellites" and "Terrestrial" pages.
inline constexpr const char *kTabSatellite = ":/orvane/tab_satellite.png";
inline constexpr const char *kTabTerrestrial = ":/orvane/tab_terrestrial.png";

// Context-menu images, 16 x 16: the change commands and the delete commands.
inline constexpr const char *kMenuChange = ":/orvane/menu_change.png";
inline constexpr const char *kMenuDelete = ":/orvane/menu_delete.png";

// The manual the Help menu shows: the project's README, in Markdown.
inline constexpr const char *kManual = ":/orvane/README.md";

} // namespace orvane::resource
