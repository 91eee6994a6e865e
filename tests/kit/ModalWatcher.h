#pragma once
// The one way the tests wait for a modal window: a watcher polls for the
// active modal window from whatever event loop runs (a dialog's own
// included) and acts on it.

#include <QApplication>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

// Acts on the next modal window that opens (a message box or a dialog), then
// stops watching; or, told to go on, on each modal window that opens after
// it. Destroying the watcher stops it too.
class ModalWatcher {
public:
    enum class Watch { Once, Each };
    explicit ModalWatcher(std::function<void(QWidget*)> act, Watch watch = Watch::Once) : m_act(std::move(act)) {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this, watch] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || !modal->isVisible() || modal == m_last) return;
            if (watch == Watch::Once) m_timer.stop();
            m_last = modal;
            ++seen;
            m_act(modal);
        });
        m_timer.start();
    }
    int seen = 0;

private:
    std::function<void(QWidget*)> m_act;
    QPointer<QWidget> m_last;
    QTimer m_timer;
};
