#include "print/PrintJobSetup.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFileInfo>

#include "document/LabelDocument.h"

namespace porkane {

namespace {

// lupdate files these texts under the context the translator looks them up in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PrintJobSetup)
};

} // namespace

PrintJobSetup::PrintJobSetup(const LabelDocument &document, ScreenScale screen) : document_(document), screen_(screen)
{
}

int PrintJobSetup::labelCount() const { return std::clamp(document_.labelCount(), 0, LabelDocument::MaxLabels); }

int PrintJobSetup::designLabel() const { return std::clamp(designLabel_, 1, std::max(labelCount(), 1)); }

int PrintJobSetup::startLabel() const { return std::clamp(startLabel_, 1, std::max(labelCount(), 1)); }

int PrintJobSetup::copies() const { return std::clamp(copies_, 1, PrintPlan::MaxCopies); }

void PrintJobSetup::loadData(const QString &path, TextEncoding encoding)
{
    dataFile_ = path;
    encoding_ = encoding;
    data_.reset();
    data_ = std::make_shared<const MergeData>(readMergeData(path, encoding));
}

void PrintJobSetup::clearData()
{
    data_.reset();
    dataFile_.clear();
}

PrintJobSetup::Check PrintJobSetup::check() const
{
    Check check;
    if (mode_ == PrintPlan::Mode::AsIs)
        return check;
    if (!data_) {
        check.refusal = Texts::tr("差し込むデータファイルを選んでください。");
        return check;
    }
    if (labelCount() < 1) {
        check.refusal = Texts::tr("ラベルがないため、差し込み印刷はできません。");
        return check;
    }
    const LabelMerge merge(document_, designLabel());
    const BarcodeMerge barcodes(document_, designLabel(), screen_);
    if (!barcodes.placementProblem().isEmpty()) {
        check.refusal = barcodes.placementProblem();
        return check;
    }
    std::vector<MergeProblem> missing = merge.missingFields(*data_);
    for (const MergeProblem &problem : barcodes.missingFields(*data_))
        missing.push_back(problem);
    if (!missing.empty()) {
        QStringList names;
        for (const MergeProblem &problem : missing)
            if (!names.contains(QStringLiteral("《%1》").arg(problem.field)))
                names << QStringLiteral("《%1》").arg(problem.field);
        check.refusal = Texts::tr("%1 には、ラベル %2 の %3 に当たる項目がありません。\r"
                                  "1 行目の項目名を確かめてください（%4）。")
                            .arg(QFileInfo(data_->file).fileName())
                            .arg(designLabel())
                            .arg(names.join(QStringLiteral("、")), data_->fieldNames.join(QStringLiteral("、")));
        return check;
    }
    for (std::size_t row = 0; row < data_->rows.size(); ++row) {
        const bool text = merge.merge(*data_, row, check.problems).has_value();
        const bool symbols = barcodes.isEmpty() || barcodes.merge(*data_, row, check.problems).has_value();
        if (text && symbols)
            check.rows.push_back(int(row));
    }
    if (check.rows.empty())
        check.refusal = Texts::tr("差し込める行がありません。");
    return check;
}

PrintPages PrintJobSetup::pages(const Check &check) const
{
    if (mode_ == PrintPlan::Mode::AsIs)
        return PrintPages::asIs(document_, startLabel(), copies());
    return PrintPages::merged(document_, data_, designLabel(), check.rows, startLabel(), copies(), screen_);
}

QString PrintJobSetup::summary() const
{
    const Check now = check();
    if (!now.canPrint())
        return now.refusal.section(QLatin1Char('\r'), 0, 0);
    // The plan alone counts the pages: no page or copy of the document is made.
    PrintPlan plan;
    plan.mode = mode_;
    plan.labelCount = labelCount();
    plan.startLabel = startLabel();
    plan.recordCount = int(now.rows.size());
    plan.copies = copies();
    const int pageCount = plan.pageCount();
    if (mode_ == PrintPlan::Mode::AsIs)
        return Texts::tr("全 %1 ページ").arg(pageCount);
    QString text = Texts::tr("%1 件（%2）").arg(now.rows.size()).arg(encodingName(data_->encoding));
    if (!now.problems.empty())
        text += Texts::tr("・差し込めない行 %1").arg(now.problems.size());
    return text + Texts::tr("・全 %1 ページ").arg(pageCount);
}

} // namespace porkane
