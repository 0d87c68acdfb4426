#include "zip_stream.h"

#include <array>
#include <cstring>

namespace vorsplit {
namespace {

// Sixteen tables, so that the checksum takes sixteen bytes a step ("slicing by 16"): table[k][b]
// is the CRC of byte b followed by k zero bytes.
using CrcTables = std::array<std::array<std::uint32_t, 256>, 16>;

constexpr CrcTables make_crc_tables() {
  CrcTables tables{};
  for (std::uint32_t b = 0; b < 256; ++b) {
    std::uint32_t crc = b;
    for (int bit = 0; bit < 8; ++bit) crc = crc & 1 ? crc >> 1 ^ 0xedb88320u : crc >> 1;
    tables[0][b] = crc;
  }
  for (std::size_t k = 1; k < 16; ++k) {
    for (std::size_t b = 0; b < 256; ++b) {
      tables[k][b] = tables[k - 1][b] >> 8 ^ tables[0][tables[k - 1][b] & 0xff];
    }
  }
  return tables;
}
constexpr CrcTables kCrcTables = make_crc_tables();

std::uint32_t load32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// Little-endian fields, one after the other.
struct Fields {
  unsigned char* at;
  std::size_t length = 0;
  Fields& u16(std::uint64_t value) { return put(value, 2); }
  Fields& u32(std::uint64_t value) { return put(value, 4); }
  Fields& u64(std::uint64_t value) { return put(value, 8); }
  Fields& bytes(const char* text, std::size_t n) {
    std::memcpy(at + length, text, n);
    length += n;
    return *this;
  }
  Fields& put(std::uint64_t value, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) at[length++] = static_cast<unsigned char>(value >> 8 * i);
    return *this;
  }
};

constexpr std::uint32_t kLocalSignature = 0x04034b50, kDescriptorSignature = 0x08074b50,
                        kCentralSignature = 0x02014b50, kZip64EndSignature = 0x06064b50,
                        kZip64LocatorSignature = 0x07064b50, kEndSignature = 0x06054b50;
constexpr std::uint16_t kFlags = 0x0808;  // a data descriptor; UTF-8 names
constexpr std::uint16_t kVersion = 20, kZip64Version = 45;
constexpr std::uint16_t kMadeByUnix = 3 << 8;  // so that the attributes are a Unix mode
constexpr std::uint32_t kFileMode = 0100644u << 16;
constexpr std::uint64_t k32BitMost = 0xffffffff;  // the largest 4-byte field, or "see ZIP64"
constexpr std::uint16_t kZip64ExtraId = 0x0001;

}  // namespace

std::uint32_t crc32(std::uint32_t crc, const unsigned char* bytes, std::size_t n) {
  const CrcTables& t = kCrcTables;
  crc = ~crc;
  for (; n >= 16; n -= 16, bytes += 16) {
    const std::uint32_t a = load32(bytes) ^ crc, b = load32(bytes + 4), c = load32(bytes + 8),
                        d = load32(bytes + 12);
    crc = t[15][a & 0xff] ^ t[14][a >> 8 & 0xff] ^ t[13][a >> 16 & 0xff] ^ t[12][a >> 24] ^
          t[11][b & 0xff] ^ t[10][b >> 8 & 0xff] ^ t[9][b >> 16 & 0xff] ^ t[8][b >> 24] ^
          t[7][c & 0xff] ^ t[6][c >> 8 & 0xff] ^ t[5][c >> 16 & 0xff] ^ t[4][c >> 24] ^
          t[3][d & 0xff] ^ t[2][d >> 8 & 0xff] ^ t[1][d >> 16 & 0xff] ^ t[0][d >> 24];
  }
  for (; n > 0; --n, ++bytes) crc = crc >> 8 ^ t[0][(crc ^ *bytes) & 0xff];
  return ~crc;
}

void zip_start(ZipStream& zip, std::uint16_t dos_time, std::uint16_t dos_date) {
  zip.written = 0;
  zip.dos_time = dos_time;
  zip.dos_date = dos_date;
  zip.count = zip.finished = 0;
  zip.directory = 0;
}

std::size_t zip_begin(ZipStream& zip, const char* name, unsigned char* out) {
  const std::size_t name_length = std::strlen(name);
  if (zip.count == kZipMostEntries || name_length >= kZipNameSize) return 0;
  ZipEntry& entry = zip.entries[zip.count++];
  entry = ZipEntry();
  entry.offset = zip.written;
  std::memcpy(entry.name, name, name_length + 1);
  Fields header{out};
  header.u32(kLocalSignature)
      .u16(kVersion)
      .u16(kFlags)
      .u16(0)
      .u16(zip.dos_time)
      .u16(zip.dos_date)
      .u32(0)
      .u32(0)
      .u32(0)
      .u16(name_length)
      .u16(0)
      .bytes(name, name_length);
  zip.written += header.length;
  return header.length;
}

void zip_data(ZipStream& zip, const unsigned char* bytes, std::size_t n) {
  ZipEntry& entry = zip.entries[zip.count - 1];
  entry.crc = crc32(entry.crc, bytes, n);
  entry.size += n;
  zip.written += n;
}

std::size_t zip_end(ZipStream& zip, unsigned char* out) {
  const ZipEntry& entry = zip.entries[zip.count - 1];
  Fields descriptor{out};
  descriptor.u32(kDescriptorSignature).u32(entry.crc);
  if (entry.size < k32BitMost) {
    descriptor.u32(entry.size).u32(entry.size);
  } else {
    descriptor.u64(entry.size).u64(entry.size);
  }
  zip.written += descriptor.length;
  return descriptor.length;
}

std::size_t zip_finish(ZipStream& zip, unsigned char* out, std::size_t room) {
  if (zip.finished == 0) zip.directory = zip.written;
  std::size_t length = 0;
  for (; zip.finished < zip.count && room - length >= kZipMostPiece; ++zip.finished) {
    const ZipEntry& entry = zip.entries[zip.finished];
    const bool large = entry.size >= k32BitMost || entry.offset >= k32BitMost;
    const std::size_t name_length = std::strlen(entry.name);
    Fields header{out + length};
    header.u32(kCentralSignature)
        .u16(kMadeByUnix | kZip64Version)
        .u16(large ? kZip64Version : kVersion)
        .u16(kFlags)
        .u16(0)
        .u16(zip.dos_time)
        .u16(zip.dos_date)
        .u32(entry.crc)
        .u32(large ? k32BitMost : entry.size)
        .u32(large ? k32BitMost : entry.size)
        .u16(name_length)
        .u16(large ? kZip64ExtraSize : 0)
        .u16(0)
        .u16(0)
        .u16(0)
        .u32(kFileMode)
        .u32(large ? k32BitMost : entry.offset)
        .bytes(entry.name, name_length);
    if (large) {
      header.u16(kZip64ExtraId)
          .u16(kZip64ExtraSize - 4)
          .u64(entry.size)
          .u64(entry.size)
          .u64(entry.offset);
    }
    length += header.length;
    zip.written += header.length;
  }
  if (zip.finished < zip.count || zip.finished > zip.count) return length;
  // The end records, once, where they fit whole.
  if (room - length < kZip64EndSize + kZipEndSize) return length;
  const std::uint64_t directory_size = zip.written - zip.directory;
  const bool zip64 = zip.written >= k32BitMost || zip.directory >= k32BitMost;
  Fields end{out + length};
  if (zip64) {
    const std::uint64_t end_at = zip.written;
    end.u32(kZip64EndSignature)
        .u64(44)
        .u16(kMadeByUnix | kZip64Version)
        .u16(kZip64Version)
        .u32(0)
        .u32(0)
        .u64(zip.count)
        .u64(zip.count)
        .u64(directory_size)
        .u64(zip.directory);
    end.u32(kZip64LocatorSignature).u32(0).u64(end_at).u32(1);
  }
  end.u32(kEndSignature)
      .u16(0)
      .u16(0)
      .u16(zip.count)
      .u16(zip.count)
      .u32(zip64 ? k32BitMost : directory_size)
      .u32(zip64 ? k32BitMost : zip.directory)
      .u16(0);
  ++zip.finished;
  zip.written += end.length;
  return length + end.length;
}

}  // namespace vorsplit
