#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/Errors.h"
#include "sheet/ProductCatalogue.h"
#include "support/TestFiles.h"

using namespace porkane;
using namespace porkane::test;

namespace {

using Geometry = SheetTemplate::Geometry;

// The catalogue Debian's glabels-data installs; make test installs it.
const ProductCatalogue &installedCatalogue()
{
    static const ProductCatalogue catalogue =
        ProductCatalogue::load(ProductCatalogue::installedCatalogueFolders(), QString());
    return catalogue;
}

const LabelProduct &installed(const char *maker, const char *code)
{
    const LabelProduct *product = installedCatalogue().find(QString::fromUtf8(maker), QString::fromUtf8(code));
    if (!product)
        throw std::runtime_error(std::string("not in the installed catalogue: ") + maker + " " + code);
    return *product;
}

const char *const PaperSizes = R"(<?xml version="1.0"?>
<Glabels-paper-sizes>
  <Paper-size id="A4" _name="A4" pwg_size="iso_a4" width="210mm" height="297mm"/>
</Glabels-paper-sizes>
)";

} // namespace

TEST(ProductCatalogue, LengthsConvertExactlyFromEveryUnit)
{
    double mm = 0;
    ASSERT_TRUE(catalogueLengthToMillimetres(QStringLiteral("63.5mm"), mm));
    EXPECT_DOUBLE_EQ(mm, 63.5);
    ASSERT_TRUE(catalogueLengthToMillimetres(QStringLiteral("8.5in"), mm));
    EXPECT_DOUBLE_EQ(mm, 215.9);
    ASSERT_TRUE(catalogueLengthToMillimetres(QStringLiteral("72"), mm)); // points when no unit
    EXPECT_DOUBLE_EQ(mm, 25.4);
    ASSERT_TRUE(catalogueLengthToMillimetres(QStringLiteral("0 pt"), mm));
    EXPECT_DOUBLE_EQ(mm, 0);
    ASSERT_TRUE(catalogueLengthToMillimetres(QStringLiteral("2.5cm"), mm));
    EXPECT_DOUBLE_EQ(mm, 25);
    ASSERT_TRUE(catalogueLengthToMillimetres(QStringLiteral("1pc"), mm));
    EXPECT_DOUBLE_EQ(mm, 12 * 25.4 / 72);
    for (const char *bad : {"", "mm", "12 furlongs", "1e999", "--3mm", "3mm4"})
        EXPECT_FALSE(catalogueLengthToMillimetres(QString::fromLatin1(bad), mm)) << bad;
}

TEST(ProductCatalogue, AveryL7160IsTheA4SheetOf7160WithItsFirstTwentyLabels)
{
    const LabelProduct &product = installed("Avery", "L7160");
    EXPECT_EQ(product.sameAs, QStringLiteral("7160"));
    EXPECT_EQ(product.paperName, QStringLiteral("A4"));
    EXPECT_EQ(product.labelCount(), 21);
    int leftOut = 0;
    const SheetTemplate sheet = templateFromProduct(product, &leftOut);
    EXPECT_EQ(leftOut, 1);
    EXPECT_EQ(sheet.SheetWidth, 210);
    EXPECT_EQ(sheet.SheetHeight, 297);
    EXPECT_EQ(sheet.LabelCount, 20);
    // 181.4 x 108 pt at x0 21.2 pt, y0 43.9 pt, pitch 187.2 x 108 pt: the
    // rows touch, so each label's edges are rounded and the heights of the
    // 38.1 mm rows come out 39 and 38 with no overlap and no gap.
    EXPECT_EQ(sheet.LabelGeometry[1], (Geometry{15, 7, 64, 39, 0, 0}));
    EXPECT_EQ(sheet.LabelGeometry[2], (Geometry{15, 74, 64, 39, 0, 0}));
    EXPECT_EQ(sheet.LabelGeometry[4], (Geometry{54, 7, 64, 38, 0, 0}));
    EXPECT_EQ(sheet.LabelGeometry[20], (Geometry{244, 74, 64, 38, 0, 0}));
    for (int label = 1; label + 3 <= 20; ++label)
        EXPECT_EQ(sheet.LabelGeometry[label][TopOffset] + sheet.LabelGeometry[label][LabelHeight],
                  sheet.LabelGeometry[label + 3][TopOffset])
            << label;
    EXPECT_EQ(labelsLeftOutMessage(product), QStringLiteral("この製品は 21 面です。最初の 20 面を使います。"));

    const SheetTemplate base = templateFromProduct(installed("Avery", "7160"));
    EXPECT_EQ(base, sheet);
}

TEST(ProductCatalogue, HisagoUsLetterRoundAndTwoLayoutProductsBecomeTemplates)
{
    // Hisago ELM006: A4, 2 x 5 labels of 86.4 x 50.8 mm from 18.6 / 21.2 mm.
    const SheetTemplate hisago = templateFromProduct(installed("Hisago", "ELM006"));
    EXPECT_EQ(hisago.LabelCount, 10);
    EXPECT_EQ(hisago.LabelGeometry[1], (Geometry{21, 19, 86, 51, 0, 0}));
    EXPECT_EQ(hisago.LabelGeometry[2], (Geometry{21, 105, 86, 51, 0, 0}));
    EXPECT_TRUE(labelsLeftOutMessage(installed("Hisago", "ELM006")).isEmpty());

    // Avery 5026: US Letter in inches, 2 x 9 labels of 3.4375 x 0.9375 in.
    const LabelProduct &letter = installed("Avery", "5026");
    EXPECT_EQ(letter.paperName, QStringLiteral("US Letter"));
    const SheetTemplate us = templateFromProduct(letter);
    EXPECT_EQ(us.SheetWidth, 216);
    EXPECT_EQ(us.SheetHeight, 279);
    EXPECT_EQ(us.LabelCount, 18);
    EXPECT_EQ(us.LabelGeometry[1], (Geometry{13, 13, 87, 24, 0, 0}));
    EXPECT_EQ(us.LabelGeometry[2], (Geometry{13, 116, 87, 24, 0, 0}));

    // Avery 3274.2: round labels of radius 0.75 in, by their bounding box.
    const LabelProduct &round = installed("Avery", "3274.2");
    EXPECT_EQ(round.kinds.front().shape, ProductLabelKind::Shape::Round);
    const SheetTemplate circles = templateFromProduct(round);
    EXPECT_EQ(circles.LabelCount, 20);
    EXPECT_EQ(circles.LabelGeometry[1], (Geometry{19, 13, 38, 38, 0, 0}));

    // DataBecker 0562: two CDs in one layout and one in another, read
    // row by row: top left, the middle one, bottom left.
    const LabelProduct &cds = installed("DataBecker", "0562");
    EXPECT_EQ(cds.kinds.front().grids.size(), 2u);
    const SheetTemplate discs = templateFromProduct(cds);
    EXPECT_EQ(discs.LabelCount, 3);
    EXPECT_EQ(discs.LabelGeometry[1], (Geometry{5, 5, 116, 116, 0, 0}));
    EXPECT_EQ(discs.LabelGeometry[2], (Geometry{90, 89, 116, 116, 0, 0}));
    EXPECT_EQ(discs.LabelGeometry[3], (Geometry{176, 5, 116, 116, 0, 0}));

    // The places keep the shapes and the exact lengths, in the same order.
    const std::vector<ProductLabelPlace> places = labelPlaces(cds);
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[1].shape, ProductLabelKind::Shape::Cd);
    EXPECT_NEAR(places[1].left, 89.0, 0.6);
    EXPECT_NEAR(places[1].top, 90.0, 0.6);
    EXPECT_EQ(labelPlaces(installed("Avery", "L7160")).size(), 21u);
}

TEST(ProductCatalogue, TheInstalledCatalogueIsReadWholeAndSearchedAsTyped)
{
    const ProductCatalogue &catalogue = installedCatalogue();
    EXPECT_FALSE(catalogue.catalogueMissing());
    EXPECT_GT(catalogue.products().size(), 1400u);
    // Every product of the catalogue is usable, including its quirks: a
    // layout without a pitch for its single column, an empty origin, and
    // "same as" chains (Herma 10801 -> 4608 -> 4102).
    EXPECT_TRUE(catalogue.problems().isEmpty()) << catalogue.problems().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(templateFromProduct(installed("Herma", "10801")), templateFromProduct(installed("Herma", "4102")));

    const auto l7160 = catalogue.search(QStringLiteral("L7160"));
    ASSERT_FALSE(l7160.empty());
    EXPECT_EQ(l7160.front()->displayName(), QStringLiteral("Avery L7160"));
    // Full-width and lower-case letters match too.
    EXPECT_EQ(catalogue.search(QStringLiteral("ｌ７１６０")).size(), l7160.size());

    const auto twelve = catalogue.search(QStringLiteral("12面 A4"));
    ASSERT_FALSE(twelve.empty());
    for (const LabelProduct *product : twelve) {
        EXPECT_EQ(product->labelCount(), 12);
        EXPECT_EQ(product->paperName, QStringLiteral("A4"));
    }
    // A code finds its product and the products sold as the same sheet.
    const auto elm006 = catalogue.search(QStringLiteral("hisago ELM006"));
    EXPECT_GT(elm006.size(), 1u);
    for (const LabelProduct *product : elm006)
        EXPECT_TRUE(product->code == QStringLiteral("ELM006") || product->sameAs == QStringLiteral("ELM006"))
            << product->code.toStdString();
    EXPECT_TRUE(catalogue.search(QStringLiteral("no-such-product-anywhere")).empty());
}

TEST(ProductCatalogue, DamagedFilesAreSkippedWithALineEachAndAMissingCatalogueIsEmpty)
{
    TempFolder folder;
    QDir().mkpath(folder.file(QStringLiteral("cat")));
    writeBytes(folder.file(QStringLiteral("cat/paper-sizes.xml")), PaperSizes);
    writeBytes(folder.file(QStringLiteral("cat/good-templates.xml")), R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Maker" part="A1" size="A4" _description="Two">
    <Label-rectangle id="0" width="90mm" height="40mm"><Layout nx="2" ny="1" x0="10mm" y0="10mm" dx="100mm" dy="40mm"/></Label-rectangle>
  </Template>
  <Template brand="Maker" part="A1-alias" equiv="A1"/>
  <Template brand="Maker" part="lost" equiv="nothing"/>
  <Template brand="Maker" part="B2" size="Tabloid"><Label-rectangle id="0" width="1" height="1"><Layout nx="1" ny="1" x0="0" y0="0"/></Label-rectangle></Template>
  <Template brand="Maker" part="huge" size="Other" width="2000mm" height="10mm"><Label-rectangle id="0" width="1" height="1"><Layout nx="1" ny="1" x0="0" y0="0"/></Label-rectangle></Template>
</Glabels-templates>
)");
    writeBytes(folder.file(QStringLiteral("cat/broken-templates.xml")),
               "<?xml version=\"1.0\"?>\n<Glabels-templates>\n  <Template brand=\"X\" part=\"1\" size=\"A4\">\n<Lab");
    writeBytes(folder.file(QStringLiteral("cat/other-templates.xml")), "<html><body>not a catalogue</body></html>");

    const ProductCatalogue catalogue = ProductCatalogue::load({folder.file(QStringLiteral("cat"))}, QString());
    ASSERT_EQ(catalogue.products().size(), 2u);
    EXPECT_EQ(catalogue.products()[0].code, QStringLiteral("A1"));
    EXPECT_EQ(catalogue.products()[1].code, QStringLiteral("A1-alias"));
    EXPECT_EQ(templateFromProduct(catalogue.products()[1]), templateFromProduct(catalogue.products()[0]));
    const QString problems = catalogue.problems().join(QLatin1Char('\n'));
    EXPECT_EQ(catalogue.problems().size(), 5) << problems.toStdString();
    EXPECT_TRUE(problems.contains(QStringLiteral("broken-templates.xml: 壊れています"))) << problems.toStdString();
    EXPECT_TRUE(problems.contains(QStringLiteral("other-templates.xml"))) << problems.toStdString();
    EXPECT_TRUE(problems.contains(QStringLiteral("lost"))) << problems.toStdString();
    EXPECT_TRUE(problems.contains(QStringLiteral("Tabloid"))) << problems.toStdString();
    EXPECT_TRUE(problems.contains(QStringLiteral("huge"))) << problems.toStdString();

    const ProductCatalogue none =
        ProductCatalogue::load({folder.file(QStringLiteral("no-such-folder"))}, folder.file(QStringLiteral("u")));
    EXPECT_TRUE(none.catalogueMissing());
    EXPECT_TRUE(none.products().empty());
    EXPECT_TRUE(none.problems().isEmpty());
}

TEST(ProductCatalogue, AUserProductIsWrittenInTheSchemaAndListedNextTime)
{
    TempFolder folder;
    SheetTemplate sheet;
    sheet.SheetWidth = 210;
    sheet.SheetHeight = 297;
    sheet.LabelCount = 3;
    sheet.LabelGeometry[1] = {10, 10, 90, 40, 3, 3};
    sheet.LabelGeometry[2] = {10, 110, 90, 40, 0, 0};
    sheet.LabelGeometry[3] = {60, 10, 190, 60, 0, 0};
    const QString userFolder = ProductCatalogue::userProductFolder(folder.path());
    const QString path = saveUserProduct(userFolder, QStringLiteral("自作"), QStringLiteral("../宛名/12"),
                                         QStringLiteral("宛名ラベル"), sheet);
    // Whatever the code holds, the file lands in the folder.
    EXPECT_EQ(QFileInfo(path).absolutePath(), QDir(userFolder).absolutePath());

    const ProductCatalogue catalogue = ProductCatalogue::load({}, userFolder);
    ASSERT_EQ(catalogue.products().size(), 1u) << catalogue.problems().join(QLatin1Char('\n')).toStdString();
    const LabelProduct &product = catalogue.products().front();
    EXPECT_TRUE(product.fromUser);
    EXPECT_EQ(product.maker, QStringLiteral("自作"));
    EXPECT_EQ(product.code, QStringLiteral("../宛名/12"));
    EXPECT_EQ(product.description, QStringLiteral("宛名ラベル"));
    SheetTemplate expected = sheet;
    expected.LabelGeometry[1][VerticalPrintStart] = 0; // the schema has no print start
    expected.LabelGeometry[1][HorizontalPrintStart] = 0;
    EXPECT_EQ(templateFromProduct(product), expected);
    EXPECT_EQ(catalogue.search(QStringLiteral("宛名")).size(), 1u);
}
