#pragma once

#include <QString>

#include <cstring>

// The system's own text for an errno value, for a message to a person.
inline QString SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
