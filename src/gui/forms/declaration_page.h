#pragma once

#include <QWidget>
#include <vector>

#include "app/app_context.h"
#include "forms/declaration_fields.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QScrollArea;

namespace tovaris::gui {

class FieldBinder;

// The financial declaration screen: every section of the court form in its order, built from
// the engine's table of the declaration's fields. The sections scroll under a bar with the
// declarant options, the print settings and a "Go To Section" list that always names the
// section in view.
class DeclarationPage : public QWidget {
    Q_OBJECT
  public:
    DeclarationPage(AppContext& context, QWidget* parent = nullptr);

    void Refresh();
    // Brings a section to the top of the view.
    void ShowSection(forms::DeclarationSection section);
    forms::DeclarationSection SectionInView() const;

  private:
    QWidget* BuildOptions();
    QGroupBox* BuildSection(const forms::DeclarationSectionInfo& info);
    void AddGroup(QGridLayout& grid, int& row, const forms::DeclarationGroup& group);
    QWidget* FieldControl(const forms::DeclarationField& field, QWidget* parent);
    void FollowScroll();

    AppContext& context_;
    QScrollArea* scroll_;
    QComboBox* sections_;
    std::vector<std::pair<forms::DeclarationSection, QGroupBox*>> boxes_;
    FieldBinder* binder_;
};

}  // namespace tovaris::gui
