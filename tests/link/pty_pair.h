#pragma once

// A pseudo-terminal pair for serial-port tests: the test holds the master end and plays the
// receiver; the port under test opens the slave device.

#include <string>

namespace orvane::test {

class PtyPair
{
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool ok() const { return m_master >= 0; }
    const std::string &device() const { return m_device; }
    void write(const std::string &bytes) const;
    // What has arrived at the master end within timeout_ms (stops early once `want` bytes came).
    std::string read(std::size_t want, int timeout_ms = 2000) const;

private:
    int m_master = -1;
    std::string m_device;
};

} // namespace orvane::test
