#pragma once
#include <cstdint>
#include <string>

namespace qhe {

// What a long operation reports to and learns from its progress box. The operation calls
// SetProgress once per chunk of work and stops when Cancelled() turns true.
class Progress {
public:
    virtual ~Progress() = default;
    // Moves the gauge to round(100*done/total) when that is a new multiple of step; answers
    // whether it moved (only then may pending window events run, so Cancel takes effect).
    virtual bool SetProgress(int64_t done, int64_t total, int step) = 0;
    // Shows text every `every` calls.
    virtual void SetText(const std::string& text, int every) = 0;
    virtual void SetCaption(const std::string& text) = 0;
    virtual void EnableCancel(bool enabled) = 0;
    virtual bool Cancelled() const = 0;
};

// The gauge arithmetic shared by every progress box implementation.
class ProgressGauge {
public:
    // Percentage of done in total, rounded to nearest; 100 when total is 0.
    static int Percent(int64_t done, int64_t total);
    // Applies the SetProgress rule; true when the shown value changed.
    bool Update(int64_t done, int64_t total, int step);
    int Value() const { return value_; }

private:
    int value_ = 0;
};

// Counts SetText calls so the label changes only every n-th call.
class TextThrottle {
public:
    // True when this call is the every-th since the last shown text.
    bool Due(int every);

private:
    int counter_ = 0;
};

// A progress sink that never cancels and shows nothing (for callers without a box).
class NoProgress final : public Progress {
public:
    bool SetProgress(int64_t, int64_t, int) override { return false; }
    void SetText(const std::string&, int) override {}
    void SetCaption(const std::string&) override {}
    void EnableCancel(bool) override {}
    bool Cancelled() const override { return false; }
};

} // namespace qhe
