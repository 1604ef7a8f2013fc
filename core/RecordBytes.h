#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tooling::core {

// Little-endian fields of the suite's fixed-length records, read from and written into a byte
// buffer at a given offset. Strings are single-byte, padded with blanks, not terminated.
class RecordBytes {
  public:
    explicit RecordBytes(std::string& bytes) : bytes_(bytes) {}

    void PutInt16(std::size_t at, std::int16_t v) {
        PutUnsigned(at, static_cast<std::uint16_t>(v), 2);
    }
    void PutInt32(std::size_t at, std::int32_t v) {
        PutUnsigned(at, static_cast<std::uint32_t>(v), 4);
    }
    void PutFloat(std::size_t at, float v) { PutUnsigned(at, std::bit_cast<std::uint32_t>(v), 4); }
    void PutText(std::size_t at, std::string_view text, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i) {
            bytes_[at + i] = i < text.size() ? text[i] : ' ';
        }
    }

  private:
    void PutUnsigned(std::size_t at, std::uint32_t v, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) {
            bytes_[at + i] = static_cast<char>((v >> (8 * i)) & 0xFFU);
        }
    }

    std::string& bytes_;
};

class RecordView {
  public:
    explicit RecordView(std::string_view bytes) : bytes_(bytes) {}

    std::int16_t Int16(std::size_t at) const { return static_cast<std::int16_t>(Unsigned(at, 2)); }
    std::int32_t Int32(std::size_t at) const { return static_cast<std::int32_t>(Unsigned(at, 4)); }
    float Float(std::size_t at) const {
        return std::bit_cast<float>(static_cast<std::uint32_t>(Unsigned(at, 4)));
    }
    std::string Text(std::size_t at, std::size_t width) const {
        return std::string(bytes_.substr(at, width));
    }

  private:
    std::uint32_t Unsigned(std::size_t at, std::size_t size) const {
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < size; ++i) {
            v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[at + i])) << (8 * i);
        }
        return v;
    }

    std::string_view bytes_;
};

}  // namespace tooling::core
