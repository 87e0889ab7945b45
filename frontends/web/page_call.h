#pragma once
// The one way from the core to the page's script: a call of a view method by
// name, run on the page's main thread.
#include <string>
#include <string_view>

namespace fuda {

// Any thread but the page's main thread: runs the page's view method
// `method` with the arguments of the JSON array `argsJson` on the page's main
// thread, and returns once it has run (so the page sees the calls in the
// order each thread made them).
void callPage(std::string_view method, const std::string& argsJson);

// `text` (UTF-8) as a JSON string, quotes included.
std::string jsonText(std::string_view text);

}  // namespace fuda
