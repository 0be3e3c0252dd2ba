#pragma once

// The channel database: image layout, field codecs, container, decoded tables and record
// writers. Plain C++ with no Qt, so that everything that can lose or corrupt data is testable
// and fuzzable on its own.

#include "dbase/backups.h"
#include "dbase/bit_field.h"
#include "dbase/block_crc.h"
#include "dbase/bytes.h"
#include "dbase/channel_database.h"
#include "dbase/codecs.h"
#include "dbase/container.h"
#include "dbase/database_check.h"
#include "dbase/database_compare.h"
#include "dbase/database_restore.h"
#include "dbase/decode.h"
#include "dbase/display_rows.h"
#include "dbase/file_io.h"
#include "dbase/layout.h"
#include "dbase/lzo_codec.h"
#include "dbase/maintenance.h"
#include "dbase/messages.h"
#include "dbase/order_like.h"
#include "dbase/outcome.h"
#include "dbase/program_list.h"
#include "dbase/program_order.h"
#include "dbase/record_writers.h"
