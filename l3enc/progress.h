#pragma once

#include <chrono>
#include <cstdint>
#include <string>

// Percent done and speed as a multiple of real time on stderr: updated in
// place on a terminal, one line per file otherwise.
class Progress {
public:
    Progress(std::string name, std::int64_t totalFrames, int sampleRate);

    void update(std::int64_t framesDone);
    void finish(std::int64_t framesDone);

private:
    void print(std::int64_t framesDone, const char *ending);

    std::string m_name;
    std::int64_t m_totalFrames;
    int m_sampleRate;
    bool m_terminal;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastPrint;
};
