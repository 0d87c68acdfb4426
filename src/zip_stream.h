#pragma once

#include <cstddef>
#include <cstdint>

namespace vorsplit {

// CRC-32 (the zip's, polynomial 0xedb88320) of n bytes, continuing crc (0 to begin).
std::uint32_t crc32(std::uint32_t crc, const unsigned char* bytes, std::size_t n);

// A zip written front to back while its files' bytes come, their sizes and checksums known only
// at each file's end: stored entries (ADPCM hardly compresses), each followed by a data
// descriptor, and the central directory last. Little-endian fields:
//
//   local header    "PK\3\4" 20|45 0x0808 0 time date 0 0 0 name-length 0 | name
//   data            the file's bytes, as they are
//   descriptor      "PK\7\8" crc size size             (4-byte sizes)
//                   "PK\7\8" crc size64 size64         (from 4 GiB)
//   ...
//   central header  "PK\1\2" made-by needed 0x0808 0 time date crc size size name-length
//                   extra-length 0 0 0 attributes offset | name | ZIP64 extra, where a size or
//                   the offset reaches 4 GiB: 0x0001 length size64 size64 offset64
//   ...
//   ZIP64 end       "PK\6\6" ... and its locator "PK\6\7", where the directory starts or ends
//                   past 4 GiB
//   end             "PK\5\6" 0 0 entries entries directory-size directory-offset 0
//
// The flags say: sizes and checksum follow the data (bit 3), names are UTF-8 (bit 11). Entries
// are Unix files of mode 0644. The sizes and offsets of the zip have no limit but 64 bits; its
// entries are at most kZipMostEntries.
inline constexpr std::size_t kZipMostEntries = 65535;
inline constexpr std::size_t kZipNameSize = 32;  // "BGM_-2147483648.adpcm" and its end
inline constexpr std::size_t kZipLocalHeaderSize = 30;
inline constexpr std::size_t kZipMostDescriptorSize = 24;
inline constexpr std::size_t kZipCentralHeaderSize = 46;
inline constexpr std::size_t kZip64ExtraSize = 28;
inline constexpr std::size_t kZip64EndSize = 56 + 20;
inline constexpr std::size_t kZipEndSize = 22;
// Room enough for any one piece the zip writes at a time: a local header, or a central one.
inline constexpr std::size_t kZipMostPiece = kZipCentralHeaderSize + kZipNameSize + kZip64ExtraSize;
static_assert(kZipMostPiece >= kZipLocalHeaderSize + kZipNameSize &&
              kZipMostPiece >= kZipMostDescriptorSize && kZipMostPiece >= kZip64EndSize &&
              kZipMostPiece >= kZipEndSize);

struct ZipEntry {
  std::uint64_t offset = 0, size = 0;  // of its local header, and of its data
  std::uint32_t crc = 0;
  char name[kZipNameSize] = {};
};

struct ZipStream {
  std::uint64_t written = 0;  // bytes of the zip so far
  std::uint16_t dos_time = 0, dos_date = 0;
  std::size_t count = 0;        // entries begun
  std::size_t finished = 0;     // central headers written, then the end records
  std::uint64_t directory = 0;  // where the central directory begins
  ZipEntry entries[kZipMostEntries];
};

// Starts a zip whose files are all dated so (MS-DOS time and date fields).
void zip_start(ZipStream& zip, std::uint16_t dos_time, std::uint16_t dos_date);

// Begins a file of the zip: writes its local header into out (kZipMostPiece bytes of room);
// returns the bytes written, 0 where the zip holds kZipMostEntries files already or the name is
// too long.
std::size_t zip_begin(ZipStream& zip, const char* name, unsigned char* out);

// n more bytes of the open file, which the caller writes into the zip after its header.
void zip_data(ZipStream& zip, const unsigned char* bytes, std::size_t n);

// Ends the open file: writes its data descriptor into out; returns the bytes written.
std::size_t zip_end(ZipStream& zip, unsigned char* out);

// Writes as much of the central directory and the end records as fits into room bytes of out;
// returns the bytes written, 0 once the zip is whole. room is at least kZipMostPiece.
std::size_t zip_finish(ZipStream& zip, unsigned char* out, std::size_t room);

}  // namespace vorsplit
