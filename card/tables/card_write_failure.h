// How the card-file writers tell their caller that the card could not be written.
#pragma once

namespace card {

// The main window implements this: it shows the no-card box. A save calls it exactly once when a file could
// not be written; the save's result tells the caller the rest.
class CardWriteFailureSink {
 public:
  virtual void OnCardNotWritable() = 0;

 protected:
  ~CardWriteFailureSink() = default;
};

}  // namespace card
