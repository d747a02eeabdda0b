#pragma once

#include <QFile>

#include <fstream>
#include <string>

// The process's resident memory: its peak since the last reset, from /proc. A test resets
// the peak, does the work and reads how far above the start it went.
class PeakMemory {
public:
    PeakMemory()
    {
        // "5" resets the peak resident size to the current one (Linux 4.0 and later).
        std::ofstream("/proc/self/clear_refs") << "5";
        start_ = read("VmRSS:");
    }
    // How many bytes the peak rose above the resident size at construction.
    qint64 growth() const { return read("VmHWM:") - start_; }

private:
    static qint64 read(const std::string& key)
    {
        std::ifstream status("/proc/self/status");
        std::string word;
        while (status >> word) {
            if (word == key) {
                qint64 kib = 0;
                status >> kib;
                return kib * 1024;
            }
        }
        return 0;
    }
    qint64 start_ = 0;
};
