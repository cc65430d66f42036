#include "encode_check.h"

#include "fat_file_system.h"
#include "path_functions.h"

#include "base/shown_name.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QThread>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

bool exists(const QString &path)
{
    struct stat info{};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

// Names as the messages show them: no character can break a line of them.
QString shownList(const QStringList &names)
{
    QStringList shown;
    for (const QString &name : names)
        shown << ShownName(name);
    return shown.join(u", "_s);
}

QStringList problemsOf(const EncodeRequest &request, const ScriptPlan &plan)
{
    QStringList problems;
    if (Module1::ShortPath(request.destination).isEmpty())
        problems << QCoreApplication::translate("EncodeCheck",
                                                "The destination directory \"%1\" does not exist. "
                                                "Choose another one with the Destination button.")
                        .arg(ShownName(request.destination));
    if (!QFileInfo(JoinPath(request.encoderPath, u"L3ENC"_s)).isExecutable())
        problems << QCoreApplication::translate("EncodeCheck",
                                                "The encoder L3ENC was not found in \"%1\". "
                                                "Choose its directory with Options, Setup.")
                        .arg(ShownName(request.encoderPath));
    QStringList notUtf8;
    for (const ListedFile &file : request.files) {
        if (file.selected && file.nameNotUtf8)
            notUtf8 << file.name; // shown escaped already
    }
    if (!notUtf8.isEmpty())
        problems << QCoreApplication::translate("EncodeCheck",
                                                "The names of these selected files are not valid "
                                                "UTF-8, which the script cannot carry: %1. Rename "
                                                "them first.")
                        .arg(notUtf8.join(u", "_s));
    else if (plan.groups.isEmpty())
        problems << QCoreApplication::translate("EncodeCheck",
                                                "The selected files no longer exist in \"%1\": %2")
                        .arg(ShownName(request.directory), shownList(SelectedNames(request.files)));
    for (const SharedMp3Path &clash : SharedMp3Paths(plan))
        problems << QCoreApplication::translate("EncodeCheck",
                                                "These selected files would all become \"%1\": %2. "
                                                "Select only one of them.")
                        .arg(ShownName(clash.mp3Path), shownList(clash.wavNames));
    if (IsOnFatFileSystem(request.destination)) {
        if (const QStringList names = NamesFatCannotHold(plan); !names.isEmpty())
            problems << QCoreApplication::translate(
                            "EncodeCheck",
                            "The destination's file system (FAT, exFAT or NTFS) cannot hold the "
                            "MP3 names of these selected files (no \" * : < > ? \\ | in names): %1. "
                            "Rename them first.")
                            .arg(shownList(names));
    }
    return problems;
}

} // namespace

EncodeCheck CheckEncodeRequest(const EncodeRequest &request)
{
    EncodeCheck check;
    if (!HasSelection(request.files)) {
        check.verdict = EncodeCheck::Verdict::NothingSelected;
        return check;
    }
    // Relative paths mean the same directories for every check and every
    // line, whatever the working directory has become since start-up.
    const QString base =
        request.startDirectory.isEmpty() ? QDir::currentPath() : request.startDirectory;
    EncodeRequest resolved = request;
    resolved.destination = AbsolutePath(request.destination, base);
    resolved.encoderPath = AbsolutePath(request.encoderPath, base);
    resolved.directory = AbsolutePath(request.directory, base);
    check.encoderPath = resolved.encoderPath;
    check.plan = BuildScriptPlan(resolved, Module1::ShortPath, NativeSeparator);
    // LAME encodes a file on one core: as many files at once as this
    // process may use processors.
    check.plan.jobs = QThread::idealThreadCount();

    if (const QStringList problems = problemsOf(resolved, check.plan); !problems.isEmpty()) {
        check.verdict = EncodeCheck::Verdict::Refused;
        check.refusal = problems.join(u"\n\n"_s);
        return check;
    }
    for (const ScriptGroup &group : check.plan.groups) {
        if (exists(group.longMp3Path))
            check.existingMp3s << group.longMp3Path;
    }
    return check;
}

QString ExistingMp3sQuestion(const QStringList &existingMp3s)
{
    constexpr qsizetype Named = 5;
    QStringList names;
    for (const QString &path : existingMp3s.first(qMin(Named, existingMp3s.size())))
        names << ShownName(Module1::NameFromPath(path));
    QString question = existingMp3s.size() == 1
        ? QCoreApplication::translate(
              "EncodeCheck", "An MP3 file exists already in the destination and would be replaced:")
        : QCoreApplication::translate(
              "EncodeCheck", "%1 MP3 files exist already in the destination and would be replaced:")
              .arg(existingMp3s.size());
    question += u"\n\n"_s + names.join(u'\n');
    if (existingMp3s.size() > Named)
        question += u'\n'
                    + QCoreApplication::translate("EncodeCheck", "... and %1 more")
                          .arg(existingMp3s.size() - Named);
    return question + u"\n\n"_s
        + QCoreApplication::translate("EncodeCheck", "Replace them, skip those files, or cancel?");
}

ScriptPlan WithoutExistingMp3s(const ScriptPlan &plan, const QStringList &existingMp3s)
{
    const QSet<QString> existing(existingMp3s.begin(), existingMp3s.end());
    ScriptPlan kept = plan;
    kept.groups.removeIf(
        [&existing](const ScriptGroup &group) { return existing.contains(group.longMp3Path); });
    return kept;
}
