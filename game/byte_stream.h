// byte_stream.h -- packed little-endian fields of Data.dat, written and read in order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Writes fields one after another; the caller sizes the span for all of them.
class ByteWriter {
public:
    explicit ByteWriter(std::span<uint8_t> out) : out_(out) {}
    void Byte(uint8_t v) { out_[pos_++] = v; }
    void Int32(int32_t v) {
        const uint32_t u = static_cast<uint32_t>(v);
        for (int i = 0; i < 4; ++i) {
            out_[pos_++] = uint8_t(u >> (8 * i));
        }
    }

private:
    std::span<uint8_t> out_;
    size_t pos_ = 0;
};

// Reads fields one after another; the caller checks the span holds them.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> in) : in_(in) {}
    uint8_t Byte() { return in_[pos_++]; }
    int32_t Int32() {
        uint32_t u = 0;
        for (int i = 0; i < 4; ++i) {
            u |= uint32_t(in_[pos_++]) << (8 * i);
        }
        return static_cast<int32_t>(u);
    }

private:
    std::span<const uint8_t> in_;
    size_t pos_ = 0;
};
