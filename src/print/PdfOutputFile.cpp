#include "print/PdfOutputFile.h"

#include <QFileInfo>
#include <QPrinter>

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
