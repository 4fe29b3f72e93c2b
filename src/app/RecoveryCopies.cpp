#include "app/RecoveryCopies.h"

#include <QCoreApplication>
#include <QEvent>
#include <iostream>

#include "shell/DocumentManager.h"

namespace sorvel {

RecoveryCopies::RecoveryCopies(DocumentManager& manager, const std::string& root, int seconds,
                               QObject* parent)
    : QObject(parent), manager_(manager), store_(root) {
    std::string error;
    if (!store_.open(&error)) {
        // The program runs on without copies; the console says why.
        std::cerr << "sorvel: no recovery copies: " << error << '\n';
        return;
    }
    recovery_ = std::make_unique<DocumentRecovery>(store_);
    manager_.setRecovery(recovery_.get());
    if (seconds > 0) {
        interval_.setInterval(seconds * 1000);
        connect(&interval_, &QTimer::timeout, this, &RecoveryCopies::fallDue);
        interval_.start();
        pause_.setSingleShot(true);
        connect(&pause_, &QTimer::timeout, this, &RecoveryCopies::tryRound);
        sinceInput_.start();
        QCoreApplication::instance()->installEventFilter(this);
    }
}

RecoveryCopies::~RecoveryCopies() {
    manager_.setRecovery(nullptr);
}

bool RecoveryCopies::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::Wheel:
            sinceInput_.restart();
            if (due_) {
                if (sinceDue_.elapsed() >= interval_.interval()) {
                    round();  // no pause for a whole interval: now
                } else {
                    pause_.start(kPauseMs);
                }
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void RecoveryCopies::fallDue() {
    if (!due_) {
        due_ = true;
        sinceDue_.start();
    }
    tryRound();
}

void RecoveryCopies::tryRound() {
    if (!due_) {
        return;
    }
    const qint64 idle = sinceInput_.elapsed();
    if (idle >= kPauseMs) {
        round();
    } else {
        pause_.start(static_cast<int>(kPauseMs - idle));
    }
}

void RecoveryCopies::round() {
    due_ = false;
    pause_.stop();
    if (recovery_) {
        recovery_->writeCopies(manager_.documents());
    }
}

int RecoveryCopies::recoverAbandoned(Platform& platform) {
    return recovery_ ? recovery_->recoverAbandoned(platform, manager_) : 0;
}

void RecoveryCopies::writeNow() {
    if (recovery_) {
        recovery_->writeCopies(manager_.documents());
        recovery_->wait();
    }
}

void RecoveryCopies::endNormally() {
    interval_.stop();
    pause_.stop();
    due_ = false;
    if (recovery_) {
        manager_.setRecovery(nullptr);
        recovery_->endNormally();
        recovery_.reset();
    }
}

}  // namespace sorvel
