#include "app/AboutDialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "core/Version.h"
#include "widgets/Artwork.h"
#include "widgets/PictureButton.h"
#include "core/FileIO.h"

namespace porkane {

AboutDialog::AboutDialog(const QString &programFolder, UrlOpener openUrl, QWidget *parent)
    : SkinnedWindow(TitleBar | CloseButton, parent),
      helpPage_(helpPagePath(programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder)),
      openUrl_(openUrl ? std::move(openUrl) : UrlOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); }))
{
    setObjectName(QStringLiteral("frmAbout"));
    setTitle(tr("ぽるかねについて"));

    auto *icon = new QLabel(this);
    icon->setPixmap(artwork::picture(QStringLiteral("porkane"), QSize(64, 64)));
    icon->setFixedSize(64, 64);

    auto *name = new QLabel(ProgramName, this);
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
    const bool hasHelp = QFileInfo(helpPage_).isFile();
    helpButton_->setEnabled(hasHelp);
    helpButton_->setToolTip(hasHelp ? tr("ヘルプを表示します。") : tr("ヘルプファイルがありません。"));
    connect(helpButton_, &PictureButton::clicked, this, &AboutDialog::openHelp);

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

QString AboutDialog::helpPagePath(const QString &programFolder)
{
    return joinPath(joinPath(programFolder, QStringLiteral("Help")), QStringLiteral("メイン.htm"));
}

bool AboutDialog::openHelp()
{
    if (!QFileInfo(helpPage_).isFile())
        return false;
    return openUrl_(QUrl::fromLocalFile(helpPage_));
}

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
