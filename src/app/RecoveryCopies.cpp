#include "app/RecoveryCopies.h"

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
        timer_.setInterval(seconds * 1000);
        connect(&timer_, &QTimer::timeout, this,
                [this] { recovery_->writeCopies(manager_.documents()); });
        timer_.start();
    }
}

RecoveryCopies::~RecoveryCopies() {
    manager_.setRecovery(nullptr);
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
    timer_.stop();
    if (recovery_) {
        manager_.setRecovery(nullptr);
        recovery_->endNormally();
        recovery_.reset();
    }
}

}  // namespace sorvel
