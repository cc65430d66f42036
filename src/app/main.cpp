#include "interactive_start.h"
#include "tag_command_line.h"
#include "tagging_run.h"

#include <QString>
#include <QStringList>

#include <cstdio>

// The mode is decided from the arguments before anything of the GUI exists:
// a tagging run, started once per MP3 by the batch script, stays windowless
// and quick.
int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    const ModeDecision decision = DecideMode(arguments);
    switch (decision.mode) {
    case ModeDecision::Mode::Tagging:
        return RunTagging(decision.request, stderr);
    case ModeDecision::Mode::UsageError:
        return ReportTaggingUsage(decision.problem, QString::fromLocal8Bit(argv[0]), stderr);
    case ModeDecision::Mode::Interactive:
        break;
    }
    return StartInteractive(argc, argv);
}
