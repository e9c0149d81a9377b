#pragma once

#include <string>

// Only one copy of the program runs per user: the first copy holds an
// exclusive lock on a file in the user's runtime folder; the kernel frees it
// when the process ends, also after a crash.
class InstanceLock {
public:
    enum class Result { Acquired, HeldElsewhere, Error };

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    Result Acquire(const std::string& name);
    void Release();

    // What went wrong, for the message box of Result::Error.
    const std::string& ErrorText() const { return error_; }

private:
    int fd_ = -1;
    std::string error_;
};
