#include <gtest/gtest.h>

#include <QFile>
#include <QUrl>

#include "core/Errors.h"
#include "document/DocumentSource.h"
#include "document/LabelFile.h"
#include "sheet/TemplateFile.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

TEST(DocumentSource, TheSuffixDecidesTheKindInAnyCase)
{
    EXPECT_EQ(documentKindOf(QStringLiteral("/a/b/宛名.fhl")), DocumentKind::Label);
    EXPECT_EQ(documentKindOf(QStringLiteral("SHEET.FHL")), DocumentKind::Label);
    EXPECT_EQ(documentKindOf(QStringLiteral("form.Fom")), DocumentKind::Template);
    EXPECT_EQ(documentKindOf(QStringLiteral("form.fom.txt")), DocumentKind::Unknown);
    EXPECT_EQ(documentKindOf(QStringLiteral("fhl")), DocumentKind::Unknown);
    EXPECT_EQ(documentKindOf(QStringLiteral("/folder.fhl/file")), DocumentKind::Unknown);
}

TEST(DocumentSource, ATemplateFileStartsAnEmptyDocumentAndALabelFileOpensAsStored)
{
    TempFolder folder;
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = 2;
    sheet.LabelGeometry[1] = {10, 10, 90, 40, 2, 2};
    sheet.LabelGeometry[2] = {110, 10, 90, 40, 2, 2};
    saveTemplateFile(folder.file(QStringLiteral("two.FOM")), sheet);

    const LabelDocument fresh = openDocumentFile(folder.file(QStringLiteral("two.FOM")));
    EXPECT_EQ(fresh.sheet().LabelCount, 2);
    EXPECT_EQ(fresh.sheet().LabelGeometry[2], sheet.LabelGeometry[2]);
    EXPECT_TRUE(fresh.LabelText(1).isEmpty());

    LabelDocument filled = fresh;
    filled.setLabelText(2, QStringLiteral("宛名"));
    saveLabelFile(filled, folder.file(QStringLiteral("two.fhl")));
    EXPECT_EQ(openDocumentFile(folder.file(QStringLiteral("two.fhl"))).LabelText(2), QStringLiteral("宛名"));
}

TEST(DocumentSource, RefusesAFileOfNeitherKindWithoutReadingIt)
{
    TempFolder folder;
    writeBytes(folder.file(QStringLiteral("notes.txt")), "210\r\n");
    EXPECT_THROW(openDocumentFile(folder.file(QStringLiteral("notes.txt"))), FileError);
    EXPECT_THROW(openDocumentFile(folder.file(QStringLiteral("missing.fom"))), FileError);
}

TEST(DocumentSource, ADropGivesItsFirstLocalLabelOrTemplateFile)
{
    EXPECT_EQ(droppedDocumentFile({QUrl::fromLocalFile(QStringLiteral("/a/photo.png")),
                                   QUrl(QStringLiteral("https://example.org/sheet.fhl")),
                                   QUrl::fromLocalFile(QStringLiteral("/a/宛名.FOM")),
                                   QUrl::fromLocalFile(QStringLiteral("/a/b.fhl"))}),
              QStringLiteral("/a/宛名.FOM"));
    EXPECT_TRUE(droppedDocumentFile({QUrl::fromLocalFile(QStringLiteral("/a/notes.txt"))}).isEmpty());
    EXPECT_TRUE(droppedDocumentFile({}).isEmpty());
}
