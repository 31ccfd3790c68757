#pragma once

#include <functional>

#include <QUrl>

#include "widgets/SkinnedWindow.h"

namespace porkane {

class PictureButton;

// The About box (frmAbout): the program's name and version, the help page
// "メイン.htm" in the "Help" folder beside the program when it is there, and
// a button to close.
class AboutDialog : public SkinnedWindow {
    Q_OBJECT
public:
    using UrlOpener = std::function<bool(const QUrl &)>;

    // `programFolder` is where the program lies; `openUrl` hands the help
    // page to the desktop (QDesktopServices::openUrl by default).
    explicit AboutDialog(const QString &programFolder = QString(), UrlOpener openUrl = {}, QWidget *parent = nullptr);

    static QString helpPagePath(const QString &programFolder);
    // Opens the help page; false when there is none or it could not open.
    bool openHelp();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString helpPage_;
    UrlOpener openUrl_;
    PictureButton *helpButton_;
};

} // namespace porkane
