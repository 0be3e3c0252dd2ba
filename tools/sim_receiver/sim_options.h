#pragma once

// The simulator's command line: which files it serves and stores, and which faults it plays.

#include <optional>
#include <string>
#include <vector>

namespace orvane::sim {

struct SimOptions
{
    std::vector<std::string> serve_files; // one per kind at most, the kind taken from the size
    std::string store_file;
    bool once = false;
    bool pace = false;
    bool wrong_answer = false;
    int tapo_count = 0;
    int latency_ms = 0;
    // Block indices count data blocks and CRC blocks together, from 0.
    std::optional<int> no_ack_at;
    std::optional<int> rrfd_at;
    std::optional<int> late_block;
    std::optional<int> corrupt_crc; // index of a CRC value, that is of a data block
    bool fail_verify = false;
    bool fail_erase = false;
    bool fail_program = false;
};

struct ParsedOptions
{
    std::optional<SimOptions> options; // empty on an error or after --help
    std::string error;                 // empty after --help
};

ParsedOptions Parse_Sim_Options(const std::vector<std::string> &arguments);
const char *Sim_Usage();

} // namespace orvane::sim
