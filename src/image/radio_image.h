#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace t40 {

// The radio's programmable memory as the program holds it: a 4 KB buffer
// (radio addresses 0x000..0xFFF) whose first 1024 bytes are the image that
// files and whole-image transfers carry. The rest holds the dealer, stun/kill
// and special records that only partial sessions exchange.
class RadioImage {
public:
    static constexpr int ImageSize = 1024;
    static constexpr int MemorySize = 4096;
    static constexpr std::uint8_t Erased = 0xFF;

    RadioImage() { clear(); }

    void clear() { bytes_.fill(Erased); }

    static constexpr bool inImage(int index) { return index >= 0 && index < ImageSize; }
    static constexpr bool inMemory(int address) { return address >= 0 && address < MemorySize; }
    static constexpr bool blockInMemory(int address, int length)
    {
        return length >= 0 && address >= 0 && address <= MemorySize - length;
    }

    // Image bytes 0..1023. A read outside gives the erased value, a write
    // outside touches nothing and returns false.
    std::uint8_t byte(int index) const { return inImage(index) ? bytes_[index] : Erased; }
    bool setByte(int index, std::uint8_t value)
    {
        if (!inImage(index))
            return false;
        bytes_[index] = value;
        return true;
    }

    // Radio memory 0x000..0xFFF (the image included).
    std::uint8_t memoryByte(int address) const { return inMemory(address) ? bytes_[address] : Erased; }
    bool setMemoryByte(int address, std::uint8_t value)
    {
        if (!inMemory(address))
            return false;
        bytes_[address] = value;
        return true;
    }

    // Copies a whole block; a block that does not fit touches nothing.
    bool writeBlock(int address, std::span<const std::uint8_t> data);
    bool readBlock(int address, std::span<std::uint8_t> out) const;

    std::span<const std::uint8_t, ImageSize> image() const { return std::span<const std::uint8_t, ImageSize>(bytes_.data(), ImageSize); }
    std::span<std::uint8_t, ImageSize> image() { return std::span<std::uint8_t, ImageSize>(bytes_.data(), ImageSize); }
    std::span<const std::uint8_t, MemorySize> memory() const { return bytes_; }

    void replaceImage(std::span<const std::uint8_t, ImageSize> data);
    void replaceMemory(std::span<const std::uint8_t, MemorySize> data);

    bool operator==(const RadioImage&) const = default;

private:
    std::array<std::uint8_t, MemorySize> bytes_ {};
};

} // namespace t40
