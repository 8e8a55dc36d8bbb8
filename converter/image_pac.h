#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// What an image pac (the .pcd file of one picture) says about itself, read
// from its fixed header before any decoding, so a request for a level the
// file does not hold is refused without decoding anything.
namespace pcd {

/// Resolution levels as the converter's `[n]` names them. 0 and 1 both mean
/// Base/16, as ImageMagick reads them; 6 (64Base) lives in a separate file on
/// Pro discs, so an image pac alone never holds it.
inline constexpr int kMaxLevel = 6;

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

/// The stored (landscape) size of `level`, 0 to 6; {0, 0} outside that range.
Size StoredSize(int level);

/// Every image pac is at least this long: the Base tile ends here.
inline constexpr std::size_t kBaseEnd = 786432;
/// libavcodec treats a file of at most this many bytes as Base-only (the
/// Base tile padded to its sector) and then ignores the level asked for.
inline constexpr std::size_t kBaseOnlyFileSize = 788480;

/// Well above any real image pac (a 16Base one is under 7 MB); longer input
/// is refused before it is read. The decode holds the file three times over
/// (ours, the padded packet, libavcodec's own copy), so this bounds memory.
inline constexpr std::size_t kMaxFileSize = 16u << 20;

struct ImagePacInfo {
  /// Quarter turns counter-clockwise that bring the stored picture upright.
  int quarter_turns = 0;
  /// Highest level the header declares (3, 4 or 5), or 5 when the field
  /// holds the reserved value and only decoding can tell.
  int declared_top_level = 5;
};

/// The header sectors, all that ReadImagePacInfo looks at.
inline constexpr std::size_t kHeaderSize = 0x1000;

/// Reads the header of an image pac from `head`, its first kHeaderSize bytes
/// or more, and the length of the whole file. Empty when the file is not one:
/// too short to hold the Base tile, or no "PCD_IPI" signature. Overview pacs
/// ("PCD_OPA", the contact sheet of a disc) are not image pacs.
std::optional<ImagePacInfo> ReadImagePacInfo(std::span<const std::uint8_t> head,
                                             std::size_t file_size);

/// Whether `file`, an image pac described by `info`, can hold `level`
/// judging by its header and length alone. False means it certainly does
/// not; true means decoding decides.
bool MayHoldLevel(const ImagePacInfo& info, std::size_t file_size, int level);

/// For 4Base and 16Base (`level` 4 or 5): whether some row header after the
/// Base tile names a row at or past the level's height, the marker that ends
/// its Huffman-coded rows. Decoding cannot succeed without one (libavcodec
/// fails only after decoding everything before the cut, and loading it alone
/// takes tens of milliseconds), and a file cut short has none. True for
/// every other level. `part` is the stretch of the file from byte `offset`
/// on, so a long file can be looked through in pieces that overlap by
/// kRowHeaderReach bytes.
bool MayEndRows(std::span<const std::uint8_t> part, std::size_t offset, int level);

/// How far past its first whole 0xFF byte a row header can reach.
inline constexpr std::size_t kRowHeaderReach = 8;

}  // namespace pcd
