#pragma once

// Helpers of the print tests: documents in the test font and pages printed
// on a white picture standing in for the printer.

#include <QImage>
#include <QRect>

#include "core/Colour.h"
#include "document/LabelDocument.h"
#include "print/PrintJob.h"

namespace porkane::test {

// A character record: IPAGothic of the given height (screen font units),
// in the given colour, nothing else.
AttrRecord printRecord(double height = 40, RgbValue colour = rgbValue(0, 0, 0));

// A sheet of `width` x `height` mm with one label at (left, top) of the
// given size whose text starts at (startX, startY) inside it.
LabelDocument oneLabelSheet(int width, int height, SheetTemplate::Geometry label);
// The label's text, every character in `record`.
void setText(LabelDocument &document, int label, const QString &text, const AttrRecord &record);

// A page of `size` printer pixels, white, with the document printed on it
// as by a printer of `dpi` whose pixel (0, 0) lies `physicalOffset` from
// the paper's corner. Screen: 15 twips per pixel.
QImage printedPage(const LabelDocument &document, QSize size, const PrintOptions &options = {},
                   QPoint physicalOffset = {}, double dpi = 600, const PrintProgress &progress = {});

QImage solidPicture(QSize size, RgbValue colour);

// An A4 sheet of 20 labels (2 columns of 10, each 90 x 26 mm with its text
// from 3 mm right and 2 mm down), each holding two lines of Japanese text;
// labels take turns at shadow, three-dimensional text, outline and none,
// and label 20 is turned by 180 degrees.
LabelDocument twentyLabelSheet();

// A page of a PDF file (the first unless told) as a picture (pdftoppm),
// null when pdftoppm is missing or fails; the number of pages (pdfinfo),
// -1 then.
QImage rasterizedPdf(const QString &pdf, int dpi, int page = 1);
int pdfPageCount(const QString &pdf);
// What a poppler tool (pdftotext, pdffonts, pdfimages, pdfinfo) prints for
// the file with the given options; a null string when it is missing or
// fails.
QString popplerOutput(const QString &tool, const QStringList &options, const QString &pdf);

// Checks a page of twentyLabelSheet() printed at `dpi` with offsets of 0:
// every label's text lies inside its rectangle and starts at its print
// start (the turned label's ends at the opposite corner), and nothing is
// printed outside the labels. The problems found, empty when none.
QStringList checkTwentyLabelPage(const QImage &page, int dpi);

// The box around every pixel that is not white; null when there is none.
QRect inkBox(const QImage &page);
// How many pixels of `area` have exactly this colour.
int pixelsOf(const QImage &page, const QRect &area, RgbValue colour);

} // namespace porkane::test
