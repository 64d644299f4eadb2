#pragma once
// In-memory log capture for tests: while an instance lives, every line that reaches
// the logger is also recorded here (level, message, short file name, function, line).

#include <Base/BaseExport.h>

#include <Base/Log.h>

#include <memory>
#include <string>
#include <vector>

namespace Base {
namespace details {

struct BASE_EXPORT CapturedLogLine
{
    LogLevel level;
    std::string message;
    std::string file;     // short file name, e.g. "main.cpp"
    std::string function; // pretty function signature
    int line;
};

class BASE_EXPORT CLogCapture
{
public:
    CLogCapture();
    ~CLogCapture();
    CLogCapture(const CLogCapture &) = delete;
    CLogCapture &operator=(const CLogCapture &) = delete;

    std::vector<CapturedLogLine> lines() const;
    /// Messages only, in order.
    std::vector<std::string> messages() const;
    bool contains(const std::string &message) const;
    /// Index of the first line equal to message at or after from; -1 when absent.
    int indexOf(const std::string &message, int from = 0) const;
    void clear();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace details
} // namespace Base
