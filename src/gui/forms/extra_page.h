#pragma once

#include <QScrollArea>

#include "app/app_context.h"

namespace tovaris::gui {

class FieldBinder;

// The worksheet extra page: the entries of the "Child Support Order Summary Report", in the
// order of the engine's table, grouped under their numbered questions.
class ExtraPage : public QScrollArea {
    Q_OBJECT
  public:
    ExtraPage(AppContext& context, QWidget* parent = nullptr);

    void Refresh();
    void ApplyFont(const QFont& font);

  private:
    FieldBinder* binder_;
};

}  // namespace tovaris::gui
