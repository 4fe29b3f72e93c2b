#include "shell/InfoOptions.h"

#include <ostream>
#include <string_view>

#include "common/SorvelVersion.h"

namespace sorvel {

namespace {

constexpr std::string_view kHelp =
    "Usage: sorvel [--new-instance] [FILE...]\n"
    "       sorvel /p FILE\n"
    "       sorvel /pt FILE PRINTER\n"
    "\n"
    "Sorvel, the word processor for romanised Pali. " SORVEL_SUMMARY
    ".\n"
    "Opens each FILE (a Sorvel document or an RTF file) in a window of its own,\n"
    "the last one active, or a new empty document when no FILE is given. A FILE\n"
    "that cannot be opened is reported and the others still open.\n"
    "\n"
    "While Sorvel runs for you on this display, \"sorvel FILE...\" opens the files\n"
    "in the running Sorvel, brings its window to the front and ends at once.\n"
    "/p prints FILE and ends; /pt prints it on PRINTER and ends.\n"
    "\n"
    "Options:\n"
    "  --new-instance  start a Sorvel of its own, even while one runs\n"
    "  -h, --help      show this help and exit\n"
    "  -v, --version   show the version and exit\n"
    "  --              every argument after it is a FILE\n"
    "\n"
    "Qt's own options, such as -platform and -style, are taken too.\n"
    "\"sorvel-convert --help\" describes the conversions that run without a window.\n";

constexpr std::string_view kVersion = "Sorvel " SORVEL_PRODUCT_VERSION
                                      "\n"
                                      "File version " SORVEL_FILE_VERSION "\n";

}  // namespace

std::optional<int> answerInfoOptions(int argc, const char* const* argv, std::ostream& out) {
    for (int i = 1; i < argc && argv[i]; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            break;
        }
        if (arg == "--help" || arg == "-h") {
            out << kHelp << std::flush;
            return out ? 0 : 1;
        }
        if (arg == "--version" || arg == "-v") {
            out << kVersion << std::flush;
            return out ? 0 : 1;
        }
    }
    return std::nullopt;
}

}  // namespace sorvel
