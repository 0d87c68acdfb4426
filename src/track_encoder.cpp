#include "track_encoder.h"

#include <FLAC/metadata.h>
#include <FLAC/stream_encoder.h>
#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>

#include <cstdio>
#include <cstring>
#include <new>

namespace vorsplit {
namespace {

// Each tag as NAME=value, the loop's only where the file marks one.
template <typename Add>
void each_comment(const TrackRender& render, const TrackTags& tags, Add add) {
  char value[32];
  add("TITLE", tags.title);
  if (tags.album[0]) add("ALBUM", tags.album);
  std::snprintf(value, sizeof value, "%u", static_cast<unsigned>(tags.track));
  add("TRACKNUMBER", value);
  std::snprintf(value, sizeof value, "%u", static_cast<unsigned>(tags.total));
  add("TRACKTOTAL", value);
  if (!render.marks_loop) return;
  const auto start = static_cast<unsigned long long>(render.mark_start);
  const auto end = static_cast<unsigned long long>(render.mark_last) + 1;
  std::snprintf(value, sizeof value, "%llu", start);
  add("LOOPSTART", value);
  add("LOOP_START", value);
  std::snprintf(value, sizeof value, "%llu", end - start);
  add("LOOPLENGTH", value);
  std::snprintf(value, sizeof value, "%llu", end);
  add("LOOP_END", value);
}

FLAC__StreamEncoderWriteStatus flac_write(const FLAC__StreamEncoder*, const FLAC__byte bytes[],
                                          std::size_t count, std::uint32_t, std::uint32_t,
                                          void* encoder) {
  return static_cast<TrackEncoder*>(encoder)->put(bytes, count)
             ? FLAC__STREAM_ENCODER_WRITE_STATUS_OK
             : FLAC__STREAM_ENCODER_WRITE_STATUS_FATAL_ERROR;
}

// libFLAC takes 32-bit samples: a slice is widened a piece at a time.
constexpr std::size_t kWidenSamples = 4096;

}  // namespace

struct TrackEncoder::Flac {
  FLAC__StreamEncoder* encoder = FLAC__stream_encoder_new();
  FLAC__StreamMetadata* comments = FLAC__metadata_object_new(FLAC__METADATA_TYPE_VORBIS_COMMENT);

  ~Flac() {
    if (encoder) FLAC__stream_encoder_delete(encoder);
    if (comments) FLAC__metadata_object_delete(comments);
  }
};

struct TrackEncoder::Vorbis {
  vorbis_info info;
  vorbis_comment comment;
  vorbis_dsp_state dsp;
  vorbis_block block;
  ogg_stream_state stream;
  bool began_dsp = false, began_block = false, began_stream = false;

  Vorbis() {
    vorbis_info_init(&info);
    vorbis_comment_init(&comment);
  }
  ~Vorbis() {
    if (began_stream) ogg_stream_clear(&stream);
    if (began_block) vorbis_block_clear(&block);
    if (began_dsp) vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
  }
};

TrackEncoder::TrackEncoder() = default;
TrackEncoder::~TrackEncoder() { abandon(); }

bool TrackEncoder::put(const unsigned char* bytes, std::size_t count) {
  if (count > kEncodedRoom - fill_) {
    overflow_ = true;
    return false;
  }
  std::memcpy(room_ + fill_, bytes, count);
  fill_ += count;
  return true;
}

bool TrackEncoder::start(TrackFormat format, int vorbis_quality, std::uint32_t sample_rate,
                         const TrackRender& render, const TrackTags& tags) {
  abandon();
  fill_ = 0;
  if (format == TrackFormat::kFlac) {
    flac_ = new (std::nothrow) Flac;
    if (!flac_) return false;
    FLAC__StreamEncoder* const encoder = flac_->encoder;
    if (!encoder || !flac_->comments) return abandon(), false;
    bool added = true;
    each_comment(render, tags, [&](const char* name, const char* value) {
      FLAC__StreamMetadata_VorbisComment_Entry entry;
      added = added &&
              FLAC__metadata_object_vorbiscomment_entry_from_name_value_pair(&entry, name, value) &&
              FLAC__metadata_object_vorbiscomment_append_comment(flac_->comments, entry, false);
    });
    // The file is written as a stream, which can't go back to its start: the length is told
    // first, and the signature of the samples, which only the end knows, stays unset.
    if (!added || !FLAC__stream_encoder_set_channels(encoder, 2) ||
        !FLAC__stream_encoder_set_bits_per_sample(encoder, 16) ||
        !FLAC__stream_encoder_set_sample_rate(encoder, sample_rate) ||
        !FLAC__stream_encoder_set_compression_level(encoder, kFlacLevel) ||
        !FLAC__stream_encoder_set_total_samples_estimate(encoder, render.samples) ||
        !FLAC__stream_encoder_set_metadata(encoder, &flac_->comments, 1) ||
        FLAC__stream_encoder_init_stream(encoder, flac_write, nullptr, nullptr, nullptr, this) !=
            FLAC__STREAM_ENCODER_INIT_STATUS_OK) {
      return abandon(), false;
    }
    return !overflow_;
  }
  if (vorbis_quality < kLeastVorbisQuality || vorbis_quality > kMostVorbisQuality) return false;
  vorbis_ = new (std::nothrow) Vorbis;
  if (!vorbis_) return false;
  Vorbis& v = *vorbis_;
  if (vorbis_encode_init_vbr(&v.info, 2, static_cast<long>(sample_rate),
                             static_cast<float>(vorbis_quality) / 10) != 0) {
    return abandon(), false;
  }
  each_comment(render, tags, [&](const char* name, const char* value) {
    vorbis_comment_add_tag(&v.comment, name, value);
  });
  if (vorbis_analysis_init(&v.dsp, &v.info) != 0) return abandon(), false;
  v.began_dsp = true;
  if (vorbis_block_init(&v.dsp, &v.block) != 0) return abandon(), false;
  v.began_block = true;
  // The stream's serial number is the track's, so that the same track gives the same bytes.
  if (ogg_stream_init(&v.stream, static_cast<int>(tags.track)) != 0) return abandon(), false;
  v.began_stream = true;
  ogg_packet identification, comments, books;
  if (vorbis_analysis_headerout(&v.dsp, &v.comment, &identification, &comments, &books) != 0) {
    return abandon(), false;
  }
  ogg_stream_packetin(&v.stream, &identification);
  ogg_stream_packetin(&v.stream, &comments);
  ogg_stream_packetin(&v.stream, &books);
  // The headers end a page of their own, so that the sound begins on a page, as players expect.
  return put_vorbis_pages(true) || (abandon(), false);
}

bool TrackEncoder::put_vorbis_pages(bool flush) {
  Vorbis& v = *vorbis_;
  ogg_page page;
  while (flush ? ogg_stream_flush(&v.stream, &page) : ogg_stream_pageout(&v.stream, &page)) {
    if (!put(page.header, static_cast<std::size_t>(page.header_len)) ||
        !put(page.body, static_cast<std::size_t>(page.body_len))) {
      return false;
    }
  }
  return true;
}

bool TrackEncoder::encode(const std::int16_t* pcm, std::size_t count) {
  if (count > kMostEncodeSamples) return false;
  if (count == 0) return flac_ || vorbis_;
  if (flac_) {
    FLAC__int32 wide[2 * kWidenSamples];
    for (std::size_t done = 0; done < count;) {
      const std::size_t piece = count - done < kWidenSamples ? count - done : kWidenSamples;
      for (std::size_t i = 0; i < 2 * piece; ++i) wide[i] = pcm[2 * done + i];
      if (!FLAC__stream_encoder_process_interleaved(flac_->encoder, wide,
                                                    static_cast<std::uint32_t>(piece))) {
        return false;
      }
      done += piece;
    }
    return !overflow_;
  }
  if (!vorbis_) return false;
  float** const buffer = vorbis_analysis_buffer(&vorbis_->dsp, static_cast<int>(count));
  for (std::size_t i = 0; i < count; ++i) {
    buffer[0][i] = pcm[2 * i] / 32768.0f;
    buffer[1][i] = pcm[2 * i + 1] / 32768.0f;
  }
  return vorbis_wrote(count);
}

// Count samples written into the encoder's buffer are analysed, and the pages they complete are
// put out; none ends the stream.
bool TrackEncoder::vorbis_wrote(std::size_t count) {
  Vorbis& v = *vorbis_;
  if (vorbis_analysis_wrote(&v.dsp, static_cast<int>(count)) != 0) return false;
  while (vorbis_analysis_blockout(&v.dsp, &v.block) == 1) {
    if (vorbis_analysis(&v.block, nullptr) != 0 || vorbis_bitrate_addblock(&v.block) != 0) {
      return false;
    }
    ogg_packet packet;
    while (vorbis_bitrate_flushpacket(&v.dsp, &packet) == 1) {
      ogg_stream_packetin(&v.stream, &packet);
      if (!put_vorbis_pages(false)) return false;
    }
  }
  return true;
}

bool TrackEncoder::finish() {
  bool done = false;
  if (flac_) {
    done = FLAC__stream_encoder_finish(flac_->encoder) && !overflow_;
  } else if (vorbis_) {
    done = vorbis_wrote(0) && put_vorbis_pages(true);
  }
  abandon();
  return done;
}

void TrackEncoder::abandon() {
  delete flac_;
  delete vorbis_;
  flac_ = nullptr;
  vorbis_ = nullptr;
  overflow_ = false;
}

}  // namespace vorsplit
