#pragma once

#include "Connection.h"

namespace kit::data {

// An explicit transaction as a scope guard: begun on construction, committed by commit(),
// rolled back when the scope is left without it (an exception on the way). Nested guards
// work as savepoints.
class Transaction {
 public:
  explicit Transaction(Connection& connection) : connection_(connection) { connection_.begin(); }
  ~Transaction() {
    if (open_) {
      try {
        connection_.rollback();
      } catch (...) {
        // The connection is gone or the server refused; there is nothing left to undo.
      }
    }
  }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  void commit() {
    open_ = false;
    connection_.commit();
  }
  void rollback() {
    open_ = false;
    connection_.rollback();
  }

 private:
  Connection& connection_;
  bool open_ = true;
};

}  // namespace kit::data
