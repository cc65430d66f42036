#pragma once

#include "tag_command_line.h"

#include <cstdio>

// Exit statuses of the windowless tagging run.
enum TaggingExitStatus { TagWritten = 0, TagNotWritten = 1, TagUsageError = 2 };

// Writes the request's trailer; on failure one line naming the file and the
// reason goes to `errors`. Touches no settings and no window.
int RunTagging(const TagRequest &request, const QString &command, std::FILE *errors);

// Reports a request outside the format, with the usage text.
int ReportTaggingUsage(const QString &problem, const QString &command, std::FILE *errors);
