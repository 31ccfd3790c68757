#pragma once

// Where a save really writes. A name chosen in the save dialog may be a
// symbolic link, even one whose file does not exist yet: saving through it
// writes (or creates) the file it points to, possibly in another folder. So
// the window asks before such a save as for an existing file, showing the
// real path, and the file is written there.

#include <QString>

namespace porkane {

struct SaveTarget {
    QString chosen;           // the name as chosen
    QString path;             // every symbolic link followed: where the bytes go
    bool exists = false;      // a file is at `path` now
    bool throughLink = false; // `chosen` is a symbolic link, dangling or not

    // Ask before writing: an existing file is replaced, and a link sends the
    // file elsewhere than the name chosen.
    bool needsQuestion() const { return exists || throughLink; }
};

// Follows the links of the chosen name (and of its folder) to the file they
// name, whether that exists or not. Throws FileError for a loop of links.
SaveTarget resolveSaveTarget(const QString &chosen);

// "ファイルを上書きしますか？" with the real path on a second line: the question
// the window asks (Yes/No, question icon, No preselected) when the target
// needsQuestion().
QString overwriteQuestionFor(const SaveTarget &target);

} // namespace porkane
