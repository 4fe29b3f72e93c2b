// Any input through every command of sorvel-convert, as standard input: the
// first byte picks the command and its fonts.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/ConvertTool.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return 0;
    }
    static const char* const kFaces[] = {
        "VriRomanPali CN",       "Times_CSX+", "SKT Times", "Times_Norman",
        "LeedsBit PaliTranslit", "Arial"};
    const char* face = kFaces[(data[0] >> 3) % 6];
    const char* other = kFaces[(data[0] >> 5) % 6];
    std::vector<std::string> args;
    switch (data[0] % 8) {
        case 0:
            args = {"font", "--from", face, "--to", other};
            break;
        case 1:
            args = {"to-standard", "--font", face};
            break;
        case 2:
            args = {"from-standard", "--font", face, "--lf"};
            break;
        case 3:
            args = {"cscd"};
            break;
        case 4:
            // Documents: what is left out is said, or with --strict fails.
            args = (data[0] & 0x40) ? std::vector<std::string>{"text", "--strict", "-"}
                                    : std::vector<std::string>{"save", "--rtf", "-", "-"};
            break;
        case 6:
            args = {"unicode", "--from", face, "--format", (data[0] & 0x40) ? "rtf" : "txt"};
            break;
        case 7:
            args = {"from-unicode", "--font", face, "--lossy"};
            break;
        default:
            args = {"type", "--font", face};
            break;
    }
    std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    std::ostringstream out;
    std::ostringstream err;
    sorvel::ConvertTool tool;
    tool.run(args, {in, out, err});
    return 0;
}
