// marlenta-pcd: the project's own Photo CD converter. It takes the argument
// vector the engine gives any external converter and writes level n of the
// file as a TGA, or nothing at all when the file does not hold that level, so
// the engine's n = 6 ... 0 loop stops at the highest real level.
//
// Exit status: 0 the TGA is written; 1 nothing written (unreadable input, not
// an image pac, level not held, damaged data, output not writable); 2 the
// arguments are not understood.
#include <cstdio>
#include <string>
#include <vector>

#include "converter/arguments.h"
#include "converter/decode.h"
#include "converter/image_pac.h"
#include "converter/input_file.h"
#include "converter/tga_writer.h"

namespace {

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "marlenta-pcd: %s\n", message.c_str());
  return status;
}

// MayEndRows over the file in small pieces through one buffer: a file cut
// short is then refused without reading it whole into fresh memory, which
// costs more than the look itself.
bool FileMayEndRows(const pcd::InputFile& input, int level) {
  std::vector<std::uint8_t> piece(64 * 1024);
  std::string err;
  for (std::size_t offset = pcd::kBaseEnd;; offset += piece.size() - pcd::kRowHeaderReach) {
    const std::optional<std::size_t> got = input.ReadAt(offset, piece, &err);
    if (!got)
      return true;  // let the whole read report the error
    if (pcd::MayEndRows(std::span(piece).first(*got), offset, level))
      return true;
    if (*got < piece.size())
      return false;
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string err;
  const std::optional<pcd::Request> request =
      pcd::ParseArguments(std::vector<std::string>(argv + 1, argv + argc), &err);
  if (!request)
    return Fail(err, 2);
  const std::string what = request->input + "[" + std::to_string(request->level) + "]: ";
  const std::optional<pcd::InputFile> input =
      pcd::InputFile::Open(request->input, pcd::kMaxFileSize, &err);
  if (!input)
    return Fail(err, 1);
  // The engine asks for levels from the top down, so most requests are for
  // levels the file does not hold; the header answers those.
  const std::optional<std::vector<std::uint8_t>> head = input->ReadStart(pcd::kHeaderSize, &err);
  if (!head)
    return Fail(err, 1);
  if (const std::optional<std::string> refusal =
          pcd::RefusalFromHeader(*head, input->size(), request->level))
    return Fail(what + *refusal, 1);
  if (!FileMayEndRows(*input, request->level))
    return Fail(what + "the file ends before the last row of this level", 1);
  const std::optional<std::vector<std::uint8_t>> file = input->ReadStart(input->size(), &err);
  if (!file)
    return Fail(err, 1);
  const std::optional<pcd::BgrImage> image = pcd::DecodePhotoCd(*file, request->level, &err);
  if (!image)
    return Fail(what + err, 1);
  if (!pcd::WriteTga(request->output, *image, &err))
    return Fail(err, 1);
  return 0;
}
