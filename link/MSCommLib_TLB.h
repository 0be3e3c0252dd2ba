#pragma once

// TMSComm: the serial port component over QSerialPort. COM n opens the device that Com_Ports
// maps to n (taken when the component is created, so it matches the list the dialog shows).
// No event loop is needed: waiting bytes are counted with FIONREAD on the port's handle and
// the bytes Qt may already have buffered, and writes are pushed out before Output returns.
// Destroying the component lets its last output drain and closes the port.

#include "link/com_ports.h"
#include "link/serial_port.h"

#include <QSerialPort>

#include <memory>
#include <vector>

namespace orvane {

class TMSComm final : public SerialPort
{
public:
    TMSComm();
    ~TMSComm() override;
    TMSComm(const TMSComm &) = delete;
    TMSComm &operator=(const TMSComm &) = delete;

    bool Port_Open() const override;
    void Set_Port_Open(bool open) override;
    int Comm_Port() const override { return m_comm_port; }
    void Set_Comm_Port(int number) override;
    void Set_Settings(const std::string &settings) override;
    void Set_In_Buffer_Size(int bytes) override { m_in_buffer_size = bytes; }
    void Set_Out_Buffer_Size(int bytes) override { m_out_buffer_size = bytes; }
    void Set_Input_Mode(InputMode mode) override { m_input_mode = mode; }
    void Set_Input_Len(int length) override { m_input_len = length; }
    int In_Buffer_Count() override;
    void Discard_Input() override;
    void Discard_Output() override;
    void Output(ByteView bytes) override;
    Bytes Input() override;
    void Drain_Output() override;
    void Wait_For_Input(int count, std::chrono::microseconds timeout) override;

    // The devices behind COM1..COM10; the command line puts a device path given by the user
    // in place of COM1.
    const std::vector<ComPort> &Port_Devices() const { return m_devices; }
    void Set_Port_Devices(std::vector<ComPort> devices) { m_devices = std::move(devices); }
    // The device of the current CommPort, empty when it has none.
    std::string Device() const;

private:
    struct LineSettings
    {
        qint32 baud = 115200;
        QSerialPort::Parity parity = QSerialPort::EvenParity;
        QSerialPort::DataBits data_bits = QSerialPort::Data8;
        QSerialPort::StopBits stop_bits = QSerialPort::OneStop;
    };

    void open_device();
    void close_device();
    void take_waiting_bytes();
    std::size_t driver_count() const;
    std::chrono::nanoseconds wire_time(std::size_t bytes) const;

    std::unique_ptr<QSerialPort> m_port;
    std::vector<ComPort> m_devices;
    Bytes m_received; // bytes taken from the driver, oldest first
    LineSettings m_settings;
    int m_comm_port = 1;
    int m_in_buffer_size = 1024;
    int m_out_buffer_size = 1024;
    int m_input_len = 0;
    InputMode m_input_mode = InputMode::Text;
};

} // namespace orvane
