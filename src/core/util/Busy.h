#pragma once
#include <string>

namespace qhe {

// Busy feedback for short operations that may still take a moment: an hourglass cursor and a
// text in the last status panel while pending window events run once.
class BusyFeedback {
public:
    virtual ~BusyFeedback() = default;
    virtual void BeginBusy(const std::string& text) = 0;
    virtual void EndBusy() = 0;
};

// Begins busy feedback on construction and ends it on destruction (also on early return).
class BusyScope {
public:
    BusyScope(BusyFeedback* busy, const std::string& text) : busy_(busy) {
        if (busy_) busy_->BeginBusy(text);
    }
    ~BusyScope() {
        if (busy_) busy_->EndBusy();
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyFeedback* busy_;
};

} // namespace qhe
