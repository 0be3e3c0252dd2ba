// The mutations of the targets that run an operation over an image (fuzz_reorder, fuzz_check):
// each changes a short window of the image in place, so that the image stays a database with a
// few changed fields. libFuzzer's own mutations insert and erase bytes, which shifts every
// record behind them: an image changed that way breaks every table at once, the rules behind
// the first broken count or index are seldom reached, and the thousands of findings and moved
// rows of such an image made a run ten times slower. Any bytes at all are fuzz_image's part.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t *data, std::size_t size, std::size_t max_size);

namespace {

constexpr std::size_t kWindow = 64;

} // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t *data, std::size_t size,
                                               std::size_t max_size, unsigned int seed)
{
    if (size < kWindow)
        return LLVMFuzzerMutate(data, size, max_size);
    std::uint8_t *window = data + seed % (size - kWindow + 1);
    std::array<std::uint8_t, kWindow> bytes{};
    std::copy_n(window, kWindow, bytes.begin());
    const std::size_t kept = LLVMFuzzerMutate(bytes.data(), kWindow, kWindow);
    std::copy_n(bytes.begin(), kept, window);
    return size;
}
