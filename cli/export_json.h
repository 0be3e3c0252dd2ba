#pragma once

// `orvane-cli export`: the decoded tables of an opened database as one JSON document, keys
// named after the record fields. Coded fields are numbers, frequencies, PIDs and the like
// their display texts.

#include "cli/json_writer.h"
#include "dbase/channel_database.h"
#include "dbase/entry_fields.h"

#include <ostream>

namespace orvane::cli {

void Write_Export(const ChannelDatabase &db, std::ostream &out);

// A field's value as the export writes it: a number, a string, or a one-line array.
void Write_Value(JsonWriter &json, const FieldValue &value);

} // namespace orvane::cli
