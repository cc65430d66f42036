#pragma once

#include <cstdio>
#include <string>

// The MP3 under construction: a temporary file beside the output path that
// takes the output's name only when the encode succeeded. A failure, or an
// interrupt, leaves nothing at the output path; an existing file there is
// removed, never opened, so an output that links to the input cannot harm it.
class PendingOutput {
public:
    PendingOutput() = default;
    ~PendingOutput();
    PendingOutput(const PendingOutput &) = delete;
    PendingOutput &operator=(const PendingOutput &) = delete;

    // Removes any file at `outputPath` and creates the temporary file.
    bool create(const std::string &outputPath, std::string &error);

    std::FILE *stream() const { return m_stream; }

    // Flushes to disk and renames the temporary file to the output path.
    bool commit(std::string &error);

private:
    void discard();

    std::string m_outputPath;
    std::string m_temporaryPath;
    std::FILE *m_stream = nullptr;
};

// Removes the temporary file when SIGINT, SIGTERM or SIGHUP ends the program.
void RemovePendingOutputOnSignals();
