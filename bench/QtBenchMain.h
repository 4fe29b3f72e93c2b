#pragma once

#include <functional>

namespace sorvel::bench {

// Has `cleanUp` run once the benchmarks are done, while the application
// object still exists: widgets kept between benchmarks must go before it.
void beforeApplicationEnds(std::function<void()> cleanUp);

}  // namespace sorvel::bench
