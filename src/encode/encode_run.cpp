#include "encode_run.h"

#include "base/atomic_file.h"
#include "path_functions.h"
#include "shell_script.h"
#include "script_starter.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

EncodeOutcome refused(const QString &message)
{
    return {EncodeOutcome::Kind::Refused, message};
}

} // namespace

EncodeOutcome RunEncode(const EncodeRequest &given, const ScriptStarter &start)
{
    if (!HasSelection(given.files))
        return {EncodeOutcome::Kind::NothingSelected, {}};
    // A hand-edited settings file may hold relative paths: they mean the same
    // directories for every check and every line, whatever the working
    // directory becomes.
    EncodeRequest request = given;
    request.destination = AbsolutePath(given.destination);
    request.encoderPath = AbsolutePath(given.encoderPath);
    if (Module1::ShortPath(request.destination).isEmpty())
        return refused(u"The destination directory \"%1\" does not exist. "
                       "Choose another one with the Destination button."_s
                           .arg(request.destination));
    if (!QFileInfo(JoinPath(request.encoderPath, u"L3ENC"_s)).isExecutable())
        return refused(u"The encoder L3ENC was not found in \"%1\". "
                       "Choose its directory with Options, Setup."_s.arg(request.encoderPath));

    ScriptPlan plan = BuildScriptPlan(request, Module1::ShortPath, NativeSeparator);
    // LAME encodes a file on one core: as many files at once as this
    // process may use processors.
    plan.jobs = QThread::idealThreadCount();
    if (plan.groups.isEmpty())
        return refused(u"The selected files no longer exist in \"%1\": %2"_s.arg(
            request.directory, SelectedNames(request.files).join(u", "_s)));
    if (const auto clash = FirstSharedMp3Path(plan))
        return refused(u"These selected files would all become \"%1\": %2. "
                       "Select only one of them."_s.arg(clash->mp3Path, clash->wavNames.join(u", "_s)));
    // An installed encoder's directory is closed to its users: the script
    // then goes to the user's cache and still runs in the encoder's directory.
    QString scriptName = QString::fromUtf16(ScriptFileName);
    if (!QFileInfo(request.encoderPath).isWritable()) {
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        QDir().mkpath(cache);
        scriptName = JoinPath(cache, scriptName);
    }
    if (const Result saved =
            SaveFileAtomically(QDir(request.encoderPath).filePath(scriptName), RenderShellScript(plan));
        !saved)
        return refused(u"The script could not be written: %1"_s.arg(saved.message()));

    if (!QDir::setCurrent(request.encoderPath))
        return refused(u"Cannot change to the encoder directory \"%1\"."_s.arg(request.encoderPath));

    const Result started = start(request.encoderPath, scriptName);
    if (!started)
        return refused(u"Cannot start the script: %1"_s.arg(started.message()));
    return {EncodeOutcome::Kind::Started, started.message()};
}

ScriptStarter TerminalStarter(qint16 loadMode)
{
    return [loadMode](const QString &directory, const QString &scriptName) {
        return StartScriptDetached(directory, scriptName, loadMode);
    };
}
