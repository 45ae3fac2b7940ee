// Keeps the windows painting while a child runs, and drops the user's input meanwhile.
#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "launch/runner_host.h"

namespace velmora::qt {

class QtRunnerHost final : public QObject, public RunnerHost {
    Q_OBJECT

public:
    QtRunnerHost();
    ~QtRunnerHost() override;

    void LaunchStarted() override;
    void KeepAlive() override;
    void LaunchEnded() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QElapsedTimer m_sinceEvents;
    bool m_launching = false;
};

}  // namespace velmora::qt
