#include "pending_output.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The temporary file's name, for the signal handler (which may only use
// async-signal-safe calls, so no std::string).
char signalPath[4096];

void removeAndDie(int signalNumber)
{
    if (signalPath[0] != '\0')
        ::unlink(signalPath);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

std::string describeErrno(const std::string &what)
{
    return what + ": " + std::strerror(errno);
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

PendingOutput::~PendingOutput()
{
    discard();
}

bool PendingOutput::create(const std::string &outputPath, std::string &error)
{
    m_outputPath = outputPath;
    if (::unlink(outputPath.c_str()) != 0 && errno != ENOENT) {
        error = describeErrno("cannot replace " + outputPath);
        return false;
    }
    const std::filesystem::path output(outputPath);
    const std::filesystem::path directory =
        output.has_parent_path() ? output.parent_path() : std::filesystem::path(".");
    std::string pattern = (directory / ".L3ENC-XXXXXX").string();
    if (pattern.size() >= sizeof signalPath) {
        error = "output path too long: " + outputPath;
        return false;
    }
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        error = describeErrno("cannot write in " + directory.string());
        return false;
    }
    m_temporaryPath = pattern;
    std::memcpy(signalPath, pattern.c_str(), pattern.size() + 1);
    // mkstemp makes the file private; the MP3 gets the usual permissions.
    ::fchmod(fd, 0666 & ~currentUmask());
    m_stream = ::fdopen(fd, "wb+");
    if (!m_stream) {
        ::close(fd);
        error = describeErrno("cannot write " + m_temporaryPath);
        return false;
    }
    return true;
}

bool PendingOutput::commit(std::string &error)
{
    const bool flushed = std::fflush(m_stream) == 0 && ::fsync(::fileno(m_stream)) == 0;
    const int flushError = errno;
    const bool closed = std::fclose(m_stream) == 0;
    m_stream = nullptr;
    if (!flushed || !closed) {
        errno = flushed ? errno : flushError;
        error = describeErrno("cannot write " + m_outputPath);
        return false;
    }
    if (::rename(m_temporaryPath.c_str(), m_outputPath.c_str()) != 0) {
        error = describeErrno("cannot name the output " + m_outputPath);
        return false;
    }
    m_temporaryPath.clear();
    signalPath[0] = '\0';
    return true;
}

void PendingOutput::discard()
{
    if (m_stream) {
        std::fclose(m_stream);
        m_stream = nullptr;
    }
    if (!m_temporaryPath.empty()) {
        ::unlink(m_temporaryPath.c_str());
        m_temporaryPath.clear();
    }
    signalPath[0] = '\0';
}

void RemovePendingOutputOnSignals()
{
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signalNumber, removeAndDie);
}
