// How an installation ended, and the process exit code a silent run reports for it.
#pragma once

namespace lp {

// The values double as exit codes of a silent run, so deployment tools can tell the cases
// apart; the stopping failures use the number of their message in the string table.
enum class InstallOutcome : int {
    kSuccess = 0,
    kInvalidFolder = 5,      // installFolder empty (message 5)
    kExtractionFailed = 7,   // payload missing, unreadable or not unpacked completely (message 7)
    kViewerRunning = 10,     // silent run refused beside a running viewer (message 10)
    kFolderNotCreated = 11,  // target folder cannot be created or entered (message 11)
};

inline int ExitCodeOf(InstallOutcome outcome) {
    return static_cast<int>(outcome);
}

}  // namespace lp
