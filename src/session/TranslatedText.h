#pragma once

// A text constant that is translated each time it is used, so that it
// follows the translator installed at start-up. It stands wherever a
// QString is taken.

#include <QCoreApplication>
#include <QString>

namespace porkane {

struct TranslatedText {
    const char *context;
    const char *source;

    QString text() const { return QCoreApplication::translate(context, source); }
    operator QString() const { return text(); }
};

} // namespace porkane
