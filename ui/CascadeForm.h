#pragma once

#include <QDialog>
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "turrets/TrtTol.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tooling::core {
struct Session;
}

namespace tooling::ui {

// The form of a dialog that chooses in cascade: a column of combo boxes, each beside its prompt
// (Prompt1, Prompt2, ...), above a ButtonPanel with InptOk, the default button, and InptCncl, the
// cancel button, which rejects the dialog.
class CascadeForm : public QDialog {
    Q_OBJECT

  protected:
    using Combo = turrets::TrtTol::Combo;

    // `name` names the dialog and `listNames` its combo boxes, from the top.
    CascadeForm(const char* name, std::span<const char* const> listNames, QWidget* parent);

    // A list's selection has changed; lists count from 0 at the top.
    virtual void ListChanged(std::size_t list) = 0;
    virtual void OkClicked() = 0;
    // The dialog shows: the logic takes the focus.
    virtual void GotFocus() = 0;
    virtual void ShowState() = 0;

    void showEvent(QShowEvent* event) override;

    // Writes each list's selection into its combo.
    void TakeLists(std::span<Combo* const> combos) const;
    // Shows the caption, each combo in its list beside its prompt, the button panel when the
    // logic hides or shows it, and whether Ok is the default.
    void ShowLists(const std::string& caption, std::span<const Combo* const> combos,
                   std::span<const std::string> prompts, std::span<const bool> promptVisible,
                   std::optional<bool> buttonPanelVisible, bool buttonsDefault);

  private:
    std::vector<QLabel*> prompts_;
    std::vector<QComboBox*> boxes_;
    QWidget* buttonPanel_;
    QPushButton* ok_;
};

// A CascadeForm that shows a dialog logic (turrets::SetDeft, turrets::TrtTol) and hands it the
// user's choices: one list for each of the logic's prompts.
template <typename Logic>
class CascadeDialog : public CascadeForm {
  public:
    const Logic& logic() const { return logic_; }

    void reject() override {
        logic_.InptCncl_Click();
        QDialog::reject();
    }

  protected:
    static constexpr std::size_t kLists = std::tuple_size_v<decltype(Logic::prompts)>;
    using Event = void (Logic::*)();
    // A list of the form: its name, its combo in the logic, and the event its selection raises
    // (none when the logic only takes the selection).
    struct List {
        const char* name;
        Combo Logic::*combo;
        Event click;
    };

    CascadeDialog(core::Session& session, const char* name, const std::array<List, kLists>& lists,
                  QWidget* parent)
        : CascadeForm(name, Names(lists), parent), logic_(session), lists_(lists) {}

    void ListChanged(std::size_t list) override {
        if (lists_[list].click != nullptr) {
            Run(lists_[list].click);
        } else {
            TakeWidgets();
        }
    }

    void OkClicked() override {
        Run(&Logic::InptOk_Click);
        if (logic_.closed) {
            accept();
        }
    }

    void GotFocus() override { logic_.Form_GotFocus(); }

    void ShowState() override {
        std::array<const Combo*, kLists> combos{};
        for (std::size_t i = 0; i < kLists; ++i) {
            combos[i] = &(logic_.*lists_[i].combo);
        }
        std::optional<bool> buttonPanelVisible;
        if constexpr (requires(const Logic& logic) { logic.buttonPanelVisible; }) {
            buttonPanelVisible = logic_.buttonPanelVisible;
        }
        ShowLists(logic_.caption, combos, logic_.prompts, logic_.promptVisible, buttonPanelVisible,
                  logic_.buttonsDefault);
    }

    Logic logic_;

  private:
    static std::array<const char*, kLists> Names(const std::array<List, kLists>& lists) {
        std::array<const char*, kLists> names{};
        for (std::size_t i = 0; i < kLists; ++i) {
            names[i] = lists[i].name;
        }
        return names;
    }

    // Takes the lists' selections into the logic, runs an event and shows the state again.
    void Run(Event event) {
        TakeWidgets();
        (logic_.*event)();
        ShowState();
    }

    void TakeWidgets() {
        std::array<Combo*, kLists> combos{};
        for (std::size_t i = 0; i < kLists; ++i) {
            combos[i] = &(logic_.*lists_[i].combo);
        }
        TakeLists(combos);
    }

    std::array<List, kLists> lists_;
};

}  // namespace tooling::ui
