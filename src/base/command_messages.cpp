#include "command_messages.h"

#include <QByteArray>

QString CommandName(const char *argv0)
{
    const QByteArray path(argv0 ? argv0 : "");
    const QByteArray name = path.mid(path.lastIndexOf('/') + 1);
    return name.isEmpty() ? QStringLiteral("encoder") : QString::fromLocal8Bit(name);
}

void PrintMessage(std::FILE *stream, const QString &command, const QString &text)
{
    std::fputs((command + QStringLiteral(": ") + text + u'\n').toLocal8Bit().constData(), stream);
}
