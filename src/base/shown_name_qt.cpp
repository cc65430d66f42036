#include "shown_name.h"

#include <QString>

QString ShownName(const QString &name)
{
    const QByteArray bytes = name.toUtf8();
    return QString::fromStdString(ShownName(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
}
