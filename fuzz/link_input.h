#pragma once

// How fuzz_link reads its input: a few bytes that choose the transfer and how the receiver
// plays its part (its delays and faults, as the simulated receiver offers them), then any
// number of injections: bytes that arrive on the line besides the receiver's own, each once
// the PC has written a given number of times.
//
//   byte 0       bit 0: the PC writes into the receiver (else it reads); bit 1: "Default"
//   byte 1, 2    the receiver's answer delay and block delay, as indices into kDelays
//   bytes 3..10  four block numbers + 1 (u16, 0: none): a block it never sends and a checksum
//                it sends wrong (reading), a block it does not acknowledge and one it answers
//                with RRFD (writing)
//   byte 11      its three reports after a write, 2 bits each from bit 0 (verify, erase,
//                program): 0 success, 1 failure, 2 silent, 3 the success code of another
//   byte 12      bit 0: it answers no request; bit 1: it answers a request with its own code
//   then         injections: u16 count of the PC's writes before them (0: once the port
//                is open), u8 delay in polls, u8 length, the bytes

#include "dbase/bytes.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orvane::fuzz {

// Delays around every bound of the transfer's waits: the answer (10 polls), an acknowledge
// (300) and a block (1,001).
inline constexpr std::array<int, 12> kDelays{0, 1, 2, 9, 10, 11, 299, 300, 301, 1000, 1001, 1002};

enum class Report : std::uint8_t { Success, Failure, Silent, Other };

struct LinkSetting
{
    bool write = false;
    bool default_kind = false;
    int answer_delay = 0;
    int block_delay = 0;
    int missing_block = -1;
    int corrupt_crc = -1;
    int no_ack_at = -1;
    int rrfd_at = -1;
    std::array<Report, 3> reports{}; // verify, erase, program
    bool silent = false;
    bool wrong_answer = false;
};

struct Injection
{
    int after_writes = 0;
    int delay = 0;
    Bytes bytes;
};

struct LinkInput
{
    LinkSetting setting;
    std::vector<Injection> injections;
};

inline constexpr std::size_t kLinkSettingSize = 13;

namespace link_input_detail {

inline int Block_Number(const std::uint8_t *at)
{
    return (at[0] | at[1] << 8) - 1;
}

inline void Put_Block_Number(Bytes &out, int block)
{
    const auto stored = static_cast<unsigned>(block + 1);
    out.push_back(static_cast<std::uint8_t>(stored & 0xFF));
    out.push_back(static_cast<std::uint8_t>(stored >> 8));
}

} // namespace link_input_detail

// Setting bytes past the end of a short input read as 0; an injection cut short keeps the
// bytes there are.
inline LinkInput Read_Link_Input(const std::uint8_t *data, std::size_t size)
{
    using link_input_detail::Block_Number;
    std::array<std::uint8_t, kLinkSettingSize> b{};
    std::copy_n(data, std::min(size, kLinkSettingSize), b.begin());
    LinkInput input;
    LinkSetting &s = input.setting;
    s.write = (b[0] & 1) != 0;
    s.default_kind = (b[0] & 2) != 0;
    s.answer_delay = kDelays[b[1] % kDelays.size()];
    s.block_delay = kDelays[b[2] % kDelays.size()];
    s.missing_block = Block_Number(&b[3]);
    s.corrupt_crc = Block_Number(&b[5]);
    s.no_ack_at = Block_Number(&b[7]);
    s.rrfd_at = Block_Number(&b[9]);
    for (std::size_t r = 0; r < s.reports.size(); ++r)
        s.reports[r] = static_cast<Report>(b[11] >> (2 * r) & 3);
    s.silent = (b[12] & 1) != 0;
    s.wrong_answer = (b[12] & 2) != 0;
    for (std::size_t at = kLinkSettingSize; at + 4 <= size;) {
        Injection injection;
        injection.after_writes = data[at] | data[at + 1] << 8;
        injection.delay = data[at + 2];
        const std::size_t length = std::min<std::size_t>(data[at + 3], size - at - 4);
        injection.bytes.assign(data + at + 4, data + at + 4 + length);
        input.injections.push_back(std::move(injection));
        at += 4 + length;
    }
    return input;
}

inline Bytes Encode_Link_Input(const LinkInput &input)
{
    using link_input_detail::Put_Block_Number;
    const LinkSetting &s = input.setting;
    Bytes out{static_cast<std::uint8_t>((s.write ? 1 : 0) | (s.default_kind ? 2 : 0))};
    const auto delay_index = [](int delay) {
        return static_cast<std::uint8_t>(std::find(kDelays.begin(), kDelays.end(), delay)
                                         - kDelays.begin());
    };
    out.push_back(delay_index(s.answer_delay));
    out.push_back(delay_index(s.block_delay));
    for (const int block : {s.missing_block, s.corrupt_crc, s.no_ack_at, s.rrfd_at})
        Put_Block_Number(out, block);
    std::uint8_t reports = 0;
    for (std::size_t r = 0; r < s.reports.size(); ++r)
        reports |= static_cast<std::uint8_t>(static_cast<unsigned>(s.reports[r]) << (2 * r));
    out.push_back(reports);
    out.push_back(static_cast<std::uint8_t>((s.silent ? 1 : 0) | (s.wrong_answer ? 2 : 0)));
    for (const Injection &injection : input.injections) {
        out.push_back(static_cast<std::uint8_t>(injection.after_writes & 0xFF));
        out.push_back(static_cast<std::uint8_t>(injection.after_writes >> 8));
        out.push_back(static_cast<std::uint8_t>(injection.delay));
        out.push_back(static_cast<std::uint8_t>(injection.bytes.size()));
        out.insert(out.end(), injection.bytes.begin(), injection.bytes.end());
    }
    return out;
}

} // namespace orvane::fuzz
