#pragma once
// Answers a modal dialog from a test: a timer waits for it to come up inside
// whatever exec() is running and then acts on it, so no test blocks.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// The timers still waiting for their dialog; a test's clean-up can check that none is left.
inline QObject& WaitingForModal()
{
    static QObject waiting;
    return waiting;
}

// Waits (up to five seconds) for a modal widget of type T and acts on it.
template <class T>
QTimer* WhenModal(std::function<void(T*)> act)
{
    auto* timer = new QTimer(&WaitingForModal());
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        T* w = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!w && ++*tries < 500)
            return;
        timer->stop();
        timer->setParent(nullptr);
        timer->deleteLater();
        if (w)
            act(w);
    });
    timer->start(10);
    return timer;
}
