// The page's module: the tools' walk over block pairs that the page reads into it, with one more
// handler, which hands the page what the tools would print and write, as events.
//
// The page reads up to kChunkPairs whole pairs into the input, has them walked, and then does what
// the events say, in order, before the next call; the track bytes are in the output:
//
//   event (seven numbers)                  what the page does
//   kLine      text, length                log a line of vorsplit's
//   kLoopLine  text, length                log a line of vorloop's, after all of vorsplit's
//   kTrackBegin name, length, pair         create the track file of that name; its first pair
//   kTrackEnd  output end, samples, playable, loops, start, end
//                                          write the track's bytes up to output end; close it
//   kLoopFile  name, length, text, length  write a loop file
//
// The output bytes after the last kTrackEnd belong to the track that is still open. Memory is
// fixed: whatever the archive's size, the module holds one chunk, its output and its events.
//
// To play a track, or render it as a WAV file, the page reads it again from its first pair: the
// walk of one pair at a time leaves the track's frames in the output, and the decoder makes
// samples of them, a slice at a time.

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#else
// Built natively for the fuzz target, which calls the module's functions as the page does.
#define EMSCRIPTEN_KEEPALIVE
#endif

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <type_traits>

#include "adpcm_txth.h"
#include "block_scanner.h"
#include "loop_points.h"
#include "player_files.h"
#include "track_encoder.h"
#include "track_name.h"
#include "track_sound.h"
#include "track_writer.h"
#include "zip_stream.h"

namespace vorsplit {
namespace {

// A chunk of 10 pairs, 4 MB: the engine reads the archive as long streams (see read_file.js), so
// a chunk's size barely changes its speed, and small chunks keep the tab's memory small.
constexpr std::size_t kChunkPairs = 10;

enum PageEvent { kLine = 1, kLoopLine, kTrackBegin, kTrackEnd, kLoopFile };
constexpr std::size_t kEventSize = 7;

// A pair can give a marker for every frame, and a track's end, its loop file and the next
// track's beginning: the walk of a pair starts only where that much room is left.
constexpr std::size_t kPairEvents = 2 * kFramesPerBlock + 8;
// The longest line: "BGM_-2147483648.txtp : loops from sample " and two 20-digit numbers.
constexpr std::size_t kLineSize = 128;
constexpr std::size_t kEventRoom = 2 * kPairEvents;
constexpr std::size_t kTextRoom = kEventRoom * kLineSize;
// Frames decoded at a call: 57344 stereo samples, 1.3 s at 44100 Hz.
constexpr std::size_t kDecodeFrames = 4096;
// A loop's frames are kept after its first pass where they fit here, so that a loop of any
// length costs what its samples cost, not a read of the archive a pass: 4 MB, 23 s of sound.
constexpr std::size_t kLoopCacheSize = 4 << 20;
// Room for the zip's central directory, written a piece at a time.
constexpr std::size_t kZipPieceRoom = 64 << 10;

struct Page {
  alignas(0x1000) unsigned char input[kChunkPairs * kBlockPairSize];
  // At most one track ends in a pair, and adds at most the end frame.
  alignas(0x1000) char output[kChunkPairs * (kBlockPairSize + kFrameSize)];
  double events[kEventRoom * kEventSize];
  char text[kTextRoom];
  std::int16_t pcm[2 * TrackDecoder::samples_for(kDecodeFrames)];
  alignas(16) unsigned char loop_cache[kLoopCacheSize];
  unsigned char zip_piece[kZipPieceRoom];
  std::size_t output_fill = 0, event_count = 0, text_fill = 0, loop_cache_fill = 0;
  std::uint64_t pair_offset = 0;
};
Page page;
ZipStream zip;
char zip_name[kZipNameSize];

// Puts text into the text room and returns where.
std::size_t put_text(const char* text, std::size_t length) {
  std::memcpy(page.text + page.text_fill, text, length);
  page.text_fill += length;
  return page.text_fill - length;
}

void event(PageEvent kind, double a = 0, double b = 0, double c = 0, double d = 0, double e = 0,
           double f = 0) {
  double* const at = page.events + page.event_count++ * kEventSize;
  at[0] = kind, at[1] = a, at[2] = b, at[3] = c, at[4] = d, at[5] = e, at[6] = f;
}

void text_event(PageEvent kind, const char* text, int length) {
  const std::size_t at = put_text(text, static_cast<std::size_t>(length));
  event(kind, static_cast<double>(at), length);
}

// A line as the tools print it, without its line feed: the log is a line a line.
void line_event(PageEvent kind, const char* line, int length) {
  text_event(kind, line, length > 0 && line[length - 1] == '\n' ? length - 1 : length);
}

void put_output(const void* bytes, std::size_t length) {
  std::memcpy(page.output + page.output_fill, bytes, length);
  page.output_fill += length;
}

// The frames a track file holds, as the walk keeps them: for the split and for the sound alike.
void put_run(const unsigned char* frames0, const unsigned char* frames1, std::size_t positions) {
  interleave_frames(page.output + page.output_fill, frames0, frames1, positions);
  page.output_fill += positions * 2 * kFrameSize;
}
void put_last(const unsigned char* last_frame) {
  put_output(last_frame, kFrameSize);
  if (adds_end_frame(last_frame)) put_output(kEndFrame, kFrameSize);
}

// What the walk over the archive does for the page: vorsplit's lines and track bytes, and
// vorloop's loop files and lines, as the tools would give them one after the other.
struct PageTracks {
  std::int32_t track_number = 0;
  LoopCounter loops;

  void marker(unsigned char flag, int channel, std::uint64_t flag_offset) {
    loops.marker(flag, channel);
    char line[kLineSize];
    line_event(kLine, line, std::snprintf(line, sizeof line, kMarkerLine, flag, flag_offset));
  }
  ExitStatus keep(const unsigned char* frame, int channel) {
    loops.keep(channel);
    put_output(frame, kFrameSize);
    return kExitSuccess;
  }
  ExitStatus keep_run(const unsigned char* frames0, const unsigned char* frames1,
                      std::size_t positions) {
    loops.keep_run(positions);
    put_run(frames0, frames1, positions);
    return kExitSuccess;
  }
  ExitStatus end_track(const unsigned char* last_frame, int channel, std::uint64_t next_pair) {
    const TrackLoop loop = loops.end_track(last_frame, channel);
    put_last(last_frame);
    finish(loop);
    ++track_number;
    begin(next_pair);
    return kExitSuccess;
  }
  ExitStatus end_archive() {
    finish(loops.end_archive());
    return kExitSuccess;
  }

  void begin(std::uint64_t pair_offset) {
    char name[kTrackNameSize], line[kLineSize];
    name_track_file(name, track_number, ".adpcm");
    line_event(kLine, line, std::snprintf(line, sizeof line, kBeginLine, pair_offset, name));
    const std::size_t at = put_text(name, std::strlen(name));
    event(kTrackBegin, static_cast<double>(at), static_cast<double>(std::strlen(name)),
          static_cast<double>(pair_offset / kBlockPairSize));
  }
  void finish(const TrackLoop& loop) {
    event(kTrackEnd, static_cast<double>(page.output_fill), static_cast<double>(loop.samples),
          loop.playable, loop.loops, static_cast<double>(loop.start),
          static_cast<double>(loop.end));
    if (!loop.playable) return;
    char adpcm[kTrackNameSize], txtp[kTrackNameSize], text[kLineSize], line[kLineSize];
    name_track_file(adpcm, track_number, ".adpcm");
    name_track_file(txtp, track_number, ".txtp");
    const std::size_t name_at = put_text(txtp, std::strlen(txtp));
    const int text_length = format_txtp(text, sizeof text, adpcm, loop);
    const std::size_t text_at = put_text(text, static_cast<std::size_t>(text_length));
    event(kLoopFile, static_cast<double>(name_at), static_cast<double>(std::strlen(txtp)),
          static_cast<double>(text_at), text_length);
    line_event(kLoopLine, line, format_loop_line(line, sizeof line, txtp, loop));
  }
};
PageTracks tracks;

// What the walk does for a track being played: its frames, as its file holds them, and no more.
struct SoundFrames {
  bool ended = false;

  void marker(unsigned char, int, std::uint64_t) {}
  ExitStatus keep(const unsigned char* frame, int) {
    put_output(frame, kFrameSize);
    return kExitSuccess;
  }
  ExitStatus keep_run(const unsigned char* frames0, const unsigned char* frames1,
                      std::size_t positions) {
    put_run(frames0, frames1, positions);
    return kExitSuccess;
  }
  ExitStatus end_track(const unsigned char* last_frame, int, std::uint64_t) {
    put_last(last_frame);
    ended = true;
    return kExitSuccess;
  }
};
// The frames the look has seen, and those of them whose header no real frame has: a filter past
// the five the sound chip knows, or a shift past 12. Most frames being such says the file holds
// no PS-ADPCM, which the page tells the user; the walk takes them all the same, as the tools do.
constexpr unsigned kMostShift = 12;
std::uint64_t frames_seen = 0, odd_frames = 0;

void count_odd_frames(const unsigned char* pair) {
  std::uint64_t odd = 0;
  for (std::size_t at = kHeaderOffset; at < kBlockPairSize; at += kFrameSize) {
    odd += (pair[at] >> 4) >= kFilterCount || (pair[at] & 0xf) > kMostShift;
  }
  odd_frames += odd;
  frames_seen += kBlockPairSize / kFrameSize;
}

TrackDecoder decoder;
TrackRender render;
unsigned char wav_header[kWavMostHeaderSize];
std::size_t wav_header_size = 0;
// What the files of a save say of themselves: the archive's name, which the page writes here,
// and the track's.
constexpr std::size_t kArchiveNameSize = 1024;
char archive_name[kArchiveNameSize];
TrackTags tags;
TrackEncoder encoder;

// The players' files, as the tools have them beside them; the TXTH file at the page's rate.
constexpr std::string_view kTxthRate = "sample_rate = 44100\n";
// A loop of characters, which every compiler evaluates at compile time (GCC 12's string_view::find
// is not).
constexpr bool holds_rate_line() {
  const std::string_view text(kAdpcmTxth);
  for (std::size_t at = 0; at + kTxthRate.size() <= text.size(); ++at) {
    std::size_t same = 0;
    while (same < kTxthRate.size() && text[at + same] == kTxthRate[same]) ++same;
    if (same == kTxthRate.size()) return true;
  }
  return false;
}
static_assert(holds_rate_line());
char player_file[sizeof kAdpcmTxth + 16];
std::size_t player_file_size = 0;

}  // namespace
}  // namespace vorsplit

using namespace vorsplit;

extern "C" {

EMSCRIPTEN_KEEPALIVE std::size_t page_pair_size() { return kBlockPairSize; }
EMSCRIPTEN_KEEPALIVE std::size_t page_chunk_pairs() { return kChunkPairs; }
EMSCRIPTEN_KEEPALIVE unsigned char* page_input() { return page.input; }
EMSCRIPTEN_KEEPALIVE char* page_output() { return page.output; }
EMSCRIPTEN_KEEPALIVE std::size_t page_output_size() { return sizeof page.output; }
EMSCRIPTEN_KEEPALIVE std::size_t page_output_fill() { return page.output_fill; }
EMSCRIPTEN_KEEPALIVE double* page_events() { return page.events; }
EMSCRIPTEN_KEEPALIVE std::size_t page_event_count() { return page.event_count; }
EMSCRIPTEN_KEEPALIVE char* page_text() { return page.text; }

// The page has done what the events said and written the output.
EMSCRIPTEN_KEEPALIVE void page_drained() {
  page.output_fill = page.event_count = page.text_fill = 0;
}

// A new archive: track 0 begins at offset 0, before anything is read.
EMSCRIPTEN_KEEPALIVE void page_split_start() {
  page_drained();
  page.pair_offset = 0;
  frames_seen = odd_frames = 0;
  tracks = PageTracks();
  tracks.begin(0);
}

// Walks pairs first .. first + count - 1 of the input, as far as the room for events allows;
// returns how many it walked.
EMSCRIPTEN_KEEPALIVE std::size_t page_split_pairs(std::size_t first, std::size_t count) {
  std::size_t walked = 0;
  for (; walked < count; ++walked) {
    if (kEventRoom - page.event_count < kPairEvents ||
        kTextRoom - page.text_fill < kPairEvents * kLineSize) {
      break;
    }
    unsigned char* const pair = page.input + (first + walked) * kBlockPairSize;
    unsigned char* const blocks[2] = {pair, pair + kBlockSize};
    walk_pair(blocks, page.pair_offset, tracks);
    count_odd_frames(pair);
    page.pair_offset += kBlockPairSize;
  }
  return walked;
}

// Of the frames the look has seen, those no real frame is like.
EMSCRIPTEN_KEEPALIVE double page_frames_seen() { return static_cast<double>(frames_seen); }
EMSCRIPTEN_KEEPALIVE double page_odd_frames() { return static_cast<double>(odd_frames); }

// No further whole pair: the open track ends with what it holds.
EMSCRIPTEN_KEEPALIVE void page_split_end() { tracks.end_archive(); }

// Walks pair `index` of the input for the track being played, which it continues; returns the
// bytes of the track's frames it leaves in the output, the end frame after a loop end included,
// or -1 after them where the track ends there.
EMSCRIPTEN_KEEPALIVE double page_sound_pair(std::size_t index) {
  page.output_fill = 0;
  SoundFrames frames;
  unsigned char* const pair = page.input + index * kBlockPairSize;
  unsigned char* const blocks[2] = {pair, pair + kBlockSize};
  walk_pair(blocks, 0, frames);
  return frames.ended ? -1 - static_cast<double>(page.output_fill)
                      : static_cast<double>(page.output_fill);
}

// A track begins: its render at sample_rate, from loop points as the split gave them, with the
// loop played `loops` times and `fade_seconds` of fade, or, marked, once with its loop marked;
// returns its length in samples of each channel.
EMSCRIPTEN_KEEPALIVE double page_sound_start(double track_bytes, double samples, int playable,
                                             int loops, double start, double end,
                                             std::uint32_t sample_rate, double render_loops,
                                             double fade_seconds, int marked) {
  decoder = TrackDecoder();
  page.loop_cache_fill = 0;
  TrackLoop loop;
  loop.track_bytes = static_cast<std::uint64_t>(track_bytes);
  loop.samples = static_cast<std::uint64_t>(samples);
  loop.playable = playable != 0;
  loop.loops = loops != 0;
  loop.start = static_cast<std::uint64_t>(start);
  loop.end = static_cast<std::uint64_t>(end);
  RenderSettings settings;
  settings.loops = static_cast<std::uint64_t>(render_loops);
  settings.fade_seconds = static_cast<std::uint64_t>(fade_seconds);
  settings.marked = marked != 0;
  render = plan_render(loop, sample_rate, settings);
  return static_cast<double>(render.samples);
}

// Whether the render's frames loop: a looping track's, but marked.
EMSCRIPTEN_KEEPALIVE int page_sound_loops() { return render.loops; }

// The decoder's state, its history and any lone frame, to be kept and put back as bytes: so that
// a play can start anywhere with the history it has there.
EMSCRIPTEN_KEEPALIVE TrackDecoder* page_decoder() { return &decoder; }
EMSCRIPTEN_KEEPALIVE std::size_t page_decoder_size() { return sizeof decoder; }
static_assert(std::is_trivially_copyable_v<TrackDecoder>);

// Where the render's frames lie in the track file, in bytes: the loop from
// page_sound_loop_from() to page_sound_loop_to(), or, for a track that plays once, all frames up
// to page_sound_loop_to().
EMSCRIPTEN_KEEPALIVE double page_sound_loop_from() {
  return static_cast<double>(render.loop_from_byte);
}
EMSCRIPTEN_KEEPALIVE double page_sound_loop_to() {
  return static_cast<double>(render.loop_to_byte);
}

// Decodes count frames of the output from byte `from` (or, with cached, of the loop's cache)
// into page_pcm(), from its stereo sample `into`; returns the stereo samples written. The frames
// give at most page_decode_frames() frames' samples from `into` on.
EMSCRIPTEN_KEEPALIVE std::size_t page_decode(std::size_t from, std::size_t count, std::size_t into,
                                             int cached) {
  const unsigned char* const frames =
      cached ? page.loop_cache + from : reinterpret_cast<unsigned char*>(page.output) + from;
  return decoder.decode(frames, count, page.pcm + 2 * into);
}

// Keeps bytes [from, from + count) of the output at the end of the loop's cache, where they
// fit; returns whether they did.
EMSCRIPTEN_KEEPALIVE int page_cache_loop(std::size_t from, std::size_t count) {
  if (count > kLoopCacheSize - page.loop_cache_fill) return 0;
  std::memcpy(page.loop_cache + page.loop_cache_fill, page.output + from, count);
  page.loop_cache_fill += count;
  return 1;
}
EMSCRIPTEN_KEEPALIVE std::size_t page_loop_cache_size() { return kLoopCacheSize; }
EMSCRIPTEN_KEEPALIVE std::size_t page_decode_frames() { return kDecodeFrames; }
EMSCRIPTEN_KEEPALIVE std::int16_t* page_pcm() { return page.pcm; }

// Fades the first count stereo samples of page_pcm(), which stand at sample `at` of the render.
EMSCRIPTEN_KEEPALIVE void page_fade(std::size_t count, double at) {
  fade(render, page.pcm, count, static_cast<std::uint64_t>(at));
}

// Room for the archive's name, UTF-8 and zero-ended, for the tags.
EMSCRIPTEN_KEEPALIVE char* page_archive_name() { return archive_name; }
EMSCRIPTEN_KEEPALIVE std::size_t page_archive_name_size() { return kArchiveNameSize; }

// The tags of track `number` (from 0) of `total`, for the files that follow.
EMSCRIPTEN_KEEPALIVE void page_tags(std::int32_t number, std::uint32_t total) {
  archive_name[kArchiveNameSize - 1] = '\0';
  tags = make_tags(number, total, archive_name);
}

// The render's WAV header, tagged, or null where it is too long for a WAV file; its size is
// page_wav_header_size().
EMSCRIPTEN_KEEPALIVE const unsigned char* page_wav_header(std::uint32_t sample_rate) {
  if (render.samples > kWavMostSamples) return nullptr;
  wav_header_size = make_wav_header(wav_header, sample_rate, render, &tags);
  return wav_header;
}

// The render as a FLAC (format 1) or an Ogg Vorbis (2) file of the tags: its bytes gather in
// page_encoded() after each call, for the page to write and then drain. Whether the encoder
// could begin, take the samples, or end.
EMSCRIPTEN_KEEPALIVE int page_encode_start(int format, int quality, std::uint32_t sample_rate) {
  return encoder.start(static_cast<TrackFormat>(format), quality, sample_rate, render, tags);
}
// The first count stereo samples of page_pcm(), faded.
EMSCRIPTEN_KEEPALIVE int page_encode(std::size_t count) { return encoder.encode(page.pcm, count); }
EMSCRIPTEN_KEEPALIVE int page_encode_finish() { return encoder.finish(); }
// After a failure or a cancel: the encoder lets go of the file and its memory.
EMSCRIPTEN_KEEPALIVE void page_encode_abandon() { encoder.abandon(); }
EMSCRIPTEN_KEEPALIVE const unsigned char* page_encoded() { return encoder.bytes(); }
EMSCRIPTEN_KEEPALIVE std::size_t page_encoded_size() { return encoder.size(); }
EMSCRIPTEN_KEEPALIVE void page_encoded_drain() { encoder.drain(); }
static_assert(TrackDecoder::samples_for(kDecodeFrames) <= kMostEncodeSamples);
EMSCRIPTEN_KEEPALIVE std::size_t page_wav_header_size() { return wav_header_size; }

// The zip that the split or the WAV files go into: its pieces are written into page_zip_piece(),
// the files' bytes are the caller's to write between them. Dated by the page's clock (MS-DOS time
// and date fields).
EMSCRIPTEN_KEEPALIVE void page_zip_start(std::uint32_t dos_time, std::uint32_t dos_date) {
  zip_start(zip, static_cast<std::uint16_t>(dos_time), static_cast<std::uint16_t>(dos_date));
}
EMSCRIPTEN_KEEPALIVE unsigned char* page_zip_piece() { return page.zip_piece; }
// A file of the zip begins: its header's size, or 0 where the zip holds no more files.
EMSCRIPTEN_KEEPALIVE std::size_t page_zip_begin(const char* name) {
  return zip_begin(zip, name, page.zip_piece);
}
EMSCRIPTEN_KEEPALIVE void page_zip_data(const unsigned char* bytes, std::size_t count) {
  zip_data(zip, bytes, count);
}
EMSCRIPTEN_KEEPALIVE std::size_t page_zip_end() { return zip_end(zip, page.zip_piece); }
// The next piece of the directory and the end records; 0 once the zip is whole.
EMSCRIPTEN_KEEPALIVE std::size_t page_zip_finish() {
  return zip_finish(zip, page.zip_piece, kZipPieceRoom);
}
// Room for a file's name and its end, for page_zip_begin.
EMSCRIPTEN_KEEPALIVE char* page_zip_name() { return zip_name; }
EMSCRIPTEN_KEEPALIVE std::size_t page_zip_name_size() { return kZipNameSize; }

// 0: .adpcm.txth at sample_rate, 1: 44100Hz.genh, 2: 48000Hz.genh; its size is
// page_player_file_size().
EMSCRIPTEN_KEEPALIVE const char* page_player_file(int which, std::uint32_t sample_rate) {
  if (which == 0) {
    const std::string_view txth(kAdpcmTxth);
    const std::size_t at = txth.find(kTxthRate);
    player_file_size = static_cast<std::size_t>(std::snprintf(
        player_file, sizeof player_file, "%.*ssample_rate = %u\n%s", static_cast<int>(at),
        kAdpcmTxth, static_cast<unsigned>(sample_rate), kAdpcmTxth + at + kTxthRate.size()));
    return player_file;
  }
  unsigned char header[kGenhSize];
  make_genh(header, which == 1 ? 44100 : 48000);
  std::memcpy(player_file, header, kGenhSize);
  player_file_size = kGenhSize;
  return player_file;
}
EMSCRIPTEN_KEEPALIVE std::size_t page_player_file_size() { return player_file_size; }

}  // extern "C"
