#include "shell/InstanceProtocol.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <utility>

namespace sorvel {

namespace {

constexpr std::string_view kHeader = "SORVEL-OPEN 1 ";

void appendField(std::string& out, std::string_view field) {
    out += std::to_string(field.size());
    out += ':';
    out += field;
    out += '\n';
}

// Reads a decimal number up to `end` at `at`, moving past the end mark.
// Nothing when the bytes there are no such number; `incomplete` when they
// may still become one.
std::optional<std::size_t> readNumber(std::string_view in, std::size_t& at, char end,
                                      bool& incomplete) {
    const std::size_t mark = in.find(end, at);
    if (mark == std::string_view::npos) {
        // Twenty digits are more than any length can have.
        incomplete = in.size() - at <= 20;
        return std::nullopt;
    }
    std::size_t value = 0;
    const char* first = in.data() + at;
    const char* last = in.data() + mark;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (first == last || ec != std::errc() || ptr != last) {
        return std::nullopt;
    }
    at = mark + 1;
    return value;
}

}  // namespace

std::string InstanceProtocol::serverName(unsigned long userId, std::string_view display) {
    std::string name = "sorvel-" + std::to_string(userId) + "-";
    for (const char c : display) {
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_';
        name += safe ? c : '_';
    }
    return name;
}

bool InstanceProtocol::handsOver(const CommandLine& line) {
    if (line.newInstance) {
        return false;
    }
    return line.action == CommandLine::Action::NewDocument ||
           line.action == CommandLine::Action::Open;
}

InstanceRequest InstanceProtocol::requestFor(const CommandLine& line,
                                             std::string_view workingDirectory) {
    InstanceRequest request;
    for (const std::string& file : line.files) {
        std::filesystem::path path(file);
        if (!path.is_absolute()) {
            path = std::filesystem::path(workingDirectory) / path;
        }
        request.files.push_back(path.lexically_normal().string());
    }
    return request;
}

std::string InstanceProtocol::encode(const InstanceRequest& request) {
    std::string out(kHeader);
    out += std::to_string(request.files.size());
    out += '\n';
    for (const std::string& file : request.files) {
        appendField(out, file);
    }
    return out;
}

InstanceProtocol::Decoded InstanceProtocol::decode(std::string_view in, InstanceRequest& request) {
    if (in.size() > kMaxMessage) {
        return Decoded::Invalid;
    }
    // The header, as far as it has come.
    const std::size_t known = std::min(in.size(), kHeader.size());
    if (in.substr(0, known) != kHeader.substr(0, known)) {
        return Decoded::Invalid;
    }
    if (in.size() <= kHeader.size()) {
        return Decoded::Incomplete;
    }
    std::size_t at = kHeader.size();
    bool incomplete = false;
    const std::optional<std::size_t> count = readNumber(in, at, '\n', incomplete);
    if (!count) {
        return incomplete ? Decoded::Incomplete : Decoded::Invalid;
    }
    if (*count > kMaxFiles) {
        return Decoded::Invalid;
    }
    InstanceRequest read;
    for (std::size_t field = 0; field < *count; ++field) {
        const std::optional<std::size_t> length = readNumber(in, at, ':', incomplete);
        if (!length) {
            return incomplete ? Decoded::Incomplete : Decoded::Invalid;
        }
        if (*length > kMaxMessage) {
            return Decoded::Invalid;
        }
        if (in.size() - at < *length + 1) {
            return Decoded::Incomplete;
        }
        const std::string_view value = in.substr(at, *length);
        if (in[at + *length] != '\n' || value.empty()) {
            return Decoded::Invalid;
        }
        at += *length + 1;
        read.files.emplace_back(value);
    }
    if (at != in.size()) {
        return Decoded::Invalid;  // nothing may follow the request
    }
    request = std::move(read);
    return Decoded::Complete;
}

}  // namespace sorvel
