#pragma once

#include <string_view>

namespace sorvel {

// The worked example tables that the help menu can insert into a document.
enum class ExampleTable { Norwegian, Sinhalese, WesternLanguages };

// The whole text of an example: an explanation, then the table itself from
// its font line to its end line (which has no line end). Lines end with "\n".
std::string_view exampleTableText(ExampleTable example);

}  // namespace sorvel
