#pragma once

#include "base/unique_fd.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>

// Refuses an output that must not be replaced: anything but a regular file
// (a directory, a link, a FIFO), the input itself, or any WAV file. Reads at
// most its first twelve bytes and changes nothing.
bool CheckReplaceableOutput(const std::string &outputPath, const struct stat &input,
                            std::string &error);

// The MP3 under construction: an unnamed file in the output's directory that
// is linked in under the output's name only when the encode succeeded, so a
// failure, an interrupt or even SIGKILL leaves nothing behind, and an old
// file at the output path stays until the new one replaces it whole.
class PendingOutput {
public:
    PendingOutput() = default;
    ~PendingOutput();
    PendingOutput(const PendingOutput &) = delete;
    PendingOutput &operator=(const PendingOutput &) = delete;

    bool create(const std::string &outputPath, std::string &error);

    std::FILE *stream() const { return m_stream; }

    // Flushes to disk, then atomically replaces the output path.
    bool commit(std::string &error);

    // The committed file's state, once committed.
    const struct stat &committed() const { return m_committed; }

private:
    bool createNamed(std::string &error);
    bool linkUnder(const std::string &name);
    void discard();

    std::string m_name;          // the output's name in its directory
    std::string m_temporaryName; // while the file has a temporary name
    UniqueFd m_directory;
    std::FILE *m_stream = nullptr;
    struct stat m_committed{};
};

// Removes a named temporary file on every signal that would end the program,
// a crash's too, and turns a file-size limit into a write error (so it fails
// cleanly).
void RemovePendingOutputOnSignals();
