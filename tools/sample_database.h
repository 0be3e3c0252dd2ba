#pragma once

// The bundled sample database: a realistic channel list that the build writes as the sample
// files and as the DEFAULT.BIN beside the program, and a database filled to every table's
// limit for tests and benchmarks. Both are built from fixed tables and formulas only, so
// every build gives the same bytes.

#include "dbase/channel_database.h"

namespace orvane {

// Fills db with the bundled sample channel list and makes it a database of `kind`: the kind's
// own save mode, bank 0, and a file header with the version text.
void Build_Sample_Database(ChannelDatabase &db, FileKind kind);

// Fills db to every table's limit: 4,000 programs, 2,000 satellite transponders spread over
// the 60 satellites, 1,000 terrestrial transponders spread over the 7 groups, 1,000 audio
// tracks and 16 named favourite groups. It still compresses into one bank.
void Build_Full_Database(ChannelDatabase &db, FileKind kind);

// The file bytes of the sample database of `kind`, saved to its own kind.
Bytes Sample_File_Bytes(FileKind kind);

} // namespace orvane
