#include "progress.h"

#include <cstdio>
#include <unistd.h>

namespace {

constexpr auto PrintInterval = std::chrono::milliseconds(250);

} // namespace

Progress::Progress(std::string name, std::int64_t totalFrames, int sampleRate)
    : m_name(std::move(name))
    , m_totalFrames(totalFrames)
    , m_sampleRate(sampleRate)
    , m_terminal(::isatty(STDERR_FILENO) == 1)
    , m_start(std::chrono::steady_clock::now())
    , m_lastPrint(m_start)
{
}

void Progress::update(std::int64_t framesDone)
{
    const auto now = std::chrono::steady_clock::now();
    if (!m_terminal || now - m_lastPrint < PrintInterval)
        return;
    m_lastPrint = now;
    print(framesDone, "\r");
}

void Progress::finish(std::int64_t framesDone)
{
    print(framesDone, "\n");
}

void Progress::print(std::int64_t framesDone, const char *ending)
{
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    const double audioSeconds = double(framesDone) / m_sampleRate;
    const int percent = m_totalFrames > 0 ? int(framesDone * 100 / m_totalFrames) : 100;
    std::fprintf(stderr, "L3ENC: %s: %3d%%, %.1fx real time%s", m_name.c_str(), percent,
                 seconds > 0 ? audioSeconds / seconds : 0.0, ending);
}
