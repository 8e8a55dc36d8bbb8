#include "converter/avcodec_library.h"

#include <dlfcn.h>

namespace pcd {

namespace {

#define PCD_STRINGIFY_(x) #x
#define PCD_STRINGIFY(x) PCD_STRINGIFY_(x)
constexpr char kAvcodecName[] = "libavcodec.so." PCD_STRINGIFY(LIBAVCODEC_VERSION_MAJOR);
constexpr char kAvutilName[] = "libavutil.so." PCD_STRINGIFY(LIBAVUTIL_VERSION_MAJOR);

template <typename F>
bool Bind(void* library, const char* name, F* out) {
  *out = reinterpret_cast<F>(dlsym(library, name));
  return *out != nullptr;
}

struct Loaded {
  AvcodecLibrary api{};
  std::string error;
};

Loaded Load() {
  Loaded loaded;
  void* avutil = dlopen(kAvutilName, RTLD_NOW | RTLD_LOCAL);
  void* avcodec = avutil ? dlopen(kAvcodecName, RTLD_NOW | RTLD_LOCAL) : nullptr;
  if (!avcodec) {
    loaded.error = dlerror();
    return loaded;
  }
  AvcodecLibrary& a = loaded.api;
  decltype(&av_log_set_level) log_set_level = nullptr;
  const bool bound = Bind(avcodec, "avcodec_find_decoder", &a.find_decoder)
                     && Bind(avcodec, "avcodec_alloc_context3", &a.alloc_context3)
                     && Bind(avcodec, "avcodec_free_context", &a.free_context)
                     && Bind(avcodec, "avcodec_open2", &a.open2)
                     && Bind(avcodec, "avcodec_send_packet", &a.send_packet)
                     && Bind(avcodec, "avcodec_receive_frame", &a.receive_frame)
                     && Bind(avcodec, "av_packet_alloc", &a.packet_alloc)
                     && Bind(avcodec, "av_packet_free", &a.packet_free)
                     && Bind(avutil, "av_frame_alloc", &a.frame_alloc)
                     && Bind(avutil, "av_frame_free", &a.frame_free)
                     && Bind(avutil, "av_dict_set_int", &a.dict_set_int)
                     && Bind(avutil, "av_dict_free", &a.dict_free)
                     && Bind(avutil, "av_strerror", &a.strerror)
                     && Bind(avutil, "av_log_set_level", &log_set_level);
  if (!bound) {
    loaded.error = std::string("missing a function in ") + kAvcodecName;
    loaded.api = {};
    return loaded;
  }
  log_set_level(AV_LOG_QUIET);
  return loaded;
}

}  // namespace

const AvcodecLibrary* LoadAvcodec(std::string* err) {
  static const Loaded loaded = Load();
  if (!loaded.api.find_decoder) {
    *err = "cannot load libavcodec: " + loaded.error;
    return nullptr;
  }
  return &loaded.api;
}

}  // namespace pcd
