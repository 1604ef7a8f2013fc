#include "tools/ToolSettings.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/FieldReader.h"
#include "core/Session.h"
#include "core/TextFile.h"
#include "numeric/LeadingNumber.h"
#include "numeric/NumText.h"
#include "numeric/Rounding.h"
#include "platform/FileError.h"

namespace tooling::tools {

namespace {

constexpr const char* kUnavailable = "Tool Settings are Unavailable !";
constexpr const char* kExchangeFile = "Settings.cfg";

std::string ProgramPath(const core::Session& session) {
    return session.inst.ProgramDir + session.machine.SettingsProgName + ".exe";
}

std::string ExchangePath(const core::Session& session) {
    return session.inst.ProgramDir + kExchangeFile;
}

// The program, or the message and nothing when it is missing.
bool ProgramThere(core::Session& session) {
    if (session.os.fs.Exists(ProgramPath(session), platform::ListFilter::Files)) {
        return true;
    }
    session.os.ui.Refuse(kUnavailable);
    return false;
}

// The third field of the exchange file as a settings number: the nearest whole number (halves to
// the even neighbour), at least 1 and at most the largest 32-bit number.
std::int32_t SettingsNumber(const std::string& field) {
    const double value = numeric::RoundHalfEven(numeric::LeadingNumber(field), 0);
    if (!(value >= 1.0)) {
        return 1;
    }
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    return value >= static_cast<double>(kMax) ? kMax : static_cast<std::int32_t>(value);
}

// The number the program left in the exchange file; `unchanged` when the file has gone.
std::int32_t ReadBack(core::Session& session, std::int32_t unchanged) {
    const std::string path = ExchangePath(session);
    if (!session.os.fs.Exists(path, platform::ListFilter::Files)) {
        return unchanged;
    }
    core::FieldReader fields(session.os.fs.ReadAll(path), path);
    fields.Next();
    fields.Next();
    const std::int32_t number = SettingsNumber(fields.Next());
    session.os.fs.DeleteFile(path);
    return number;
}

void DeleteExchangeFile(core::Session& session) {
    const std::string path = ExchangePath(session);
    if (session.os.fs.Exists(path, platform::ListFilter::Files)) {
        session.os.fs.DeleteFile(path);
    }
}

}  // namespace

std::int32_t RunToolSettings(core::Session& session, int code, std::int32_t settingsNo,
                             const std::function<void(bool)>& setDialogEnabled) {
    if (!ProgramThere(session)) {
        return 1;
    }
    if (settingsNo < 1) {
        settingsNo = 1;
    }
    try {
        core::WriteTextFile(session.os.fs, ExchangePath(session),
                            {numeric::PrintedNumber(code), session.lib.MaterialName,
                             numeric::PrintedNumber(settingsNo)});
        setDialogEnabled(false);
        session.os.process.RunAndWait(ProgramPath(session));
        setDialogEnabled(true);
        return ReadBack(session, settingsNo);
    } catch (const platform::FileError& e) {
        setDialogEnabled(true);
        session.os.ui.Refuse(e.what());
        return settingsNo;
    }
}

bool RunMainToolSettings(core::Session& session) {
    if (!ProgramThere(session)) {
        return false;
    }
    try {
        core::WriteTextFile(session.os.fs, ExchangePath(session), {"4"});
        session.os.process.RunAndWait(ProgramPath(session));
        DeleteExchangeFile(session);
    } catch (const platform::FileError& e) {
        session.os.ui.Refuse(e.what());
        return false;
    }
    return true;
}

}  // namespace tooling::tools
