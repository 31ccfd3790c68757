#pragma once

#include <QWidget>

namespace porkane {

struct AppState;

// The main menu (Form2): the hub from which every other window is reached.
// Closing it writes porkane.INI and ends the program.
class MainMenuWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainMenuWindow(AppState &state, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    AppState &state_;
};

} // namespace porkane
