// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainscreen.h"

#include "formats.h"
#include "levels.h"
#include "objects.h"
#include "phrases.h"
#include "state/dateserial.h"
#include "state/numbers.h"
#include "state/state.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

double finiteOrZero(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

// " bmi" and F(weight / (height / 100)²), or " bmi--.-" when no BMI can be computed.
QString bmiText(double weight, double height)
{
    const double metres = height / 100;
    const double bmi = weight / (metres * metres);
    if (!(height > 0) || !std::isfinite(bmi))
        return u" bmi--.-"_s;
    return u" bmi"_s + formatTenths(bmi);
}

QString weightLine(double weight, DateSerial date, double height)
{
    return formatTenths(weight) + u" kg ("_s + formatJapaneseDate(date) + u")"_s +
           bmiText(weight, height);
}

QString targetLine(double target, double current, double rate, QDate today)
{
    const QString t = formatTenths(target) + u" kg ("_s;
    if (deadlineDays() == 0)
        return t + u"目標達成率 "_s + formatTenths(rate) + u" %)"_s;
    if (!(current > target))
        return t + u"期限内の目標達成です！)"_s;
    const std::int16_t elapsedDays = wholeDaysBetween(declarationDate(), serialFromDate(today));
    const std::int64_t daysLeft = std::clamp<std::int64_t>(
        static_cast<std::int64_t>(deadlineDays()) - elapsedDays,
        std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    if (daysLeft == 0)
        return t + u"本日が目標の期限です！)"_s;
    return t + u"期限まであと"_s + fullWidthNumber(daysLeft) + u"日)"_s;
}

} // namespace

double achievementRateOf(double start, double target, double current)
{
    const double rate = ((start - target) - (current - target)) / (start - target) * 100;
    return std::isfinite(rate) ? rate : 0.0;
}

MainScreenResult computeMainScreen(QDate today, const std::function<double()> &draw)
{
    const double start = finiteOrZero(startWeight());
    const double target = finiteOrZero(targetWeight());
    const double current = finiteOrZero(currentWeight);
    const double heightCm = finiteOrZero(height());

    MainScreenResult result;
    // 1. The achievement rate.
    result.achievementRate = achievementRateOf(start, target, current);
    const double rate = result.achievementRate;
    // 2. Target line.
    result.targetLine = targetLine(target, current, rate, today);
    // 3. Level line.
    result.levelIndex = levelIndex(rate);
    result.levelLine = levelName(rate, levelMode(), sex());
    // 4. Progress pictures.
    result.pictureStage = pictureStage(rate);
    result.pictureVisible = visiblePictures(result.pictureStage);
    // 5. Weight lines.
    result.startLine = weightLine(start, declarationDate(), heightCm);
    result.currentLine = weightLine(current, latestDate, heightCm);
    // 6. Phrase line.
    const PhraseOfTheDay phrase = phraseOfTheDay(randomPhraseOn, draw);
    result.phraseEntry = phrase.entry;
    result.phraseLine = phrase.text;
    // 7. Change line.
    const ChangeLine change = changeLine(start, current, showSign(), draw);
    result.changeLine = change.text;
    result.objectRow = change.row;
    result.lostGrams = change.lostGrams;

    randomPhraseOn = 1;
    return result;
}
