#pragma once

// The port numbers COM1 to COM10 of the port list, mapped to this system's serial devices:
// the ports the system reports, USB adapters (/dev/ttyUSB*, /dev/ttyACM*) first, then the
// others, each group in name order.
//
// The environment variable ORVANE_COM_PORTS replaces that mapping: a comma-separated list of
// device paths for COM1, COM2, ... (an empty entry leaves that number without a device). Tests
// use it to point COM1 at a pseudo-terminal.

#include <string>
#include <vector>

namespace orvane {

inline constexpr int kComPortCount = 10;

struct ComPort
{
    int number = 0;     // 1 to 10
    std::string device; // empty when this number has no device
};

// Always kComPortCount entries, COM1 first.
std::vector<ComPort> Com_Ports();

// The order rule on its own: the first ten of devices, USB adapters first, in name order.
std::vector<ComPort> Map_Com_Ports(std::vector<std::string> devices);

// "COM.01" .. "COM.10", the items of the port list.
std::string Com_Port_Label(int number);

} // namespace orvane
