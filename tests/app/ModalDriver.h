#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

// Answers the modal dialogs a test provokes, in order: each action runs on the next modal
// window that appears, so that no dialog ever blocks a test. Actions left over when the
// driver ends count as a failure of the test (checked with Pending()).
class ModalDriver {
  public:
    using Action = std::function<void(QWidget*)>;

    ModalDriver() { Schedule(); }

    void Then(Action action) { m_actions.push_back(std::move(action)); }
    int Pending() const { return static_cast<int>(m_actions.size()); }
    // Modal windows that appeared with no action left for them.
    int Unexpected() const { return m_unexpected; }
    // The texts of the message boxes answered so far.
    QStringList m_seen;

  private:
    // A fresh single shot for every poll: a timer does not fire again inside its own
    // handler, and an action may open the next dialog from there.
    void Schedule() {
        QTimer::singleShot(5, &m_context, [this] { Poll(); });
    }

    void Poll() {
        Schedule();
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == m_last) {
            m_unansweredPolls = 0;
            return;
        }
        if (m_actions.empty()) {
            // A window the test did not expect: closed after a while so that the test fails
            // on its checks instead of hanging.
            if (++m_unansweredPolls > 400) {
                qWarning("ModalDriver: closing an unexpected %s", modal->metaObject()->className());
                ++m_unexpected;
                m_unansweredPolls = 0;
                modal->close();
            }
            return;
        }
        m_unansweredPolls = 0;
        m_last = modal;
        Action action = std::move(m_actions.front());
        m_actions.pop_front();
        action(modal);
    }

    QObject m_context;
    int m_unansweredPolls = 0;
    int m_unexpected = 0;
    std::deque<Action> m_actions;
    QPointer<QWidget> m_last;
};
