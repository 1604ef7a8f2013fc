#include "core/Session.h"
#include "library/LibrarySetUp.h"

namespace tooling::library {

core::StartOutcome StartSession(core::Session& session) {
    const core::StartOutcome outcome = core::StartUp(session);
    if (outcome == core::StartOutcome::Ready) {
        SetUpLibrary(session, "Default");
    }
    return outcome;
}

}  // namespace tooling::library
