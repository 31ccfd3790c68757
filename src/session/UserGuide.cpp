#include "session/UserGuide.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace porkane {

namespace {

struct SectionPlace {
    GuideSection section;
    const char *page;
    const char *anchor;
};

// Anchors are the guide's public names: the pages may be split or merged,
// these names stay.
constexpr SectionPlace Places[] = {
    {GuideSection::Contents, "index.html", "contents"},
    {GuideSection::MainMenu, "main-menu.html", "main-menu"},
    {GuideSection::Designer, "designer.html", "designer"},
    {GuideSection::Products, "designer.html", "products"},
    {GuideSection::Grid, "designer.html", "grid"},
    {GuideSection::ProductSave, "designer.html", "save-product"},
    {GuideSection::Editor, "editor.html", "editor"},
    {GuideSection::Format, "format.html", "format"},
    {GuideSection::Pictures, "pictures.html", "pictures"},
    {GuideSection::Barcodes, "pictures.html", "barcodes"},
    {GuideSection::Print, "print.html", "print"},
    {GuideSection::PrinterSetup, "print.html", "printer-setup"},
    {GuideSection::PrintPreview, "print.html", "print-preview"},
    {GuideSection::Merge, "merge.html", "merge"},
    {GuideSection::Files, "files.html", "files"},
    {GuideSection::Troubleshooting, "troubleshooting.html", "troubleshooting"},
};

const SectionPlace &placeOf(GuideSection section)
{
    for (const SectionPlace &place : Places)
        if (place.section == section)
            return place;
    return Places[0];
}

const QString IndexPage = QStringLiteral("index.html");

} // namespace

UserGuide::UserGuide(QString folder) : folder_(std::move(folder)) {}

QStringList UserGuide::guideFolders(const QString &programFolder)
{
    QStringList folders{QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral("../share/porkane/guide")))};
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString folder = QDir::cleanPath(data + QStringLiteral("/porkane/guide"));
        if (!folders.contains(folder))
            folders.append(folder);
    }
    return folders;
}

UserGuide UserGuide::find(const QString &programFolder)
{
    for (const QString &folder : guideFolders(programFolder))
        if (QFileInfo(QDir(folder).filePath(IndexPage)).isFile())
            return UserGuide(folder);
    return UserGuide();
}

QString UserGuide::pageOf(GuideSection section) { return QLatin1String(placeOf(section).page); }

QString UserGuide::anchorOf(GuideSection section) { return QLatin1String(placeOf(section).anchor); }

const QList<GuideSection> &UserGuide::allSections()
{
    static const QList<GuideSection> sections = [] {
        QList<GuideSection> list;
        for (const SectionPlace &place : Places)
            list.append(place.section);
        return list;
    }();
    return sections;
}

QUrl UserGuide::url(GuideSection section) const
{
    if (!exists())
        return QUrl();
    QUrl url = QUrl::fromLocalFile(QDir(folder_).absoluteFilePath(pageOf(section)));
    url.setFragment(anchorOf(section));
    return url;
}

} // namespace porkane
