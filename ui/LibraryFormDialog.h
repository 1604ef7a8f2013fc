#pragma once

#include <QDialog>

#include "library/LibraryForm.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace tooling::core {
struct Session;
}

namespace tooling::ui {

// The library dialog: shows a library::LibraryForm and hands it the user's actions. The widgets
// carry the names of the form's controls (LibraryList1, LibraryList2, LibraryBox, LibraryCombo,
// LibraryOk, LibraryCncl, ListLabel, BoxLabel, ComboLabel and the frames).
class LibraryFormDialog : public QDialog {
    Q_OBJECT

  public:
    // Loads the form for the session's LibraryMode.
    LibraryFormDialog(core::Session& session, QWidget* parent = nullptr);

    const library::LibraryForm& form() const { return form_; }

    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OkClicked();
    void ListDoubleClicked();
    // Takes what the user changed in the widgets into the form.
    void TakeWidgets();
    // Shows the form's state; moves the keyboard focus where the form says when asked.
    void ShowState(bool applyFocus);
    // After an event of the form: closes the dialog when the form has closed, else shows it.
    void AfterEvent();

    library::LibraryForm form_;
    QFrame* libraryFrame_;
    QFrame* listFrame_;
    QLabel* listLabel_;
    QListWidget* list1_;
    QListWidget* list2_;
    QFrame* boxFrame_;
    QLabel* boxLabel_;
    QLineEdit* box_;
    QFrame* comboFrame_;
    QLabel* comboLabel_;
    QComboBox* combo_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// Shows the library dialog modally, laid out for the session's LibraryMode (1 select, 2 create,
// 3 delete); returns when it has closed.
void ShowLibraryForm(core::Session& session, QWidget* parent);

}  // namespace tooling::ui
