// Drives the page's module as the page's engine does, natively, with any archive bytes and any
// settings, and checks what must hold:
//   - the split's zip is well-formed and holds each track's bytes, which the sound's own walk of
//     the track's pairs gives again;
//   - a track's render is as long as the settings give, and a render resumed from any point,
//     with the decoder's state kept there, equals the render from the start;
//   - its file (WAV, FLAC or Ogg Vorbis), zipped too, has that length: the WAV's header says it,
//     the FLAC decodes to the WAV's samples, the Ogg's last granule position is it.
//
// The first five input bytes are the settings, the rest the archive, as the tools' fuzz target
// shapes it:
//   0: bits 0-1, 0 to 3 block pairs; bit 2, an unfinished pair after them
//   1: loops, 1 to 10, or 0 for ever (a play, which has no file)
//   2: the fade, 0 to 30 seconds
//   3: bit 0, once with loop points; bits 1-2, the file: WAV, FLAC or Ogg Vorbis; bits 3-5, Vorbis
//      quality from 3
//   4: which track, and where the resumed render starts

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "adpcm_frame.h"
#include "flac_file.h"
#include "track_encoder.h"
#include "track_sound.h"
#include "zip_stream.h"

// The module's functions, as the page calls them (web/engine/split_module.cpp).
extern "C" {
std::size_t page_pair_size();
std::size_t page_chunk_pairs();
unsigned char* page_input();
char* page_output();
std::size_t page_output_fill();
double* page_events();
std::size_t page_event_count();
char* page_text();
void page_drained();
void page_split_start();
std::size_t page_split_pairs(std::size_t first, std::size_t count);
void page_split_end();
double page_sound_pair(std::size_t index);
double page_sound_start(double track_bytes, double samples, int playable, int loops, double start,
                        double end, std::uint32_t sample_rate, double render_loops,
                        double fade_seconds, int marked);
int page_sound_loops();
unsigned char* page_decoder();
std::size_t page_decoder_size();
double page_sound_loop_from();
double page_sound_loop_to();
std::size_t page_decode(std::size_t from, std::size_t count, std::size_t into, int cached);
std::size_t page_decode_frames();
std::int16_t* page_pcm();
void page_fade(std::size_t count, double at);
char* page_archive_name();
void page_tags(std::int32_t number, std::uint32_t total);
const unsigned char* page_wav_header(std::uint32_t sample_rate);
std::size_t page_wav_header_size();
int page_encode_start(int format, int quality, std::uint32_t sample_rate);
int page_encode(std::size_t count);
int page_encode_finish();
const unsigned char* page_encoded();
std::size_t page_encoded_size();
void page_encoded_drain();
void page_zip_start(std::uint32_t dos_time, std::uint32_t dos_date);
unsigned char* page_zip_piece();
std::size_t page_zip_begin(const char* name);
void page_zip_data(const unsigned char* bytes, std::size_t count);
std::size_t page_zip_end();
std::size_t page_zip_finish();
}

namespace {

using Bytes = std::vector<unsigned char>;
constexpr std::uint32_t kRate = 44100;
enum { kLine = 1, kLoopLine, kTrackBegin, kTrackEnd, kLoopFile };
constexpr std::size_t kEventSize = 7;

void fail(const char* what, const std::string& name = "") {
  std::fprintf(stderr, "%s%s%s\n", name.c_str(), name.empty() ? "" : ": ", what);
  std::abort();
}

struct Track {
  std::string name;
  Bytes bytes;
  std::size_t pair = 0;
  double samples = 0, start = 0, end = 0;
  bool playable = false, loops = false;
};

struct File {
  std::string name;
  Bytes bytes;
};

Bytes archive_from(const std::uint8_t* data, std::size_t size, std::uint8_t shape) {
  const std::size_t pair = page_pair_size();
  const std::size_t length = (shape & 3) * pair + ((shape & 4) ? size * 7919 % pair : 0);
  Bytes archive(length, 0);
  for (std::size_t i = 0; size && i < length; ++i) archive[i] = data[i % size];
  return archive;
}

std::string text(double at, double length) {
  return std::string(page_text() + static_cast<std::size_t>(at), static_cast<std::size_t>(length));
}

// The split, as the engine drives it: a chunk of pairs at a time, each call's events done in
// order, the output's bytes after the last event the open track's.
void split(const Bytes& archive, std::vector<Track>& tracks, std::vector<File>& files) {
  const std::size_t pair_size = page_pair_size(), chunk = page_chunk_pairs();
  const std::size_t pairs = archive.size() / pair_size;
  Track* open = nullptr;
  auto drain = [&] {
    std::size_t from = 0;
    for (std::size_t e = 0; e < page_event_count(); ++e) {
      const double* event = page_events() + e * kEventSize;
      const auto kind = static_cast<int>(event[0]);
      if (kind == kTrackBegin) {
        tracks.push_back(Track{text(event[1], event[2]), {}, static_cast<std::size_t>(event[3])});
        open = &tracks.back();
      } else if (kind == kTrackEnd) {
        if (!open) fail("a track ends that never began");
        const auto to = static_cast<std::size_t>(event[1]);
        open->bytes.insert(open->bytes.end(), page_output() + from, page_output() + to);
        from = to;
        open->samples = event[2], open->playable = event[3] == 1, open->loops = event[4] == 1;
        open->start = event[5], open->end = event[6];
        open = nullptr;
      } else if (kind == kLoopFile) {
        const std::string body = text(event[3], event[4]);
        files.push_back(File{text(event[1], event[2]), Bytes(body.begin(), body.end())});
      }
    }
    if (open)
      open->bytes.insert(open->bytes.end(), page_output() + from,
                         page_output() + page_output_fill());
    page_drained();
  };
  page_split_start();
  drain();
  for (std::size_t pair = 0; pair < pairs;) {
    const std::size_t count = pairs - pair < chunk ? pairs - pair : chunk;
    std::memcpy(page_input(), archive.data() + pair * pair_size, count * pair_size);
    for (std::size_t walked = 0; walked < count;) {
      walked += page_split_pairs(walked, count - walked);
      drain();
    }
    pair += count;
  }
  page_split_end();
  drain();
  for (const Track& track : tracks) files.push_back(File{track.name, track.bytes});
}

// A track's frames as the sound reads them: its pairs walked again from its first, up to its end
// or the next track's first pair.
Bytes sound_frames(const Bytes& archive, const Track& track, std::size_t until) {
  const std::size_t pair_size = page_pair_size();
  Bytes frames;
  for (std::size_t pair = track.pair; pair < until; ++pair) {
    std::memcpy(page_input(), archive.data() + pair * pair_size, pair_size);
    double length = page_sound_pair(0);
    const bool ended = length < 0;
    if (ended) length = -1 - length;
    frames.insert(frames.end(), page_output(), page_output() + static_cast<std::size_t>(length));
    if (ended) break;
  }
  return frames;
}

// Where a render stands: the frames' byte, its pass over the loop (0: from the start), and the
// decoder's state there.
struct Mark {
  std::size_t byte = 0, pass = 0, sample = 0;
  Bytes state;
};

// Decodes frames in the order a player takes them, from `from`, up to `samples` samples, at most
// `step` frames a decode, keeping a mark at each; faded where `faded`.
std::vector<std::int16_t> render(const Bytes& frames, std::size_t samples, const Mark& from,
                                 std::size_t step, std::vector<Mark>* marks, bool faded) {
  const auto loop_from = static_cast<std::size_t>(page_sound_loop_from());
  const auto loop_to = static_cast<std::size_t>(page_sound_loop_to());
  const bool looping = page_sound_loops() == 1;
  if (loop_to > frames.size()) fail("the render plays past the track's frames");
  std::memcpy(page_output(), frames.data(), frames.size());
  std::memcpy(page_decoder(), from.state.data(), from.state.size());
  std::vector<std::int16_t> pcm;
  std::size_t at = from.sample, byte = from.byte, pass = from.pass;
  while (at < samples) {
    if (byte >= loop_to) {
      if (!looping || loop_to <= loop_from) break;
      byte = loop_from;
      ++pass;
    }
    if (marks)
      marks->push_back(
          Mark{byte, pass, at, Bytes(page_decoder(), page_decoder() + page_decoder_size())});
    const std::size_t count = std::min((loop_to - byte) / vorsplit::kFrameSize, step);
    std::size_t made = page_decode(byte, count, 0, 0);
    byte += count * vorsplit::kFrameSize;
    made = std::min(made, samples - at);
    if (faded) page_fade(made, static_cast<double>(at));
    pcm.insert(pcm.end(), page_pcm(), page_pcm() + 2 * made);
    at += made;
  }
  return pcm;
}

std::int64_t last_granule(const Bytes& file) {
  std::int64_t granule = -1;
  for (std::size_t at = 0; at < file.size();) {
    if (file.size() - at < 27 || std::memcmp(&file[at], "OggS", 4) != 0)
      fail("an Ogg page is broken");
    granule = 0;
    for (int i = 7; i >= 0; --i)
      granule = granule << 8 | file[at + 6 + static_cast<std::size_t>(i)];
    const std::size_t segments = file[at + 26];
    std::size_t body = 0;
    for (std::size_t i = 0; i < segments; ++i) body += file[at + 27 + i];
    at += 27 + segments + body;
  }
  return granule;
}

std::uint32_t u32(const Bytes& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16) |
         static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t u16(const Bytes& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// The zip of files, as the page's zip route writes it, read back by its directory: every file
// there, in order, whole, with its checksum, and nothing after the end record.
void check_zip(const std::vector<File>& files) {
  Bytes zip;
  auto piece = [&](std::size_t length) {
    zip.insert(zip.end(), page_zip_piece(), page_zip_piece() + length);
  };
  page_zip_start(0, 0x21);
  for (const File& file : files) {
    const std::size_t header = page_zip_begin(file.name.c_str());
    if (!header) fail("the zip refused a file", file.name);
    piece(header);
    page_zip_data(file.bytes.data(), file.bytes.size());
    zip.insert(zip.end(), file.bytes.begin(), file.bytes.end());
    piece(page_zip_end());
  }
  for (std::size_t length; (length = page_zip_finish());) piece(length);
  const std::size_t end = zip.size() - vorsplit::kZipEndSize;
  if (u32(zip, end) != 0x06054b50 || u16(zip, end + 10) != files.size())
    fail("the zip's end record is wrong");
  std::size_t at = u32(zip, end + 16);
  if (at + u32(zip, end + 12) != end) fail("the zip's directory is not where its end says");
  for (const File& file : files) {
    if (u32(zip, at) != 0x02014b50) fail("a central header is missing", file.name);
    const std::size_t name_length = u16(zip, at + 28);
    const std::string name(zip.begin() + static_cast<std::ptrdiff_t>(at + 46),
                           zip.begin() + static_cast<std::ptrdiff_t>(at + 46 + name_length));
    const std::size_t local = u32(zip, at + 42), data = local + 30 + name_length;
    if (name != file.name || u32(zip, local) != 0x04034b50 ||
        u32(zip, at + 20) != file.bytes.size() || u32(zip, at + 24) != file.bytes.size() ||
        (!file.bytes.empty() &&
         std::memcmp(zip.data() + data, file.bytes.data(), file.bytes.size()) != 0) ||
        u32(zip, at + 16) != vorsplit::crc32(0, file.bytes.data(), file.bytes.size())) {
      fail("is not in the zip as it was written", file.name);
    }
    at += 46 + name_length + u16(zip, at + 30) + u16(zip, at + 32);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5) return 0;
  const unsigned loops = data[1] % 11, fade = data[2] % 31;
  const bool marked = data[3] & 1;
  const int format = data[3] >> 1 & 3, quality = (data[3] >> 3 & 7) % 7 + 3;
  const Bytes archive = archive_from(data + 5, size - 5, data[0]);

  std::vector<Track> tracks;
  std::vector<File> files;
  split(archive, tracks, files);
  check_zip(files);

  std::vector<const Track*> playable;
  for (const Track& track : tracks) {
    if (track.playable) playable.push_back(&track);
  }
  if (playable.empty()) return 0;
  const Track& track = *playable[data[4] % playable.size()];
  const std::size_t index = static_cast<std::size_t>(&track - tracks.data());
  const std::size_t until =
      index + 1 < tracks.size() ? tracks[index + 1].pair : archive.size() / page_pair_size();
  const Bytes frames = sound_frames(archive, track, until);
  if (frames != track.bytes) fail("the sound's frames are not the split's", track.name);

  // For ever is a play: two loops' length is checked, and no file made.
  const bool forever = loops == 0;
  const double samples = page_sound_start(static_cast<double>(track.bytes.size()), track.samples, 1,
                                          track.loops, track.start, track.end, kRate,
                                          forever ? 2 : loops, forever ? 0 : fade, marked);
  // The render from the start, in whole decodes; then again from one of its marks, in decodes of
  // a few frames, odd counts too, so that a frame waits for its pair across them.
  std::vector<Mark> marks;
  const Mark start{0, 0, 0, Bytes(page_decoder(), page_decoder() + page_decoder_size())};
  const auto length = static_cast<std::size_t>(samples);
  const std::vector<std::int16_t> whole =
      render(frames, length, start, page_decode_frames(), &marks, !forever);
  if (whole.size() != 2 * length) fail("the render is not as long as the settings say", track.name);
  const Mark& resume = marks[data[4] * 7919u % marks.size()];
  const std::vector<std::int16_t> resumed =
      render(frames, length, resume, 1 + data[4] % 5, nullptr, !forever);
  if (!std::equal(resumed.begin(), resumed.end(),
                  whole.begin() + static_cast<std::ptrdiff_t>(2 * resume.sample)) ||
      resumed.size() != whole.size() - 2 * resume.sample) {
    fail("a render resumed from a mark differs from the render from the start", track.name);
  }
  if (forever) return 0;

  std::strcpy(page_archive_name(), "fuzz.bin");
  page_tags(static_cast<std::int32_t>(index), static_cast<std::uint32_t>(tracks.size()));
  const unsigned char* header = page_wav_header(kRate);
  if (!header) return 0;
  File file{track.name, Bytes(header, header + page_wav_header_size())};
  if (format == 1 || format == 2) {
    if (!page_encode_start(format, quality, kRate)) fail("the encoder does not begin", track.name);
    file.bytes.clear();
    auto take = [&] {
      file.bytes.insert(file.bytes.end(), page_encoded(), page_encoded() + page_encoded_size());
      page_encoded_drain();
    };
    take();
    const std::size_t slice = page_decode_frames() / 2 * vorsplit::kSamplesPerFrame;
    for (std::size_t at = 0; at < whole.size() / 2; at += slice) {
      const std::size_t count = std::min(slice, whole.size() / 2 - at);
      std::memcpy(page_pcm(), whole.data() + 2 * at, 4 * count);
      if (!page_encode(count)) fail("the encoder fails", track.name);
      take();
    }
    if (!page_encode_finish()) fail("the encoder does not end", track.name);
    take();
    if (format == 1) {
      const vorsplit::testing::FlacFile flac = vorsplit::testing::decode_flac(file.bytes);
      if (flac.failed || flac.pcm != whole) fail("the FLAC file is not the render", track.name);
    }
    if (format == 2 && last_granule(file.bytes) != static_cast<std::int64_t>(samples)) {
      fail("the Ogg file is not as long as the render", track.name);
    }
  } else {
    file.bytes.insert(file.bytes.end(), reinterpret_cast<const unsigned char*>(whole.data()),
                      reinterpret_cast<const unsigned char*>(whole.data() + whole.size()));
    if (u32(file.bytes, 4) != file.bytes.size() - 8)
      fail("the WAV file's size is not its length", track.name);
  }
  check_zip({file});
  return 0;
}
