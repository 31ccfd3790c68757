#pragma once

// The label document: a sheet template and, for every label, its text, its
// 180-degree flag and one attribute record per text position; plus the
// pasted images with their placement. The model keeps its limits itself:
// 20 labels, 201 positions per label, 20 images.

#include <array>
#include <optional>
#include <vector>

#include <QImage>
#include <QString>

#include "core/Variant.h"
#include "document/PictureSource.h"
#include "sheet/SheetTemplate.h"

namespace porkane {

// The 19 slots of a character's attribute record.
enum AttrSlot {
    TextColourSlot = 0,      // RGB, or the line-break markers "LF" / "CR"
    CharWidthSlot = 1,
    CharHeightSlot = 2,
    LetterSpacingSlot = 3,
    LineSpacingSlot = 4,
    CharRotationSlot = 5,
    LineRotationSlot = 6,
    FontWeightSlot = 7,
    ItalicSlot = 8,
    UnderlineSlot = 9,
    StrikeOutSlot = 10,
    CharAlignmentSlot = 11,
    LineAlignmentSlot = 12,
    FaceNameSlot = 13,
    EffectCodeSlot = 14,
    ShadowColourSlot = 15,
    ShiftVerticalSlot = 16,
    ShiftHorizontalSlot = 17,
    EffectColourSlot = 18,
};
inline constexpr int SlotCount = 19;
using AttrRecord = std::array<Variant, SlotCount>;

// Why a slot's value is beyond anything the editor's fields and commands
// can put there, or nothing. Sizes (slots 1, 2) 0 to 1000, spacings (3, 4)
// -100 to 100 mm, turns (5, 6) within one whole turn either way, the weight
// (7) 0 to 1000, the alignment offsets (11 in size units, 12 in pixels)
// within what the largest label can need, the effect code (14) 0 to 7, the
// effect shifts (16, 17) -10 to 10 mm. Colours, flags and the face name are
// taken as they are. These bound what drawing a character costs: a shift is
// a stack of copies, a size a glyph's pixels.
std::optional<QString> slotOutOfRange(int slot, const Variant &value);

// Slot 0 of a line break: "LF" on its CR position, "CR" on its LF position.
inline const QString LineBreakMarkerAtCr = QStringLiteral("LF");
inline const QString LineBreakMarkerAtLf = QStringLiteral("CR");

// The five columns of an image's placement.
enum PlacementColumn {
    PlacementLeft = 0,        // pixels of the unzoomed sheet image
    PlacementTop = 1,
    PlacementTransparent = 2, // 1: the see-through colour is not drawn
    PlacementColour = 3,      // the see-through colour, RGB
    PlacementLayer = 4,       // 1: behind the text, 0: in front of it
};
using ImagePlacementRow = std::array<qint32, 5>;

class LabelDocument {
public:
    static constexpr int MaxLabels = SheetTemplate::MaxLabels;
    static constexpr int MaxPositions = 201;
    static constexpr int MaxImages = 20;

    // An empty document: no labels, no images.
    LabelDocument();

    // A new document on the template: empty texts, no records, no images.
    // Throws DocumentError for a template sheetOutOfBounds() refuses.
    static LabelDocument fromTemplate(const SheetTemplate &sheet);

    // Erases everything (numbers to 0, texts and slots to empty); the label
    // and image counts become 0.
    void discard();

    const SheetTemplate &sheet() const { return sheet_; }
    SheetTemplate &sheet() { return sheet_; }
    int labelCount() const { return sheet_.LabelCount; }

    // Labels are numbered 1 to 20; any other number throws DocumentError.
    const QString &LabelText(int label) const;
    // Refuses (DocumentError) a text longer than 201 positions or holding an
    // ASCII double quote, which the text-data file cannot store.
    void setLabelText(int label, const QString &text);

    qint16 LabelRotated(int label) const;
    void setLabelRotated(int label, qint16 rotated);

    // The record of position 1 to 201 of a label (position 0 exists but is
    // never a character's). Outside those bounds: DocumentError.
    AttrRecord &CharAttr(int label, int position);
    const AttrRecord &CharAttr(int label, int position) const;

    // Images are numbered 1 to ImageCount without gaps. ImageSlot(n) is the
    // picture index that holds image n, 0 for a number not in use.
    qint16 ImageCount() const { return imageCount_; }
    qint32 ImageSlot(int imageNumber) const;
    ImagePlacementRow &ImagePlacement(int pictureIndex);
    const ImagePlacementRow &ImagePlacement(int pictureIndex) const;
    const QImage &picture(int pictureIndex) const;
    // A new picture has no source: the caller that made it says what it
    // was made from afterwards.
    void setPicture(int pictureIndex, const QImage &picture);
    // What the picture was made from (in memory only; never saved).
    const PictureSource &pictureSource(int pictureIndex) const;
    void setPictureSource(int pictureIndex, const PictureSource &source);

    // Adds an image as the next number in the first free picture index and
    // returns its number; with 20 images already in use it throws
    // DocumentError and changes nothing.
    int addImage(const QImage &picture, const ImagePlacementRow &placement);
    // Removes image n; the later images move down by one number.
    void deleteImage(int imageNumber);

private:
    static constexpr int PictureIndices = 22; // 0 to 21; 0 is never used
    static void checkLabel(int label);
    static void checkPosition(int label, int position);
    static void checkPictureIndex(int index);

    SheetTemplate sheet_;
    std::array<QString, MaxLabels + 1> labelText_;
    std::array<qint16, MaxLabels + 2> labelRotated_{};
    // Per label, records up to the highest position written so far; the
    // positions above read as empty records.
    std::array<std::vector<AttrRecord>, MaxLabels + 1> charAttr_;
    std::array<qint32, MaxImages + 2> imageSlot_{};
    qint16 imageCount_ = 0;
    std::array<ImagePlacementRow, PictureIndices> placement_{};
    std::array<QImage, PictureIndices> pictures_;
    std::array<PictureSource, PictureIndices> sources_;
};

} // namespace porkane
