#pragma once

// The result of an operation that can fail. A failure carries the text the user is shown,
// with "\r" standing for the line breaks of the message box.

#include <string>
#include <utility>

namespace orvane {

struct Outcome
{
    bool ok = true;
    std::string message;

    static Outcome success() { return {}; }
    static Outcome failure(std::string text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

} // namespace orvane
