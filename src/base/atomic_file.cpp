#include "atomic_file.h"

#include <QSaveFile>

using namespace Qt::StringLiterals;

Result SaveFileAtomically(const QString &filePath, const QByteArray &bytes)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return Result::failure(u"cannot create \"%1\": %2"_s.arg(filePath, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Result::failure(u"cannot write \"%1\": %2"_s.arg(filePath, reason));
    }
    if (!file.commit())
        return Result::failure(u"cannot save \"%1\": %2"_s.arg(filePath, file.errorString()));
    return Result::success();
}
