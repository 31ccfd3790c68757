#include "app/AboutDialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "core/Version.h"
#include "widgets/Artwork.h"
#include "widgets/HelpGuide.h"
#include "widgets/PictureButton.h"

namespace porkane {

AboutDialog::AboutDialog(QWidget *parent) : SkinnedWindow(TitleBar | CloseButton, parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setTitle(tr("ぽるかねについて"));

    auto *icon = new QLabel(this);
    icon->setPixmap(artwork::picture(QStringLiteral("porkane"), QSize(64, 64)));
    icon->setFixedSize(64, 64);

    auto *name = new QLabel(programName(), this);
    name->setObjectName(QStringLiteral("programName"));
    QFont nameFont = name->font();
    nameFont.setPixelSize(26);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setStyleSheet(QStringLiteral("color: #c4572c;"));

    auto *version = new QLabel(tr("ver%1").arg(ProgramVersion), this);
    version->setObjectName(QStringLiteral("version"));
    auto *about = new QLabel(tr("ラベルシートの作成と印刷"), this);
    for (QLabel *label : {version, about})
        label->setStyleSheet(QStringLiteral("color: #5a3622;"));

    helpButton_ = artwork::makeCommandButton(this, QStringLiteral("helpButton"), QStringLiteral("help"),
                                             tr("ヘルプ"), QString());
    const bool hasHelp = HelpGuide::guide().exists();
    helpButton_->setEnabled(hasHelp);
    helpButton_->setToolTip(hasHelp ? tr("ヘルプを表示します。") : tr("ヘルプファイルがありません。"));
    connect(helpButton_, &PictureButton::clicked, this, &AboutDialog::openHelp);
    HelpGuide::addKey(this, GuideSection::Contents);

    PictureButton *closeButton = artwork::makeCommandButton(this, QStringLiteral("okButton"), QStringLiteral("ok"),
                                                            tr("閉じる"), tr("Ａｂｏｕｔを閉じます。"));
    connect(closeButton, &PictureButton::clicked, this, &QWidget::close);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addWidget(about);

    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(helpButton_);
    buttons->addSpacing(10);
    buttons->addWidget(closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 6, 14, 6);
    layout->setSpacing(12);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

bool AboutDialog::openHelp() { return HelpGuide::open(GuideSection::Contents); }

void AboutDialog::closeEvent(QCloseEvent *event)
{
    SkinnedWindow::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void AboutDialog::keyPressEvent(QKeyEvent *event)
{
    // Escape closes it, as it does a dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    SkinnedWindow::keyPressEvent(event);
}

} // namespace porkane
