#include "cli/help.h"

#include "persist/text_table.h"

namespace {

// clang-format off
constexpr std::string_view kHelp[] = {
    " ",
    "Usage: %s1% -i <filename> [options]",
    " ",
    "  %s1% -i example.%s2%",
    "  %s1% -i c:\\tmp\\example.%s2%",
    "  %s1% -i c:\\tmp\\example.%s2% -o d:\\converted",
    "  %s1% -i c:\\tmp\\filelist.txt",
    "  %s1% -i c:\\tmp\\ -o d:\\converted --jpg-quality=95",
    "  %s1% -i c:\\tmp\\ -o d:\\converted -c %s3% --jpg-quality=95",
    " ",
    "Options:",
    " ",
    "  -h, -?, --help            Display this help and exit",
    "  -i FILE, --input=FILE     Set input file/list/folder",
    "  -o PATH, --output=PATH    Set output folder",
    "  -c STR, --conversion=STR  Set output extension, STR = (jpg | bmp | ...)",
    " ",
    "Advanced options:",
    " ",
    "  --width=NUM               Set output image width",
    "  --height=NUM              Set output image height",
    "  --filename-mask=STR       Define output filename format",
    "  --flip-horizontal         Flip output image horizontally",
    "  --flip-vertical           Flip output image vertically",
    "  --brightness=NUM          Set output image brightness, NUM = -100..100",
    "  --contrast=NUM            Set output image contrast, NUM = -100..100",
    "  --gamma=NUM               Set output image gamma, NUM = 0.01..9.99",
    "  --invert                  Invert output image",
    "  --greyscale               Greyscale output image",
    "  --profile=FILE            Set configuration file with required settings",
    "    ...                     Refer documentation for all available options",
    " ",
    "Other options:",
    " ",
    "  -q, --quiet               Don't print status messages to stdout",
    "  -d, --debug               Print debug information to stdout",
    "  -p, --pause               Pause at exit",
    "  -v, --version             Display version information and exit",
};
// clang-format on

}  // namespace

std::vector<std::string> HelpLines(std::string_view program, std::string_view input,
                                   std::string_view output) {
  std::vector<std::string> lines;
  lines.reserve(std::size(kHelp));
  // The last example names the output extension where the others name the
  // input one, so it gets a slot of its own.
  for (std::string_view line : kHelp)
    lines.push_back(FormatText(std::string(line), program, input, output));
  return lines;
}
