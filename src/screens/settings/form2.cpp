// SPDX-License-Identifier: GPL-3.0-or-later
#include "form2.h"

#include "logtransfer.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "screens/shared/storabletext.h"
#include "settingschecks.h"
#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/numbers.h"
#include "state/state.h"
#include "state/weightlog.h"
#include "state/weightlogfile.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString logInputRefused = u"有効範囲内にある半角数字を入れてください"_s;
const QString weightPlaceholder = u"体重kg"_s;
} // namespace

Form2::Form2() : weights(weightLog())
{
    setObjectName(u"Form2"_s);
    setWindowTitle(u" 設定画面 - zunoko - すべて半角で記入してください"_s);
    // No close box: the screen is left only through its buttons.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint);
    setFont(gothicFont());
    setClientSizeInTwips(this, 5595, 3300);

    Label1 = makeLabelAt(this, u"Label1"_s, u"宣言日 ymd"_s, 120, 160);
    Label2 = makeLabelAt(this, u"Label2"_s, u"開始体重 kg"_s, 120, 520);
    Label3 = makeLabelAt(this, u"Label3"_s, u"目標体重 kg"_s, 120, 880);
    Label4 = makeLabelAt(this, u"Label4"_s, u"身長 cm"_s, 120, 1240);
    Label5 = makeLabelAt(this, u"Label5"_s, u"http://"_s, 120, 1600);
    Text3 = makeNumberBox(this, u"Text3"_s, {1320, 120, 1815, 270}, 8);
    Text4 = makeNumberBox(this, u"Text4"_s, {1320, 480, 1815, 270}, 5);
    Text5 = makeNumberBox(this, u"Text5"_s, {1320, 840, 1815, 270}, 5);
    Text6 = makeNumberBox(this, u"Text6"_s, {1320, 1200, 1815, 270}, 5);
    Text7 = makeTextBox(this, u"Text7"_s, {840, 1560, 2295, 270}, 300, false);
    Text7->setValidator(new StorableTextValidator(Text7));
    // Each caption names its box for screen readers.
    Label1->setBuddy(Text3);
    Label2->setBuddy(Text4);
    Label3->setBuddy(Text5);
    Label4->setBuddy(Text6);
    Label5->setBuddy(Text7);

    Frame2 = makeFrame(this, u"Frame2"_s, u"性別"_s, {120, 1920, 1215, 615});
    Option1 = makeOption(Frame2, u"Option1"_s, u"男"_s, {120, 240, 495, 255});
    Option2 = makeOption(Frame2, u"Option2"_s, u"女"_s, {600, 240, 495, 255});
    Frame1 = makeFrame(this, u"Frame1"_s, u"期限を設ける"_s, {1440, 1920, 1815, 615});
    Check1 = makeCheckBox(Frame1, u"Check1"_s, QString(), {120, 240, 255, 255});
    Text8 = makeNumberBox(Frame1, u"Text8"_s, {480, 240, 855, 270}, 4);
    Text8->setText(u"365"_s);
    Label8 = makeLabelAt(Frame1, u"Label8"_s, u"日"_s, 1440, 300);

    Command6 = makeButton(this, u"Command6"_s, u"設定を終了する"_s, {50, 2580, 2110, 375});
    Command4 = makeButton(this, u"Command4"_s, u"ヘルプ"_s, {2200, 2580, 1095, 375});
    Command9 = makeButton(this, u"Command9"_s, u"コピー変更"_s, {2200, 3000, 1095, 255});

    Label6 = makeLabelAt(this, u"Label6"_s, u"モード選択"_s, 3240, 180);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(u"Combo1"_s);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    for (const QString &entry : LevelModeListTexts)
        Combo1->addItem(entry);
    placeInTwips(Combo1, 4200, 120, 1335, 300);
    Label6->setBuddy(Combo1);
    Command7 = makeButton(this, u"Command7"_s, u"文字色"_s, {3360, 600, 735, 255});
    Label7 = makeLabel(this, u"Label7"_s, u"色"_s, {4200, 600, 495, 255});
    Label7->setAlignment(Qt::AlignCenter);
    Label7->setAutoFillBackground(true);
    Command8 = makeButton(this, u"Command8"_s, u"背景色"_s, {4800, 600, 735, 255});

    MSFlexGrid1 = new QTableView(this);
    MSFlexGrid1->setObjectName(u"MSFlexGrid1"_s);
    MSFlexGrid1->setModel(&weights);
    placeInTwips(MSFlexGrid1, 3360, 960, 2175, 1575);
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(pixelsFromTwips(300));
    MSFlexGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSFlexGrid1->horizontalHeader()->setMinimumSectionSize(1);
    MSFlexGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    MSFlexGrid1->setColumnWidth(0, pixelsFromTwips(150));
    MSFlexGrid1->setColumnWidth(1, pixelsFromTwips(1000));
    MSFlexGrid1->setColumnWidth(2, pixelsFromTwips(600));
    MSFlexGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setTabKeyNavigation(false); // Tab leaves the table as it leaves any control
    logTransfer = new LogTransfer(
        MSFlexGrid1, weights, [this] { return declarationDateForEntries(); },
        [this](std::vector<WeightLog::Entry> entries) { takeEntries(std::move(entries)); });

    Text1 = makeNumberBox(this, u"Text1"_s, {3360, 2640, 1455, 270}, 8);
    Text2 = makeNumberBox(this, u"Text2"_s, {4920, 2640, 615, 270}, 5);
    // Named after the table's columns they edit.
    Text1->setAccessibleName(u"年月日"_s);
    Text2->setAccessibleName(u"体重"_s);
    Command1 = makeButton(this, u"Command1"_s, u"新規"_s, {3360, 3000, 735, 255});
    Command2 = makeButton(this, u"Command2"_s, u"書込"_s, {4120, 3000, 800, 255});
    Command3 = makeButton(this, u"Command3"_s, u"削除"_s, {4960, 3000, 580, 255});

    connect(MSFlexGrid1, &QTableView::clicked, this,
            [this](const QModelIndex &cell) { MSFlexGrid1_Click(cell.row() + 1); });
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(Command6, &QPushButton::clicked, this, &Form2::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form2::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form2::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &Form2::Command9_Click);
    pressOnKey(Command4, Qt::Key_F1);
    connect(Text2, &QLineEdit::returnPressed, Command2, &QPushButton::click);
    connect(Check1, &QCheckBox::clicked, this, &Form2::Check1_Click);
    connect(Option1, &QRadioButton::clicked, this, &Form2::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form2::Option2_Click);
    // A choice from the list, even of the entry already shown; typing into the box is none.
    connect(Combo1, &QComboBox::activated, this, &Form2::Combo1_Click);
    // Any change of these texts, typed or set by the program, is a change of the settings.
    for (QLineEdit *box : {Text3, Text4, Text5, Text6, Text7, Text8})
        connect(box, &QLineEdit::textChanged, this, &Form2::settingsChanged);
}

void Form2::Form_Load()
{
    LoadSettingsScreen();
}

void Form2::LoadSettingsScreen()
{
    Text1->clear();
    Text2->clear();
    MSFlexGrid1->hide(); // drawn once, when all rows are in
    fillLog();
    showTableFromTop();

    takeNewestEntry(weights);
    showIdle(u"西暦年月日"_s);
    fillSettingsFields();
}

// The rows of the file, in file order (see loadWeightLog); a pending blank row goes first.
void Form2::fillLog()
{
    if (newRowPending)
        weights.removeEntry(selectedRow);
    selectedRow = 0;
    newRowPending = false;
    const QString problem = loadWeightLog(weights, platform().now());
    if (!problem.isEmpty())
        platform().showMessage(problem);
}

void Form2::showTableFromTop()
{
    MSFlexGrid1->setCurrentIndex(weights.index(0, 1));
    MSFlexGrid1->scrollToTop();
    MSFlexGrid1->show();
}

SettingsFields Form2::fields() const
{
    return {.declarationDate = halfWidthForms(Text3->text()),
            .startWeight = halfWidthForms(Text4->text()),
            .targetWeight = halfWidthForms(Text5->text()),
            .height = halfWidthForms(Text6->text()),
            .webAddress = Text7->text(),
            .deadlineDays = halfWidthForms(Text8->text()),
            .deadlineSet = Check1->isChecked(),
            .male = Option1->isChecked(),
            .levelModeText = Combo1->currentText()};
}

void Form2::untickDeadline(const QString &days)
{
    Check1->setChecked(false);
    setBoxText(Text8, days);
    Text8->setEnabled(false);
}

void Form2::fillSettingsFields()
{
    // Whole, however long a hand-edited file makes them: the boxes' limits are for typing.
    setBoxText(Text3, eightDigitsFromDate(dateFromSerial(declarationDate())));
    setBoxText(Text4, formatWeightText(startWeight()));
    setBoxText(Text5, formatWeightText(targetWeight()));
    setBoxText(Text6, formatWeightText(::height())); // the slot, not the window's height
    setBoxText(Text7, shownText(storableWebAddress(webAddress())));
    if (sex() == 0)
        Option1->setChecked(true);
    else
        Option2->setChecked(true);
    Check1->setChecked(deadlineDays() != 0);
    Text8->setEnabled(deadlineDays() != 0);
    if (deadlineDays() != 0)
        setBoxText(Text8, QString::number(deadlineDays()));
    // A code outside the list (a hand-edited file) shows no entry; the save then keeps the code.
    const bool listed = levelMode() >= 0 && levelMode() < LevelModeCount;
    Combo1->setCurrentIndex(listed ? levelMode() : -1);
    showColourSample();
}

void Form2::showColourSample()
{
    QPalette sample = Label7->palette();
    sample.setColor(QPalette::WindowText, colourFromBgr(textColour()));
    sample.setColor(QPalette::Window, colourFromBgr(backColour()));
    Label7->setPalette(sample);
}

void Form2::MSFlexGrid1_Click(int row)
{
    if (row < 1 || row >= weights.entryCount())
        return; // the heading and the declaration entry are never selected
    Text1->setEnabled(true);
    Text2->setEnabled(true);
    const int pendingRow = newRowPending ? selectedRow : 0;
    selectRow(row);
    if (pendingRow != 0 && row != pendingRow) {
        // Another row was clicked: the blank row above it goes, so the clicked row moves up one.
        weights.removeEntry(pendingRow);
        newRowPending = false;
        selectedRow = row - 1;
    }
}

void Form2::selectRow(int row)
{
    setBoxText(Text1, weights.dateText(row));
    setBoxText(Text2, weights.weightText(row));
    weights.setMarkedRow(row);
    selectedRow = row;
    Text2->setFocus();
}

void Form2::Command1_Click()
{
    Text1->setEnabled(true);
    Text2->setEnabled(true);
    if (newRowPending)
        return;
    weights.setMarkedRow(0); // an unfinished correction is abandoned
    weights.insertBlankEntry(1);
    MSFlexGrid1->setCurrentIndex(weights.index(0, 1));
    weights.setMarkedRow(1);
    selectedRow = 1;
    Text1->setText(eightDigitsFromDate(platform().now().date()));
    Text2->clear();
    Text2->setFocus();
    newRowPending = true;
}

void Form2::Command2_Click()
{
    if (selectedRow == 0)
        return;
    const std::optional<QDate> date = dateFromDateBox(Text1->text());
    if (!date) {
        platform().showMessage(logInputRefused);
        return;
    }
    if (*date <= dateFromSerial(declarationDate())) {
        platform().showMessage(u"宣言日より過去の年月日は設定できません"_s);
        return;
    }
    const std::optional<double> weight = numberWithin(Text2->text(), 0, 999.9);
    if (!weight) {
        platform().showMessage(logInputRefused);
        return;
    }
    weights.setMarkedRow(0);
    weights.setEntry(selectedRow, eightDigitsFromDate(*date), formatWeightText(*weight));
    // The save writes the declaration into the last row, which therefore stays where it is.
    weights.sortNewestFirst();
    selectedRow = 0;
    newRowPending = false;
    showIdle(u"西暦年月日"_s);
    settingsDirty = 1;
}

void Form2::Command3_Click()
{
    if (selectedRow == 0)
        return;
    weights.removeEntry(selectedRow);
    selectedRow = 0;
    newRowPending = false;
    showIdle(u"年／月／日"_s);
    settingsDirty = 1;
}

void Form2::showIdle(const QString &datePlaceholder)
{
    Text1->setText(datePlaceholder);
    Text2->setText(weightPlaceholder);
    Text1->setEnabled(false);
    Text2->setEnabled(false);
}

void Form2::discardPendingEntry()
{
    if (!newRowPending)
        return;
    weights.removeEntry(selectedRow);
    newRowPending = false;
    selectedRow = 0;
    showIdle(u"年／月／日"_s);
}

// Pasted and imported weighings come after the declaration date the save will write: the box's,
// when it holds a date that can be saved (a ticked deadline keeps the stored one), else the stored.
QDate Form2::declarationDateForEntries() const
{
    const QDate stored = dateFromSerial(declarationDate());
    if (Check1->isChecked())
        return stored;
    return dateFromDateBox(Text3->text()).value_or(stored);
}

// Many weighings at once, as one write: a pending blank row and an unfinished correction give way,
// the rows go in sorted newest first, the editor waits idle and the table shows from the top.
void Form2::takeEntries(std::vector<WeightLog::Entry> entries)
{
    if (newRowPending)
        weights.removeEntry(selectedRow);
    weights.setMarkedRow(0);
    selectedRow = 0;
    newRowPending = false;
    weights.insertEntries(1, std::move(entries));
    weights.sortNewestFirst();
    showIdle(u"西暦年月日"_s);
    showTableFromTop();
    settingsDirty = 1;
}

void Form2::Command6_Click()
{
    if (!finishChecksPass())
        return;
    discardPendingEntry();
    emit finished();
}

// The checks of the finish button, in order; the first that fails tells the user and leaves the
// screen as typed.
bool Form2::finishChecksPass()
{
    const auto refuse = [](const QString &message) {
        platform().showMessage(message);
        return false;
    };
    const std::optional<QDate> declared = dateFromDateBox(Text3->text());
    if (!declared)
        return refuse(u"有効範囲内にある半角数字を宣言日に入れてください"_s);
    // Compared as calendar days: a stored declaration date may carry the time it was declared.
    if (Check1->isChecked() && *declared != dateFromSerial(declarationDate()))
        return refuse(u"期限を設定している時は宣言日を変更できません"_s);
    const std::optional<double> start = numberWithin(Text4->text(), 0.5, 999.9);
    if (!start)
        return refuse(u"有効範囲内にある半角数字を開始体重に入れてください"_s);
    const std::optional<double> target = numberWithin(Text5->text(), 0.5, 999.9);
    if (!target)
        return refuse(u"有効範囲内にある半角数字を目標体重に入れてください"_s);
    if (!(*target < *start))
        return refuse(u"目標体重は開始体重より小さく設定してください"_s);
    if (!numberWithin(Text6->text(), 50, 999.9))
        return refuse(u"有効範囲内にある半角数字を身長に入れてください"_s);
    if (!Check1->isChecked())
        return true;

    const std::optional<double> days = wholeDaysFromBox(Text8->text());
    if (!days || *days > 9000)
        return refuse(u"有効範囲内にある半角数字を期限に入れてください"_s);
    // A new or changed deadline must fall on today + 7 days or later; an unchanged one passes.
    // The days are calendar days, also when the declaration carries the time it was made.
    const int elapsed = calendarDaysBetween(declarationDate(), platform().now().date());
    const bool newOrChanged = deadlineDays() == 0 || *days != deadlineDays();
    if (newOrChanged && *days < elapsed + 7)
        return refuse(
            u"今日から7日以上先に期限を設定してください。期限は宣言日から数えての日数になります｡"_s);
    return true;
}

void Form2::Command4_Click()
{
    emit helpRequested();
}

void Form2::Command9_Click()
{
    emit copyTemplateRequested();
}

void Form2::Command7_Click()
{
    pickColourInto(textColour());
}

void Form2::Command8_Click()
{
    pickColourInto(backColour());
}

// The one colour dialog opens on the colour last picked with either button; a cancel changes
// nothing, a pick goes into the slot and the sample at once.
void Form2::pickColourInto(std::int32_t &slot)
{
    const std::optional<std::int32_t> picked = platform().pickColour(lastPickedColour);
    if (!picked)
        return;
    lastPickedColour = *picked;
    slot = *picked;
    showColourSample();
    settingsDirty = 1;
}

void Form2::Check1_Click()
{
    settingsDirty = 1;
    Text8->setEnabled(Check1->isChecked());
}

// Choosing the sex that is not stored is a change; any stored value but 0 shows as female.
void Form2::Option1_Click()
{
    if (sex() != 0)
        settingsDirty = 1;
}

void Form2::Option2_Click()
{
    if (sex() == 0)
        settingsDirty = 1;
}

void Form2::Combo1_Click()
{
    settingsDirty = 1;
}

void Form2::settingsChanged()
{
    settingsDirty = 1;
}

// There is no close box: the screen is left only through its buttons, so a close asked for by
// the window system is refused.
void Form2::closeEvent(QCloseEvent *event)
{
    if (event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}
