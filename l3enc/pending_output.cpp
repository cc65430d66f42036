#include "pending_output.h"

#include "base/shown_name.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace {

constexpr char WavMagic[] = "RIFF....WAVE";
constexpr int TemporaryNameAttempts = 100;

// What the signal handler must remove: a directory descriptor and a name in
// it (only async-signal-safe calls there, so no std::string).
volatile std::sig_atomic_t signalDirectory = -1;
char signalName[256];

// Runs once per signal (the handler resets itself), then the signal does
// what it would have done, a core dump included.
void removeAndDie(int signalNumber)
{
    if (signalDirectory >= 0)
        ::unlinkat(signalDirectory, signalName, 0);
    ::raise(signalNumber);
}

void removeOnSignal(int directory, const std::string &name)
{
    signalDirectory = -1;
    std::memcpy(signalName, name.c_str(), name.size() + 1); // a file name is at most 255
    signalDirectory = directory;
}

std::string withErrno(const std::string &what)
{
    return what + ": " + std::strerror(errno);
}

std::string temporaryName()
{
    static std::mt19937 random{std::random_device{}()};
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string name = ".L3ENC-";
    for (int i = 0; i < 8; ++i)
        name += Letters[random() % (sizeof Letters - 1)];
    return name;
}

bool isWav(const std::string &path)
{
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    std::array<char, 12> head{};
    return fd && ::read(fd.get(), head.data(), head.size()) == ssize_t(head.size())
        && std::memcmp(head.data(), WavMagic, 4) == 0
        && std::memcmp(head.data() + 8, WavMagic + 8, 4) == 0;
}

} // namespace

bool CheckReplaceableOutput(const std::string &outputPath, const struct stat &input,
                            std::string &error)
{
    struct stat output{};
    if (::lstat(outputPath.c_str(), &output) != 0) {
        if (errno == ENOENT)
            return true;
        error = withErrno("cannot look at the output");
        return false;
    }
    if (output.st_dev == input.st_dev && output.st_ino == input.st_ino)
        error = "the output would replace the input; refused";
    else if (!S_ISREG(output.st_mode))
        error = "is not a regular file; refused to replace it";
    else if (isWav(outputPath))
        error = "is a WAV file; refused to replace it";
    return error.empty();
}

PendingOutput::~PendingOutput()
{
    discard();
}

bool PendingOutput::create(const std::string &outputPath, std::string &error)
{
    const std::size_t slash = outputPath.rfind('/');
    const std::string directory = slash == std::string::npos ? "."
        : slash == 0                                         ? "/"
                                                             : outputPath.substr(0, slash);
    m_name = slash == std::string::npos ? outputPath : outputPath.substr(slash + 1);
    if (m_name.empty()) {
        error = "names a directory, not a file";
        return false;
    }
    m_directory.reset(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!m_directory) {
        error = withErrno("cannot open the directory " + ShownName(directory));
        return false;
    }
    UniqueFd fd(::openat(m_directory.get(), ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0666));
    if (!fd && (errno == EOPNOTSUPP || errno == EISDIR))
        return createNamed(error); // a file system without unnamed files
    if (!fd || !(m_stream = ::fdopen(fd.get(), "wb+"))) {
        error = withErrno("cannot write in " + ShownName(directory));
        return false;
    }
    fd.release(); // the stream's now
    return true;
}

bool PendingOutput::createNamed(std::string &error)
{
    for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
        const std::string name = temporaryName();
        UniqueFd fd(::openat(m_directory.get(), name.c_str(),
                             O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0666));
        if (!fd && errno == EEXIST)
            continue;
        if (!fd) {
            error = withErrno("cannot write beside the output");
            return false;
        }
        removeOnSignal(m_directory.get(), name);
        m_temporaryName = name; // removed by discard() if anything below fails
        if (!(m_stream = ::fdopen(fd.get(), "wb+"))) {
            error = withErrno("cannot write beside the output");
            return false;
        }
        fd.release(); // the stream's now
        return true;
    }
    error = "cannot find a free temporary name beside the output";
    return false;
}

bool PendingOutput::linkUnder(const std::string &name)
{
    const int fd = ::fileno(m_stream);
    if (::linkat(fd, "", m_directory.get(), name.c_str(), AT_EMPTY_PATH) == 0)
        return true;
    // Without CAP_DAC_READ_SEARCH the descriptor is linked through /proc.
    const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, procPath.c_str(), m_directory.get(), name.c_str(),
                    AT_SYMLINK_FOLLOW) == 0;
}

bool PendingOutput::commit(std::string &error)
{
    if (std::fflush(m_stream) != 0 || ::fsync(::fileno(m_stream)) != 0) {
        error = withErrno("cannot write");
        return false;
    }
    while (m_temporaryName.empty()) {
        const std::string name = temporaryName();
        if (linkUnder(name)) {
            removeOnSignal(m_directory.get(), name);
            m_temporaryName = name;
        } else if (errno != EEXIST) {
            error = withErrno("cannot write in the output's directory");
            return false;
        }
    }
    if (::renameat(m_directory.get(), m_temporaryName.c_str(), m_directory.get(), m_name.c_str())
        != 0) {
        error = withErrno("cannot replace it");
        return false;
    }
    signalDirectory = -1;
    m_temporaryName.clear();
    // The new name on disk before the script may delete the WAV.
    ::fsync(m_directory.get());
    ::fstat(::fileno(m_stream), &m_committed);
    std::fclose(m_stream);
    m_stream = nullptr;
    return true;
}

void PendingOutput::discard()
{
    if (m_stream) {
        std::fclose(m_stream);
        m_stream = nullptr;
    }
    if (!m_temporaryName.empty()) {
        ::unlinkat(m_directory.get(), m_temporaryName.c_str(), 0);
        m_temporaryName.clear();
    }
    signalDirectory = -1;
}

void RemovePendingOutputOnSignals()
{
    struct sigaction action{};
    action.sa_handler = removeAndDie;
    action.sa_flags = SA_RESETHAND | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : {SIGHUP, SIGINT, SIGQUIT, SIGPIPE, SIGALRM, SIGTERM, SIGUSR1, SIGUSR2,
                             SIGXCPU, SIGVTALRM, SIGPROF, SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL,
                             SIGTRAP, SIGSYS})
        ::sigaction(signalNumber, &action, nullptr);
    std::signal(SIGXFSZ, SIG_IGN);
}
