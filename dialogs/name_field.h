#pragma once

// The name field of a dialog (a program's, a satellite's, a favourite group's): its text is the
// stored name read in the database's character set of names, and what OK stores is that text
// in the set again, whole. A name the user did not edit keeps its bytes, even bytes the set
// does not define (they show as U+FFFD and are not rewritten); a typed one the set cannot hold,
// or one longer than its field in bytes, is refused with a message that says which, and
// nothing is stored. A name is never cut, so never inside a character.

#include "dbase/name_text.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The text a name field shows for a stored name.
QString Name_Field_Text(const NameText &names, std::string_view stored);

struct NameToStore
{
    std::optional<std::string> bytes; // nothing when refused
    QString refusal;                  // the message when refused
};

// The bytes OK stores for the field's text, `limit` bytes at most. Latin-1, the default, keeps
// its ways: "Illegal Data!" for a character it lacks, and a text longer than the field (which
// the field's own length limit prevents) keeps its first `limit` characters, one byte each.
NameToStore Name_To_Store(const NameText &names, std::string_view stored, const QString &typed,
                          std::size_t limit);

} // namespace orvane
