// byte_stream.h -- packed little-endian fields of Data.dat, written and read in order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "render/little_endian.h"

// Writes fields one after another; the caller sizes the span for all of them.
class ByteWriter {
public:
    explicit ByteWriter(std::span<uint8_t> out) : out_(out) {}
    void Byte(uint8_t v) { out_[pos_++] = v; }
    void Int32(int32_t v) {
        WriteU32(out_, pos_, static_cast<uint32_t>(v));
        pos_ += 4;
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
        const int32_t v = ReadI32(in_, pos_);
        pos_ += 4;
        return v;
    }

private:
    std::span<const uint8_t> in_;
    size_t pos_ = 0;
};
