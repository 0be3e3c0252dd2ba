#pragma once

// Finding programs across the whole database, whatever the lists narrow the view to: by a part
// of the name, or by a number that names a service id, a PID or a transponder frequency. The
// window's find bar searches on every keystroke, so a search is one plain scan of the tables
// with nothing kept between searches; Show_Program then selects a match as the user's own
// clicks would.

#include "translations/text_mark.h"
#include "views/main_views.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

namespace find_text {
constexpr const char *kNoMatch = ORVANE_TEXT("Orvane", "No program matches");
constexpr const char *kWrappedToFirst = ORVANE_TEXT("Orvane", "Wrapped to the first match");
constexpr const char *kWrappedToLast = ORVANE_TEXT("Orvane", "Wrapped to the last match");
} // namespace find_text

// Whether the lists can show a program: in use, with a transponder kind of 1 or 2 whose row
// is in range and in use.
bool Can_Show_Program(const ChannelDatabase &db, int slot);

// The slots of the programs the text finds, ascending. The text is UTF-8 and is compared with
// the names as the database's character set reads them; letters match in either case. A text of
// digits alone (spaces around it are ignored) also finds programs by service id, by any of their
// PIDs and by their transponder's frequency. An empty text finds nothing.
std::vector<int> Find_Programs(const ChannelDatabase &db, std::string_view text);

// Where the user is among the matches of a search, for next and previous with wrapping.
class FindCursor
{
public:
    enum class Wrap { None, ToFirst, ToLast };
    struct Step
    {
        int slot = kNoSlot;
        Wrap wrap = Wrap::None;
    };

    // A new search's matches. The current program stays current when it still matches, so
    // that typing on does not jump away from it; otherwise the first match is.
    void Reset(std::vector<int> matches);
    std::optional<Step> Next();
    std::optional<Step> Previous();

    int count() const { return static_cast<int>(m_matches.size()); }
    // 0-based index of the current match, or -1 before the first step.
    int position() const { return m_position; }
    int current_slot() const { return m_position < 0 ? kNoSlot : m_matches[Index()]; }

private:
    std::size_t Index() const { return static_cast<std::size_t>(m_position); }

    std::vector<int> m_matches;
    int m_position = -1;
};

// The note a step leaves in the find bar, or "" when it did not wrap.
const char *Wrap_Note(FindCursor::Wrap wrap);

// Selects a used transponder of kind 1 (satellite) or 2 (terrestrial) as a user would: its
// page, on the satellite page its satellite's row (or "Show ALL Info" when the satellite is not
// listed), then its row in the transponder grid. Returns the transponder grid, or nothing when
// the transponder cannot be shown.
std::optional<GridId> Show_Transponder(MainViews &views, int kind, int tp);

// Selects a program as a user would: its page, on the satellite page its satellite's row (or
// "Show ALL Info" when the satellite is not listed), its transponder's row, then its row in the
// TV or radio grid, each list's click handler running in turn. Returns the program's grid, or
// nothing when the program cannot be shown.
std::optional<GridId> Show_Program(MainViews &views, int slot);

} // namespace orvane
