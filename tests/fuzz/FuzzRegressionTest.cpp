// Every seed and every saved input goes through the reader checks again.
// Inputs whose names start with "refused-" must be refused, the seeds
// ("valid-") accepted.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "FuzzHarness.h"

using namespace porkane::fuzz;

namespace {

struct Input {
    QString reader;
    QString path;
};

std::vector<Input> inputs()
{
    std::vector<Input> all;
    for (const char *kind : {"corpus", "regressions"})
        for (const QString &reader : readerNames()) {
            const QDir folder(QStringLiteral(PORKANE_FUZZ_INPUTS "/%1/%2").arg(QLatin1String(kind), reader));
            for (const QString &name : folder.entryList(QDir::Files))
                all.push_back({reader, folder.filePath(name)});
        }
    return all;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

} // namespace

TEST(FuzzInputs, EveryReaderHasSeeds)
{
    for (const QString &reader : readerNames()) {
        const QDir folder(QStringLiteral(PORKANE_FUZZ_INPUTS "/corpus/%1").arg(reader));
        EXPECT_FALSE(folder.entryList(QDir::Files).isEmpty()) << reader.toStdString();
    }
}

TEST(FuzzInputs, SeedsAreAcceptedAndDamagedInputsRefused)
{
    int refusedSeen = 0;
    for (const Input &input : inputs()) {
        const QString name = QFileInfo(input.path).fileName();
        const Outcome outcome = check(input.reader, bytesOf(input.path));
        if (name.startsWith(QStringLiteral("refused-"))) {
            ++refusedSeen;
            EXPECT_EQ(outcome, Outcome::Refused) << input.path.toStdString();
        } else if (name.startsWith(QStringLiteral("valid-"))) {
            EXPECT_EQ(outcome, Outcome::Accepted) << input.path.toStdString();
        }
    }
    EXPECT_GE(refusedSeen, 8);
}
