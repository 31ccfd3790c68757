#include "session/Messages.h"

#include <QFileInfo>

#include "core/Errors.h"

namespace porkane {

namespace {

QString couldNotRead(DocumentKind kind)
{
    return kind == DocumentKind::Label
               ? QCoreApplication::translate("Messages", "ラベルファイルを正しく読み込めませんでした。")
               : QCoreApplication::translate("Messages", "フォームファイルを正しく読み込めませんでした。");
}

QString fileAndReason(const QString &path, const QString &reason)
{
    QString lines;
    if (!path.isEmpty())
        lines += QLatin1Char('\r') + QCoreApplication::translate("Messages", "ファイル：%1").arg(QFileInfo(path).fileName());
    if (!reason.isEmpty())
        lines += QLatin1Char('\r') + QCoreApplication::translate("Messages", "理由：%1").arg(reason);
    return lines;
}

} // namespace

QString BrokenFileMessage(DocumentKind kind, const QString &path, const QString &reason)
{
    return couldNotRead(kind) + QLatin1Char('\r') + QCoreApplication::translate("Messages", "ファイルが壊れています。") +
           fileAndReason(path, reason);
}

QString OpenRefusedMessage(DocumentKind kind, const QString &path, const UserError &error)
{
    if (dynamic_cast<const OutOfMemoryError *>(&error))
        return couldNotRead(kind) + fileAndReason(path, error.message());
    return BrokenFileMessage(kind, path, error.message());
}

} // namespace porkane
