#include "app/instance_message.h"

#include <QDir>
#include <QStringDecoder>
#include <QtEndian>

#include <optional>

namespace orvane {
namespace {

void Append_U32(QByteArray &bytes, quint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

quint32 U32_At(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

// Strict UTF-8: a byte sequence that is not UTF-8 gives nullopt instead of replacement marks.
std::optional<QString> From_Strict_Utf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// The primary opens what it is given without asking, so only an absolute path is taken.
bool Is_Acceptable_Path(const QString &path)
{
    return path.isEmpty() || (!path.contains(QChar(0)) && QDir::isAbsolutePath(path));
}

} // namespace

QByteArray Encode_Instance_Message(const QString &file_path)
{
    const QByteArray path = file_path.toUtf8();
    QByteArray bytes;
    Append_U32(bytes, kInstanceMessage);
    Append_U32(bytes, quint32(path.size()));
    return bytes + path;
}

DecodedInstanceMessage Decode_Instance_Message(const QByteArray &received)
{
    using State = DecodedInstanceMessage::State;
    if (received.size() >= 4 && U32_At(received, 0) != kInstanceMessage)
        return {State::Malformed, {}};
    if (received.size() < kInstanceHeaderBytes)
        return {State::Incomplete, {}};
    const quint32 length = U32_At(received, 4);
    if (length > quint32(kMaxInstancePathBytes))
        return {State::Malformed, {}};
    if (received.size() < kInstanceHeaderBytes + qsizetype(length))
        return {State::Incomplete, {}};
    const auto path
            = From_Strict_Utf8(QByteArrayView(received).sliced(kInstanceHeaderBytes, length));
    if (!path || !Is_Acceptable_Path(*path))
        return {State::Malformed, {}};
    return {State::Complete, *path};
}

} // namespace orvane
