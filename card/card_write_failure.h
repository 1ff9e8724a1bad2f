// How the card-file writers tell their caller that the card could not be written.
#pragma once

namespace card {

// The main window implements this: it shows the no-card box and clears its Save-ok flag.
// A writer calls it exactly once for a failed save.
class CardWriteFailureSink {
 public:
  virtual void OnCardNotWritable() = 0;

 protected:
  ~CardWriteFailureSink() = default;
};

}  // namespace card
