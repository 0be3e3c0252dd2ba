#pragma once

// How fuzz_commands reads its input: a few bytes of choices, then an image as fuzz_image
// reads it (image_input.h). The choices pick the page, up to kSteps clicks and menus in
// the lists, the command and the answer to its question or dialog.

#include "views/main_views.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace orvane::fuzz {

// What a step does; its two argument bytes pick a row, a favourites line or a grid.
enum class StepAction : std::uint8_t {
    None,
    ClickSat,     // a row of the satellite grid ("Satellites" page only), row 0 included
    ClickTp,      // a row of the transponder grid, from row 1
    ClickTv,      // the same in the TV grid
    ClickRadio,   // the same in the radio grid
    ClickFav,     // a favourites line, or the list's empty part (-1)
    OpenMenu,     // the context menu of a grid (a GridId, modulo 4) on its current row
    ToggleFilter, // the active-satellite filter ("Satellites" page only)
    ChangePage,   // to the page the argument names, modulo 2 (0 "Satellites")
    Count
};

constexpr std::size_t kSteps = 5;
constexpr std::size_t kStepSize = 3; // action, argument low byte, argument high byte

// Byte offsets in the input.
constexpr std::size_t kPageChoice = 0;    // bit 0: the "Terrestrial" page
constexpr std::size_t kCommandChoice = 1; // one of the seven commands, modulo 7
constexpr std::size_t kAnswerChoice = 2;  // bit 0: No to the question, Cancel in the dialog
constexpr std::size_t kFirstStep = 3;
constexpr std::size_t kChoiceSize = kFirstStep + kSteps * kStepSize; // the image follows

constexpr std::uint8_t kTerrestrialChoice = 1;
constexpr std::uint8_t kAnswerNo = 1;

// The commands in the order kCommandChoice counts them.
enum class CommandId : std::uint8_t {
    NewTp,
    NewTv,
    NewRadio,
    DeleteTv,
    DeleteRadio,
    DeleteTp,
    DelAllEmptyTp,
    Count
};

struct Step
{
    StepAction action = StepAction::None;
    std::uint16_t argument = 0;
};

// The choice bytes of an input that runs `command` after `steps`.
inline std::array<std::uint8_t, kChoiceSize> Encode_Choices(bool terrestrial, CommandId command,
                                                            bool answer_no,
                                                            const std::array<Step, kSteps> &steps)
{
    std::array<std::uint8_t, kChoiceSize> bytes{};
    bytes[kPageChoice] = terrestrial ? kTerrestrialChoice : 0;
    bytes[kCommandChoice] = static_cast<std::uint8_t>(command);
    bytes[kAnswerChoice] = answer_no ? kAnswerNo : 0;
    for (std::size_t i = 0; i < kSteps; ++i) {
        const std::size_t at = kFirstStep + i * kStepSize;
        bytes[at] = static_cast<std::uint8_t>(steps[i].action);
        bytes[at + 1] = static_cast<std::uint8_t>(steps[i].argument & 0xFF);
        bytes[at + 2] = static_cast<std::uint8_t>(steps[i].argument >> 8);
    }
    return bytes;
}

} // namespace orvane::fuzz
