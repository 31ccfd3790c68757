#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>

#include "document/LabelFile.h"
#include "sheet/TemplateFile.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

struct RenderRun {
    int exitCode = -1;
    QByteArray err;
};

RenderRun render(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(PORKANE_TOOL), QStringList{QStringLiteral("render")} + arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardError()};
}

// 100 x 60 mm; label 1 is 10 mm from the left, label 2 50 mm.
SheetTemplate twoLabels()
{
    SheetTemplate sheet;
    sheet.SheetWidth = 100;
    sheet.SheetHeight = 60;
    sheet.LabelCount = 2;
    sheet.LabelGeometry[1] = {5, 10, 30, 20, 1, 1};
    sheet.LabelGeometry[2] = {5, 50, 30, 20, 1, 1};
    return sheet;
}

const QRgb White = qRgb(255, 255, 255);
const QRgb LabelColour = qRgb(255, 250, 230); // the delivered editor settings

} // namespace

TEST(ToolRender, DrawsTheSheetAsTheEditorShowsIt)
{
    TempFolder folder;
    const QString fom = folder.file(QStringLiteral("two.fom"));
    saveTemplateFile(fom, twoLabels());
    const QString png = folder.file(QStringLiteral("out.png"));

    const RenderRun plain = render({fom, png});
    ASSERT_EQ(plain.exitCode, 0) << plain.err.constData();
    QImage image(png);
    EXPECT_EQ(image.size(), QSize(378, 227)); // 15 twips per pixel
    EXPECT_EQ(image.pixel(60, 40), White);     // label 1 is the current one
    EXPECT_EQ(image.pixel(200, 40), LabelColour);
    EXPECT_EQ(image.pixel(38, 40), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(57, 30), White); // no grid

    ASSERT_EQ(render({fom, png, "--grid", "5", "--current", "2"}).exitCode, 0);
    image.load(png);
    EXPECT_EQ(image.pixel(57, 30), qRgb(213, 242, 255));
    EXPECT_EQ(image.pixel(60, 40), LabelColour);
    EXPECT_EQ(image.pixel(200, 40), White);

    ASSERT_EQ(render({fom, png, "--zoom", "2"}).exitCode, 0);
    EXPECT_EQ(QImage(png).size(), QSize(756, 454));
    ASSERT_EQ(render({fom, png, "--twips-per-pixel", "10"}).exitCode, 0);
    EXPECT_EQ(QImage(png).size(), QSize(567, 340));
    ASSERT_EQ(render({"--zoom=2", fom, png}).exitCode, 0); // options anywhere, "=" or not
    EXPECT_EQ(QImage(png).size(), QSize(756, 454));

    LabelDocument document = LabelDocument::fromTemplate(twoLabels());
    document.setLabelText(2, QStringLiteral("ラベル"));
    for (int position = 1; position <= 3; ++position) {
        document.CharAttr(2, position)[TextColourSlot] = Variant(qint32(255)); // red
        document.CharAttr(2, position)[CharHeightSlot] = Variant(40.0);
    }
    const QString fhl = folder.file(QStringLiteral("text.fhl"));
    saveLabelFile(document, fhl);
    ASSERT_EQ(render({fhl, png}).exitCode, 0);
    image.load(png);
    int red = 0;
    for (int y = 19; y <= 94; ++y) {
        for (int x = 189; x <= 302; ++x)
            red += image.pixel(x, y) == qRgb(255, 0, 0);
    }
    EXPECT_GT(red, 100);
}

TEST(ToolRender, RefusesWhatItCannotDraw)
{
    TempFolder folder;
    const QString fom = folder.file(QStringLiteral("two.fom"));
    saveTemplateFile(fom, twoLabels());
    const QString png = folder.file(QStringLiteral("out.png"));

    for (const QStringList &arguments :
         {QStringList{folder.file(QStringLiteral("none.fhl")), png}, QStringList{fom, png, "--current", "3"},
          QStringList{fom, folder.file(QStringLiteral("no/such/folder/out.png"))}}) {
        const RenderRun failed = render(arguments);
        EXPECT_EQ(failed.exitCode, 1) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(failed.err.startsWith("porkane-tool: "));
        EXPECT_EQ(failed.err.count('\n'), 1);
    }
    for (const QStringList &options : {QStringList{"--zoom", "0"}, QStringList{"--zoom", "big"},
                                       QStringList{"--grid", "0"}, QStringList{"--twips-per-pixel", "0"},
                                       QStringList{"--colour", "red"}, QStringList{"--zoom"}}) {
        const RenderRun wrong = render(QStringList{fom, png} + options);
        EXPECT_EQ(wrong.exitCode, 2) << qPrintable(options.join(' '));
        EXPECT_EQ(wrong.err.count('\n'), 1);
    }
    EXPECT_FALSE(QFile::exists(png));

    SheetTemplate huge = twoLabels(); // 1.7 million pixels wide: refused, not tried
    huge.SheetWidth = 30000;
    huge.SheetHeight = 30000;
    saveTemplateFile(fom, huge);
    EXPECT_EQ(render({fom, png, "--twips-per-pixel", "1"}).exitCode, 1);
}
