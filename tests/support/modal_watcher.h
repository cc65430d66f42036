#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Acts on each modal window that opens while it lives, so a test can answer
// a dialog or a message box that the code under test shows with exec().
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(QWidget *)> action) : m_action(std::move(action))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || modal == m_handled)
                return;
            m_handled = modal;
            ++m_seen;
            m_action(modal);
            // A failed check returns from the action early: the modal must
            // still close, or the test would wait in exec() for ever.
            if (m_handled && m_handled->isVisible()) {
                if (auto *dialog = qobject_cast<QDialog *>(m_handled.data()))
                    dialog->reject();
                else
                    m_handled->close();
            }
        });
        m_timer.start();
    }

    // How many modal windows opened.
    int seen() const { return m_seen; }

private:
    std::function<void(QWidget *)> m_action;
    QTimer m_timer;
    QPointer<QWidget> m_handled; // cleared when it closes for good: the next may reuse its address
    int m_seen = 0;
};
