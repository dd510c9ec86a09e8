#pragma once

#include "case/express_read_in.h"
#include "common/interaction.h"

namespace tovaris::whatif {

// How a what-if run answers the questions of a command, so that every run goes as far as the
// user's own run would: warnings are passed ("No", go on), the 2009 table is kept, and the
// deviation question gets the answer the results screen's deviation button stands for.
class QuietInteraction : public Interaction {
  public:
    explicit QuietInteraction(bool applyDeviation) : applyDeviation_(applyDeviation) {}

    int Box(const std::string& title, const std::string& message, BoxButtons buttons) override;
    void Notice(const std::string&, const std::string&) override {}
    std::optional<std::string> Ask(const std::string&, const std::string&,
                                   const std::string& proposed) override {
        return proposed;
    }
    void FocusField(const std::string& field) override { last_.field = field; }
    void Beep() override {}

    // The last box shown, as the stop of a command that ended there.
    ReadInResult LastStop() const { return last_; }

  private:
    bool applyDeviation_;
    ReadInResult last_;
};

}  // namespace tovaris::whatif
