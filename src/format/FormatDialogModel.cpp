#include "format/FormatDialogModel.h"

#include <algorithm>
#include <limits>

#include "format/DefaultFormatFile.h"
#include "format/FormatValues.h"

namespace porkane {

namespace {

constexpr qint32 Int32Min = std::numeric_limits<qint32>::min();
constexpr qint32 Int32Max = std::numeric_limits<qint32>::max();

// The swatches hold colours without the top byte.
RgbValue swatchColour(RgbValue value) { return value & 0xFFFFFF; }

} // namespace

FormatDialogModel::SpinRange FormatDialogModel::rangeOf(Field field)
{
    switch (field) {
    case Width:
    case Height:
        return {0, 1000, 1, false};
    case LetterSpacing:
    case LineSpacing:
        return {-1000, 1000, 1, true}; // -100.0 to 100.0 mm
    case CharRotation:
    case LineRotation:
        return {0, 359, 10, false};
    case ShiftVertical:
    case ShiftHorizontal:
        return {-100, 100, 1, true}; // -10.0 to 10.0 mm
    case GridInterval:
    default:
        return {1, 100, 1, false};
    }
}

FormatDialogModel::FormatDialogModel(TextFormat &defaultFormat, const QString &dataFolder, QObject *parent)
    : FormatDialogModel(Mode::DefaultFormat, defaultFormat, InputFormat::from(defaultFormat), dataFolder, parent)
{
}

FormatDialogModel::FormatDialogModel(TextFormat &defaultFormat, const InputFormat &input, const QString &dataFolder,
                                     QObject *parent)
    : FormatDialogModel(Mode::EditorInputFormat, defaultFormat, input, dataFolder, parent)
{
}

FormatDialogModel::FormatDialogModel(Mode mode, TextFormat &defaultFormat, const InputFormat &start,
                                     const QString &dataFolder, QObject *parent)
    : QObject(parent), mode_(mode), defaultFormat_(defaultFormat), dataFolder_(dataFolder)
{
    faceName_ = start.faceName;
    colours_[TextColour] = swatchColour(start.textColour);
    showValue(Width, start.charWidth);
    showValue(Height, start.charHeight);
    showValue(LetterSpacing, start.letterSpacing);
    showValue(LineSpacing, start.lineSpacing);
    showValue(CharRotation, start.charRotation);
    showValue(LineRotation, start.lineRotation);
    styles_ = {start.bold, start.italic, start.underline, start.strikeOut};
    startWeight_ = QString::number(roundedWithin(start.boldWeight, -32768, 32767));
    weightText_ = startWeight_;
    // Ticked in this order, the boxes follow their rule: a code holding both
    // shadow and three-dimensional shows three-dimensional.
    setEffect(Shadow, start.effectCode & ShadowEffect);
    setEffect(ThreeDimensional, start.effectCode & ThreeDEffect);
    setEffect(Outline, start.effectCode & OutlineEffect);
    colours_[ShadowColour] = swatchColour(start.shadowColour);
    colours_[EffectColour] = swatchColour(start.effectColour);
    showValue(ShiftVertical, start.shiftVertical);
    showValue(ShiftHorizontal, start.shiftHorizontal);

    sampleSettings_ = loadSampleSettings(dataFolder_);
    colours_[BackgroundColour] = swatchColour(sampleSettings_.backgroundColour);
    colours_[GridColour] = swatchColour(sampleSettings_.gridColour);
    showValue(GridInterval, sampleSettings_.gridInterval);
}

// --- Fields and spin buttons -------------------------------------------------------

void FormatDialogModel::showValue(Field field, double value)
{
    const SpinRange range = rangeOf(field);
    int &spin = spins_[std::size_t(field)];
    if (range.tenths) {
        spin = tenthsOf(value, range.minimum, range.maximum);
        texts_[std::size_t(field)] = tenthsText(spin);
    } else {
        // The field shows the value even beyond the spin button's range.
        const qint32 whole = roundedWithin(value, Int32Min, Int32Max);
        spin = std::clamp(whole, range.minimum, range.maximum);
        texts_[std::size_t(field)] = QString::number(whole);
    }
}

double FormatDialogModel::number(Field field) const { return fieldNumber(texts_[std::size_t(field)]); }

void FormatDialogModel::setSpinFromText(Field field)
{
    const SpinRange range = rangeOf(field);
    const double value = number(field);
    spins_[std::size_t(field)] = range.tenths ? tenthsOf(value, range.minimum, range.maximum)
                                              : roundedWithin(value, range.minimum, range.maximum);
}

void FormatDialogModel::typeText(Field field, const QString &text)
{
    texts_[std::size_t(field)] = text;
    setSpinFromText(field);
    emit fieldChanged(field);
    emit changed();
}

void FormatDialogModel::setSpinValue(Field field, int value)
{
    const SpinRange range = rangeOf(field);
    int &spin = spins_[std::size_t(field)];
    value = std::clamp(value, range.minimum, range.maximum);
    if (value == spin)
        return;
    spin = value;
    texts_[std::size_t(field)] = range.tenths ? tenthsText(value) : QString::number(value);
    emit fieldChanged(field);
    emit changed();
}

void FormatDialogModel::step(Field field, int direction)
{
    setSpinValue(field, spinValue(field) + (direction > 0 ? rangeOf(field).step : -rangeOf(field).step));
}

void FormatDialogModel::stepSizes(int direction)
{
    for (Field field : {Width, Height}) {
        const int value = spinValue(field);
        if (direction > 0 && value < rangeOf(field).maximum)
            texts_[std::size_t(field)] = QString::number(value + 1);
        else if (direction < 0 && value > 1)
            texts_[std::size_t(field)] = QString::number(value - 1);
        else
            continue;
        setSpinFromText(field);
        emit fieldChanged(field);
    }
    // The sample is drawn once for both.
    emit changed();
}

// --- Face, styles, effects and colours ------------------------------------------------

void FormatDialogModel::setFaceName(const QString &faceName)
{
    faceName_ = faceName;
    emit changed();
}

void FormatDialogModel::setStyle(Style style, bool on)
{
    styles_[std::size_t(style)] = on;
    emit changed();
}

void FormatDialogModel::setWeightText(const QString &text)
{
    weightText_ = text;
    emit changed();
}

QStringList FormatDialogModel::weightItems() const
{
    QStringList items;
    for (int weight = 100; weight <= 900; weight += 100)
        items.append(QString::number(weight));
    // A weight from a file written by hand is shown in its place rather
    // than lost.
    if (!items.contains(startWeight_)) {
        qsizetype at = 0;
        while (at < items.size() && items[at].toInt() < startWeight_.toInt())
            ++at;
        items.insert(at, startWeight_);
    }
    return items;
}

void FormatDialogModel::setEffect(Effect effect, bool on)
{
    if (effects_[std::size_t(effect)] == on)
        return;
    effects_[std::size_t(effect)] = on;
    if (on && effect != Outline)
        effects_[effect == Shadow ? ThreeDimensional : Shadow] = false;
    emit effectsChanged();
    emit changed();
}

bool FormatDialogModel::effectFrameEnabled() const
{
    return effects_[Shadow] || effects_[ThreeDimensional] || effects_[Outline];
}

bool FormatDialogModel::effectColourEnabled() const { return effects_[ThreeDimensional] || effects_[Outline]; }

void FormatDialogModel::setColour(Colour colour, RgbValue value)
{
    colours_[std::size_t(colour)] = swatchColour(value);
    emit colourChanged(colour);
    emit changed();
}

void FormatDialogModel::pickPaletteColour(int index)
{
    if (index >= 0 && index < int(Palette.size()))
        setColour(TextColour, Palette[std::size_t(index)]);
}

// --- What the fields make ---------------------------------------------------------

InputFormat FormatDialogModel::format() const
{
    InputFormat format;
    format.textColour = colour(TextColour);
    format.charWidth = fieldInt16(text(Width));
    format.charHeight = fieldInt16(text(Height));
    // Spacings and shifts are singles wherever they are kept.
    format.letterSpacing = double(float(number(LetterSpacing)));
    format.lineSpacing = double(float(number(LineSpacing)));
    format.charRotation = fieldInt16(text(CharRotation));
    format.lineRotation = fieldInt16(text(LineRotation));
    format.bold = style(Bold);
    format.boldWeight = fieldInt16(weightText_);
    format.italic = style(Italic);
    format.underline = style(Underline);
    format.strikeOut = style(StrikeOut);
    format.faceName = faceName_;
    format.effectCode = effectCodeOf(effect(Shadow), effect(ThreeDimensional), effect(Outline));
    format.shadowColour = colour(ShadowColour);
    format.effectColour = colour(EffectColour);
    format.shiftVertical = double(float(number(ShiftVertical)));
    format.shiftHorizontal = double(float(number(ShiftHorizontal)));
    return format;
}

TextFormat FormatDialogModel::textFormat() const
{
    const InputFormat fields = format();
    TextFormat format;
    format.textColour = fields.textColour;
    format.charWidth = qint16(fields.charWidth);
    format.charHeight = qint16(fields.charHeight);
    format.letterSpacing = float(fields.letterSpacing);
    format.lineSpacing = float(fields.lineSpacing);
    format.charRotation = qint16(fields.charRotation);
    format.lineRotation = qint16(fields.lineRotation);
    format.bold = fields.bold ? 1 : 0;
    format.italic = fields.italic ? 1 : 0;
    format.underline = fields.underline ? 1 : 0;
    format.strikeOut = fields.strikeOut ? 1 : 0;
    format.faceName = fields.faceName;
    format.boldWeight = qint16(fields.boldWeight);
    format.shadowColour = fields.shadowColour;
    format.effectColour = fields.effectColour;
    format.shiftHorizontal = float(fields.shiftHorizontal);
    format.shiftVertical = float(fields.shiftVertical);
    format.effectCode = fields.effectCode;
    return format;
}

InputFormat FormatDialogModel::appliedInputFormat() const
{
    InputFormat format = this->format();
    const auto inTenths = [this](Field field) {
        const SpinRange range = rangeOf(field);
        return tenthsOf(number(field), range.minimum, range.maximum) / 10.0;
    };
    format.letterSpacing = inTenths(LetterSpacing);
    format.lineSpacing = inTenths(LineSpacing);
    format.shiftVertical = inTenths(ShiftVertical);
    format.shiftHorizontal = inTenths(ShiftHorizontal);
    return format;
}

SampleSettings FormatDialogModel::sampleSettings() const
{
    SampleSettings settings;
    settings.backgroundColour = colour(BackgroundColour);
    settings.gridColour = colour(GridColour);
    settings.gridInterval = fieldInteger(text(GridInterval), Int32Min, Int32Max);
    return settings;
}

// --- Buttons ---------------------------------------------------------------------

void FormatDialogModel::apply()
{
    if (mode_ == Mode::DefaultFormat) {
        defaultFormat_ = textFormat();
        sampleSettings_ = sampleSettings();
        emit defaultFormatApplied();
    } else {
        emit inputFormatApplied(appliedInputFormat());
    }
}

void FormatDialogModel::setAsDefault()
{
    // In the editor's mode apply leaves the default format alone, so the
    // file receives the defaults as they were. Failing writes are not
    // reported.
    apply();
    saveDefaultFormat(dataFolder_, defaultFormat_);
    saveSampleSettings(dataFolder_, sampleSettings_);
}

void FormatDialogModel::close() { saveSampleSettings(dataFolder_, sampleSettings()); }

} // namespace porkane
