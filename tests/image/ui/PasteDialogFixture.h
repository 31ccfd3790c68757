#pragma once

// What the paste dialog's tests share: a data folder of their own, the
// process-wide state, scripted prompts, and ways to drive the dialog as the
// user does.

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "session/AppState.h"
#include "widgets/PictureButton.h"
#include "widgets/ColourSwatch.h"
#include "image/ui/ImagePasteDialog.h"
#include "image/ui/PicturePreview.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

namespace porkane::test {

// Every pixel its own colour, so any misplaced pixel shows.
inline QImage distinctPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x * 7 + y * 3) & 0xFF));
    return picture;
}

inline QImage filledPicture(int width, int height, QColor colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

class PasteDialogTest : public ::testing::Test {
protected:
    PasteDialogTest() : state(folder.path())
    {
        state.prompts = &prompts;
        state.TwipsPerPixelX = 15;
        state.TwipsPerPixelY = 15;
    }
    ~PasteDialogTest() override { delete dialog; }

    ImagePasteDialog &openNew()
    {
        dialog = new ImagePasteDialog(state);
        dialog->open();
        return *dialog;
    }
    ImagePasteDialog &openOn(const QImage &picture, bool transparent, RgbValue colour)
    {
        dialog = new ImagePasteDialog(state, picture, transparent, colour);
        dialog->open();
        return *dialog;
    }

    template <typename T = QWidget>
    T *control(const QString &name)
    {
        T *found = dialog->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QAbstractSpinBox *field(const QString &name) { return control<QAbstractSpinBox>(name); }
    QString text(const QString &name) { return field(name)->text(); }
    QCheckBox *box(const QString &name) { return control<QCheckBox>(name); }
    ColourSwatch *swatch() { return control<ColourSwatch>(QStringLiteral("transparentColour")); }
    PicturePreview *preview() { return control<PicturePreview>(QStringLiteral("preview")); }
    QLineEdit *angleField() { return control<QLineEdit>(QStringLiteral("angleField")); }
    QString status() { return control<QLabel>(QStringLiteral("statusLine"))->text(); }

    // Pressing and releasing the left button on a picture button.
    void click(const QString &button)
    {
        auto *picture = control<PictureButton>(button);
        QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(10, 10));
    }
    // Replaces a field's text as the user types it.
    void type(const QString &name, const QString &typed)
    {
        QAbstractSpinBox *spin = field(name);
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, typed);
    }
    void typeAngle(const QString &typed)
    {
        angleField()->setText(typed);
        click(QStringLiteral("turnByAngleButton"));
    }

    // A picture file in the test's folder.
    QString pictureFile(const QString &name, const QImage &picture, const char *format = "bmp")
    {
        const QString path = folder.file(name);
        QImageWriter writer(path, format);
        EXPECT_TRUE(writer.write(picture)) << writer.errorString().toStdString();
        return path;
    }
    void load(const QString &path)
    {
        prompts.chooseFile(path);
        click(QStringLiteral("fileButton"));
    }

    TempFolder folder;
    ScriptedPrompts prompts;
    AppState state;
    ImagePasteDialog *dialog = nullptr;
};

} // namespace porkane::test
