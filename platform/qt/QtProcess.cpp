#include "platform/qt/QtProcess.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>

namespace tooling::platform {

bool QtProcess::RunAndWait(const std::string& program) {
    QProcess process;
    process.setProgram(
        QFile::decodeName(QByteArray(program.data(), static_cast<qsizetype>(program.size()))));
    process.setArguments({});
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setStandardInputFile(QProcess::nullDevice());

    QEventLoop loop;
    bool failedToStart = false;
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            failedToStart = true;
            loop.quit();
        }
    });
    QObject::connect(&process, &QProcess::finished, &loop, [&] { loop.quit(); });

    process.start();
    // A program that cannot be started may be reported at once, before the loop runs.
    if (!failedToStart && process.state() != QProcess::NotRunning) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return !failedToStart && process.error() != QProcess::FailedToStart;
}

}  // namespace tooling::platform
