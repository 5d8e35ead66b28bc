// text.cpp -- Windows-1251 <-> UTF-8 through the C library's iconv.
//
// Names in Data.dat are single-byte Windows-1251; the host speaks UTF-8.
// Windows-1251 leaves byte 0x98 unassigned and iconv refuses it; the game
// must still show every stored byte, so 0x98 travels as U+0098, the C1
// control of the same value, the way the Windows converter passes it.
#include "game/text.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

namespace {

constexpr unsigned char UnassignedByte = 0x98;
constexpr char UnassignedUtf8[] = "\xC2\x98";  // U+0098

// One iconv descriptor, closed when the conversion ends.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (Valid()) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of [in, in + inLeft) as it can, appending to out.
    // Returns 0 when everything went through, otherwise the errno that
    // stopped it; in/inLeft then point at the offending input.
    int Run(const char*& in, size_t& inLeft, std::string& out) {
        char buffer[256];
        while (inLeft > 0) {
            char* src = const_cast<char*>(in);
            char* dst = buffer;
            size_t dstLeft = sizeof(buffer);
            const size_t rc = iconv(cd_, &src, &inLeft, &dst, &dstLeft);
            out.append(buffer, sizeof(buffer) - dstLeft);
            in = src;
            if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
                return errno;
            }
        }
        return 0;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    Converter converter("UTF-8", "CP1251");
    if (!converter.Valid()) {
        return std::string(bytes);
    }
    const char* in = bytes.data();
    size_t inLeft = bytes.size();
    while (inLeft > 0) {
        if (converter.Run(in, inLeft, out) == 0) {
            break;
        }
        // The only byte the table lacks; anything else would be a broken
        // C library, and a visible stand-in beats losing the whole name.
        const unsigned char bad = static_cast<unsigned char>(*in);
        out += bad == UnassignedByte ? UnassignedUtf8 : "?";
        ++in;
        --inLeft;
    }
    return out;
}

bool Utf8ToCp1251(std::string_view utf8, std::string& bytes) {
    bytes.clear();
    Converter converter("CP1251", "UTF-8");
    if (!converter.Valid()) {
        return false;
    }
    const char* in = utf8.data();
    size_t inLeft = utf8.size();
    while (inLeft > 0) {
        if (converter.Run(in, inLeft, bytes) == 0) {
            return true;
        }
        if (inLeft >= 2 && in[0] == UnassignedUtf8[0] && in[1] == UnassignedUtf8[1]) {
            bytes += static_cast<char>(UnassignedByte);
            in += 2;
            inLeft -= 2;
            continue;
        }
        return false;  // no byte for this character, or broken UTF-8
    }
    return true;
}
