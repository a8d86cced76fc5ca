#pragma once
#include "state/LatestJobThread.h"
#include "state/RecoveryStore.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <string>

class QWidget;

// The recovery copy of a level with unsaved changes (CRecoveryStore), kept up to date so that a
// crash or a power cut loses little: written once kMaxChanges changes have come since the last
// copy, and at the latest kMaxDelay after the first of them. The copy is made of the level's text
// on the user-interface thread, which takes a moment even for the largest level, and written on a
// thread of its own, where the disk may take its time. A level saved, opened or discarded needs no
// copy; the keeper's end, a clean exit, removes it.
class CRecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxChanges = 20;
    static constexpr std::chrono::seconds kMaxDelay{30};

    // What a copy holds: the level's file (bytes; empty when untitled) and its text.
    struct CContent {
        std::string documentPath;
        std::string levelText;
    };

    // isModified tells whether the level has unsaved changes, content what a copy of it holds.
    CRecoveryKeeper(std::function<bool()> isModified, std::function<CContent()> content, QObject* parent = nullptr);

    // The level changed once.
    void OnLevelChanged();
    // The level was saved, opened or replaced: the copy goes when the level has no unsaved
    // changes now.
    void OnLevelSettled();
    // The copy goes: the user chose not to save the changes (No at the save question). A level
    // that stays on screen is copied again at its next change.
    void DropCopy();
    // Writes the copy now.
    void WriteCopy();
    // Returns once the copies posted so far are written (or removed).
    void WaitForWrites() { m_writer.Wait(); }

    // Offers the copies of editors no longer running, newest first: "Recover the unsaved changes
    // to NAME from TIME?". Yes hands the copy to recover, whose level is copied again as this
    // editor's before the old copy goes, and asks no more (the rest wait for the next start); No
    // deletes the copy; a question closed without an answer keeps it for the next start.
    void OfferRecovery(QWidget* parent, const std::function<void(const CRecoveryCopy&)>& recover);

private:
    std::function<bool()> m_isModified;
    std::function<CContent()> m_content;
    CRecoveryStore m_store;
    // Writes into the store: ends before it.
    CLatestJobThread m_writer;
    QTimer m_timer;
    int m_changes = 0;
    // A copy was written since the level last settled.
    bool m_copied = false;
};
