#pragma once
// A seam for tests: makes one step after the writes fail, as a failing disk
// would, so that a test can show that such a failure loses nothing and is
// said. Only tests set it; both file writers ask it.

namespace vorlix {

enum class FileStep {
    none,
    sync,   // fsync of a new file or of one written in place (POSIX)
    commit, // QSaveFile::commit: the new file's rename over the old
    close,  // closing a file written into or in place (POSIX), or a new file (portable)
};

// The next step of that kind fails, once (with EIO where there is an errno).
void failFileStep(FileStep step);
// Whether this step is to fail now.
bool fileStepFails(FileStep step);

} // namespace vorlix
