#include "app/QtPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

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
