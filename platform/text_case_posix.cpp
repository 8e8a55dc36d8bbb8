#include <locale.h>
#include <wctype.h>

#include <climits>
#include <cwchar>

#include "platform/text_case.h"

namespace {

locale_t Utf8Locale() {
  // A private locale object: no global setlocale, so threads never race on it.
  static const locale_t locale = [] {
    locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return l ? l : newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
  }();
  return locale;
}

template <typename Map>
std::string MapCase(std::string_view text, Map map) {
  const locale_t locale = Utf8Locale();
  if (!locale)
    return std::string(text);
  const locale_t previous = uselocale(locale);
  std::string out;
  out.reserve(text.size());
  std::mbstate_t in_state{};
  std::size_t i = 0;
  while (i < text.size()) {
    wchar_t wc = 0;
    const std::size_t n = std::mbrtowc(&wc, text.data() + i, text.size() - i, &in_state);
    if (n == 0 || n == static_cast<std::size_t>(-1) || n == static_cast<std::size_t>(-2)) {
      out += text[i++];  // keep a stray byte as it is
      in_state = {};
      continue;
    }
    char buffer[MB_LEN_MAX];
    std::mbstate_t out_state{};
    const std::size_t m = std::wcrtomb(buffer, map(static_cast<wint_t>(wc), locale), &out_state);
    if (m == static_cast<std::size_t>(-1))
      out.append(text.data() + i, n);
    else
      out.append(buffer, m);
    i += n;
  }
  uselocale(previous);
  return out;
}

}  // namespace

std::string ToUpper(std::string_view text) {
  return MapCase(text, [](wint_t c, locale_t l) { return static_cast<wchar_t>(towupper_l(c, l)); });
}

std::string ToLower(std::string_view text) {
  return MapCase(text, [](wint_t c, locale_t l) { return static_cast<wchar_t>(towlower_l(c, l)); });
}
