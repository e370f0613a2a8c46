#include "radio_image.h"

#include <algorithm>

namespace t40 {

bool RadioImage::writeBlock(int address, std::span<const std::uint8_t> data)
{
    if (!blockInMemory(address, static_cast<int>(data.size())))
        return false;
    std::copy(data.begin(), data.end(), bytes_.begin() + address);
    return true;
}

bool RadioImage::readBlock(int address, std::span<std::uint8_t> out) const
{
    if (!blockInMemory(address, static_cast<int>(out.size())))
        return false;
    std::copy_n(bytes_.begin() + address, out.size(), out.begin());
    return true;
}

void RadioImage::replaceImage(std::span<const std::uint8_t, ImageSize> data)
{
    std::copy(data.begin(), data.end(), bytes_.begin());
}

void RadioImage::replaceMemory(std::span<const std::uint8_t, MemorySize> data)
{
    std::copy(data.begin(), data.end(), bytes_.begin());
}

} // namespace t40
