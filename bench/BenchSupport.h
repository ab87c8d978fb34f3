#pragma once

#include <QString>
#include <functional>

#include "kit/data/Connection.h"

// What the benchmarks share: the throwaway server's address, a database of their own on it,
// and runs through the latency proxy.
namespace bench {

// The server scripts/bench started (PGHOST, PGPORT, PGUSER), database "postgres"; port 0
// when there is none.
kit::data::ConnectionParams serverParams();

// Creates an empty UTF8 database of that name and returns its parameters; dropped again by
// dropDatabase().
kit::data::ConnectionParams createDatabase(const QString& name);
void dropDatabase(const QString& name);

// Runs `measure` with parameters that go through the latency proxy (25 ms each way), when
// VAREKO_LATENCY_PROXY names it; does nothing otherwise.
void throughLatencyProxy(const kit::data::ConnectionParams& direct,
                         const std::function<void(const kit::data::ConnectionParams&)>& measure);

// Runs a measure directly and then through the latency proxy, each under its heading.
void directAndOverSlowLink(
    const kit::data::ConnectionParams& direct,
    const std::function<void(const char* heading, const kit::data::ConnectionParams&)>& measure);

// A figure of /proc/self/status in KiB ("VmRSS:", "VmHWM:"); 0 when it cannot be read.
long memoryKb(const char* key);

}  // namespace bench
