#include "dbase/image_change.h"

#include "dbase/decode.h"

#include <algorithm>
#include <cstring>

namespace orvane {
namespace {

static_assert(sizeof(RawArrays)
                      == kSatelliteCount * kSatelliteRecordSize + kSatTransponderCountsSize
                                 + kSatTransponderSlots * kSatTransponderRecordSize
                                 + kTerTransponderCountsSize
                                 + kTerTransponderSlots * kTerTransponderRecordSize
                                 + kProgramCountsSize + kFavouriteGroupCount * kFavouriteNameSize
                                 + kProgramSlots * kProgramRecordSize
                                 + kAudioTrackSlots * kAudioTrackRecordSize,
              "the raw arrays are their records' bytes and nothing else");

// Two differences closer than this make one run: a run costs more than a few bytes.
constexpr std::size_t kJoinGap = 16;

const std::uint8_t *Bytes_Of(const RawArrays &raw)
{
    return reinterpret_cast<const std::uint8_t *>(&raw);
}

} // namespace

std::size_t ImageChange::byte_count() const
{
    std::size_t total = 0;
    for (const Run &run : runs)
        total += run.before.size() + run.after.size();
    return file ? total + 2 * sizeof(FileState) : total;
}

ImageChange Image_Change_Between(const RawArrays &before, const RawArrays &after)
{
    const std::uint8_t *a = Bytes_Of(before);
    const std::uint8_t *b = Bytes_Of(after);
    constexpr std::size_t size = sizeof(RawArrays);
    ImageChange change;
    std::size_t at = 0;
    while (at < size) {
        // Skip equal stretches eight bytes at a time.
        while (at + 8 <= size && std::memcmp(a + at, b + at, 8) == 0)
            at += 8;
        while (at < size && a[at] == b[at])
            ++at;
        if (at == size)
            break;
        std::size_t end = at + 1;
        for (std::size_t equal = 0; end < size && equal < kJoinGap; ++end)
            equal = a[end] == b[end] ? equal + 1 : 0;
        while (end > at && a[end - 1] == b[end - 1])
            --end;
        change.runs.push_back(
                {static_cast<std::uint32_t>(at), Bytes(a + at, a + end), Bytes(b + at, b + end)});
        at = end;
    }
    return change;
}

ImageChange Database_Change_Between(const RawArrays &raw_before, const FileState &file_before,
                                    const ChannelDatabase &after)
{
    ImageChange change = Image_Change_Between(raw_before, after.raw);
    if (const FileState file_after = File_State_Of(after); file_after != file_before)
        change.file = ImageChange::FileChange{file_before, file_after};
    return change;
}

void Apply_Image_Change(ChannelDatabase &db, const ImageChange &change, bool to_before)
{
    if (change.file)
        Set_File_State(db, to_before ? change.file->before : change.file->after);
    auto *bytes = reinterpret_cast<std::uint8_t *>(&db.raw);
    for (const ImageChange::Run &run : change.runs) {
        const Bytes &side = to_before ? run.before : run.after;
        std::copy(side.begin(), side.end(), bytes + run.offset);
    }
    Decode_Rows(db);
}

} // namespace orvane
