#include "recovery/RecoveryInfo.h"

#include <ctime>
#include <sstream>

namespace sorvel {

namespace {

constexpr std::string_view kHeading = "Sorvel recovery copy";

std::string escaped(std::string_view value) {
    std::string out;
    for (const char c : value) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        if (++i == value.size()) {
            return std::nullopt;
        }
        switch (value[i]) {
            case '\\':
                out += '\\';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

}  // namespace

std::string RecoveryInfo::format() const {
    std::string out(kHeading);
    out += "\npath " + escaped(path) + "\ntitle " + escaped(title) + "\nwritten " +
           std::to_string(writtenAt) + "\n";
    if (stamp) {
        out += "stamp " + std::to_string(stamp->device) + " " + std::to_string(stamp->inode) + " " +
               std::to_string(stamp->size) + " " + std::to_string(stamp->modifiedNs) + "\n";
    }
    return out;
}

std::optional<RecoveryInfo> RecoveryInfo::parse(std::string_view text) {
    RecoveryInfo info;
    bool heading = false, title = false, written = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            return std::nullopt;  // a file cut short
        }
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!heading) {
            if (line != kHeading) {
                return std::nullopt;
            }
            heading = true;
            continue;
        }
        const std::size_t space = line.find(' ');
        const std::string_view key = line.substr(0, space);
        const std::string_view value =
            space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
        if (key == "path" || key == "title") {
            std::optional<std::string> v = unescaped(value);
            if (!v) {
                return std::nullopt;
            }
            (key == "path" ? info.path : info.title) = std::move(*v);
            title = title || key == "title";
        } else if (key == "written" || key == "stamp") {
            std::istringstream in{std::string(value)};
            if (key == "written") {
                written = static_cast<bool>(in >> info.writtenAt);
            } else {
                FileStamp s;
                if (!(in >> s.device >> s.inode >> s.size >> s.modifiedNs)) {
                    return std::nullopt;
                }
                info.stamp = s;
            }
            if (!in || !(in >> std::ws).eof()) {
                return std::nullopt;
            }
        }
        // Other keys are from a later version and not needed here.
    }
    if (!heading || !title || !written) {
        return std::nullopt;
    }
    return info;
}

std::string RecoveryInfo::describe() const {
    std::string name = path.empty() ? title : path;
    const std::time_t when = static_cast<std::time_t>(writtenAt);
    std::tm local{};
    char time[32] = {};
    if (::localtime_r(&when, &local) &&
        std::strftime(time, sizeof time, "%Y-%m-%d %H:%M", &local)) {
        name += " (" + std::string(time) + ")";
    }
    return name;
}

}  // namespace sorvel
