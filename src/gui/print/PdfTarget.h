#pragma once
#include <QString>

#include "platform/SafeReplace.h"

class QPrinter;

namespace qhe {

// A PDF job's file: the printer writes a temporary file beside the chosen one, which replaces
// it (owner, mode and attributes kept) only once the job is complete, so a full disk or a
// cancel leaves an earlier file as it was. Printers other than the PDF writer, and targets
// that cannot get a temporary file beside them, are written as before.
class PdfTarget {
  public:
    explicit PdfTarget(QPrinter& printer) : printer_(printer) {}
    ~PdfTarget() { Abandon(); }
    PdfTarget(const PdfTarget&) = delete;
    PdfTarget& operator=(const PdfTarget&) = delete;

    // Points the printer at the temporary file; answers 0 or the error code.
    int Begin();
    // After the painter has ended: answers 0 when the file was complete and took the target's
    // place, otherwise an error code (the earlier file kept).
    int Commit();
    // Removes the temporary file; the earlier file stays.
    void Abandon();
    // The file the user chose (empty for a printer), and whether the job goes to a temporary
    // file beside it (false: the target is written in place).
    const QString& Target() const { return target_; }
    bool ViaTemporaryFile() const { return active_; }

  private:
    QPrinter& printer_;
    QString target_;
    platform::SavePlan plan_;
    bool active_ = false;
};

} // namespace qhe
