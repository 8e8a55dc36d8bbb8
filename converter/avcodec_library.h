#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
}

#include <string>

namespace pcd {

/// The libavcodec and libavutil calls the decoder makes, bound at run time.
/// Loading libavcodec pulls in some hundred shared libraries (every codec
/// Debian builds it with) and costs tens of milliseconds before main() would
/// even start; most refusals are decided from the header alone, so the
/// libraries are loaded only when a picture is really decoded. The types
/// come from the headers, so a signature that changed fails to compile.
struct AvcodecLibrary {
  decltype(&avcodec_find_decoder) find_decoder;
  decltype(&avcodec_alloc_context3) alloc_context3;
  decltype(&avcodec_free_context) free_context;
  decltype(&avcodec_open2) open2;
  decltype(&avcodec_send_packet) send_packet;
  decltype(&avcodec_receive_frame) receive_frame;
  decltype(&av_packet_alloc) packet_alloc;
  decltype(&av_packet_free) packet_free;
  decltype(&av_frame_alloc) frame_alloc;
  decltype(&av_frame_free) frame_free;
  decltype(&av_dict_set_int) dict_set_int;
  decltype(&av_dict_free) dict_free;
  decltype(&av_strerror) strerror;
};

/// The libraries of the major versions this was compiled against, loaded on
/// the first call with their logging silenced (the engine discards stderr,
/// and a person running this by hand gets our one line instead). Null, with
/// the reason in `err`, when they cannot be loaded; the process keeps them
/// loaded after that.
const AvcodecLibrary* LoadAvcodec(std::string* err);

}  // namespace pcd
