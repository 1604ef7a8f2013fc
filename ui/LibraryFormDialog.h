#pragma once

class QWidget;

namespace tooling::core {
struct Session;
}

namespace tooling::ui {

// Shows the library dialog modally, laid out for the session's LibraryMode (1 select, 2 create,
// 3 delete); returns when it has closed.
void ShowLibraryForm(core::Session& session, QWidget* parent);

}  // namespace tooling::ui
