#include "core/StartUp.h"

#include "core/LoadMachine.h"
#include "core/Session.h"
#include "core/SuiteConfig.h"

namespace tooling::core {

StartOutcome StartUp(Session& session) {
    ReadSuiteConfig(session);
    if (!session.inst.SiblingsPresent) {
        session.os.ui.Beep();
        return StartOutcome::Refused;
    }
    LoadMachine(session, session.inst.MachineNo, session.inst.UserDirName);
    return StartOutcome::Ready;
}

}  // namespace tooling::core
