#include "encode_run.h"

#include "path_functions.h"
#include "script_rendering.h"
#include "script_starter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

EncodeOutcome refused(const QString &message)
{
    return {EncodeOutcome::Kind::Refused, message};
}

QByteArray renderScript(const ScriptPlan &plan)
{
#ifdef _WIN32
    return RenderCommandScript(plan);
#else
    return RenderShellScript(plan);
#endif
}

} // namespace

EncodeOutcome RunEncode(const EncodeRequest &request, const ScriptStarter &start)
{
    if (!HasSelection(request.files))
        return {EncodeOutcome::Kind::NothingSelected, {}};
    if (Module1::ShortPath(request.destination).isEmpty())
        return refused(u"The destination directory \"%1\" does not exist. "
                       "Choose another one with the Destination button."_s
                           .arg(request.destination));
    if (!QFileInfo(JoinPath(request.encoderPath, u"L3ENC"_s)).isExecutable())
        return refused(u"The encoder L3ENC was not found in \"%1\". "
                       "Choose its directory with Options, Setup."_s.arg(request.encoderPath));
    if (!QDir::setCurrent(request.encoderPath))
        return refused(u"Cannot change to the encoder directory \"%1\"."_s.arg(request.encoderPath));

    const ScriptPlan plan = BuildScriptPlan(request, Module1::ShortPath, NativeSeparator);
    // An installed encoder's directory is closed to its users: the script
    // then goes to the user's cache and still runs in the encoder's directory.
    QString scriptName = QString::fromUtf16(ScriptFileName);
    if (!QFileInfo(request.encoderPath).isWritable()) {
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        QDir().mkpath(cache);
        scriptName = JoinPath(cache, scriptName);
    }
    QSaveFile script(QDir(request.encoderPath).filePath(scriptName));
    if (!script.open(QIODevice::WriteOnly) || script.write(renderScript(plan)) < 0
        || !script.commit())
        return refused(u"Cannot write the script \"%1\": %2"_s.arg(script.fileName(),
                                                                   script.errorString()));

    QString error;
    if (!start(request.encoderPath, scriptName, &error))
        return refused(u"Cannot start the script: %1"_s.arg(error));
    return {};
}

ScriptStarter TerminalStarter(qint16 loadMode)
{
    return [loadMode](const QString &directory, const QString &scriptName, QString *error) {
        return StartScriptDetached(directory, scriptName, loadMode, error);
    };
}
