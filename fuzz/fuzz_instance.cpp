// Fuzz target over the message a later start hands to the running program: any bytes that
// arrive on its local socket, read as the primary reads them (Decode_Instance_Message). A
// whole message is the bytes of its own encoding and stays whole whatever follows; every
// shorter part of it waits for more; a malformed one stays malformed; the bytes the primary
// reads at most always decide. The input read as a path
// also goes through the sender's side: an absolute path comes back unchanged.

#include "app/instance_message.h"
#include "fuzz/property_check.h"

namespace {

using orvane::DecodedInstanceMessage;
using State = DecodedInstanceMessage::State;

QByteArray Part(const QByteArray &bytes, qsizetype size)
{
    return QByteArray::fromRawData(bytes.constData(), size);
}

void Check_Whole(const QByteArray &received, const DecodedInstanceMessage &message)
{
    const QByteArray encoded = orvane::Encode_Instance_Message(message.file_path);
    FUZZ_CHECK(received.startsWith(encoded));
    for (qsizetype size = 0; size < encoded.size(); ++size)
        FUZZ_CHECK(orvane::Decode_Instance_Message(Part(received, size)).state
                   == State::Incomplete);
    const DecodedInstanceMessage followed = orvane::Decode_Instance_Message(received + '\x01');
    FUZZ_CHECK(followed.state == State::Complete && followed.file_path == message.file_path);
}

void Check_Sent_Path(const QByteArray &bytes)
{
    QString path = QString::fromUtf8(bytes);
    path.remove(QChar(0));
    path.prepend(u'/');
    if (path.toUtf8().size() > orvane::kMaxInstancePathBytes)
        return;
    const DecodedInstanceMessage message
            = orvane::Decode_Instance_Message(orvane::Encode_Instance_Message(path));
    FUZZ_CHECK(message.state == State::Complete && message.file_path == path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray received(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const DecodedInstanceMessage message = orvane::Decode_Instance_Message(received);
    switch (message.state) {
    case State::Complete:
        Check_Whole(received, message);
        break;
    case State::Malformed:
        FUZZ_CHECK(orvane::Decode_Instance_Message(received + '\x01').state == State::Malformed);
        break;
    case State::Incomplete:
        // The primary reads at most a whole message: what it holds must decide.
        FUZZ_CHECK(received.size() < orvane::kMaxInstanceMessageBytes);
        break;
    }
    Check_Sent_Path(received);
    return 0;
}
