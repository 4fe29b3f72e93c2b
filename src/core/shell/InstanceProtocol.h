#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/CommandLine.h"

namespace sorvel {

// What a second start of the program asks of the one already running for
// the same user on the same display: to open these files (each in a window
// of its own, the last one active), or a new empty document when there are
// none, and to come to the front.
struct InstanceRequest {
    std::vector<std::string> files;  // absolute paths

    friend bool operator==(const InstanceRequest&, const InstanceRequest&) = default;
};

// How two starts of the program talk over the local socket, without the
// socket: the socket's name, who hands over, and the message.
//
// The message is a header line "SORVEL-OPEN 1 <count>\n", then each file as
// "<length>:<bytes>\n", so that any byte a file name may hold travels
// unchanged. The running program answers kAnswer once it has the
// whole message, before it opens anything, so that the second start can end
// at once.
class InstanceProtocol {
  public:
    // The running program's answer to a complete request.
    static constexpr std::string_view kAnswer = "OK\n";
    // A request is never longer than this, nor names more files.
    static constexpr std::size_t kMaxMessage = 4u << 20;
    static constexpr std::size_t kMaxFiles = 4096;

    // The socket's name for a user and a display ($DISPLAY, or
    // $WAYLAND_DISPLAY where there is no X display): one program per user
    // and display. Characters other than letters, digits, "-" and "_" become
    // "_", so that the name is also a safe file name.
    static std::string serverName(unsigned long userId, std::string_view display);

    // Whether this command line hands its files to a running program:
    // opening (or a new document) does, unless "--new-instance" asks for a
    // program of its own; printing always happens in the process asked.
    static bool handsOver(const CommandLine& line);
    // The request for a command line, its file names made absolute against
    // `workingDirectory` (the running program has its own).
    static InstanceRequest requestFor(const CommandLine& line, std::string_view workingDirectory);

    static std::string encode(const InstanceRequest& request);

    enum class Decoded { Complete, Incomplete, Invalid };
    // Reads a message received so far. Complete fills `request`; Incomplete
    // wants more bytes; Invalid means the bytes can never become a request
    // (wrong header, bad lengths, too long), and the sender is to be dropped.
    static Decoded decode(std::string_view received, InstanceRequest& request);
};

}  // namespace sorvel
