#pragma once

// The serial port as the transfer uses it: the operations of the port component (open and
// close a numbered port with fixed line settings, count and discard waiting bytes, read at
// most InputLen characters or bytes, write bytes unchanged), plus two that keep output from
// being lost: draining earlier output before a new command, and a bounded wait for a number
// of waiting bytes that lets a poll end as soon as what it waits for has arrived.
//
// PollClock is the poll's sleep. The transfer counts its polls against fixed bounds; the real
// clock waits at most one poll period, a test clock only counts.

#include "dbase/bytes.h"

#include <chrono>
#include <stdexcept>
#include <string>

namespace orvane {

enum class InputMode { Text, Binary };

// Raised by Set_Port_Open(true) (and by settings the port cannot take). what() is the text
// the user is shown.
class PortError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class SerialPort
{
public:
    virtual ~SerialPort() = default;

    // PortOpen: true opens the port named by CommPort with the current settings and raises
    // PortError when it cannot be opened; false closes it (after its output has drained).
    virtual bool Port_Open() const = 0;
    virtual void Set_Port_Open(bool open) = 0;

    // CommPort: 1 to 10, the port the next open uses.
    virtual int Comm_Port() const = 0;
    virtual void Set_Comm_Port(int number) = 0;

    // Settings: "baud,parity,data bits,stop bits", e.g. "115200,E,8,1"; used by the next open.
    virtual void Set_Settings(const std::string &settings) = 0;
    virtual void Set_In_Buffer_Size(int bytes) = 0;
    virtual void Set_Out_Buffer_Size(int bytes) = 0;

    // InputMode and InputLen: what one read of Input returns. Both modes deliver the bytes
    // unchanged; text mode is how replies are read, one character per read.
    virtual void Set_Input_Mode(InputMode mode) = 0;
    virtual void Set_Input_Len(int length) = 0;

    // InBufferCount: bytes waiting to be read (0 while the port is closed); writing 0 discards
    // them (Discard_Input). OutBufferCount = 0 drops bytes not yet sent (Discard_Output).
    virtual int In_Buffer_Count() = 0;
    virtual void Discard_Input() = 0;
    virtual void Discard_Output() = 0;

    // Output: sends exactly these bytes, adding nothing, at once. Nothing is sent while the
    // port is closed.
    virtual void Output(ByteView bytes) = 0;
    // Input: returns and removes up to InputLen waiting bytes (none when nothing waits).
    virtual Bytes Input() = 0;

    // Waits until everything written before has left the port (nothing to wait for while the
    // port is closed).
    virtual void Drain_Output() = 0;
    // Waits until at least count bytes are waiting or the timeout passed, whichever is first.
    // A closed port simply waits out the timeout.
    virtual void Wait_For_Input(int count, std::chrono::microseconds timeout) = 0;
};

class PollClock
{
public:
    virtual ~PollClock() = default;
    // One poll's sleep: at most one poll period, shorter once awaited_bytes are waiting.
    virtual void Sleep_Poll(int awaited_bytes) = 0;
};

} // namespace orvane
