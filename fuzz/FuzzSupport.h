// Helpers shared by the fuzz harnesses.
//
// A harness checks properties, not only that nothing crashes: a property
// that fails prints what it expected and aborts, which libFuzzer reports as
// a finding and saves the input for.
//
// Inputs are read from the front with FuzzReader, so the seed files in
// corpus/ can be written by hand or by fuzz_seeds in the same layout: a
// reader that runs dry gives zeros, never fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

[[noreturn]] inline void FuzzFail(const char* condition, const char* file, int line, const std::string& detail)
{
    std::fprintf(stderr, "\nproperty failed: %s\n  at %s:%d\n  %s\n", condition, file, line, detail.c_str());
    std::abort();
}

// Checks a property; the detail (a string expression) is built only when it
// fails.
#define FUZZ_CHECK(condition, detail)                                                                                  \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            FuzzFail(#condition, __FILE__, __LINE__, std::string(detail));                                             \
    } while (false)

class FuzzReader {
public:
    FuzzReader(const uint8_t* data, size_t size) : data_(data), size_(size) { }

    size_t Left() const { return size_ - position_; }
    bool Empty() const { return position_ >= size_; }

    uint8_t U8() { return position_ < size_ ? data_[position_++] : 0; }
    // High byte first; each read sequenced, as operands of | are not.
    uint16_t U16()
    {
        const unsigned high = U8();
        return static_cast<uint16_t>(high << 8 | U8());
    }
    uint32_t U32()
    {
        const uint32_t high = U16();
        return high << 16 | U16();
    }
    bool Bool() { return (U8() & 1) != 0; }
    // A value in [low, high], spread over the whole byte range.
    int Range(int low, int high)
    {
        const uint32_t span = static_cast<uint32_t>(high - low) + 1;
        const uint32_t raw = span > 0xFF ? (span > 0xFFFF ? U32() : U16()) : U8();
        return low + static_cast<int>(raw % span);
    }
    // Up to `length` bytes, fewer when the input ends.
    std::string_view Bytes(size_t length)
    {
        const size_t n = length < Left() ? length : Left();
        const std::string_view piece(reinterpret_cast<const char*>(data_ + position_), n);
        position_ += n;
        return piece;
    }
    std::string_view Rest() { return Bytes(Left()); }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

// Bytes shown as hex for a failure message.
inline std::string HexDump(std::string_view bytes)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char c : bytes) {
        text += kDigits[c >> 4];
        text += kDigits[c & 0x0F];
        text += ' ';
    }
    return text;
}
