#pragma once

namespace sorvel {

// What a command's update handler reports: whether the command can run, and
// its check mark (0 clear, 1 checked, 2 indeterminate).
struct CommandStatus {
    bool enabled = true;
    int check = 0;
};

}  // namespace sorvel
