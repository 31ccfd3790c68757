#include "sheet/ui/DialogLook.h"

#include <algorithm>

#include <QLabel>

namespace porkane {

namespace {

// Elides to the label's width each time it is resized.
class StatusLine : public QLabel {
public:
    explicit StatusLine(QWidget *parent) : QLabel(parent) {}

    void setWholeText(const QString &text)
    {
        whole_ = text;
        setToolTip(text);
        setProperty("wholeText", text);
        showElided();
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QLabel::resizeEvent(event);
        showElided();
    }

private:
    void showElided() { QLabel::setText(fontMetrics().elidedText(whole_, Qt::ElideRight, std::max(0, width() - 2))); }

    QString whole_;
};

} // namespace

QString designerStyleSheet()
{
    return QStringLiteral(
        "QGroupBox { border: 1px solid #e2b594; border-radius: 6px; margin-top: 9px;"
        " background: rgba(255, 255, 255, 140); padding: 6px 6px 4px 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: #8a3c1c; }"
        "QLabel { color: #5a3622; }"
        "QLabel:disabled { color: #b0a69c; }"
        "QLabel[role=\"status\"] { color: #b5485f; }"
        "QLabel[role=\"note\"] { color: #8a3c1c; }");
}

QLabel *makeStatusLine(QWidget *parent, const QString &objectName)
{
    auto *line = new StatusLine(parent);
    line->setObjectName(objectName);
    line->setProperty("role", QStringLiteral("status"));
    line->setMinimumHeight(line->fontMetrics().height() + 2);
    line->setMinimumWidth(50);
    line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    line->setTextInteractionFlags(Qt::NoTextInteraction);
    return line;
}

void setStatusText(QLabel *line, const QString &text)
{
    if (auto *status = dynamic_cast<StatusLine *>(line))
        status->setWholeText(text);
    else
        line->setText(text);
}

} // namespace porkane
