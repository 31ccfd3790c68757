// One engine step on a hostile input, for the bounded runs: the steps that
// porkane-tool has no command for (loading a picture for the image paste
// dialog, saving pictures) and the print job. Exits 0 when the step went
// through, 1 when it was refused with a message (on standard error); a
// crash or an abort is what the bounded run catches.
#include <cstdio>

#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>

#include "core/Errors.h"
#include "document/DocumentSource.h"
#include "document/LabelFile.h"
#include "image/PictureLoader.h"
#include "print/PrintJob.h"

using namespace porkane;

namespace {

int refused(const QString &message)
{
    std::fprintf(stderr, "refused: %s\n", qPrintable(message));
    return 1;
}

// Two pictures of 16384 x 16384 pixels (1 GB each), never touched: saving
// them must be refused without a copy of either.
void saveHugePictures(const QString &target)
{
    SheetTemplate sheet = SheetTemplate::newTemplate();
    LabelDocument document = LabelDocument::fromTemplate(sheet);
    for (int image = 0; image < 2; ++image) {
        QImage picture(16384, 16384, QImage::Format_RGB32);
        if (picture.isNull())
            throw OutOfMemoryError();
        document.addImage(picture, {0, 0, 0, 0, 0});
    }
    saveLabelFile(document, target);
}

PrintOutcome printToPdf(const QString &path, const QString &pdf)
{
    const LabelDocument document = openDocumentFile(path);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(pdf);
    return printDocument(printer, document, PrintOptions{}, ScreenScale{15, 15});
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    const QString step = arguments.value(1);
    try {
        if (step == QLatin1String("picture") && arguments.size() == 3) {
            const QImage picture = loadPicture(arguments[2], 15, 15);
            std::printf("%d x %d\n", picture.width(), picture.height());
            return 0;
        }
        if (step == QLatin1String("open") && arguments.size() == 3) {
            openDocumentFile(arguments[2]);
            return 0;
        }
        if (step == QLatin1String("save-huge-pictures") && arguments.size() == 3) {
            saveHugePictures(arguments[2]);
            return 0;
        }
        if (step == QLatin1String("print") && arguments.size() == 4) {
            const PrintOutcome outcome = printToPdf(arguments[2], arguments[3]);
            return outcome == PrintOutcome::Printed ? 0 : refused(printFailureMessage(outcome));
        }
    } catch (const UserError &error) {
        return refused(error.message());
    }
    std::fprintf(stderr, "usage: hostile_step picture FILE | open FILE | save-huge-pictures OUT.fhl | "
                         "print FILE OUT.pdf\n");
    return 2;
}
