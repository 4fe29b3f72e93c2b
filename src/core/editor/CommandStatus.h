#pragma once

namespace sorvel {

// What an update handler says about a command: whether it can be chosen and
// its check mark (or the pressed look of its toolbar button).
struct CommandStatus {
    bool enabled = true;
    int check = 0; /* 0 off, 1 on, 2 indeterminate */
};

}  // namespace sorvel
