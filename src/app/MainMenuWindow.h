#pragma once

#include <array>

#include <QPointer>

#include "app/AboutDialog.h"
#include "widgets/SkinnedWindow.h"

namespace porkane {

struct AppState;
class PictureButton;
enum OpenModes : qint16;

// The main menu (Form2): eight picture buttons from which every other
// window is reached. While loading it reads porkane.INI and DefMog.INI and
// moves itself to the saved place; closing it writes porkane.INI and ends
// the program. Its width follows the grip; its height follows the grid.
class MainMenuWindow : public SkinnedWindow {
    Q_OBJECT
public:
    static constexpr int ButtonCount = 8;

    explicit MainMenuWindow(AppState &state, QWidget *parent = nullptr);
    ~MainMenuWindow() override;

    // Buttons 0 to 7 ("menuButton0" ...); the title-bar buttons 9 and 10 are
    // minimiseButton() and closeButton().
    PictureButton *button(int index) const { return buttons_.at(std::size_t(index)); }
    int columns() const { return columns_; }
    // True when the settings files could not be read and the defaults hold.
    bool startedWithDefaults() const { return startedWithDefaults_; }
    AboutDialog *aboutDialog() const { return about_; }

    // Runs the command of button `index`, as releasing the button does.
    void runCommand(int index);
    // A file handed to the program by the desktop: a .fom starts a new
    // document on the template, anything else opens as a label file.
    void openGivenFile(const QString &path);

protected:
    void resizeEvent(QResizeEvent *event) override;
    // A label file dropped on the menu opens in the editor, a template file
    // as a new document, as openGivenFile() does.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void layOutButtons();
    // Buttons 2, 3 and 6: a file for the editor or the designer.
    void openFileIn(const QString &filter, OpenModes openMode, bool inDesigner);
    void openPath(const QString &path, OpenModes openMode, bool inDesigner);
    void showAbout();
    void setUpPrinter();

    AppState &state_;
    std::array<PictureButton *, ButtonCount> buttons_{};
    int columns_ = 1;
    int lastCommand_ = 0;
    bool startedWithDefaults_ = false;
    QPointer<AboutDialog> about_;
    // Where the settings placed the window, in twips and in pixels: an
    // unmoved window writes its twips back unchanged, not rounded to pixels.
    QPoint placedAt_;
    int placedWidth_ = 0;
    float placedLeftTwips_ = 0;
    float placedTopTwips_ = 0;
    float placedWidthTwips_ = 0;
};

} // namespace porkane
