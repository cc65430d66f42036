#include "shown_name.h"

#include <QString>

#include <algorithm>

QString ShownName(const QString &name)
{
    // Most names hold nothing to escape: they are shown without a round trip through UTF-8.
    const bool plain = std::all_of(name.begin(), name.end(), [](QChar c) {
        return c.unicode() >= 0x20 && (c.unicode() < 0x7F || c.unicode() > 0x9F) && !c.isSurrogate();
    });
    if (plain)
        return name;
    const QByteArray bytes = name.toUtf8();
    return QString::fromStdString(
        ShownName(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
}
