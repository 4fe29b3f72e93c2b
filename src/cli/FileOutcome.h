#pragma once

#include <string>

namespace sorvel {

// What became of one input file.
struct FileOutcome {
    enum class Kind { Converted, Skipped, Failed };

    Kind kind = Kind::Failed;
    std::string bytes;      // the output, when converted
    std::string extension;  // the output's extension (".txt"); empty keeps the input's name
    std::string note;       // why it was skipped or failed, or a remark on the conversion

    static FileOutcome converted(std::string bytes, std::string extension, std::string note = {});
    static FileOutcome skipped(std::string reason);
    static FileOutcome failed(std::string reason);
};

}  // namespace sorvel
