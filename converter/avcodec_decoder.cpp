#include "converter/avcodec_decoder.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "converter/avcodec_library.h"

namespace pcd {

namespace {

// Owners of the decoder's objects; each frees through the loaded library.
class Session {
 public:
  explicit Session(const AvcodecLibrary& av) : av_(av) {}

  ~Session() {
    av_.frame_free(&frame);
    av_.packet_free(&packet);
    av_.free_context(&context);
  }

  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  AVCodecContext* context = nullptr;
  AVPacket* packet = nullptr;
  AVFrame* frame = nullptr;

 private:
  const AvcodecLibrary& av_;
};

void CopyPlane(const AVFrame& frame, int index, Size size, std::vector<std::uint8_t>* out) {
  out->resize(static_cast<std::size_t>(size.width) * size.height);
  for (int y = 0; y < size.height; ++y)
    std::memcpy(out->data() + static_cast<std::size_t>(y) * size.width,
                frame.data[index] + static_cast<std::ptrdiff_t>(y) * frame.linesize[index],
                size.width);
}

}  // namespace

std::optional<YccPlanes> DecodeWithAvcodec(std::span<const std::uint8_t> file, int level,
                                           std::string* err) {
  if (level < 0 || level > 5) {
    *err = "no such level";
    return std::nullopt;
  }
  if (file.size() > kMaxFileSize) {
    *err = "too long for an image pac";
    return std::nullopt;
  }
  const AvcodecLibrary* av = LoadAvcodec(err);
  if (!av)
    return std::nullopt;
  const AVCodec* codec = av->find_decoder(AV_CODEC_ID_PHOTOCD);
  if (!codec) {
    *err = "this libavcodec has no Photo CD decoder";
    return std::nullopt;
  }
  const auto fail = [&](const char* what, int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av->strerror(code, text, sizeof text);
    *err = std::string(what) + ": " + text;
    return std::nullopt;
  };
  Session s(*av);
  s.context = av->alloc_context3(codec);
  s.packet = av->packet_alloc();
  s.frame = av->frame_alloc();
  if (!s.context || !s.packet || !s.frame)
    return fail("cannot start the decoder", AVERROR(ENOMEM));
  // The decoder's private "lowres" picks the level: 0 is 16Base, 4 Base/16.
  AVDictionary* options = nullptr;
  av->dict_set_int(&options, "lowres", 5 - std::max(level, 1), 0);
  const int opened = av->open2(s.context, codec, &options);
  av->dict_free(&options);
  if (opened < 0)
    return fail("cannot open the decoder", opened);

  // libavcodec reads up to AV_INPUT_BUFFER_PADDING_SIZE bytes past the end
  // and wants them zero. A file no longer than a Base-only one makes it
  // ignore lowres and give Base; its thumbnails sit at fixed offsets, so for
  // them the packet is zero-padded past that length.
  std::size_t packet_size = file.size();
  if (level < 3)
    packet_size = std::max(packet_size, kBaseOnlyFileSize + 1);
  std::vector<std::uint8_t> data(packet_size + AV_INPUT_BUFFER_PADDING_SIZE, 0);
  std::copy(file.begin(), file.end(), data.begin());
  s.packet->data = data.data();
  s.packet->size = static_cast<int>(packet_size);

  if (const int sent = av->send_packet(s.context, s.packet); sent < 0)
    return fail("cannot decode", sent);
  if (const int received = av->receive_frame(s.context, s.frame); received < 0)
    return fail("cannot decode", received);
  const Size size = StoredSize(level);
  if (s.frame->format != AV_PIX_FMT_YUV420P || s.frame->width != size.width
      || s.frame->height != size.height) {
    *err = "the file does not hold this level";
    return std::nullopt;
  }
  YccPlanes planes;
  planes.size = size;
  CopyPlane(*s.frame, 0, size, &planes.luma);
  CopyPlane(*s.frame, 1, ChromaSize(size), &planes.c1);
  CopyPlane(*s.frame, 2, ChromaSize(size), &planes.c2);
  return planes;
}

}  // namespace pcd
