#include "track_encoder.h"

#include <gtest/gtest.h>
#include <ogg/ogg.h>
#include <vorbis/codec.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "flac_file.h"
#include "track_sound.h"

namespace vorsplit::testing {
namespace {

using Comments = std::map<std::string, std::string>;

// A render's samples whose values tell where they stand: a tone whose loudness rises with the
// sample, channel 1 a fifth above; silence where quiet.
std::vector<std::int16_t> samples_of(std::uint64_t count, bool quiet) {
  std::vector<std::int16_t> pcm(2 * count);
  for (std::uint64_t i = 0; i < count && !quiet; ++i) {
    const double level = 2000 + 20000.0 * static_cast<double>(i) / static_cast<double>(count);
    pcm[2 * i] = static_cast<std::int16_t>(level * std::sin(static_cast<double>(i) * 0.0627));
    pcm[2 * i + 1] = static_cast<std::int16_t>(level * std::sin(static_cast<double>(i) * 0.094));
  }
  return pcm;
}

// A file made as the page makes it: the slices it renders, of up to a decode's samples.
std::vector<unsigned char> encode(TrackFormat format, int quality, const TrackRender& render,
                                  const TrackTags& tags, const std::vector<std::int16_t>& pcm) {
  static TrackEncoder encoder;
  std::vector<unsigned char> file;
  auto take = [&] {
    file.insert(file.end(), encoder.bytes(), encoder.bytes() + encoder.size());
    encoder.drain();
  };
  EXPECT_TRUE(encoder.start(format, quality, 44100, render, tags));
  take();
  const std::size_t samples = pcm.size() / 2;
  for (std::size_t at = 0; at < samples; at += 57344) {
    const std::size_t count = samples - at < 57344 ? samples - at : 57344;
    EXPECT_TRUE(encoder.encode(pcm.data() + 2 * at, count));
    take();
  }
  EXPECT_TRUE(encoder.finish());
  take();
  return file;
}

Comments parse_comments(const char* const* entries, const int* lengths, int count) {
  Comments comments;
  for (int i = 0; i < count; ++i) {
    const std::string entry(entries[i], static_cast<std::size_t>(lengths[i]));
    const std::size_t equals = entry.find('=');
    comments[entry.substr(0, equals)] = entry.substr(equals + 1);
  }
  return comments;
}

// An Ogg Vorbis file read by libogg and decoded by libvorbis: its samples, the last page's
// granule position, and its comments.
struct VorbisFile {
  std::vector<std::int16_t> pcm;
  std::int64_t last_granule = -1;
  Comments comments;
  bool failed = false;
};

VorbisFile decode_vorbis(const std::vector<unsigned char>& file) {
  VorbisFile out;
  ogg_sync_state sync;
  ogg_sync_init(&sync);
  char* const buffer = ogg_sync_buffer(&sync, static_cast<long>(file.size()));
  std::memcpy(buffer, file.data(), file.size());
  ogg_sync_wrote(&sync, static_cast<long>(file.size()));
  ogg_stream_state stream;
  vorbis_info info;
  vorbis_comment comment;
  vorbis_dsp_state dsp;
  vorbis_block block;
  vorbis_info_init(&info);
  vorbis_comment_init(&comment);
  int headers = 0;
  bool began = false;
  ogg_page page;
  while (ogg_sync_pageout(&sync, &page) == 1) {
    if (!began) ogg_stream_init(&stream, ogg_page_serialno(&page));
    began = true;
    out.last_granule = ogg_page_granulepos(&page);
    out.failed |= ogg_page_eos(&page) && ogg_page_granulepos(&page) < 0;
    ogg_stream_pagein(&stream, &page);
    ogg_packet packet;
    while (ogg_stream_packetout(&stream, &packet) == 1) {
      if (headers < 3) {
        out.failed |= vorbis_synthesis_headerin(&info, &comment, &packet) != 0;
        if (++headers == 3) {
          vorbis_synthesis_init(&dsp, &info);
          vorbis_block_init(&dsp, &block);
          out.comments =
              parse_comments(comment.user_comments, comment.comment_lengths, comment.comments);
        }
        continue;
      }
      if (vorbis_synthesis(&block, &packet) == 0) vorbis_synthesis_blockin(&dsp, &block);
      float** pcm;
      for (int count; (count = vorbis_synthesis_pcmout(&dsp, &pcm)) > 0;) {
        for (int i = 0; i < count; ++i) {
          for (int channel = 0; channel < 2; ++channel) {
            const float v = std::round(pcm[channel][i] * 32768.0f);
            out.pcm.push_back(static_cast<std::int16_t>(v > 32767    ? 32767
                                                        : v < -32768 ? -32768
                                                                     : v));
          }
        }
        vorbis_synthesis_read(&dsp, count);
      }
    }
  }
  if (headers == 3) {
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
  }
  out.failed |= headers < 3;
  if (began) ogg_stream_clear(&stream);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  ogg_sync_clear(&sync);
  return out;
}

// Signal to noise, in dB, of decoded against what was encoded.
double snr(const std::vector<std::int16_t>& encoded, const std::vector<std::int16_t>& decoded) {
  double signal = 0, noise = 0;
  for (std::size_t i = 0; i < encoded.size() && i < decoded.size(); ++i) {
    signal += static_cast<double>(encoded[i]) * encoded[i];
    noise += (static_cast<double>(encoded[i]) - decoded[i]) * (encoded[i] - decoded[i]);
  }
  return 10 * std::log10((signal + 1) / (noise + 1));
}

TrackRender render_of(std::uint64_t samples, bool marked_loop, std::uint64_t start = 0,
                      std::uint64_t end = 0) {
  TrackRender render;
  render.samples = render.fade_from = samples;
  render.marks_loop = marked_loop;
  render.mark_start = start;
  render.mark_last = end - 1;
  return render;
}

struct Case {
  const char* what;
  TrackRender render;
  bool quiet;
};
// What the encoders are given: a track of many slices, the least a track can be (a pair of
// frames), silence, and a loop of a single frame's samples.
const Case kCases[] = {
    {"a track of three slices, looping", render_of(150000, true, 28000, 140000), false},
    {"a track of one frame pair", render_of(28, false), false},
    {"a track of silence", render_of(44100, false), true},
    {"a loop of one frame", render_of(56, true, 28, 56), false},
};

TEST(TrackEncoder, FlacHoldsTheSamplesExactlyWithTheTags) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const TrackTags tags = make_tags(7, 12, "Sound.bin");
    const std::vector<std::int16_t> pcm = samples_of(c.render.samples, c.quiet);
    const FlacFile flac = decode_flac(encode(TrackFormat::kFlac, 0, c.render, tags, pcm));
    EXPECT_FALSE(flac.failed);
    EXPECT_EQ(flac.stated_samples, c.render.samples);
    EXPECT_EQ(flac.pcm, pcm);
    Comments expected = {
        {"TITLE", "BGM_007"}, {"ALBUM", "Sound"}, {"TRACKNUMBER", "8"}, {"TRACKTOTAL", "12"}};
    if (c.render.marks_loop) {
      const std::string start = std::to_string(c.render.mark_start);
      const std::string end = std::to_string(c.render.mark_last + 1);
      expected.insert({{"LOOPSTART", start},
                       {"LOOP_START", start},
                       {"LOOPLENGTH", std::to_string(c.render.mark_last + 1 - c.render.mark_start)},
                       {"LOOP_END", end}});
    }
    EXPECT_EQ(flac.comments, expected);
  }
}

// Vorbis is lossy: its last granule position gives the exact length, and the sound stays
// within 20 dB at quality 3 (the least the page offers), 30 dB at 6.
TEST(TrackEncoder, VorbisHasTheExactLengthTheTagsAndCloseSound) {
  for (const int quality : {kLeastVorbisQuality, kVorbisQuality, kMostVorbisQuality}) {
    for (const Case& c : kCases) {
      SCOPED_TRACE(std::string(c.what) + ", quality " + std::to_string(quality));
      const TrackTags tags = make_tags(0, 1, "\xe6\x9b\xb2.bgm");
      const std::vector<std::int16_t> pcm = samples_of(c.render.samples, c.quiet);
      const VorbisFile ogg =
          decode_vorbis(encode(TrackFormat::kVorbis, quality, c.render, tags, pcm));
      EXPECT_FALSE(ogg.failed);
      EXPECT_EQ(ogg.last_granule, static_cast<std::int64_t>(c.render.samples));
      ASSERT_EQ(ogg.pcm.size(), pcm.size());
      if (c.render.samples > 1000 && !c.quiet) {
        EXPECT_GT(snr(pcm, ogg.pcm), quality >= kVorbisQuality ? 30 : 20);
      }
      EXPECT_EQ(ogg.comments.at("TITLE"), "BGM_000");
      EXPECT_EQ(ogg.comments.at("ALBUM"), "\xe6\x9b\xb2");
      EXPECT_EQ(ogg.comments.count("LOOPSTART"), c.render.marks_loop ? 1u : 0u);
    }
  }
}

TEST(TrackEncoder, RefusesWhatItCantMake) {
  TrackEncoder encoder;
  const TrackRender render = render_of(100, false);
  const TrackTags tags = make_tags(0, 1, "a");
  EXPECT_FALSE(encoder.start(TrackFormat::kVorbis, kLeastVorbisQuality - 1, 44100, render, tags));
  EXPECT_FALSE(encoder.start(TrackFormat::kVorbis, kMostVorbisQuality + 1, 44100, render, tags));
  EXPECT_FALSE(encoder.start(TrackFormat::kFlac, 0, 0, render, tags));
  EXPECT_FALSE(encoder.encode(nullptr, 1));
  ASSERT_TRUE(encoder.start(TrackFormat::kFlac, 0, 44100, render, tags));
  std::vector<std::int16_t> many(2 * (kMostEncodeSamples + 1));
  EXPECT_FALSE(encoder.encode(many.data(), kMostEncodeSamples + 1));
}

// The album is the archive's name without its extension, cut at a whole character.
TEST(TrackTags, NameTheTrackAndItsArchive) {
  struct Case {
    const char* archive;
    std::string album;
  };
  const std::string long_name = std::string(kMostAlbumBytes - 1, 'a') + "\xe9\x9f\xb3.bin";
  const Case cases[] = {
      {"BGM.bin", "BGM"},
      {"sound.data.bin", "sound.data"},
      {"noextension", "noextension"},
      {".bin", ""},
      {long_name.c_str(), std::string(kMostAlbumBytes - 1, 'a')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.archive);
    const TrackTags tags = make_tags(41, 42, c.archive);
    EXPECT_STREQ(tags.title, "BGM_041");
    EXPECT_EQ(tags.album, c.album);
    EXPECT_EQ(tags.track, 42u);
    EXPECT_EQ(tags.total, 42u);
  }
}

// A tagged WAV header: its chunks in order, each where its size says, the INFO texts zero-ended
// and padded to even sizes, and the RIFF size all of it.
TEST(TrackTags, WavHeaderCarriesThemInAnInfoList) {
  for (const bool marked : {false, true}) {
    SCOPED_TRACE(marked ? "loop marked" : "played");
    const TrackRender render = render_of(1000, marked, 10, 500);
    const TrackTags tags = make_tags(3, 9, "Game.bin");
    unsigned char header[kWavMostHeaderSize];
    const std::size_t size = make_wav_header(header, 44100, render, &tags);
    auto u32 = [&](std::size_t at) {
      return static_cast<std::uint32_t>(header[at] | header[at + 1] << 8 | header[at + 2] << 16 |
                                        header[at + 3] << 24);
    };
    EXPECT_EQ(u32(4), size - 8 + 4000);
    std::vector<std::string> chunks;
    std::map<std::string, std::string> info;
    for (std::size_t at = 12; at < size; at += 8 + u32(at + 4)) {
      const std::string id(reinterpret_cast<char*>(header + at), 4);
      chunks.push_back(id);
      if (id == "data") {
        EXPECT_EQ(at + 8, size);
        EXPECT_EQ(u32(at + 4), 4000u);
        break;
      }
      if (id != "LIST") continue;
      EXPECT_EQ(std::string(reinterpret_cast<char*>(header + at + 8), 4), "INFO");
      for (std::size_t in = at + 12; in < at + 8 + u32(at + 4);
           in += 8 + (u32(in + 4) + 1) / 2 * 2) {
        const char* text = reinterpret_cast<char*>(header + in + 8);
        EXPECT_EQ(text[u32(in + 4) - 1], '\0');
        info[std::string(reinterpret_cast<char*>(header + in), 4)] = text;
      }
    }
    const std::vector<std::string> expected =
        marked ? std::vector<std::string>{"fmt ", "smpl", "LIST", "data"}
               : std::vector<std::string>{"fmt ", "LIST", "data"};
    EXPECT_EQ(chunks, expected);
    EXPECT_EQ(info, (std::map<std::string, std::string>{
                        {"INAM", "BGM_003"}, {"IPRD", "Game"}, {"ITRK", "4"}}));
  }
}

}  // namespace
}  // namespace vorsplit::testing
