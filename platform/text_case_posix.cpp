#include <locale.h>
#include <wctype.h>

#include <cstdint>

#include "platform/text_case.h"

namespace {

// newlocale is thread-safe, and the handle is only read after it is made.
locale_t Utf8Locale() {
  static const locale_t locale = [] {
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
      if (locale_t l = newlocale(LC_CTYPE_MASK, name, locale_t{}))
        return l;
    }
    return locale_t{};
  }();
  return locale;
}

// Decodes one code point at `pos`; returns its length, or 0 when the bytes
// there are not a well-formed UTF-8 sequence.
std::size_t Decode(std::string_view s, std::size_t pos, char32_t* out) {
  const auto byte = [&](std::size_t i) {
    return static_cast<std::uint8_t>(s[pos + i]);
  };
  const std::uint8_t lead = byte(0);
  std::size_t length;
  char32_t cp;
  if (lead < 0x80) {
    *out = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    cp = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    cp = lead & 0x07;
  } else {
    return 0;
  }
  if (pos + length > s.size())
    return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80)
      return 0;
    cp = (cp << 6) | (byte(i) & 0x3F);
  }
  const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
  if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
    return 0;
  *out = cp;
  return length;
}

void Encode(char32_t cp, std::string* out) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

enum class Case { kUpper, kLower };

char32_t ChangeCase(char32_t cp, Case to, locale_t locale) {
  const auto c = static_cast<wint_t>(cp);
  if (locale)
    return static_cast<char32_t>(to == Case::kUpper ? towupper_l(c, locale)
                                                    : towlower_l(c, locale));
  // Without a UTF-8 locale only ASCII letters can be changed safely.
  if (to == Case::kUpper && cp >= 'a' && cp <= 'z')
    return cp - 'a' + 'A';
  if (to == Case::kLower && cp >= 'A' && cp <= 'Z')
    return cp - 'A' + 'a';
  return cp;
}

std::string ChangeCase(std::string_view s, Case to) {
  const locale_t locale = Utf8Locale();
  std::string out;
  out.reserve(s.size());
  for (std::size_t pos = 0; pos < s.size();) {
    char32_t cp;
    const std::size_t length = Decode(s, pos, &cp);
    if (length == 0) {
      out.push_back(s[pos++]);
      continue;
    }
    Encode(ChangeCase(cp, to, locale), &out);
    pos += length;
  }
  return out;
}

}  // namespace

std::string ToUpper(std::string_view utf8) {
  return ChangeCase(utf8, Case::kUpper);
}

std::string ToLower(std::string_view utf8) {
  return ChangeCase(utf8, Case::kLower);
}
