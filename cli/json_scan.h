#pragma once

// A second look at a JSON document that Qt's parser accepted, for what an import must not take
// although the parser lets it through:
// - a key given twice in one object (the parser keeps the last one silently);
// - a control character standing unescaped inside a text (not JSON at all);
// - a NUL written as "\u0000" inside a text (a stored name would end there);
// - a lone surrogate escape such as "\ud800" (it would become "?").
// It also keeps the numbers whose digits a double does not show as written (more than 15
// digits, exponents, fractions), so that a message can quote the document's own text rather
// than "18446744073709551616.000000".

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvane::cli {

struct JsonScan
{
    using NumberTexts = std::unordered_map<std::string, std::string>;

    // "programs[3].Name: \"Velo\\u0000ra\" holds a NUL character", at most
    // msg::kMaxListedErrors, in the order of the document.
    std::vector<std::string> faults;
    // The text of such a number by the path of its value ("programs[2].Service_Id").
    NumberTexts number_texts;
};

// The faults and number texts of a document. Anything the parser would have refused simply ends
// the scan: the parser's own message is the one to show for that.
JsonScan Scan_Json(std::string_view text);

} // namespace orvane::cli
