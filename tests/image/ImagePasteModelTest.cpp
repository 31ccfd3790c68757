#include "image/ImagePasteModel.h"

#include <cmath>
#include <stdexcept>
#include <vector>

#include <QSignalSpy>
#include <gtest/gtest.h>

#include "core/Errors.h"
#include "image/ImageMessages.h"

using namespace porkane;

namespace {

const RgbValue Red = rgbValue(255, 0, 0);
const RgbValue White = rgbValue(255, 255, 255);

QImage distinctPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x * 7 + y * 3) & 0xFF));
    return picture;
}

// Red on the left half, blue on the right.
QImage redAndBlue(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    return picture;
}

struct EditedModel : ImagePasteModel {
    explicit EditedModel(const QImage &picture, bool transparent = false, RgbValue colour = White)
    {
        startOn(picture, transparent, colour);
    }
};

// What a window showing the model does: every field the model rewrites is
// set, and a field's change comes back to the model as the user's edit.
// The model must ignore those echoes, or a rewritten field would scale the
// picture again.
struct EchoingFields {
    explicit EchoingFields(ImagePasteModel &model) : model(model)
    {
        QObject::connect(&model, &ImagePasteModel::fieldsChanged, [this](ImagePasteModel::Fields fields) {
            rewrites.push_back(fields);
            if (fields & ImagePasteModel::ScaleField)
                this->model.setScalePercent(this->model.shownScale());
            if (fields & ImagePasteModel::WidthField)
                this->model.setWidthMillimetres(this->model.shownWidth());
            if (fields & ImagePasteModel::HeightField)
                this->model.setHeightMillimetres(this->model.shownHeight());
        });
    }
    ImagePasteModel &model;
    std::vector<ImagePasteModel::Fields> rewrites;
};

} // namespace

TEST(ImagePasteModel, StartsEmptyOrOnTheEditedImage)
{
    ImagePasteModel empty;
    EXPECT_FALSE(empty.hasPicture());
    EXPECT_EQ(empty.shownScale(), 100);
    EXPECT_EQ(empty.shownWidth(), 0);
    EXPECT_EQ(empty.shownHeight(), 0);
    EXPECT_FALSE(empty.transparent());
    EXPECT_EQ(empty.transparentColour(), White);
    EXPECT_FALSE(empty.canTransform());

    const QImage picture = distinctPicture(60, 30);
    ImagePasteModel edited;
    EchoingFields window(edited);
    edited.startOn(picture, true, Red);
    EXPECT_EQ(edited.workbench().loaded(), picture);
    EXPECT_EQ(edited.workbench().sourceCopy(), picture);
    // The window's fields follow without stretching the picture to whole
    // millimetres: 60 px = 15.9 mm shows 16.
    EXPECT_EQ(edited.picture(), picture);
    EXPECT_EQ(edited.shownWidth(), 16);
    EXPECT_EQ(edited.shownHeight(), 8);
    ASSERT_EQ(window.rewrites.size(), 1u);
    EXPECT_TRUE(edited.transparent());
    EXPECT_EQ(edited.transparentColour(), Red);
    EXPECT_EQ(edited.busyState(), ImagePasteModel::Idle);

    // A picture that cannot be used leaves the model empty and says why.
    ImagePasteModel refused;
    refused.startOn(QImage(), false, White);
    EXPECT_FALSE(refused.hasPicture());
    EXPECT_FALSE(refused.status().isEmpty());
}

TEST(ImagePasteModel, ScalingStartsFromTheSourceCopyAndRewritesOnlyTheSizes)
{
    const QImage picture = distinctPicture(120, 80);
    EditedModel model(picture);
    EchoingFields window(model);
    QSignalSpy pictures(&model, &ImagePasteModel::pictureChanged);

    model.setScalePercent(50);
    EXPECT_EQ(model.picture().size(), QSize(60, 40));
    EXPECT_EQ(model.shownScale(), 50);
    EXPECT_EQ(model.shownWidth(), 16);
    EXPECT_EQ(model.shownHeight(), 11);
    ASSERT_EQ(window.rewrites.size(), 1u);
    EXPECT_EQ(window.rewrites.back(), ImagePasteModel::WidthField | ImagePasteModel::HeightField);
    EXPECT_EQ(pictures.count(), 1);

    model.setScalePercent(200);
    EXPECT_EQ(model.picture().size(), QSize(240, 160));
    // Doubled from the source, not from the halved picture: no pixel lost.
    EXPECT_EQ(model.picture().pixel(239, 159), picture.pixel(119, 79));
    EXPECT_EQ(model.picture().pixel(2, 0), picture.pixel(1, 0));
    EXPECT_EQ(model.busyState(), ImagePasteModel::Idle);
}

TEST(ImagePasteModel, ATypedWidthKeepsTheHeightAndTheScaleReads100WithoutRescaling)
{
    EditedModel model(distinctPicture(120, 80));
    model.setScalePercent(50);
    EchoingFields window(model);
    std::vector<ImagePasteModel::BusyState> statesSeen;
    QObject::connect(&model, &ImagePasteModel::fieldsChanged,
                     [&] { statesSeen.push_back(model.busyState()); });

    model.setWidthMillimetres(30);
    // 30 mm = 1701 twips = 113.4 px; the height stays the scaled 40 px,
    // and the scale field's echo of 100 did not scale the source copy.
    EXPECT_EQ(model.picture().size(), QSize(113, 40));
    EXPECT_EQ(model.shownScale(), 100);
    ASSERT_EQ(window.rewrites.size(), 1u);
    EXPECT_EQ(window.rewrites.back(), ImagePasteModel::Fields(ImagePasteModel::ScaleField));
    EXPECT_EQ(statesSeen, std::vector<ImagePasteModel::BusyState>{ImagePasteModel::ApplyingSize});

    model.setHeightMillimetres(10);
    EXPECT_EQ(model.picture().size(), QSize(113, 38));
    EXPECT_EQ(model.busyState(), ImagePasteModel::Idle);
}

TEST(ImagePasteModel, TooLargeASizeIsRefusedInTheStatus)
{
    EditedModel model(distinctPicture(120, 80));
    QSignalSpy statuses(&model, &ImagePasteModel::statusChanged);
    // 9000 mm would be 34020 pixels wide.
    model.setWidthMillimetres(9000);
    EXPECT_EQ(model.picture().size(), QSize(120, 80));
    EXPECT_FALSE(model.status().isEmpty());

    model.setWidthMillimetres(20);
    EXPECT_EQ(model.picture().width(), 76);
    EXPECT_TRUE(model.status().isEmpty());
    ASSERT_EQ(statuses.count(), 2);
    EXPECT_TRUE(statuses.back().front().toString().isEmpty());
}

TEST(ImagePasteModel, TransformationsShowScale100AndAFreeTurnShowsTenths)
{
    const QImage picture = distinctPicture(120, 80);
    EditedModel model(picture);
    EchoingFields window(model);
    model.setScalePercent(50);
    model.turn90();
    EXPECT_EQ(model.picture().size(), QSize(40, 60));
    EXPECT_EQ(model.shownScale(), 100);
    EXPECT_EQ(window.rewrites.back(), ImagePasteModel::Fields(ImagePasteModel::AllFields));

    model.restore();
    EXPECT_EQ(model.picture(), picture);
    EXPECT_EQ(model.shownWidth(), 32);

    model.turnBy(30);
    const QImage turned = model.picture();
    EXPECT_GT(turned.width(), 120);
    const double width = turned.width() * 15 / 56.7;
    EXPECT_NEAR(model.shownWidth(), width, 0.051);
    EXPECT_NE(model.shownWidth(), std::round(width));
    // The echoes of the tenths did not stretch the turned picture.
    EXPECT_EQ(model.picture(), turned);

    // Scaling goes back to whole millimetres.
    model.setScalePercent(100);
    EXPECT_EQ(model.shownWidth(), std::round(width));
}

TEST(ImagePasteModel, WhileATurnRunsNothingElseActsAndTheDialogCannotClose)
{
    const QImage picture = distinctPicture(300, 200);
    EditedModel model(picture, true);
    QSignalSpy started(&model, &ImagePasteModel::turnStarted);
    QSignalSpy finished(&model, &ImagePasteModel::turnFinished);
    int rows = 0;
    bool checked = false;
    QObject::connect(&model, &ImagePasteModel::rowsTurned, [&](int done, int count) {
        ++rows;
        EXPECT_EQ(count, 200);
        if (checked)
            return;
        checked = true;
        EXPECT_EQ(model.busyState(), ImagePasteModel::Working);
        EXPECT_FALSE(model.canClose());
        EXPECT_FALSE(model.canAccept());
        EXPECT_FALSE(model.canTransform());
        EXPECT_FALSE(model.canChooseColour());
        // Pressed meanwhile: all of these are ignored.
        model.turn90();
        model.mirrorLeftRight();
        model.setScalePercent(50);
        model.setWidthMillimetres(5);
        model.setPicking(true);
        EXPECT_FALSE(model.pickColourAt(QPointF(1, 1)));
        model.takePicture([] { return std::optional<QImage>(QImage(5, 5, QImage::Format_RGB32)); });
        EXPECT_EQ(done, 1);
    });
    model.turn90();
    EXPECT_TRUE(checked);
    EXPECT_EQ(rows, 200);
    EXPECT_EQ(started.count(), 1);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(model.picture(), turn90(picture));
    EXPECT_EQ(model.workbench().loaded(), picture);
    EXPECT_EQ(model.busyState(), ImagePasteModel::Idle);
    EXPECT_TRUE(model.canClose());

    // The quick operations report no rows.
    model.turn180();
    model.mirrorTopBottom();
    EXPECT_EQ(started.count(), 1);
}

TEST(ImagePasteModel, TakingAPictureRunsBusyAndResetsTheScale)
{
    EditedModel model(distinctPicture(40, 40));
    model.setScalePercent(50);
    QSignalSpy taken(&model, &ImagePasteModel::pictureTaken);

    // Cancelled: nothing changes, nothing is said.
    model.takePicture([&]() -> std::optional<QImage> {
        EXPECT_EQ(model.busyState(), ImagePasteModel::Working);
        return std::nullopt;
    });
    EXPECT_EQ(model.picture().size(), QSize(20, 20));
    EXPECT_EQ(taken.count(), 0);
    EXPECT_TRUE(model.status().isEmpty());

    // A file that cannot be read: said in the status, the pictures kept.
    model.takePicture([]() -> std::optional<QImage> {
        throw UserError(NotAPictureMessage().arg(QStringLiteral("broken.jpg")));
    });
    EXPECT_EQ(taken.count(), 1);
    EXPECT_TRUE(model.status().contains(QStringLiteral("broken.jpg")));
    EXPECT_EQ(model.picture().size(), QSize(20, 20));
    EXPECT_EQ(model.shownScale(), 50);

    const QImage second = distinctPicture(120, 80);
    model.takePicture([&] { return std::optional<QImage>(second); });
    EXPECT_EQ(taken.count(), 2);
    EXPECT_EQ(model.picture(), second);
    EXPECT_EQ(model.workbench().loaded(), second);
    EXPECT_EQ(model.shownScale(), 100);
    EXPECT_EQ(model.shownWidth(), 32);
    EXPECT_EQ(model.shownHeight(), 21);
    EXPECT_TRUE(model.status().isEmpty());

    // Whatever escapes the loader, the model is not left busy for good.
    EXPECT_THROW(model.takePicture([]() -> std::optional<QImage> { throw std::runtime_error("out of memory"); }),
                 std::runtime_error);
    EXPECT_EQ(model.busyState(), ImagePasteModel::Idle);
    EXPECT_EQ(model.picture(), second);
}

TEST(ImagePasteModel, TheColourIsPickedOnlyWithSeeThroughAndOnce)
{
    EditedModel model(redAndBlue(120, 80));
    QSignalSpy changes(&model, &ImagePasteModel::seeThroughChanged);
    model.setPicking(true);
    EXPECT_FALSE(model.isPicking());
    EXPECT_FALSE(model.canChooseColour());
    EXPECT_FALSE(model.pickColourAt(QPointF(10, 40)));
    EXPECT_EQ(changes.count(), 0);

    model.setTransparent(true);
    EXPECT_TRUE(model.canChooseColour());
    model.setPicking(true);
    EXPECT_TRUE(model.isPicking());
    // Outside the picture: nothing taken, still picking.
    EXPECT_FALSE(model.pickColourAt(QPointF(500, 40)));
    EXPECT_TRUE(model.isPicking());
    EXPECT_TRUE(model.pickColourAt(QPointF(10.4, 40)));
    EXPECT_EQ(model.transparentColour(), Red);
    EXPECT_FALSE(model.isPicking());
    // A second press on blue changes nothing.
    EXPECT_FALSE(model.pickColourAt(QPointF(100, 40)));
    EXPECT_EQ(model.transparentColour(), Red);

    // Turning see-through off ends picking; the colour stays.
    model.setPicking(true);
    model.setTransparent(false);
    EXPECT_FALSE(model.isPicking());
    EXPECT_EQ(model.transparentColour(), Red);
    const int before = changes.count();
    model.setTransparent(false);
    model.setTransparentColour(Red);
    EXPECT_EQ(changes.count(), before);
}

TEST(ImagePasteModel, AcceptingNeedsAPictureAndHandsOverTheResult)
{
    ImagePasteModel empty;
    EXPECT_FALSE(empty.canAccept());
    EXPECT_EQ(empty.status(), NoPictureMessage());
    EXPECT_TRUE(empty.canClose());

    EditedModel model(distinctPicture(120, 80));
    model.setScalePercent(50);
    model.setTransparent(true);
    model.setTransparentColour(Red);
    EXPECT_TRUE(model.canAccept());
    EXPECT_EQ(model.picture().size(), QSize(60, 40));
    EXPECT_TRUE(model.transparent());
    EXPECT_EQ(model.transparentColour(), Red);
}

// A barcode from the barcode dialog comes in like a loaded picture, at its
// size in millimetres, and keeps its settings only while the picture still
// shows them.
TEST(ImagePasteModel, ABarcodeComesInAtItsSizeSeeThroughAndKeepsItsSettingsWhileTheyHold)
{
    BarcodeRequest request = defaultBarcodeRequest(Symbology::Ean13);
    request.data = QStringLiteral("490123456789");
    const BarcodePicture barcode = drawBarcode(request, 600);
    PictureSource settings;
    settings.kind = PictureSource::Kind::Barcode;
    settings.symbology = QStringLiteral("ean13");
    settings.data = request.data;

    ImagePasteModel model;
    EchoingFields window(model);
    QSignalSpy sources(&model, &ImagePasteModel::pictureSourceChanged);
    model.takeBarcode(barcode, settings);
    ASSERT_TRUE(model.hasPicture());
    // One screen pixel (15 twips) per picture pixel, at the symbol's size.
    const QSize onScreen(int(std::lround(barcode.widthMm * 56.7 / 15)), int(std::lround(barcode.heightMm * 56.7 / 15)));
    EXPECT_EQ(model.picture().size(), onScreen);
    EXPECT_EQ(model.workbench().loaded().size(), onScreen);
    EXPECT_EQ(model.shownScale(), 100);
    // Shown to a tenth of a millimetre.
    EXPECT_NEAR(model.shownWidth(), model.workbench().resultWidth().value, 0.05);
    EXPECT_TRUE(model.transparent());
    EXPECT_EQ(model.transparentColour(), White);
    EXPECT_EQ(model.pictureSource(), settings);
    EXPECT_EQ(sources.count(), 1);
    EXPECT_EQ(model.busyState(), ImagePasteModel::Idle);

    // Quarter turns are counted; restoring takes them back.
    model.turn90();
    model.turn180();
    EXPECT_EQ(model.pictureSource().quarterTurns, 3);
    EXPECT_EQ(model.picture().size(), onScreen.transposed());
    model.restore();
    EXPECT_EQ(model.pictureSource().quarterTurns, 0);
    EXPECT_TRUE(model.pictureSource().isBarcode());
    // The same size again is the same picture.
    model.setScalePercent(100);
    model.setWidthMillimetres(model.workbench().resultWidth().value);
    EXPECT_TRUE(model.pictureSource().isBarcode());

    // Another size, a mirror or a free turn: an ordinary picture.
    model.setScalePercent(150);
    EXPECT_FALSE(model.pictureSource().isBarcode());
    model.takeBarcode(barcode, settings);
    model.mirrorLeftRight();
    EXPECT_FALSE(model.pictureSource().isBarcode());
    model.takeBarcode(barcode, settings);
    model.turnBy(30);
    EXPECT_FALSE(model.pictureSource().isBarcode());
    model.takeBarcode(barcode, settings);
    model.setHeightMillimetres(5);
    EXPECT_FALSE(model.pictureSource().isBarcode());

    // A loaded file is an ordinary picture.
    model.takeBarcode(barcode, settings);
    model.takePicture([] { return std::optional<QImage>(distinctPicture(20, 20)); });
    EXPECT_FALSE(model.pictureSource().isBarcode());

    // Settings with a turn come in turned.
    PictureSource turned = settings;
    turned.quarterTurns = 1;
    model.takeBarcode(barcode, turned);
    EXPECT_EQ(model.picture().size(), onScreen.transposed());
    EXPECT_EQ(model.pictureSource().quarterTurns, 1);
    model.restore();
    EXPECT_EQ(model.picture().size(), onScreen);
    EXPECT_EQ(model.pictureSource().quarterTurns, 0);
}

TEST(ImagePasteModel, EditingABarcodeKeepsItsSettingsAndItsTurn)
{
    PictureSource settings;
    settings.kind = PictureSource::Kind::Barcode;
    settings.symbology = QStringLiteral("qr");
    settings.data = QStringLiteral("A");
    settings.quarterTurns = 2;
    ImagePasteModel model;
    model.startOn(distinctPicture(40, 40), true, White, settings);
    EXPECT_EQ(model.pictureSource(), settings);
    // The edited picture is already turned: restoring keeps that turn.
    model.turn90();
    EXPECT_EQ(model.pictureSource().quarterTurns, 3);
    model.restore();
    EXPECT_EQ(model.pictureSource().quarterTurns, 2);

    // A picture that cannot be used has no settings either.
    ImagePasteModel refused;
    refused.startOn(QImage(), true, White, settings);
    EXPECT_FALSE(refused.pictureSource().isBarcode());
}
