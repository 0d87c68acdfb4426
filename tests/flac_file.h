#pragma once

#include <FLAC/format.h>
#include <FLAC/ordinals.h>
#include <FLAC/stream_decoder.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace vorsplit::testing {

// A FLAC file as libFLAC decodes it, for the tests and the fuzz target: its 16-bit stereo
// samples, interleaved, the sample count its STREAMINFO states, its Vorbis comments by name, and
// whether the decoder failed anywhere.
struct FlacFile {
  std::vector<std::int16_t> pcm;
  std::uint64_t stated_samples = 0;
  std::map<std::string, std::string> comments;
  bool failed = false;
};

inline FlacFile decode_flac(const std::vector<unsigned char>& file) {
  struct Reader {
    const std::vector<unsigned char>* file;
    std::size_t at;
    FlacFile out;
  } reader{&file, 0, {}};
  auto read = [](const FLAC__StreamDecoder*, FLAC__byte bytes[], std::size_t* count, void* data) {
    auto& r = *static_cast<Reader*>(data);
    const std::size_t left = r.file->size() - r.at;
    *count = *count < left ? *count : left;
    if (*count) std::memcpy(bytes, r.file->data() + r.at, *count);
    r.at += *count;
    return *count ? FLAC__STREAM_DECODER_READ_STATUS_CONTINUE
                  : FLAC__STREAM_DECODER_READ_STATUS_END_OF_STREAM;
  };
  auto write = [](const FLAC__StreamDecoder*, const FLAC__Frame* frame,
                  const FLAC__int32* const channels[], void* data) {
    auto& r = *static_cast<Reader*>(data);
    for (std::uint32_t i = 0; i < frame->header.blocksize; ++i) {
      r.out.pcm.push_back(static_cast<std::int16_t>(channels[0][i]));
      r.out.pcm.push_back(static_cast<std::int16_t>(channels[1][i]));
    }
    return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
  };
  auto metadata = [](const FLAC__StreamDecoder*, const FLAC__StreamMetadata* block, void* data) {
    auto& r = *static_cast<Reader*>(data);
    if (block->type == FLAC__METADATA_TYPE_STREAMINFO) {
      r.out.stated_samples = block->data.stream_info.total_samples;
    } else if (block->type == FLAC__METADATA_TYPE_VORBIS_COMMENT) {
      const auto& c = block->data.vorbis_comment;
      for (std::uint32_t i = 0; i < c.num_comments; ++i) {
        const std::string entry(reinterpret_cast<const char*>(c.comments[i].entry),
                                c.comments[i].length);
        r.out.comments[entry.substr(0, entry.find('='))] = entry.substr(entry.find('=') + 1);
      }
    }
  };
  auto error = [](const FLAC__StreamDecoder*, FLAC__StreamDecoderErrorStatus, void* data) {
    static_cast<Reader*>(data)->out.failed = true;
  };
  FLAC__StreamDecoder* decoder = FLAC__stream_decoder_new();
  if (!decoder) return FlacFile{{}, 0, {}, true};
  FLAC__stream_decoder_set_metadata_respond(decoder, FLAC__METADATA_TYPE_VORBIS_COMMENT);
  reader.out.failed |= FLAC__stream_decoder_init_stream(decoder, read, nullptr, nullptr, nullptr,
                                                        nullptr, write, metadata, error, &reader) !=
                       FLAC__STREAM_DECODER_INIT_STATUS_OK;
  reader.out.failed |= !FLAC__stream_decoder_process_until_end_of_stream(decoder);
  FLAC__stream_decoder_delete(decoder);
  return reader.out;
}

}  // namespace vorsplit::testing
