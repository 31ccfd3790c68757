#include "print/PdfOutputFile.h"

#include <cstdio>

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>

namespace porkane {

bool asksForPdfFile(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty();
}

QString pdfFileName(const QString &chosen)
{
    if (QFileInfo(chosen).suffix().isEmpty())
        return chosen + QStringLiteral(".pdf");
    return chosen;
}

PdfFileForJob::PdfFileForJob(QPrinter &printer, const QString &file) : printer_(printer), named_(!file.isEmpty())
{
    if (named_)
        printer_.setOutputFileName(file);
}

PdfFileForJob::~PdfFileForJob()
{
    if (!named_)
        return;
    printer_.setOutputFileName(QString());
    printer_.setOutputFormat(QPrinter::PdfFormat);
}

} // namespace porkane

namespace porkane {

PdfReplacement::PdfReplacement(QPrinter &printer) : printer_(printer)
{
    if (printer_.outputFormat() != QPrinter::PdfFormat || printer_.outputFileName().isEmpty())
        return;
    target_ = printer_.outputFileName();
    const QFileInfo info(target_);
    // A hidden name in the same folder, so the rename stays on one file system.
    QTemporaryFile file(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    file.setAutoRemove(false);
    if (!file.open()) {
        ready_ = false;
        target_.clear();
        return;
    }
    temporary_ = file.fileName();
    file.close();
    printer_.setOutputFileName(temporary_);
}

PdfReplacement::~PdfReplacement()
{
    if (temporary_.isEmpty())
        return;
    if (!committed_)
        QFile::remove(temporary_);
    printer_.setOutputFileName(target_);
}

bool PdfReplacement::commit()
{
    if (temporary_.isEmpty())
        return ready_;
    // The new file takes an earlier one's permissions, or those a new file
    // gets under the user's umask.
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadUser | QFileDevice::WriteUser |
                                           QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                           QFileDevice::ReadOther | QFileDevice::WriteOther;
    if (QFileInfo::exists(target_)) {
        permissions = QFile::permissions(target_);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (mask & S_IWGRP)
            permissions &= ~QFileDevice::WriteGroup;
        if (mask & S_IRGRP)
            permissions &= ~QFileDevice::ReadGroup;
        if (mask & S_IWOTH)
            permissions &= ~QFileDevice::WriteOther;
        if (mask & S_IROTH)
            permissions &= ~QFileDevice::ReadOther;
    }
    QFile::setPermissions(temporary_, permissions);
    // rename(2) replaces the target in one step.
    committed_ = ::rename(QFile::encodeName(temporary_).constData(), QFile::encodeName(target_).constData()) == 0;
    return committed_;
}

} // namespace porkane
