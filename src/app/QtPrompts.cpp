#include "app/QtPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>

#include "core/Colour.h"
#include "print/PrinterSetup.h"
#include "print/ui/PrinterSetupDialog.h"

namespace porkane {

namespace {

QWidget *dialogParent() { return QApplication::activeWindow(); }

QMessageBox::Icon messageIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString shownMessageText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QString filterExtension(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QtPrompts::QtPrompts() : lastFolder_(QDir::homePath()) {}

void QtPrompts::tell(const QString &text, PromptIcon icon)
{
    QMessageBox box(messageIcon(icon), PromptTitle, shownMessageText(text), QMessageBox::NoButton, dialogParent());
    box.setTextFormat(Qt::PlainText);
    QPushButton *ok = box.addButton(QCoreApplication::translate("QtPrompts", "OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

bool QtPrompts::ask(const QString &text, PromptIcon icon, Preselect preselect)
{
    QMessageBox box(messageIcon(icon), PromptTitle, shownMessageText(text), QMessageBox::NoButton, dialogParent());
    box.setTextFormat(Qt::PlainText);
    QPushButton *yes = box.addButton(QCoreApplication::translate("QtPrompts", "はい(&Y)"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QCoreApplication::translate("QtPrompts", "いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(preselect == Preselect::No ? no : yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

bool QtPrompts::askAboutList(const QString &text, const QStringList &items, PromptIcon icon, Preselect preselect)
{
    // The items in a list of their own under the question: a thousand
    // refused rows must not make a message box taller than the screen.
    QDialog dialog(dialogParent());
    dialog.setWindowTitle(PromptTitle);
    auto *layout = new QGridLayout(&dialog);
    auto *picture = new QLabel(&dialog);
    const int side = dialog.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &dialog);
    picture->setPixmap(QMessageBox::standardIcon(messageIcon(icon)).scaled(side, side, Qt::KeepAspectRatio,
                                                                          Qt::SmoothTransformation));
    layout->addWidget(picture, 0, 0, Qt::AlignTop);
    auto *message = new QLabel(shownMessageText(text), &dialog);
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    layout->addWidget(message, 0, 1);
    auto *list = new QPlainTextEdit(&dialog);
    list->setObjectName(QStringLiteral("promptList"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setPlainText(items.join(QLatin1Char('\n')));
    list->setMinimumSize(560, 220);
    layout->addWidget(list, 1, 1);
    auto *buttons = new QDialogButtonBox(&dialog);
    QPushButton *yes = buttons->addButton(QCoreApplication::translate("QtPrompts", "はい(&Y)"), QDialogButtonBox::YesRole);
    QPushButton *no = buttons->addButton(QCoreApplication::translate("QtPrompts", "いいえ(&N)"), QDialogButtonBox::NoRole);
    QObject::connect(yes, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(no, &QPushButton::clicked, &dialog, &QDialog::reject);
    (preselect == Preselect::No ? no : yes)->setDefault(true);
    (preselect == Preselect::No ? no : yes)->setFocus();
    layout->addWidget(buttons, 2, 0, 1, 2);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> QtPrompts::openFileName(const QString &filter)
{
    QFileDialog dialog(dialogParent(), QCoreApplication::translate("QtPrompts", "ファイルを開く"), lastFolder_,
                       filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

std::optional<QString> QtPrompts::saveFileName(const QString &filter, const QString &proposedName)
{
    QFileDialog dialog(dialogParent(), QCoreApplication::translate("QtPrompts", "名前を付けて保存"), lastFolder_,
                       filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The windows ask their own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    // A name typed without extension gets the filter's, as on Windows.
    dialog.setDefaultSuffix(filterExtension(filter));
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

std::optional<qint32> QtPrompts::chooseColour(qint32 initial)
{
    const QColor colour = QColorDialog::getColor(toQColor(initial), dialogParent(),
                                                 QCoreApplication::translate("QtPrompts", "色の設定"));
    if (!colour.isValid())
        return std::nullopt;
    return fromQColor(colour);
}

bool QtPrompts::choosePrinter(QPrinter &printer)
{
    PrinterSetupDialog dialog(PrinterSetup(systemPrinters(), readPrinterChoices(printer)), dialogParent());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // Without a printer there is nothing to take; the printer stays as it was.
    dialog.setup().applyTo(printer);
    return true;
}

} // namespace porkane
