#pragma once
// The builders of the reader's tool windows, by name, and the build's
// language for their captions: one registry for either front end, each with
// its own kind of builder.
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "core/texts/language.h"

namespace fuda {

template <typename Builder>
class ToolWindowBuilders {
 public:
  explicit ToolWindowBuilders(Language language) : language_(language) {}
  // Replaces an earlier builder under the same name.
  void add(std::string_view name, Builder build) { builders_[std::string(name)] = std::move(build); }
  // Null when nothing is registered under `name`.
  const Builder* find(std::string_view name) const {
    auto it = builders_.find(name);
    return it == builders_.end() ? nullptr : &it->second;
  }
  Language language() const { return language_; }

 private:
  Language language_;
  std::map<std::string, Builder, std::less<>> builders_;
};

}  // namespace fuda
