// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore.h"

#include "form2.h"
#include "platform/platform.h"
#include "screens/storabletext.h"
#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/numbers.h"
#include "state/state.h"
#include "weighttablemodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

void takeNumber(const QLineEdit *box, double &slot)
{
    if (const std::optional<double> number = parseNumber(halfWidthForms(box->text())))
        slot = *number;
}

// The days box as a whole number, a fraction rounded half to even.
std::optional<std::int32_t> wholeNumber(const QLineEdit *box)
{
    const std::optional<double> number = parseNumber(halfWidthForms(box->text()));
    if (!number || std::abs(*number) > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(std::nearbyint(*number));
}

void reportUnsaved(const QString &reason)
{
    platform().showMessage(u"データを保存できませんでした。\n保存先: %1\n理由: %2"_s.arg(
        QDir::toNativeSeparators(yourDataPath()), reason));
}

} // namespace

void copySettingsIntoSlots(const Form2 &settings, int top, int left)
{
    if (const std::optional<QDate> date =
            dateFromEightDigits(halfWidthForms(settings.Text3->text())))
        declarationDate() = serialFromDate(*date);
    takeNumber(settings.Text4, startWeight());
    takeNumber(settings.Text5, targetWeight());
    takeNumber(settings.Text6, height());
    webAddress() = storedText(settings.Text7->text(), storableWebAddress(webAddress()));
    if (!settings.Check1->isChecked())
        deadlineDays() = 0;
    else if (const std::optional<std::int32_t> days = wholeNumber(settings.Text8))
        deadlineDays() = *days;
    if (const int code = levelModeOfListText(settings.Combo1->currentText()); code >= 0)
        levelMode() = code;
    windowTop() = top;
    windowLeft() = left;
    sex() = settings.Option1->isChecked() ? 0 : 1;
}

bool saveYourData(Form2 &settings)
{
    const WeightTableModel &weights = *settings.model();
    QTableView *table = settings.MSFlexGrid1;
    table->hide();
    QString problem;
    const QByteArray bytes = yourDataBytes(
        weights.entryCount(),
        [&](qsizetype i) {
            const WeightTableModel::Entry &row = weights.entry(static_cast<int>(i) + 1);
            return std::pair(row.date.view(), row.weight.view());
        },
        &problem);
    table->setCurrentIndex(weights.index(0, 1));
    table->scrollToTop();
    table->show();

    if (bytes.isEmpty()) {
        reportUnsaved(problem);
        return false;
    }
    QString error;
    if (!saveFile(yourDataPath(), bytes, &error)) {
        reportUnsaved(error);
        return false;
    }
    return true;
}

void takeNewestEntry(const WeightTableModel &weights)
{
    if (weights.entryCount() == 0)
        return;
    if (const std::optional<QDate> date = dateFromEightDigits(weights.dateText(1)))
        latestDate = serialFromDate(*date);
    currentWeight = newestWeight(weights);
}

double newestWeight(const WeightTableModel &weights)
{
    return weights.entryCount() == 1 ? startWeight() : weights.weightNumber(1);
}
