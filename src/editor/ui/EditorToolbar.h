#pragma once

// The editor's toolbar (Picture7): sixteen 36 x 36 picture buttons, each
// acting when released within 0 to 35 on both axes, in groups: file and
// windows, clipboard, images, history, and the window's own buttons.

#include <array>

#include <QWidget>

namespace porkane {

class PictureButton;

enum EditorToolButton {
    CloseButton = 1,
    SaveButton = 2,
    PrintButton = 3,
    FormatSettingsButton = 4,
    TemplateButton = 5,
    CutButton = 6,
    CopyButton = 7,
    PasteButton = 8,
    PasteImageButton = 9,
    DeleteImageButton = 10,
    UndoButton = 11,
    RedoButton = 12,
    AttributeCopyButton = 13,
    MinimiseButton = 14,
    MaximiseButton = 15,
    WindowCloseButton = 16,
};

class EditorToolbar : public QWidget {
    Q_OBJECT
public:
    static constexpr int ButtonCount = 16;

    explicit EditorToolbar(QWidget *parent = nullptr);

    // Buttons 1 to 16.
    PictureButton *button(int index) const { return buttons_.at(std::size_t(index - 1)); }
    // "最大化" turns into "元のサイズに戻す" while the window is maximised.
    void showMaximised(bool maximised);

signals:
    void triggered(int index);

private:
    std::array<PictureButton *, ButtonCount> buttons_{};
};

} // namespace porkane
