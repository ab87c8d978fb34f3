#pragma once

#include <functional>
#include <vector>

namespace kit::data {

// An event of a dataset with any number of handlers, called in the order they were added.
// A handler may throw (Abort, DbError) to stop the operation that raised the event.
template <typename... Args>
class Hooks {
 public:
  using Handler = std::function<void(Args...)>;
  void add(Handler handler) { handlers_.push_back(std::move(handler)); }
  void clear() { handlers_.clear(); }
  bool empty() const { return handlers_.empty(); }
  void run(Args... args) const {
    for (const auto& handler : handlers_) handler(args...);
  }

 private:
  std::vector<Handler> handlers_;
};

}  // namespace kit::data
