#include "document/DocumentSource.h"

#include <QFileInfo>

#include "core/Errors.h"
#include "document/LabelFile.h"
#include "sheet/TemplateFile.h"

namespace porkane {

DocumentKind documentKindOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("fhl"), Qt::CaseInsensitive) == 0)
        return DocumentKind::Label;
    if (suffix.compare(QLatin1String("fom"), Qt::CaseInsensitive) == 0)
        return DocumentKind::Template;
    return DocumentKind::Unknown;
}

QString droppedDocumentFile(const QList<QUrl> &urls)
{
    for (const QUrl &url : urls) {
        if (url.isLocalFile() && documentKindOf(url.toLocalFile()) != DocumentKind::Unknown)
            return url.toLocalFile();
    }
    return {};
}

LabelDocument newDocumentOnTemplateFile(const QString &path)
{
    return LabelDocument::fromTemplate(loadTemplateFile(path, SheetTemplate{}));
}

LabelDocument openDocumentFile(const QString &path)
{
    switch (documentKindOf(path)) {
    case DocumentKind::Label:
        return openLabelFile(path);
    case DocumentKind::Template:
        return newDocumentOnTemplateFile(path);
    case DocumentKind::Unknown:
        break;
    }
    throw FileError(QStringLiteral("not a label file (.fhl) or a template file (.fom)"));
}

} // namespace porkane
