#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringBuilder>

// Little-endian numbers and RIFF chunks, for tests that build WAV files byte
// by byte.

inline QByteArray LittleEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(value >> (8 * i));
    return bytes;
}

inline QByteArray LittleEndian64(quint64 value)
{
    return LittleEndian32(quint32(value)) + LittleEndian32(quint32(value >> 32));
}

// A chunk padded to an even length; its size field says `declared` where
// given, else the body's true size.
inline QByteArray RiffChunk(QByteArrayView id, const QByteArray &body, qint64 declared = -1)
{
    QByteArray bytes = id.toByteArray()
        + LittleEndian32(quint32(declared < 0 ? body.size() : declared)) + body;
    if (body.size() % 2 == 1)
        bytes += '\0';
    return bytes;
}
