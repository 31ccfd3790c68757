#pragma once

// The look the designer and its dialogs share: groups with rounded warm
// borders on the skin, brown captions, a red status line.

#include <QString>

class QLabel;
class QWidget;

namespace porkane {

QString designerStyleSheet();

// A one-line status text under a dialog's controls, clear of the resize
// grip; long texts are cut with "…" and shown whole as the tool tip (and
// as the property "wholeText").
QLabel *makeStatusLine(QWidget *parent, const QString &objectName);
void setStatusText(QLabel *line, const QString &text);

} // namespace porkane
