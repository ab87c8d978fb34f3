#pragma once

#include <QString>

// A database server of the test's own, which the test may stop and start again (the shared
// test server must keep running for the other tests). Made with the cluster helpers of
// scripts/lib.sh; removed when the object goes.
class StoppableServer {
 public:
  StoppableServer();
  ~StoppableServer();
  // False (with the reason in error()) when no server could be made here.
  bool start();
  bool stop();
  int port() const { return port_; }
  QString error() const { return error_; }

 private:
  bool run(const QString& script);
  QString folder_;
  int port_ = 0;
  QString error_;
};
