#include "support/OfficePeer.h"

#include <cstdlib>
#include <sstream>

#include "common/TextFiles.h"

namespace sorvel::testing {

namespace {

const char* const kPython = "/usr/bin/python3";

std::string joined(const std::vector<std::string>& files) {
    std::string list;
    for (const std::string& f : files) {
        list += ' ';
        list += OfficePeer::quote(f);
    }
    return list;
}

}  // namespace

OfficePeer::OfficePeer(const TempDir& dir, std::string scripts)
    : dir_(dir), scripts_(std::move(scripts)) {}

std::string OfficePeer::quote(const std::string& s) {
    std::string q = "'";
    for (const char c : s) {
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return q + "'";
}

int OfficePeer::shell(const std::string& command) {
    return std::system(command.c_str());
}

std::string OfficePeer::missing(bool needOlefile) {
    if (shell("command -v soffice > /dev/null 2>&1") != 0) {
        return "soffice is not installed (Debian package libreoffice-writer-nogui)";
    }
    if (needOlefile && shell(std::string(kPython) + " -c 'import olefile' > /dev/null 2>&1") != 0) {
        return "olefile is not installed (Debian package python3-olefile)";
    }
    return "";
}

bool OfficePeer::convert(const std::vector<std::string>& files,
                         const std::vector<std::string>& rtfOnly) const {
    const std::string soffice = "cd " + quote(dir_.path()) +
                                " && timeout 300 soffice -env:UserInstallation=file://" +
                                dir_.path() + "/profile --headless --norestore --convert-to ";
    const std::string quiet = " > " + quote(dir_.file("soffice.log")) + " 2>&1";
    const std::string list = joined(files);
    return shell(soffice + quote("txt:Text (encoded):UTF8") + " --outdir txt" + list + quiet) ==
               0 &&
           shell(soffice + "fodt --outdir fodt" + list + quiet) == 0 &&
           shell(soffice + "rtf --outdir peer" + list + joined(rtfOnly) + quiet) == 0;
}

bool OfficePeer::script(const std::string& name, const std::vector<std::string>& args,
                        const std::string& out) const {
    return shell(std::string(kPython) + " " + quote(scripts_ + "/" + name) + joined(args) + " > " +
                 quote(out)) == 0;
}

std::vector<std::vector<std::string>> OfficePeer::summary(const std::string& fodt) const {
    const std::string out = dir_.file("summary.txt");
    std::vector<std::vector<std::string>> lines;
    if (!script("odt_summary.py", {fodt}, out)) {
        return lines;
    }
    std::istringstream in(readWholeFile(out).value_or(""));
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string>& f = lines.emplace_back();
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos;
             start = tab + 1) {
            f.push_back(line.substr(start, tab - start));
        }
        f.push_back(line.substr(start));
    }
    return lines;
}

std::string OfficePeer::fromHex(std::string_view hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        out += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    }
    return out;
}

}  // namespace sorvel::testing
