#pragma once

// The desktop's list of recently used files (~/.local/share/recently-used.xbel),
// which file managers and file dialogs show. We add or refresh our entry and
// keep every other program's entries as they are.

#include <QDateTime>
#include <QString>

namespace porkane {

class RecentFiles {
public:
    // The list of the user's desktop: $XDG_DATA_HOME/recently-used.xbel.
    static QString standardListPath();

    // The MIME type of one of our files by its suffix, in any case;
    // application/octet-stream for any other file.
    static QString mimeTypeOf(const QString &filePath);

    explicit RecentFiles(QString listPath = standardListPath());

    // Records that the program opened or saved `filePath` at `when`. Returns
    // false, with the reason in errorString(), when the list could not be
    // read or written; a damaged list is left untouched.
    bool add(const QString &filePath, const QDateTime &when = QDateTime::currentDateTimeUtc());

    QString errorString() const { return error_; }
    QString listPath() const { return listPath_; }

private:
    QString listPath_;
    QString error_;
};

// A file the program opened or saved, in the user's list. A list that
// cannot be written costs the user nothing worth a message: it is skipped.
void noteRecentlyUsed(const QString &filePath);

} // namespace porkane
