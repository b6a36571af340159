#include "form2.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "state/datafiles.h"
#include "state/dateserial.h"
#include "state/numbers.h"
#include "state/state.h"
#include "weighttablemodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using namespace Qt::Literals::StringLiterals;

Form2::Form2() : weights(new WeightTableModel(this))
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
    Text3 = makeTextBox(this, u"Text3"_s, {1320, 120, 1815, 270}, 8, true);
    Text4 = makeTextBox(this, u"Text4"_s, {1320, 480, 1815, 270}, 5, true);
    Text5 = makeTextBox(this, u"Text5"_s, {1320, 840, 1815, 270}, 5, true);
    Text6 = makeTextBox(this, u"Text6"_s, {1320, 1200, 1815, 270}, 5, true);
    Text7 = makeTextBox(this, u"Text7"_s, {840, 1560, 2295, 270}, 300, false);

    Frame2 = makeFrame(this, u"Frame2"_s, u"性別"_s, {120, 1920, 1215, 615});
    Option1 = makeOption(Frame2, u"Option1"_s, u"男"_s, {120, 240, 495, 255});
    Option2 = makeOption(Frame2, u"Option2"_s, u"女"_s, {600, 240, 495, 255});
    Frame1 = makeFrame(this, u"Frame1"_s, u"期限を設ける"_s, {1440, 1920, 1815, 615});
    Check1 = makeCheckBox(Frame1, u"Check1"_s, QString(), {120, 240, 255, 255});
    Text8 = makeTextBox(Frame1, u"Text8"_s, {480, 240, 855, 270}, 4, true);
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
    Command7 = makeButton(this, u"Command7"_s, u"文字色"_s, {3360, 600, 735, 255});
    Label7 = makeLabel(this, u"Label7"_s, u"色"_s, {4200, 600, 495, 255});
    Label7->setAlignment(Qt::AlignCenter);
    Label7->setAutoFillBackground(true);
    Command8 = makeButton(this, u"Command8"_s, u"背景色"_s, {4800, 600, 735, 255});

    MSFlexGrid1 = new QTableView(this);
    MSFlexGrid1->setObjectName(u"MSFlexGrid1"_s);
    MSFlexGrid1->setModel(weights);
    placeInTwips(MSFlexGrid1, 3360, 960, 2175, 1575);
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(pixelsFromTwips(300));
    MSFlexGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSFlexGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    MSFlexGrid1->setColumnWidth(0, pixelsFromTwips(150));
    MSFlexGrid1->setColumnWidth(1, pixelsFromTwips(1000));
    MSFlexGrid1->setColumnWidth(2, pixelsFromTwips(600));
    MSFlexGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    Text1 = makeTextBox(this, u"Text1"_s, {3360, 2640, 1455, 270}, 8, true);
    Text2 = makeTextBox(this, u"Text2"_s, {4920, 2640, 615, 270}, 5, true);
    Command1 = makeButton(this, u"Command1"_s, u"新規"_s, {3360, 3000, 735, 255});
    Command2 = makeButton(this, u"Command2"_s, u"書込"_s, {4120, 3000, 800, 255});
    Command3 = makeButton(this, u"Command3"_s, u"削除"_s, {4960, 3000, 580, 255});
}

void Form2::Form_Load()
{
    LoadSettingsScreen();
}

void Form2::LoadSettingsScreen()
{
    Text1->clear();
    Text2->clear();
    MSFlexGrid1->hide();

    QByteArray bytes;
    readFileBytes(yourDataPath(), bytes);
    const LogFileContents log = readLogFile(bytes);
    std::vector<WeightTableModel::Entry> rows;
    rows.reserve(log.entries.size());
    for (const LogEntry &entry : log.entries)
        rows.push_back(
            {eightDigitsFromDate(dateFromSerial(entry.date)), formatWeightText(entry.weight)});
    weights->setEntries(std::move(rows));
    selectedRow = 0;
    newRowPending = false;

    MSFlexGrid1->scrollToTop();
    MSFlexGrid1->show();
    if (weights->entryCount() > 0) {
        latestDate = serialFromDate(dateFromEightDigits(weights->dateText(1)).value_or(QDate()));
        currentWeight = weights->weightNumber(1);
    }

    Text1->setText(u"西暦年月日"_s);
    Text2->setText(u"体重kg"_s);
    Text1->setEnabled(false);
    Text2->setEnabled(false);

    Text3->setText(eightDigitsFromDate(dateFromSerial(declarationDate())));
    Text4->setText(formatWeightText(startWeight()));
    Text5->setText(formatWeightText(targetWeight()));
    Text6->setText(formatWeightText(::height()));
    Text7->setText(webAddress());
    if (sex() == 0)
        Option1->setChecked(true);
    else
        Option2->setChecked(true);
    Check1->setChecked(deadlineDays() != 0);
    Text8->setEnabled(deadlineDays() != 0);
    if (deadlineDays() != 0)
        Text8->setText(QString::number(deadlineDays()));
    if (levelMode() >= 0 && levelMode() < LevelModeCount)
        Combo1->setCurrentIndex(levelMode());
    QPalette sample = Label7->palette();
    sample.setColor(QPalette::WindowText, colourFromBgr(textColour()));
    sample.setColor(QPalette::Window, colourFromBgr(backColour()));
    Label7->setPalette(sample);
}

void Form2::MSFlexGrid1_Click(int) {}
void Form2::Command1_Click() {}
void Form2::Command2_Click() {}
void Form2::Command3_Click() {}
void Form2::Command6_Click() {}
void Form2::Command4_Click() {}
void Form2::Command7_Click() {}
void Form2::Command8_Click() {}
void Form2::Command9_Click() {}
void Form2::Check1_Click() {}
