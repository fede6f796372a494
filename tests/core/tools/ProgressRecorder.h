#pragma once
#include "core/util/Progress.h"

#include <vector>

namespace qhe {

// A progress box for tests: records every SetProgress and cancels after a given number of calls.
class ProgressRecorder : public Progress {
  public:
    explicit ProgressRecorder(int cancelAfter = -1) : cancelAfter_(cancelAfter) {}
    bool SetProgress(int64_t done, int64_t total, int) override {
        calls.push_back({done, total});
        return true;
    }
    void SetText(const std::string&, int) override {}
    void SetCaption(const std::string&) override {}
    void EnableCancel(bool) override {}
    bool Cancelled() const override {
        return cancelAfter_ >= 0 && static_cast<int>(calls.size()) >= cancelAfter_;
    }

    struct Call {
        int64_t done, total;
    };
    std::vector<Call> calls;

  private:
    int cancelAfter_;
};

} // namespace qhe
