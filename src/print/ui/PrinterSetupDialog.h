#pragma once

#include "print/PrinterSetup.h"
#include "widgets/SkinnedWindow.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QTreeWidget;

namespace porkane {

class PictureButton;

// "プリンタの設定": the system's printers with their state, and for the
// chosen one its paper size and source, orientation, colour and duplex.
// OK accepts (the caller puts setup() on the current printer), キャンセル
// and Escape reject. Without any printer it says so and OK changes
// nothing.
//
// The driver's own options are not offered: Qt shows them only inside its
// print dialog, and its page-setup dialog on CUPS repeats paper and
// orientation with margins, pages per sheet and a sample text page, which
// would only shrink or move the labels.
class PrinterSetupDialog : public SkinnedDialog {
    Q_OBJECT
public:
    explicit PrinterSetupDialog(PrinterSetup setup, QWidget *parent = nullptr);

    const PrinterSetup &setup() const { return setup_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *buildPrinterGroup();
    QWidget *buildPaperGroup();
    QWidget *buildOrientationGroup();
    QWidget *buildPrintGroup();
    QWidget *buildButtons();
    // Shows the chosen printer's details and what it offers.
    void showChosenPrinter();
    void showOrientation();

    PrinterSetup setup_;
    bool showing_ = false;

    QTreeWidget *printerList_ = nullptr;
    QLabel *noPrinter_ = nullptr;
    QLabel *model_ = nullptr;
    QLabel *location_ = nullptr;
    QLabel *comment_ = nullptr;
    QComboBox *paperSize_ = nullptr;
    QComboBox *paperSource_ = nullptr;
    QRadioButton *portrait_ = nullptr;
    QRadioButton *landscape_ = nullptr;
    QLabel *orientationPicture_ = nullptr;
    QComboBox *colourMode_ = nullptr;
    QComboBox *duplex_ = nullptr;
    QList<QGroupBox *> settingGroups_;
    PictureButton *okButton_ = nullptr;
    PictureButton *cancelButton_ = nullptr;
};

} // namespace porkane
