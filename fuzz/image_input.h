#pragma once

// How fuzz_image and fuzz_commands read an image: an unpacked image, cut or padded with 0xFF
// to the image size, whose last bytes, which belong to no record region and are never saved,
// carry the file setting of the database it decodes into, and the choice of a reorder of its
// programs.

#include "dbase/Orvane_dbase.h"
#include "fuzz/property_check.h"

#include <algorithm>
#include <cstring>

namespace orvane::fuzz {

constexpr std::size_t kHeaderInImage = kImageSize - kHeaderSize; // the 80-byte file header
constexpr std::size_t kOptionsInImage = kHeaderInImage - 1;      // the byte before it
constexpr std::size_t kReorderSize = 8;
constexpr std::size_t kReorderInImage = kOptionsInImage - kReorderSize; // the reorder's choice
constexpr std::uint8_t kOptionDefaultKind = 1;                          // else Channel Data
constexpr std::uint8_t kOptionSecondBank = 2;                           // else the first half

// The image an input of `size` bytes stands for, in a buffer that is reused.
inline void Fill_Image(Bytes &image, const std::uint8_t *data, std::size_t size)
{
    const std::size_t copied = std::min(size, kImageSize);
    image.resize(kImageSize);
    std::memcpy(image.data(), data, copied);
    std::memset(image.data() + copied, 0xFF, kImageSize - copied);
}

// The choice bytes must lie outside every record region: they would otherwise change the
// records they stand beside and be saved with them.
inline void Check_Image_Input_Layout()
{
    for (std::size_t offset = kReorderInImage; offset < kImageSize; ++offset)
        FUZZ_CHECK(std::ranges::none_of(Image_Regions(), [offset](const ImageRegion &region) {
            return offset >= region.offset && offset < region.offset + region.size;
        }));
}

// The file kind, bank and header that the image's last bytes give.
inline void Apply_File_Setting(ChannelDatabase &db, ByteView image)
{
    const std::uint8_t options = image[kOptionsInImage];
    db.Set_File_Kind((options & kOptionDefaultKind) != 0 ? FileKind::Default
                                                         : FileKind::ChannelData);
    db.container.bank = (options & kOptionSecondBank) != 0 ? kBankSize : 0;
    std::memcpy(db.File_Header.data(), image.data() + kHeaderInImage, kHeaderSize);
}

} // namespace orvane::fuzz
