#include <QClipboard>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QMimeData>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTimer>

#include "PasteDialogFixture.h"
#include "widgets/BusyPointer.h"
#include "image/ImageMessages.h"
#include "image/MetafileBytes.h"
#include "image/PictureLoader.h"
#include "image/PixelOperations.h"

using namespace porkane;
using namespace porkane::test;

namespace {

const RgbValue Red = rgbValue(255, 0, 0);
const RgbValue White = rgbValue(255, 255, 255);

// Red on the left half, blue on the right.
QImage redAndBlue(int width, int height)
{
    QImage picture = filledPicture(width, height, Qt::blue);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    return picture;
}

} // namespace

// --- Opening ---------------------------------------------------------------------------

TEST_F(PasteDialogTest, ANewImageStartsEmptyWithThePlaceholder)
{
    openNew();
    EXPECT_EQ(dialog->objectName(), QStringLiteral("frm_f020"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("画像の貼り付け"));
    EXPECT_FALSE(dialog->ImageEditMode());
    EXPECT_TRUE(control(QStringLiteral("noPictureLabel"))->isVisible());
    EXPECT_EQ(control<QLabel>(QStringLiteral("noPictureLabel"))->text(), QStringLiteral("（なし）"));
    EXPECT_EQ(text(QStringLiteral("scaleField")), QStringLiteral("100"));
    EXPECT_EQ(text(QStringLiteral("widthField")), QStringLiteral("0"));
    EXPECT_EQ(text(QStringLiteral("heightField")), QStringLiteral("0"));
    EXPECT_EQ(angleField()->text(), QStringLiteral("0"));
    EXPECT_FALSE(box(QStringLiteral("transparentBox"))->isChecked());
    EXPECT_EQ(state.ModalMode, ModalImageDialog);
    // Nothing to turn or size yet.
    EXPECT_FALSE(control(QStringLiteral("turn90Button"))->isEnabled());
    EXPECT_FALSE(field(QStringLiteral("scaleField"))->isEnabled());
}

TEST_F(PasteDialogTest, EditingStartsWithTheImageAndItsSeeThroughColour)
{
    const QImage picture = distinctPicture(60, 30);
    openOn(picture, true, Red);
    EXPECT_TRUE(dialog->ImageEditMode());
    EXPECT_FALSE(control(QStringLiteral("noPictureLabel"))->isVisible());
    EXPECT_EQ(dialog->workbench().loaded(), picture);
    EXPECT_EQ(dialog->workbench().sourceCopy(), picture);
    EXPECT_EQ(preview()->picture(), picture);
    EXPECT_EQ(text(QStringLiteral("scaleField")), QStringLiteral("100"));
    // 60 px = 900 twips = 15.9 mm; 30 px = 7.9 mm.
    EXPECT_EQ(text(QStringLiteral("widthField")), QStringLiteral("16"));
    EXPECT_EQ(text(QStringLiteral("heightField")), QStringLiteral("8"));
    EXPECT_TRUE(box(QStringLiteral("transparentBox"))->isChecked());
    EXPECT_TRUE(swatch()->isEnabled());
    EXPECT_EQ(swatch()->colour(), Red);

    // Accepted unchanged, the image keeps its see-through colour.
    click(QStringLiteral("acceptButton"));
    EXPECT_TRUE(dialog->ImageDialogAccepted());
    EXPECT_EQ(dialog->picture(), picture);
    EXPECT_TRUE(dialog->transparent());
    EXPECT_EQ(dialog->transparentColour(), Red);
}

// --- Loading -----------------------------------------------------------------------------

TEST_F(PasteDialogTest, LoadingAFileShowsItAtScale100EvenAfterScaling)
{
    openNew();
    load(pictureFile(QStringLiteral("first.bmp"), distinctPicture(40, 40)));
    EXPECT_EQ(prompts.last().kind, AskedPrompt::OpenFile);
    // Every kind the loader reads is offered, PNG and SVG included.
    EXPECT_EQ(prompts.last().text, pictureFileFilter());
    for (const char *pattern : {"*.bmp", "*.jpg", "*.gif", "*.ico", "*.wmf", "*.emf", "*.JPG", "*.png", "*.svg"})
        EXPECT_TRUE(prompts.last().text.contains(QLatin1String(pattern))) << pattern;
    type(QStringLiteral("scaleField"), QStringLiteral("50"));
    ASSERT_EQ(dialog->picture().size(), QSize(20, 20));

    const QImage second = distinctPicture(120, 80);
    load(pictureFile(QStringLiteral("second.bmp"), second));
    EXPECT_EQ(dialog->picture(), second);
    EXPECT_EQ(preview()->picture(), second);
    EXPECT_EQ(text(QStringLiteral("scaleField")), QStringLiteral("100"));
    // 120 px = 31.7 mm, 80 px = 21.2 mm.
    EXPECT_EQ(text(QStringLiteral("widthField")), QStringLiteral("32"));
    EXPECT_EQ(text(QStringLiteral("heightField")), QStringLiteral("21"));
    EXPECT_FALSE(control(QStringLiteral("noPictureLabel"))->isVisible());
    EXPECT_TRUE(status().isEmpty());
    EXPECT_EQ(dialog->busyState(), ImagePasteModel::Idle);
}

TEST_F(PasteDialogTest, WmfAndEmfFilesLoadAtTheirOwnSize)
{
    openNew();
    WmfBytes wmf;
    wmf.solidBrush(colorRef(0, 128, 0)).selectObject(0).rectangle(0, 0, 1000, 1000);
    const QString wmfPath = folder.file(QStringLiteral("green.wmf"));
    writeBytes(wmfPath, wmf.placeable(QRect(0, 0, 1000, 1000), 1000));
    load(wmfPath);
    ASSERT_EQ(dialog->picture().size(), QSize(96, 96)) << status().toStdString();
    EXPECT_EQ(dialog->picture().pixel(48, 48), qRgb(0, 128, 0));
    // One inch is 25.4 mm.
    EXPECT_EQ(text(QStringLiteral("widthField")), QStringLiteral("25"));

    EmfBytes emf;
    emf.solidBrush(1, colorRef(200, 0, 0)).selectObject(1).rectangle(0, 0, 96, 48);
    const QString emfPath = folder.file(QStringLiteral("red.emf"));
    writeBytes(emfPath, emf.bytes(QRect(0, 0, 96, 48), QRect(0, 0, 2540, 1270)));
    load(emfPath);
    ASSERT_EQ(dialog->picture().size(), QSize(96, 48)) << status().toStdString();
    EXPECT_EQ(dialog->picture().pixel(48, 24), qRgb(200, 0, 0));
    EXPECT_EQ(text(QStringLiteral("heightField")), QStringLiteral("13"));
}

TEST_F(PasteDialogTest, AFileThatCannotBeLoadedLeavesTheDialogAsItWasAndSaysSo)
{
    openNew();
    const QImage picture = distinctPicture(120, 80);
    load(pictureFile(QStringLiteral("good.bmp"), picture));
    type(QStringLiteral("scaleField"), QStringLiteral("50"));
    const QImage scaled = dialog->picture();

    const QString broken = folder.file(QStringLiteral("broken.jpg"));
    writeBytes(broken, QByteArray("this is no picture at all"));
    load(broken);
    EXPECT_EQ(dialog->picture(), scaled);
    EXPECT_EQ(dialog->workbench().loaded(), picture);
    EXPECT_EQ(preview()->picture(), scaled);
    EXPECT_EQ(text(QStringLiteral("scaleField")), QStringLiteral("50"));
    EXPECT_EQ(text(QStringLiteral("widthField")), QStringLiteral("16"));
    EXPECT_TRUE(status().contains(QStringLiteral("broken.jpg"))) << status().toStdString();
    EXPECT_EQ(dialog->busyState(), ImagePasteModel::Idle);

    load(folder.file(QStringLiteral("gone.bmp")));
    EXPECT_TRUE(status().contains(QStringLiteral("gone.bmp"))) << status().toStdString();
    EXPECT_EQ(dialog->picture(), scaled);

    // The next good picture clears the word.
    load(pictureFile(QStringLiteral("again.bmp"), picture));
    EXPECT_TRUE(status().isEmpty());
}

TEST_F(PasteDialogTest, CancellingTheFileDialogChangesNothingAndSaysNothing)
{
    openNew();
    prompts.cancelDialog();
    click(QStringLiteral("fileButton"));
    EXPECT_FALSE(dialog->workbench().hasPicture());
    EXPECT_TRUE(control(QStringLiteral("noPictureLabel"))->isVisible());
    EXPECT_TRUE(status().isEmpty());
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(PasteDialogTest, TheClipboardsPictureIsTakenLikeAFile)
{
    openNew();
    QGuiApplication::clipboard()->clear();
    click(QStringLiteral("clipboardButton"));
    EXPECT_EQ(status(), NoClipboardPictureMessage());
    EXPECT_FALSE(dialog->workbench().hasPicture());

    const QImage picture = distinctPicture(50, 20);
    QGuiApplication::clipboard()->setImage(picture);
    click(QStringLiteral("clipboardButton"));
    EXPECT_EQ(dialog->picture(), picture);
    EXPECT_EQ(text(QStringLiteral("scaleField")), QStringLiteral("100"));
    EXPECT_EQ(text(QStringLiteral("widthField")), QStringLiteral("13"));
    EXPECT_TRUE(status().isEmpty());
    QGuiApplication::clipboard()->clear();
}

// --- Scale, width and height ------------------------------------------------------------------

TEST_F(PasteDialogTest, ScalingAlwaysStartsFromTheSourceCopy)
{
    const QImage picture = distinctPicture(120, 80);
    openOn(picture, false, White);
    type(QStringLiteral("scaleField"), QStringLiteral("50"));
    EXPECT_EQ(dialog->picture().size(), QSize(60, 40));
    EXPECT_EQ(text(QStringLiteral("widthField")), QStringLiteral("16"));
    EXPECT_EQ(text(QStringLiteral("heightField")), QStringLiteral("11"));
    EXPECT_EQ(preview()->picture().size(), QSize(60, 40));

    type(QStringLiteral("scaleField"), QStringLiteral("200"));
    EXPECT_EQ(dialog->picture().size(), QSize(240, 160));
    EXPECT_EQ(text(QStringLiteral("widthField")), QStringLiteral("63"));

    // The spinner's arrow scales too.
    field(QStringLiteral("scaleField"))->stepBy(1);
    EXPECT_EQ(dialog->picture().size(), QSize(241, 161));
}

TEST_F(PasteDialogTest, ATypedWidthLeavesTheHeightAndTheScaleShows100)
{
    openOn(distinctPicture(120, 80), false, White);
    type(QStringLiteral("scaleField"), QStringLiteral("50"));
    type(QStringLiteral("widthField"), QStringLiteral("30"));
    // 30 mm = 1701 twips = 113.4 px; the height stays the scaled 40 px.
    EXPECT_EQ(dialog->picture().size(), QSize(113, 40));
    EXPECT_EQ(preview()->picture().size(), QSize(113, 40));
    EXPECT_EQ(text(QStringLiteral("scaleField")), QStringLiteral("100"));
    EXPECT_EQ(text(QStringLiteral("heightField")), QStringLiteral("11"));

    type(QStringLiteral("heightField"), QStringLiteral("10"));
    EXPECT_EQ(dialog->picture().size(), QSize(113, 38));
    EXPECT_EQ(text(QStringLiteral("widthField")), QStringLiteral("30"));
    EXPECT_EQ(dialog->busyState(), ImagePasteModel::Idle);
}

// --- Turning and mirroring ----------------------------------------------------------------------

TEST_F(PasteDialogTest, TheButtonsTurnAndMirrorTheResultAndRestoreBringsItBack)
{
    const QImage picture = distinctPicture(120, 80);
    openOn(picture, false, White);
    const std::vector<std::pair<QString, QString>> toolTips = {
        {QStringLiteral("restoreButton"), QStringLiteral("オリジナル画像に戻します。")},
        {QStringLiteral("turn90Button"), QStringLiteral("９０度回転")},
        {QStringLiteral("turn180Button"), QStringLiteral("１８０度回転")},
        {QStringLiteral("turn270Button"), QStringLiteral("２７０度回転")},
        {QStringLiteral("mirrorLeftRightButton"), QStringLiteral("左右鏡像")},
        {QStringLiteral("mirrorTopBottomButton"), QStringLiteral("上下鏡像")},
    };
    for (const auto &[name, toolTip] : toolTips)
        EXPECT_EQ(control(name)->toolTip(), toolTip) << name.toStdString();

    click(QStringLiteral("turn90Button"));
    EXPECT_EQ(dialog->picture(), turn90(picture));
    EXPECT_EQ(text(QStringLiteral("widthField")), QStringLiteral("21"));
    EXPECT_EQ(text(QStringLiteral("heightField")), QStringLiteral("32"));
    click(QStringLiteral("turn270Button"));
    EXPECT_EQ(dialog->picture(), picture);
    click(QStringLiteral("turn180Button"));
    EXPECT_EQ(dialog->picture(), turn180(picture));
    click(QStringLiteral("mirrorLeftRightButton"));
    EXPECT_EQ(dialog->picture(), mirrorTopBottom(picture));
    click(QStringLiteral("mirrorTopBottomButton"));
    EXPECT_EQ(dialog->picture(), picture);

    // After a turn, the scale is of the turned picture.
    type(QStringLiteral("scaleField"), QStringLiteral("50"));
    click(QStringLiteral("turn90Button"));
    EXPECT_EQ(text(QStringLiteral("scaleField")), QStringLiteral("100"));
    EXPECT_EQ(dialog->picture().size(), QSize(40, 60));

    click(QStringLiteral("restoreButton"));
    EXPECT_EQ(dialog->picture(), picture);
    EXPECT_EQ(dialog->workbench().sourceCopy(), picture);
    EXPECT_EQ(text(QStringLiteral("scaleField")), QStringLiteral("100"));
    EXPECT_EQ(text(QStringLiteral("widthField")), QStringLiteral("32"));
}

TEST_F(PasteDialogTest, TheProgressBoxIsUpWhileAQuarterTurnRunsAndButtonsAreIgnored)
{
    const QImage picture = distinctPicture(600, 400);
    openOn(picture, false, White);
    auto *box = control(QStringLiteral("progressBox"));
    EXPECT_FALSE(box->isVisible());

    auto *bar = control<QProgressBar>(QStringLiteral("progressBar"));
    QSignalSpy progress(bar, &QProgressBar::valueChanged);
    QSignalSpy finished(dialog, &ImagePasteDialog::finished);
    bool sawBox = false;
    QTimer::singleShot(0, dialog, [&] {
        sawBox = box->isVisible();
        EXPECT_EQ(control<QLabel>(QStringLiteral("progressMessage"))->text(), TurningMessage());
        EXPECT_EQ(bar->maximum(), 1000);
        EXPECT_EQ(dialog->busyState(), ImagePasteModel::Working);
        EXPECT_TRUE(BusyPointer::shown());
        // Pressed meanwhile: all of these are ignored.
        click(QStringLiteral("turn90Button"));
        click(QStringLiteral("acceptButton"));
        dialog->close();
    });
    click(QStringLiteral("turn90Button"));

    EXPECT_TRUE(sawBox);
    // Row by row up to the full bar.
    EXPECT_GT(progress.size(), 100);
    EXPECT_EQ(progress.back().front().toInt(), 1000);
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(BusyPointer::shown());
    EXPECT_EQ(dialog->busyState(), ImagePasteModel::Idle);
    EXPECT_EQ(dialog->picture(), turn90(picture));
    EXPECT_TRUE(finished.isEmpty());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(PasteDialogTest, AnAngleOutsideTheRangeIsRefusedWithTheMessage)
{
    const QImage picture = distinctPicture(40, 30);
    openOn(picture, false, White);
    typeAngle(QStringLiteral("-5"));
    typeAngle(QStringLiteral("400"));
    EXPECT_EQ(prompts.messages(), QStringList({AngleRangeMessage(), AngleRangeMessage()}));
    EXPECT_EQ(dialog->picture(), picture);

    // An empty angle is 0, which leaves the picture as it is.
    typeAngle(QString());
    EXPECT_EQ(angleField()->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog->picture(), picture);
    EXPECT_EQ(prompts.messages().size(), 2);
}

TEST_F(PasteDialogTest, AFreeTurnShowsItsSizeToATenthOfAMillimetre)
{
    openOn(distinctPicture(120, 80), false, White);
    typeAngle(QStringLiteral("30"));
    const QImage turned = dialog->picture();
    EXPECT_GT(turned.width(), 120);
    EXPECT_GT(turned.height(), 80);
    // The corners hold no source pixel: they are white.
    EXPECT_EQ(turned.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(preview()->picture(), turned);
    const double widthMillimetres = turned.width() * 15 / 56.7;
    const double heightMillimetres = turned.height() * 15 / 56.7;
    EXPECT_NEAR(text(QStringLiteral("widthField")).toDouble(), widthMillimetres, 0.051);
    EXPECT_NEAR(text(QStringLiteral("heightField")).toDouble(), heightMillimetres, 0.051);
    EXPECT_FALSE(control(QStringLiteral("progressBox"))->isVisible());

    // Enter in the angle box turns as well.
    angleField()->setText(QStringLiteral("90"));
    QTest::keyClick(angleField(), Qt::Key_Return);
    EXPECT_EQ(dialog->picture().size(), turned.size().transposed());
}

// --- See-through colour --------------------------------------------------------------------------

TEST_F(PasteDialogTest, TheSwatchCannotBeUsedWithoutSeeThrough)
{
    openOn(distinctPicture(40, 30), false, White);
    QCheckBox *transparent = box(QStringLiteral("transparentBox"));
    EXPECT_EQ(transparent->toolTip(), QStringLiteral("画像を貼り付ける際、透過色で透過処理します。"));
    EXPECT_EQ(box(QStringLiteral("pickColourBox"))->toolTip(), QStringLiteral("画像より透過色を設定します。"));
    EXPECT_FALSE(swatch()->isEnabled());
    EXPECT_FALSE(control(QStringLiteral("transparentColourCaption"))->isEnabled());
    EXPECT_FALSE(box(QStringLiteral("pickColourBox"))->isEnabled());
    QTest::mouseClick(swatch(), Qt::LeftButton);
    EXPECT_TRUE(prompts.asked().empty());

    transparent->click();
    EXPECT_TRUE(swatch()->isEnabled());
    EXPECT_TRUE(box(QStringLiteral("pickColourBox"))->isEnabled());
    prompts.pickColour(rgbValue(0, 200, 100));
    QTest::mouseClick(swatch(), Qt::LeftButton);
    EXPECT_EQ(prompts.last().kind, AskedPrompt::Colour);
    EXPECT_EQ(swatch()->colour(), rgbValue(0, 200, 100));

    // Unticking also ends picking.
    box(QStringLiteral("pickColourBox"))->click();
    transparent->click();
    EXPECT_FALSE(swatch()->isEnabled());
    EXPECT_FALSE(box(QStringLiteral("pickColourBox"))->isChecked());
    EXPECT_FALSE(preview()->isPicking());
    EXPECT_FALSE(dialog->transparent());
}

TEST_F(PasteDialogTest, PickingARedPixelFillsTheSwatchAndUnticksPicking)
{
    openOn(redAndBlue(120, 80), false, White);
    box(QStringLiteral("transparentBox"))->click();
    QWidget *picture = control(QStringLiteral("previewPicture"));
    EXPECT_FALSE(picture->testAttribute(Qt::WA_SetCursor));
    box(QStringLiteral("pickColourBox"))->click();
    EXPECT_TRUE(picture->testAttribute(Qt::WA_SetCursor));

    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(10, 40));
    EXPECT_EQ(swatch()->colour(), Red);
    EXPECT_FALSE(box(QStringLiteral("pickColourBox"))->isChecked());
    EXPECT_FALSE(picture->testAttribute(Qt::WA_SetCursor));

    // A second click on blue changes nothing.
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(100, 40));
    EXPECT_EQ(swatch()->colour(), Red);

    click(QStringLiteral("acceptButton"));
    EXPECT_TRUE(dialog->transparent());
    EXPECT_EQ(dialog->transparentColour(), Red);
}

// --- Accepting and closing ---------------------------------------------------------------------

TEST_F(PasteDialogTest, AcceptingWithoutAPictureAddsNothing)
{
    openNew();
    QSignalSpy finished(dialog, &ImagePasteDialog::finished);
    EXPECT_FALSE(control(QStringLiteral("acceptButton"))->isEnabled());
    click(QStringLiteral("acceptButton"));
    EXPECT_TRUE(status().isEmpty());
    dialog->accept();
    EXPECT_EQ(status(), NoPictureMessage());
    EXPECT_TRUE(finished.isEmpty());
    EXPECT_FALSE(dialog->ImageDialogAccepted());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(state.ModalMode, ModalImageDialog);
}

TEST_F(PasteDialogTest, AcceptingHandsTheResultOverWhileModalModeIsStill2)
{
    openNew();
    load(pictureFile(QStringLiteral("photo.bmp"), distinctPicture(120, 80)));
    type(QStringLiteral("scaleField"), QStringLiteral("50"));
    box(QStringLiteral("transparentBox"))->click();

    std::vector<bool> received;
    qint16 modalModeThen = -1;
    QImage pictureThen;
    QObject::connect(dialog, &ImagePasteDialog::finished, [&](bool accepted) {
        received.push_back(accepted);
        modalModeThen = state.ModalMode;
        pictureThen = dialog->picture();
    });
    click(QStringLiteral("acceptButton"));
    EXPECT_EQ(received, std::vector<bool>{true});
    EXPECT_EQ(modalModeThen, ModalImageDialog);
    EXPECT_EQ(state.ModalMode, ModalNone);
    EXPECT_EQ(pictureThen.size(), QSize(60, 40));
    EXPECT_TRUE(dialog->ImageDialogAccepted());
    EXPECT_TRUE(dialog->transparent());
    EXPECT_EQ(dialog->transparentColour(), White);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(PasteDialogTest, CloseTheTitleBarAndEscapeEndWithoutAccepting)
{
    const QImage picture = distinctPicture(20, 20);
    for (const QString &how : {QStringLiteral("closeDialogButton"), QStringLiteral("closeButton"),
                               QStringLiteral("escape")}) {
        delete dialog;
        openOn(picture, false, White);
        QSignalSpy finished(dialog, &ImagePasteDialog::finished);
        if (how == QStringLiteral("escape"))
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            click(how);
        ASSERT_EQ(finished.size(), 1) << how.toStdString();
        EXPECT_FALSE(finished.front().front().toBool());
        EXPECT_FALSE(dialog->ImageDialogAccepted());
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(state.ModalMode, ModalNone);
    }
}

TEST_F(PasteDialogTest, ExecWaitsForTheAnswer)
{
    dialog = new ImagePasteDialog(state, distinctPicture(20, 20), false, White);
    QTimer::singleShot(0, dialog, [&] {
        EXPECT_EQ(state.ModalMode, ModalImageDialog);
        EXPECT_TRUE(dialog->isModal());
        click(QStringLiteral("acceptButton"));
    });
    EXPECT_TRUE(dialog->exec());
    EXPECT_EQ(state.ModalMode, ModalNone);
}

TEST_F(PasteDialogTest, ThePlaceAndSizeAreKeptInTheSettings)
{
    // Twips at 15 per pixel.
    state.settings.pasteDialog = WindowPlace{450, 300, 13500, 10500};
    openNew();
    EXPECT_EQ(dialog->geometry(), QRect(30, 20, 900, 700));

    dialog->move(60, 40);
    dialog->resize(1000, 720);
    click(QStringLiteral("closeDialogButton"));
    EXPECT_EQ(state.settings.pasteDialog, (WindowPlace{900, 600, 15000, 10800}));
}

TEST_F(PasteDialogTest, TheFirstRunsTinyPlaceGivesTheUsualSize)
{
    // porkane.INI's defaults are 1000 twips square.
    ASSERT_EQ(state.settings.pasteDialog, WindowPlace{});
    openNew();
    EXPECT_GE(dialog->width(), dialog->minimumSizeHint().width());
    EXPECT_GE(dialog->height(), dialog->minimumSizeHint().height());
    EXPECT_GT(dialog->width(), 600);
}
