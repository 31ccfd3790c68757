#include <QComboBox>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QInputMethodEvent>
#include <QRadioButton>
#include <QSignalSpy>

#include "PasteDialogFixture.h"
#include "image/ui/BarcodeDialog.h"

using namespace porkane;
using namespace porkane::test;

// The barcode dialog as the user meets it: from "バーコード作成" in the
// image paste dialog, typing data and seeing the symbol or the refusal at
// once, and "O   K" putting the symbol into the paste dialog.

namespace {

class BarcodeDialogTest : public PasteDialogTest {
protected:
    BarcodeDialog *barcode()
    {
        QCoreApplication::processEvents();
        return dialog->barcodeDialog();
    }
    template <typename T = QWidget>
    T *in(const QString &name)
    {
        T *found = barcode() ? barcode()->findChild<T *>(name) : nullptr;
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // Replaces a field's text as the user types it; Japanese comes as an
    // input method commits it.
    void typeIn(const QString &name, const QString &text)
    {
        auto *field = in<QLineEdit>(name);
        field->setFocus();
        field->selectAll();
        bool ascii = true;
        for (const QChar c : text)
            ascii = ascii && c.unicode() < 0x80;
        if (ascii) {
            QTest::keyClicks(field, text);
            return;
        }
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(field, &event);
    }
    void choose(Symbology symbology)
    {
        auto *box = in<QComboBox>(QStringLiteral("symbologyBox"));
        box->setCurrentIndex(box->findText(symbologyName(symbology)));
    }
    void clickIn(const QString &button)
    {
        auto *picture = in<PictureButton>(button);
        QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(10, 10));
    }
    QString textOf(const QString &label) { return in<QLabel>(label)->text(); }
};

} // namespace

TEST_F(BarcodeDialogTest, AJanMadeInTheDialogComesIntoThePasteDialogSeeThroughAtItsSize)
{
    openNew();
    click(QStringLiteral("barcodeButton"));
    ASSERT_NE(barcode(), nullptr);
    EXPECT_TRUE(barcode()->isVisible());
    EXPECT_EQ(in<QComboBox>(QStringLiteral("symbologyBox"))->currentText(), QStringLiteral("JAN-13"));
    EXPECT_EQ(textOf(QStringLiteral("saveNote")), QStringLiteral("保存して開き直すと、通常の画像になります。"));
    EXPECT_FALSE(in(QStringLiteral("acceptButton"))->isEnabled());

    typeIn(QStringLiteral("dataField"), QStringLiteral("490123456"));
    EXPECT_EQ(textOf(QStringLiteral("problemLine")), QStringLiteral("JAN-13 には数字12桁または13桁を入力してください"));
    // Refused, "O   K" does nothing.
    clickIn(QStringLiteral("acceptButton"));
    barcode()->accept();
    EXPECT_TRUE(barcode()->isVisible());

    QTest::keyClicks(in<QLineEdit>(QStringLiteral("dataField")), QStringLiteral("789"));
    EXPECT_TRUE(textOf(QStringLiteral("problemLine")).isEmpty());
    EXPECT_EQ(textOf(QStringLiteral("readoutLine")), QStringLiteral("読み取ると：4901234567894"));
    EXPECT_FALSE(barcode()->picture().image.isNull());
    EXPECT_TRUE(textOf(QStringLiteral("sizeLine")).endsWith(QStringLiteral("（モジュール 0.34 mm）")));
    const BarcodePicture symbol = barcode()->picture();
    clickIn(QStringLiteral("acceptButton"));
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog->barcodeDialog(), nullptr);

    // In the paste dialog, as if loaded: its size to a tenth, see-through white.
    EXPECT_TRUE(dialog->model().hasPicture());
    EXPECT_NEAR(static_cast<QDoubleSpinBox *>(field(QStringLiteral("widthField")))->value(), symbol.widthMm, 0.15);
    EXPECT_NEAR(static_cast<QDoubleSpinBox *>(field(QStringLiteral("heightField")))->value(), symbol.heightMm, 0.15);
    EXPECT_TRUE(box(QStringLiteral("transparentBox"))->isChecked());
    EXPECT_EQ(dialog->transparentColour(), rgbValue(255, 255, 255));
    EXPECT_EQ(control<QLabel>(QStringLiteral("barcodeNote"))->text(),
              QStringLiteral("この画像は JAN-13 です。「バーコード作成」で設定を変えられます。"));
    EXPECT_FALSE(control<QLabel>(QStringLiteral("barcodeNote"))->isHidden());
    click(QStringLiteral("acceptButton"));
    EXPECT_TRUE(dialog->ImageDialogAccepted());
    EXPECT_EQ(dialog->pictureSource().data, QStringLiteral("490123456789"));
    EXPECT_EQ(dialog->pictureSource().symbology, QStringLiteral("ean13"));
}

TEST_F(BarcodeDialogTest, EachSymbologyShowsItsOwnFields)
{
    openNew();
    click(QStringLiteral("barcodeButton"));
    choose(Symbology::JapanPost);
    EXPECT_TRUE(in(QStringLiteral("dataField"))->isHidden());
    EXPECT_FALSE(in(QStringLiteral("postcodeField"))->isHidden());
    EXPECT_FALSE(in(QStringLiteral("addressBField"))->isHidden());
    EXPECT_FALSE(in(QStringLiteral("barHeightField"))->isEnabled());
    typeIn(QStringLiteral("postcodeField"), QStringLiteral("263-0023"));
    typeIn(QStringLiteral("addressBField"), QStringLiteral("3丁目30-8　郵便ビル403号"));
    EXPECT_EQ(textOf(QStringLiteral("readoutLine")), QStringLiteral("バーコードのデータ：26300233-30-8-403"));
    EXPECT_TRUE(in(QStringLiteral("acceptButton"))->isEnabled());

    choose(Symbology::QrCode);
    EXPECT_FALSE(in(QStringLiteral("dataField"))->isHidden());
    EXPECT_TRUE(in(QStringLiteral("errorCorrectionBox"))->isEnabled());
    EXPECT_FALSE(in(QStringLiteral("humanReadableBox"))->isEnabled());
    // No text under a QR code: the box shows no tick, and the next symbology
    // that has text gets the setting back.
    EXPECT_FALSE(in<QCheckBox>(QStringLiteral("humanReadableBox"))->isChecked());
    typeIn(QStringLiteral("dataField"), QStringLiteral("《URL》"));
    EXPECT_FALSE(in(QStringLiteral("fieldsNote"))->isHidden());
    EXPECT_TRUE(textOf(QStringLiteral("readoutLine")).isEmpty());

    choose(Symbology::Code128);
    EXPECT_FALSE(in(QStringLiteral("errorCorrectionBox"))->isEnabled());
    EXPECT_TRUE(in(QStringLiteral("humanReadableBox"))->isEnabled());
    EXPECT_TRUE(in<QCheckBox>(QStringLiteral("humanReadableBox"))->isChecked());
    EXPECT_TRUE(in(QStringLiteral("barHeightField"))->isEnabled());
    EXPECT_DOUBLE_EQ(in<QDoubleSpinBox>(QStringLiteral("moduleField"))->value(), 0.25);
    // The whole size instead of the module.
    in<QRadioButton>(QStringLiteral("overallSizing"))->click();
    EXPECT_FALSE(in(QStringLiteral("moduleField"))->isEnabled());
    EXPECT_TRUE(in(QStringLiteral("widthField"))->isEnabled());
    EXPECT_TRUE(barcode()->settings().overallSize);

    // Closing keeps the paste dialog as it was.
    clickIn(QStringLiteral("closeDialogButton"));
    QCoreApplication::processEvents();
    EXPECT_FALSE(dialog->model().hasPicture());
}

TEST_F(BarcodeDialogTest, EditingABarcodeOpensTheBarcodeDialogOnItsSettings)
{
    openNew();
    click(QStringLiteral("barcodeButton"));
    choose(Symbology::QrCode);
    typeIn(QStringLiteral("dataField"), QStringLiteral("LOT-1"));
    clickIn(QStringLiteral("acceptButton"));
    QCoreApplication::processEvents();
    click(QStringLiteral("turn90Button"));
    const QImage picture = dialog->picture();
    const PictureSource source = dialog->pictureSource();
    EXPECT_EQ(source.quarterTurns, 1);
    delete dialog;

    // As the editor opens it for "編集".
    dialog = new ImagePasteDialog(state, picture, true, rgbValue(255, 255, 255), nullptr, source);
    dialog->open();
    ASSERT_NE(barcode(), nullptr);
    EXPECT_EQ(in<QComboBox>(QStringLiteral("symbologyBox"))->currentText(), QStringLiteral("QRコード"));
    EXPECT_EQ(in<QLineEdit>(QStringLiteral("dataField"))->text(), QStringLiteral("LOT-1"));
    typeIn(QStringLiteral("dataField"), QStringLiteral("LOT-2 2024"));
    clickIn(QStringLiteral("acceptButton"));
    QCoreApplication::processEvents();
    // The new symbol keeps the picture's turn.
    EXPECT_EQ(dialog->pictureSource().data, QStringLiteral("LOT-2 2024"));
    EXPECT_EQ(dialog->pictureSource().quarterTurns, 1);
    EXPECT_NE(dialog->picture(), picture);

    // An ordinary picture opens no barcode dialog; its button starts a new barcode.
    delete dialog;
    openOn(distinctPicture(20, 20), false, rgbValue(255, 255, 255));
    EXPECT_EQ(barcode(), nullptr);
    EXPECT_TRUE(control<QLabel>(QStringLiteral("barcodeNote"))->isHidden());
    click(QStringLiteral("barcodeButton"));
    EXPECT_TRUE(in<QLineEdit>(QStringLiteral("dataField"))->text().isEmpty());
}
