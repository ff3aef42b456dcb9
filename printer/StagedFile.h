// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A file written beside the one it replaces, in the same folder, and put in
// its place by one rename only once it is complete: a write that fails half
// way, on a full disk or at a file-size limit, leaves the file that was
// there before byte for byte.
class StagedFile {
public:
    StagedFile() = default;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    ~StagedFile() { Discard(); }

    // Creates the new, empty file beside the target. False when none can be
    // made there: the folder is missing or cannot be written, or the target
    // is a device or a pipe, which is written directly.
    bool Begin(const QString& target);
    // Why the last Begin could make no file, as an errno; 0 after one that
    // could, or that found a device or a pipe.
    int BeginError() const { return m_beginError; }
    bool IsStaged() const { return !m_staged.isEmpty(); }
    const QString& StagedPath() const { return m_staged; }
    // Replaces the target with the staged file; false when the rename failed.
    bool Commit();
    // Removes the staged file unless it was put in place.
    void Discard();

private:
    QString m_target;
    QString m_staged;
    int m_beginError = 0;
};

// Whether a file of this many bytes has reached the size limit set for the
// files of this process (ulimit -f), the one a write can stop at without the
// disk being full.
bool ReachesFileSizeLimit(long long bytes);
