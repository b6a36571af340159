// SPDX-License-Identifier: GPL-3.0-or-later
// The weight chart: opened from the chicks and the main screen's menu in the main screen's place,
// drawn from the settings screen's table as it stands, copied as a picture, and gone again
// without a byte written.

#include "platform/twips.h"
#include "screens/chart/chartplot.h"
#include "screens/chart/weightchart.h"
#include "screens/main/form1.h"
#include "screens/navigator.h"
#include "screens/settings/form2.h"
#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/numbers.h"
#include "state/state.h"
#include "state/weightlog.h"
#include "support/samplediet.h"
#include "support/tolmitest.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

class WeightChartTest : public TolmiTest
{
protected:
    void SetUp() override
    {
        TolmiTest::SetUp();
        writeData(u"yourdata.csv"_s, dietFile);
        loadDataFilesWithRecovery(fake.now);
        form2();
        Form1 &main = form1();
        moveWindowToTwips(&main, 3000, 4500);
        main.show();
    }

    // Puts `weights` into the settings screen's table without saving them, one a day from
    // 2020-01-01 (the declaration entry, the last row) on, the newest in row 1.
    static void keepUnsaved(const std::vector<double> &weights)
    {
        std::vector<WeightLog::Entry> rows;
        for (auto k = qsizetype(weights.size()); k-- > 0;)
            rows.emplace_back(eightDigitsFromDate(QDate(2020, 1, 1).addDays(k)),
                              formatWeightText(weights[k]));
        weightLog().setEntries(std::move(rows));
    }

    static WeightChart *openChart()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *chart = qobject_cast<WeightChart *>(window); chart && chart->isVisible())
                return chart;
        return nullptr;
    }
};

TEST_F(WeightChartTest, OpensFromTheChicksAndTheMenuInTheMainScreensPlace)
{
    const auto dataFiles = [this] {
        QStringList files;
        for (const QString &name : QDir(dataPath(QString())).entryList(QDir::Files))
            files << name + u'=' + QString::fromLatin1(readData(name).toHex());
        return files;
    };
    const QStringList before = dataFiles();
    Form1 &main = form1();
    for (QLabel *chick : {main.Image1[6], main.Image1[11]})
        EXPECT_EQ(chick->toolTip(), u"クリックで体重グラフを表示"_s);
    auto *menuItem = main.findChild<QAction *>(u"weightChartAction"_s);
    ASSERT_NE(menuItem, nullptr);
    EXPECT_EQ(menuItem->text(), u"体重グラフ(&G)"_s);
    EXPECT_EQ(main.contextMenuPolicy(), Qt::ActionsContextMenu);

    main.Image1[2]->show(); // a bright chick over the dim one
    // Two chicks, then the keyboard: Shift+F10 opens the menu and G chooses the chart.
    for (QLabel *chick : {main.Image1[9], main.Image1[2], static_cast<QLabel *>(nullptr)}) {
        const bool byKeys = !chick;
        main.show();
        if (byKeys) {
            main.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
            QTimer::singleShot(0, [] {
                if (QWidget *menu = QApplication::activePopupWidget())
                    QTest::keyClick(menu, Qt::Key_G);
            });
            QTest::keyClick(main.focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
        } else {
            QTest::mouseClick(chick, Qt::LeftButton);
        }
        QPointer<WeightChart> chart = openChart();
        ASSERT_NE(chart, nullptr);
        EXPECT_TRUE(chart->isVisible());
        EXPECT_FALSE(main.isVisible());
        EXPECT_EQ(chart->windowTitle(), u" 体重グラフ - zunoko"_s);
        EXPECT_EQ(chart->size(), main.size());
        EXPECT_EQ(chart->pos(), QPoint(300, 200));

        moveWindowToTwips(chart, 1500, 3000);
        if (byKeys)
            pressKey(chart, Qt::Key_Escape);
        else
            QTest::mouseClick(chart->back, Qt::LeftButton);
        ASSERT_TRUE(discarded(chart));
        EXPECT_TRUE(main.isVisible());
        EXPECT_EQ(windowTopInTwips(&main), 1500);
        EXPECT_EQ(windowLeftInTwips(&main), 3000);
        moveWindowToTwips(&main, 3000, 4500);
    }
    EXPECT_EQ(dataFiles(), before);
}

TEST_F(WeightChartTest, ForecastsFromTheTableAsItStandsAndCopiesAPicture)
{
    // 0.1 kg less every day for 400 days, from 120.0 kg to 80.1 kg, toward 70 kg: the trend ends
    // at 81.0 kg and falls 0.70 kg a week, so it reaches 70 kg 110 days after 2021-02-03.
    std::vector<double> weights;
    for (int k = 0; k < 400; ++k)
        weights.push_back(120.0 - k / 10.0);
    keepUnsaved(weights);
    startWeight() = 120;
    targetWeight() = 70;
    declarationDate() = serialFromDate(QDate(2020, 1, 1));
    deadlineDays() = 0;
    form1().openWeightChart();
    WeightChart *chart = openChart();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->forecast->text(),
              u"このペースなら 2021年5月24日ごろ目標達成（週 -0.70 kg）"_s);

    QGuiApplication::clipboard()->setText(u"old"_s);
    QTest::mouseClick(chart->copy, Qt::LeftButton);
    // Drawn at twice the window's pixels: sharp where a message board enlarges it.
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.width(), 2 * chart->plot->width());
    EXPECT_GT(copied.height(), 2 * chart->plot->height());
    EXPECT_GE(copied.width(), 714);
    EXPECT_GE(copied.height(), 386);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), chart->forecast->text());
}

// A noisy week far above the target: the kilograms span the week's weighings, not the way down
// to the target, which is named at the bottom edge; no date is forecast from a week.
TEST_F(WeightChartTest, AWeekFillsThePlotAndNamesTheTargetBelowIt)
{
    keepUnsaved({85.0, 84.9, 84.8, 85.2, 84.8, 85.2, 85.0, 84.8});
    startWeight() = 85;
    targetWeight() = 70;
    declarationDate() = serialFromDate(QDate(2020, 1, 1));
    form1().openWeightChart();
    WeightChart *chart = openChart();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->forecast->text(), u"予想には２週間ほどの記録が必要です"_s);
    for (QPushButton *range : {chart->last30Days, chart->wholeDiet}) {
        QTest::mouseClick(range, Qt::LeftButton);
        const WeightAxis &axis = chart->plot->weightAxis();
        EXPECT_LE(axis.low, 84.8);
        EXPECT_GE(axis.high, 85.2);
        EXPECT_LT(axis.high - axis.low, 1.5);
        EXPECT_EQ(axis.targetPlace, WeightAxis::TargetPlace::Below);
        EXPECT_EQ(axis.targetText, u"目標 70.0 kg ↓"_s);
    }
}

TEST_F(WeightChartTest, HoveringADotNamesItsDateWeightAndLevel)
{
    // The declaration (80 kg) and one weighing ten days later at 70 kg, half way to 60 kg: level
    // 10 of the kitten mode.
    std::vector<double> weights(11, 80.0);
    weights.back() = 70.0;
    keepUnsaved(weights);
    weightLog().removeEntry(2); // a row whose date or weight is no number is skipped too
    weightLog().insertBlankEntry(1);
    startWeight() = 80;
    targetWeight() = 60;
    declarationDate() = serialFromDate(QDate(2020, 1, 1));
    levelMode() = 0;
    form1().openWeightChart();
    WeightChart *chart = openChart();
    ASSERT_NE(chart, nullptr);
    for (QPushButton *range : {chart->last30Days, chart->wholeDiet}) {
        QTest::mouseClick(range, Qt::LeftButton);
        QStringList found;
        for (int x = 0; x < chart->plot->width(); ++x)
            for (int y = 0; y < chart->plot->height(); ++y)
                if (const QString text = chart->plot->hoverTextAt({x, y});
                    !text.isEmpty() && !found.contains(text))
                    found << text;
        EXPECT_TRUE(found.contains(u"2020年1月11日  70.0 kg  ライオン"_s)) << utf8(found.join('|'));
        EXPECT_TRUE(found.contains(u"2020年1月1日  80.0 kg  シロナガスクジラ"_s));
        EXPECT_EQ(found.size(), 10); // eleven days of weighings less the one removed
    }
    EXPECT_TRUE(chart->plot->hoverTextAt({0, 0}).isEmpty());
}

// A spreadsheet's slip puts weights of 1e17 kg or the largest reals into the file: the main
// screen, the win/loss table and the chart still open, draw every range and close.
TEST_F(WeightChartTest, AbsurdWeightsNeitherHangNorCrashAnyScreen)
{
    constexpr double largest = std::numeric_limits<double>::max();
    const std::vector<std::pair<std::vector<double>, double>> diets = {
        {{1e17, 1e17, 1e17}, 1e17 - 16},
        {{largest, largest, -largest, 80}, 70},
        {{80, 78}, -largest}};
    for (const auto &[weights, target] : diets) {
        keepUnsaved(weights);
        startWeight() = weights.back();
        targetWeight() = target;
        deadlineDays() = 30;
        RefreshMainScreen();
        form1().Command3->click(); // the win/loss table, drawn and closed
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible() && window != &form1())
                window->grab(), window->close();
        form1().openWeightChart();
        WeightChart *chart = openChart();
        ASSERT_NE(chart, nullptr);
        for (QPushButton *range :
             {chart->last30Days, chart->last90Days, chart->lastYear, chart->wholeDiet})
            QTest::mouseClick(range, Qt::LeftButton), chart->grab();
        chart->close();
        EXPECT_TRUE(form1().isVisible());
    }
}

} // namespace
