#include "settings/option_value.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <string>
#include <type_traits>

#include "settings/number_text.h"

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view word) {
  if (text.size() < word.size())
    return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != word[i])
      return false;
  return true;
}

int DigitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9')
    v = c - '0';
  else if (c >= 'a' && c <= 'f')
    v = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    v = c - 'A' + 10;
  return v >= 0 && v < base ? v : -1;
}

template <typename T>
void Store(Settings& s, const Field& field, T value) {
  std::visit(
      [&](auto member) {
        using M = std::remove_reference_t<decltype(s.*member)>;
        if constexpr (std::is_same_v<M, std::string>)
          s.*member = std::to_string(value);
        else
          s.*member = static_cast<M>(value);
      },
      field);
}

}  // namespace

std::int32_t ReadOptionInteger(std::string_view text) {
  auto [i, negative] = SkipBlanksAndSign(text);
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i < text.size() && text[i] == '%') {
    base = 2;
    ++i;
  }
  std::uint32_t value = 0;
  for (int d; i < text.size() && (d = DigitValue(text[i], base)) >= 0; ++i)
    value = value * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(d);
  if (negative)
    value = 0u - value;
  return static_cast<std::int32_t>(value);
}

float ReadOptionDecimal(std::string_view text) {
  auto [i, negative] = SkipBlanksAndSign(text);
  const float sign = negative ? -1.0f : 1.0f;
  const std::string_view rest = text.substr(i);
  if (StartsWithNoCase(rest, "infinity"))
    return sign * std::numeric_limits<float>::infinity();
  if (StartsWithNoCase(rest, "nan"))
    return std::numeric_limits<float>::quiet_NaN();
  std::string number;
  const auto digits = [&] {
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
      number += text[i++];
  };
  digits();
  if (i < text.size() && text[i] == '.') {
    number += text[i++];
    digits();
  }
  if (number.empty() || number == ".")
    return 0.0f;
  if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (text[j] == '+' || text[j] == '-')
      exponent += text[j++];
    if (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
      i = j;
      number += exponent;
      digits();
    }
  }
  return sign * std::strtof(number.c_str(), nullptr);
}

void ApplyOption(Settings& s, const SettingRow& row, std::string_view value) {
  switch (row.option_kind) {
    case OptionKind::kInteger:
      Store(s, row.field, ReadOptionInteger(value));
      break;
    case OptionKind::kDecimal:
      Store(s, row.field, ReadOptionDecimal(value));
      break;
    case OptionKind::kName:
      Store(s, row.field,
            NameToCode(row.decode_names.empty() ? row.names : row.decode_names, value));
      break;
    case OptionKind::kText:
      std::visit(
          [&](auto member) {
            if constexpr (std::is_same_v<std::remove_reference_t<decltype(s.*member)>, std::string>)
              s.*member = std::string(value);
          },
          row.field);
      break;
    case OptionKind::kFlag:
      Store(s, row.field, row.flag_value);
      break;
    case OptionKind::kNone:
      return;
  }
  if (row.side_effect.field)
    s.*row.side_effect.field = row.side_effect.value;
}
