#pragma once

#include "widgets/SkinnedWindow.h"

namespace porkane {

class PictureButton;

// The About box (frmAbout): the program's name and version, ヘルプ (the
// user guide's contents, when the guide is installed) and a button to close.
class AboutDialog : public SkinnedWindow {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

    // Opens the guide's contents; false when there is no guide or it could
    // not open.
    bool openHelp();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    PictureButton *helpButton_;
};

} // namespace porkane
