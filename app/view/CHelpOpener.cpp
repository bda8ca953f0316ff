#include "app/view/CHelpOpener.h"

#include <QProcess>

void CHelpOpener::Open(const QString& page) {
    // xdg-open may wait for the program it started; the program goes on meanwhile.
    auto* opener = new QProcess(this);
    connect(opener, &QProcess::finished, this,
            [this, opener](int exitCode, QProcess::ExitStatus exitStatus) {
                if (exitStatus != QProcess::NormalExit || exitCode != 0) emit failed();
                opener->deleteLater();
            });
    connect(opener, &QProcess::errorOccurred, this, [this, opener](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        emit failed();
        opener->deleteLater();
    });
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->start("xdg-open", {page});
}
