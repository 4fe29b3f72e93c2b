#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>
#include <string>

#include "recovery/RecoveryStore.h"
#include "shell/DocumentRecovery.h"

namespace sorvel {

class DocumentManager;
class Platform;

// The recovery copies of the program's documents: a folder of copies for
// this run of the program, and the timer that has the changed documents
// copied into it every so often (see DocumentRecovery).
//
// A round of copies that falls due waits for a pause in the user's typing
// and clicking (kPauseMs without either), so that taking the snapshot of a
// large document never interrupts typing; it goes ahead regardless once a
// whole further interval has passed without such a pause.
class RecoveryCopies : public QObject {
    Q_OBJECT

  public:
    static constexpr int kPauseMs = 1000;

    // Copies the changed documents of `manager` into a folder of this run
    // under `root` every `seconds` (never with 0). Without a folder (it
    // cannot be made) nothing is copied.
    RecoveryCopies(DocumentManager& manager, const std::string& root, int seconds,
                   QObject* parent = nullptr);
    ~RecoveryCopies() override;

    bool isOpen() const { return recovery_ != nullptr; }
    const RecoveryStore& store() const { return store_; }
    int intervalSeconds() const { return interval_.isActive() ? interval_.interval() / 1000 : 0; }

    // Offers the copies that programs which did not end normally left under
    // the root; gives the number of documents restored.
    int recoverAbandoned(Platform& platform);
    // Copies the changed documents now, and waits until the copies are written.
    void writeNow();
    // The program ends normally: its copies and their folder go.
    void endNormally();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fallDue();
    // Runs the round that is due if the user has paused, or has waited long enough.
    void tryRound();
    void round();

    DocumentManager& manager_;
    RecoveryStore store_;
    std::unique_ptr<DocumentRecovery> recovery_;
    QTimer interval_;
    QTimer pause_;  // a pause long enough after the last input
    QElapsedTimer sinceInput_;
    QElapsedTimer sinceDue_;
    bool due_ = false;
};

}  // namespace sorvel
