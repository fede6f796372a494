#pragma once
#include <cstdint>
#include <string>

#include "core/document/Document.h"
#include "core/text/Translation.h"

namespace qhe {

// Pages of a mapped Document that could not be read read as zeros (Document::ReadFaults). A
// pass over the bytes takes the count before it and tells afterwards what it met: the zero
// pages stay in place, so a later pass over them reads the same zeros without a new fault.
class UnreadPages {
  public:
    explicit UnreadPages(const Document& doc) : doc_(doc), before_(doc.ReadFaults()) {}
    // Pages that failed while the pass ran.
    int64_t New() const { return doc_.ReadFaults() - before_; }
    // Pages that read as zeros so far, during the pass or before it.
    int64_t All() const { return doc_.ReadFaults(); }
    // text (one of the kTextUnread... texts) for the Document's file and pages.
    std::string Text(const OwnText& text, int64_t pages) const;

  private:
    const Document& doc_;
    int64_t before_;
};

} // namespace qhe
