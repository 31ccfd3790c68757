#pragma once

// The user guide: HTML pages in Japanese, one per window, shipped in
// share/porkane/guide. F1 in a window and the About box's ヘルプ open the
// page of that window with the desktop's browser.

#include <QString>
#include <QStringList>
#include <QUrl>

namespace porkane {

// Where in the guide a window's help stands. Each has a page and an anchor
// (an id in that page) that stay stable as the guide grows.
enum class GuideSection {
    Contents,
    MainMenu,
    Designer,
    Products,
    Grid,
    ProductSave,
    Editor,
    Format,
    Pictures,
    Barcodes,
    Print,
    PrinterSetup,
    PrintPreview,
    Merge,
    Files,
    Troubleshooting,
};

class UserGuide {
public:
    // The guide in `folder` (the folder holding index.html); an empty
    // folder stands for no guide.
    explicit UserGuide(QString folder = QString());

    // The first of guideFolders() that holds index.html, or no guide.
    static UserGuide find(const QString &programFolder);
    // Beside bin/: share/porkane/guide (installed, or the build tree's link
    // to the sources' resources/guide); then the system's data folders.
    static QStringList guideFolders(const QString &programFolder);

    static QString pageOf(GuideSection section);
    static QString anchorOf(GuideSection section);
    static const QList<GuideSection> &allSections();

    bool exists() const { return !folder_.isEmpty(); }
    QString folder() const { return folder_; }
    // The section's page as a file URL with the anchor as its fragment;
    // an empty URL when there is no guide.
    QUrl url(GuideSection section) const;

private:
    QString folder_;
};

} // namespace porkane
