#include "editor/ui/EditorToolbar.h"

#include <QHBoxLayout>

#include "widgets/Artwork.h"
#include "widgets/PictureButton.h"

namespace porkane {

namespace {

struct ButtonInfo {
    const char *icon;
    const char *toolTip;
};

const std::array<ButtonInfo, EditorToolbar::ButtonCount> Buttons = {{
    {"close", QT_TRANSLATE_NOOP("porkane::EditorToolbar", "閉じる")},
    {"save", QT_TRANSLATE_NOOP("porkane::EditorToolbar", "保存")},
    {"printer", QT_TRANSLATE_NOOP("porkane::EditorToolbar", "印刷")},
    {"format", QT_TRANSLATE_NOOP("porkane::EditorToolbar", "書式設定")},
    {"template-settings", QT_TRANSLATE_NOOP("porkane::EditorToolbar", "テ゜ンプレート設定")},
    {"cut", QT_TRANSLATE_NOOP("porkane::EditorToolbar", "切り取り")},
    {"copy", QT_TRANSLATE_NOOP("porkane::EditorToolbar", "コピー")},
    {"paste", QT_TRANSLATE_NOOP("porkane::EditorToolbar", "貼り付け")},
    {"image-paste", QT_TRANSLATE_NOOP("porkane::EditorToolbar", "画像貼り付け")},
    {"image-delete", QT_TRANSLATE_NOOP("porkane::EditorToolbar", "画像削除")},
    {"undo", QT_TRANSLATE_NOOP("porkane::EditorToolbar", "元に戻す")},
    {"redo", QT_TRANSLATE_NOOP("porkane::EditorToolbar", "やり直す")},
    {"attribute-copy", QT_TRANSLATE_NOOP("porkane::EditorToolbar", "文字属性コピー")},
    {"toolbar-minimise", QT_TRANSLATE_NOOP("porkane::EditorToolbar", "最小化")},
    {"toolbar-maximise", QT_TRANSLATE_NOOP("porkane::EditorToolbar", "最大化")},
    {"toolbar-close", QT_TRANSLATE_NOOP("porkane::EditorToolbar", "閉じる")},
}};

constexpr int ActingBound = 35;

PictureButton::Pictures pictures(const QString &icon)
{
    return artwork::buttonPictures(icon, artwork::ToolbarButtonSize, artwork::ButtonShape::Square);
}

} // namespace

EditorToolbar::EditorToolbar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture7"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    for (int index = 1; index <= ButtonCount; ++index) {
        const ButtonInfo &info = Buttons[std::size_t(index - 1)];
        auto *button = new PictureButton(this);
        button->setObjectName(QStringLiteral("toolButton%1").arg(index));
        button->setPictures(pictures(QLatin1String(info.icon)));
        button->setToolTip(tr(info.toolTip));
        button->setActingBounds(ActingBound, ActingBound);
        connect(button, &PictureButton::clicked, this, [this, index] { emit triggered(index); });
        buttons_[std::size_t(index - 1)] = button;
        if (index == CutButton || index == PasteImageButton || index == UndoButton)
            row->addSpacing(12);
        if (index == MinimiseButton)
            row->addStretch(1);
        row->addWidget(button);
    }
}

void EditorToolbar::showMaximised(bool maximised)
{
    PictureButton *maximise = button(MaximiseButton);
    maximise->setPictures(pictures(maximised ? QStringLiteral("toolbar-restore") : QStringLiteral("toolbar-maximise")));
    maximise->setToolTip(maximised ? tr("元のサイズに戻す") : tr("最大化"));
}

} // namespace porkane
