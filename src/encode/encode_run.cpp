#include "encode_run.h"

#include "base/atomic_file.h"
#include "base/own_directory.h"
#include "base/shown_name.h"
#include "path_functions.h"
#include "script_file_name.h"
#include "shell_script.h"
#include "script_starter.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

EncodeOutcome refused(const QString &message)
{
    return {EncodeOutcome::Kind::Refused, message};
}

} // namespace

EncodeOutcome StartEncode(const EncodeCheck &check, ExistingMp3s existing,
                          const ScriptStarter &start)
{
    switch (check.verdict) {
    case EncodeCheck::Verdict::NothingSelected:
        return {EncodeOutcome::Kind::NothingSelected, {}};
    case EncodeCheck::Verdict::Refused:
        return refused(check.refusal);
    case EncodeCheck::Verdict::Ready:
        break;
    }
    const ScriptPlan plan = existing == ExistingMp3s::Skip
        ? WithoutExistingMp3s(check.plan, check.existingMp3s)
        : check.plan;
    if (plan.groups.isEmpty())
        return refused(QCoreApplication::translate(
            "EncodeRun", "Every selected file has its MP3 already; nothing was encoded."));

    // An encoder directory that is not the user's own, or lies in the system
    // (an installed program, even for root): the script goes to the user's
    // cache and still runs in the encoder's directory.
    QString scriptName = QString::fromUtf16(ScriptFileName);
    if (!IsOwnWritableDirectory(check.encoderPath)) {
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        QDir().mkpath(cache);
        scriptName = JoinPath(cache, scriptName);
    }
    if (const Result saved =
            SaveFileAtomically(QDir(check.encoderPath).filePath(scriptName), RenderShellScript(plan));
        !saved)
        return refused(
            QCoreApplication::translate("EncodeRun", "The script could not be written: %1")
                .arg(saved.message()));
    if (!QDir::setCurrent(check.encoderPath))
        return refused(
            QCoreApplication::translate("EncodeRun", "Cannot change to the encoder directory \"%1\".")
                .arg(ShownName(check.encoderPath)));

    const Result started = start(check.encoderPath, scriptName);
    if (!started)
        return refused(QCoreApplication::translate("EncodeRun", "Cannot start the script: %1")
                           .arg(started.message()));
    return {EncodeOutcome::Kind::Started, started.message()};
}

EncodeOutcome RunEncode(const EncodeRequest &request, const ScriptStarter &start,
                        ExistingMp3s existing)
{
    return StartEncode(CheckEncodeRequest(request), existing, start);
}

ScriptStarter TerminalStarter(qint16 loadMode)
{
    return [loadMode](const QString &directory, const QString &scriptName) {
        return StartScriptDetached(directory, scriptName, loadMode);
    };
}
