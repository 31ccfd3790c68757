#include "editor/SaveNames.h"

namespace porkane {

namespace {

// Bytes a file name may take on the file systems we write to.
constexpr int MaxFileNameBytes = 255;

} // namespace

QString proposedFileName(const LabelDocument &document, int currentLabel)
{
    QString text;
    if (currentLabel >= 1 && currentLabel <= document.labelCount())
        text = document.LabelText(currentLabel);
    for (int label = 1; text.isEmpty() && label <= document.labelCount(); ++label)
        text = document.LabelText(label);

    QString name;
    for (const QChar character : text) {
        if (character.unicode() < 32 || character == QLatin1Char('/'))
            continue;
        name.append(character);
    }
    const int room = MaxFileNameBytes - int(LabelFileExtension.size());
    while (name.toUtf8().size() > room)
        name.chop(name.size() >= 2 && name.at(name.size() - 1).isLowSurrogate() ? 2 : 1);
    return name + LabelFileExtension;
}

QString labelFileTarget(const QString &chosen)
{
    const int slash = int(chosen.lastIndexOf(QLatin1Char('/')));
    const int dot = int(chosen.lastIndexOf(QLatin1Char('.')));
    if (dot > slash)
        return chosen.left(dot) + LabelFileExtension;
    return chosen + LabelFileExtension;
}

} // namespace porkane
