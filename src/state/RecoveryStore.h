#pragma once
#include <ctime>
#include <string>
#include <vector>

// A recovery copy left by an editor that is no longer running.
struct CRecoveryCopy {
    // The file the level belongs to, empty for an untitled level.
    std::string documentPath;
    // The level text (as CLevel::WriteText gives it) of the unsaved level.
    std::string levelText;
    // When the copy was written.
    std::time_t time = 0;
    // The copy's name in the store.
    std::string id;
};

// The recovery copies of levels with unsaved changes, one for each running editor, in a folder of
// the state folder: "ID.recovery" holds the level and the name of its file, and "ID.lock" is locked
// (flock) by its editor for as long as that editor runs, whatever ends it. The kernel releases the
// lock of a process that crashed or was killed, so a copy whose lock can be taken belongs to an
// editor that is gone, and a copy whose lock cannot is another running editor's, which is left
// alone. Copies are written with WriteFileAtomically: complete or absent.
//
// Write and Remove may run on a thread other than the one that made the store, one call at a time.
class CRecoveryStore {
public:
    // The store in folder: by default "recovery" in the state folder (StateFolder.h).
    explicit CRecoveryStore(std::string folder = DefaultFolder());
    // A clean end: this editor's copy and lock go, so nothing is offered at the next start.
    ~CRecoveryStore();
    CRecoveryStore(const CRecoveryStore&) = delete;
    CRecoveryStore& operator=(const CRecoveryStore&) = delete;
    static std::string DefaultFolder();

    // Replaces this editor's copy with the level text and the level's file (empty when untitled).
    // False, with reason set, when it cannot be written; the copy written before then stays.
    bool Write(const std::string& documentPath, const std::string& levelText, std::string& reason);
    // Removes this editor's copy: the level was saved or its changes discarded.
    void Remove();

    // The copies of editors no longer running, newest first. Each stays locked by this editor, so
    // that no other editor starting meanwhile offers it too, until Forget or the store's end.
    // Lock files whose editors are gone and have left no copy are removed on the way.
    std::vector<CRecoveryCopy> FindAbandoned();
    // Deletes an abandoned copy found by FindAbandoned (recovered, or refused).
    void Forget(const CRecoveryCopy& copy);

private:
    std::string PathOf(const std::string& id, const char* suffix) const;
    bool LockOwn(std::string& reason);

    std::string m_folder;
    // This editor's copy and lock: "PID-NANOSECONDS", unique among editors running at once.
    std::string m_id;
    int m_lock = -1;
    // The locks of abandoned copies found and not yet forgotten, by id.
    std::vector<std::pair<std::string, int>> m_claimed;
};
