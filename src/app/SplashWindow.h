#pragma once

#include "widgets/SkinnedWindow.h"

class QProgressBar;

namespace porkane {

struct AppState;

// The first window (Form4): the picture, "フォント情報を読み込み中です。" and a
// progress bar while the font catalogue is listed. When it has listed every
// font it measures the screen's twips per pixel and says it is done.
class SplashWindow : public SkinnedWindow {
    Q_OBJECT
public:
    explicit SplashWindow(AppState &state, QWidget *parent = nullptr);

    // Lists the system's fonts into AppState::fontCatalogue, one step of the
    // bar per font, letting pending events run after each. Runs once.
    void buildCatalogue();
    QProgressBar *progressBar() const { return progress_; }

signals:
    void catalogueBuilt();

protected:
    void showEvent(QShowEvent *event) override;

private:
    AppState &state_;
    QProgressBar *progress_;
    bool built_ = false;
    bool scheduled_ = false;
};

} // namespace porkane
