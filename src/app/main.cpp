#include "base/command_messages.h"
#include "interactive_start.h"
#include "tag_command_line.h"
#include "tagging_run.h"

#include <QByteArray>
#include <QList>

#include <cstdio>

// The mode is decided from the arguments before anything of the GUI exists:
// a tagging run, started once per MP3 by the batch script, stays windowless
// and quick. The arguments stay bytes: a path must name exactly the file given.
int main(int argc, char *argv[])
{
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    const QString command = CommandName(argv[0]);

    const ModeDecision decision = DecideMode(arguments);
    switch (decision.mode) {
    case ModeDecision::Mode::Tagging:
        return RunTagging(decision.request, command, stderr);
    case ModeDecision::Mode::Help:
        std::fputs(TaggingUsage(command).toLocal8Bit().constData(), stdout);
        return 0;
    case ModeDecision::Mode::Version:
        std::printf("%s %s\n", command.toLocal8Bit().constData(), SONDRAKE_VERSION);
        return 0;
    case ModeDecision::Mode::UsageError:
        return ReportTaggingUsage(decision.problem, command, stderr);
    case ModeDecision::Mode::Interactive:
    case ModeDecision::Mode::Open:
        break;
    }
    return StartInteractive(argc, argv, decision.paths);
}
