#pragma once

// The message a later start hands to the running program over the local socket (all numbers
// little-endian):
//   sender  -> primary: u32 message number 0x1400, u32 length N (0..65536), N bytes of UTF-8:
//                       the absolute path of a file to open, or nothing (N = 0)
//   primary -> sender:  one byte 0x06 once the message was taken
// Its reading is separate from the sockets: the primary reads whatever bytes have arrived, and
// any bytes may arrive.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace orvane {

inline constexpr quint32 kInstanceMessage = 0x1400;
inline constexpr qsizetype kMaxInstancePathBytes = qsizetype{64} * 1024;
inline constexpr qsizetype kInstanceHeaderBytes = 8;
inline constexpr qsizetype kMaxInstanceMessageBytes = kInstanceHeaderBytes + kMaxInstancePathBytes;
inline constexpr char kInstanceAck = 0x06;

// The wire form of a message.
QByteArray Encode_Instance_Message(const QString &file_path);

// A message read from the bytes received so far: Incomplete while more may follow, Malformed
// once its number, its length or its path is wrong (not UTF-8, a NUL character, a relative
// path), whatever follows. Bytes after a whole message are not looked at.
struct DecodedInstanceMessage
{
    enum class State { Incomplete, Malformed, Complete };
    State state = State::Incomplete;
    QString file_path; // when Complete
};
DecodedInstanceMessage Decode_Instance_Message(const QByteArray &received);

} // namespace orvane
