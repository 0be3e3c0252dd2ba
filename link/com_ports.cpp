#include "link/com_ports.h"

#include <QSerialPortInfo>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <tuple>

namespace orvane {
namespace {

bool Is_Usb_Adapter(const std::string &device)
{
    return device.rfind("/dev/ttyUSB", 0) == 0 || device.rfind("/dev/ttyACM", 0) == 0;
}

// Name order with numbers compared as numbers: ttyS2 before ttyS10.
std::tuple<bool, std::string, unsigned long, std::string> Order_Key(const std::string &device)
{
    std::size_t digits = device.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(device[digits - 1])) != 0)
        --digits;
    const std::string stem = device.substr(0, digits);
    const std::string number = device.substr(digits);
    const unsigned long value = number.empty() || number.size() > 9 ? 0 : std::stoul(number);
    return {!Is_Usb_Adapter(device), stem, value, number};
}

std::vector<std::string> Devices_From_Environment(const char *list)
{
    std::vector<std::string> devices(1);
    for (const char *c = list; *c != '\0'; ++c) {
        if (*c == ',')
            devices.emplace_back();
        else
            devices.back() += *c;
    }
    return devices;
}

std::vector<ComPort> Numbered(const std::vector<std::string> &devices)
{
    std::vector<ComPort> ports;
    for (int n = 1; n <= kComPortCount; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        ports.push_back({n, i < devices.size() ? devices[i] : std::string()});
    }
    return ports;
}

} // namespace

std::vector<ComPort> Com_Ports()
{
    if (const char *list = std::getenv("ORVANE_COM_PORTS"))
        return Numbered(Devices_From_Environment(list));
    std::vector<std::string> devices;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        devices.push_back(info.systemLocation().toStdString());
    return Map_Com_Ports(std::move(devices));
}

std::vector<ComPort> Map_Com_Ports(std::vector<std::string> devices)
{
    std::sort(devices.begin(), devices.end(), [](const std::string &a, const std::string &b) {
        return Order_Key(a) < Order_Key(b);
    });
    devices.erase(std::unique(devices.begin(), devices.end()), devices.end());
    return Numbered(devices);
}

std::string Com_Port_Label(int number)
{
    return std::string("COM.") + (number < 10 ? "0" : "") + std::to_string(number);
}

} // namespace orvane
