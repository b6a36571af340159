// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "engine/mainscreen.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "screens/shared/instancecheck.h"
#include "screens/shared/storabletext.h"
#include "state/datafiles.h"
#include "state/state.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString lineBreak = u"\r\n"_s;

struct LinePlace
{
    int element; // of Label1
    int top;
};

struct TextLine
{
    int element; // of Label1
    int top;
    const char16_t *name; // what the line shows, as screen readers name it
};

// The six text lines and the boxes drawn around them, top to bottom.
constexpr TextLine textLines[] = {{0, 225, u"レベル"},        {1, 705, u"現在の体重"},
                                  {2, 1185, u"開始時の体重"}, {3, 1635, u"目標"},
                                  {11, 2145, u"増減"},        {4, 2625, u"今日の一言"}};
constexpr LinePlace boxes[] = {{5, 105}, {6, 585}, {7, 1065}, {8, 1545}, {10, 2025}, {9, 2505}};
// The progress column, Image1(0) at the bottom to Image1(5) at the top.
constexpr int pictureTops[] = {2480, 2000, 1520, 1040, 560, 80};

QLabel *makeTitle(QWidget *parent, const QString &name, const QString &text, int top)
{
    QLabel *title = makeLabel(parent, name, text, {120, top, 375, 255});
    title->setTextFormat(Qt::PlainText);
    QPalette grey = title->palette();
    grey.setColor(QPalette::WindowText, QColor(128, 128, 128));
    title->setPalette(grey);
    return title;
}

// The picture is drawn at the screen's scale from the icon's versions for scale 1 and 2.
QLabel *makePicture(QWidget *parent, int element, const QIcon &picture)
{
    auto *image = new QLabel(parent);
    image->setObjectName(elementName(u"Image1"_s, element));
    image->setPixmap(picture.pixmap(QSize(30, 29), image->devicePixelRatioF()));
    image->resize(pixelsFromTwips(450), pixelsFromTwips(435));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

} // namespace

Form1::Form1()
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u" トルミ式 - zunoko"_s);
    setFont(gothicFont(9));
    setClientSizeInTwips(this, 5595, 3300);

    Label2 = makeTitle(this, u"Label2"_s, u"Ｌｖ"_s, 225);
    Label3 = makeTitle(this, u"Label3"_s, u"現在"_s, 705);
    Label4 = makeTitle(this, u"Label4"_s, u"開始"_s, 1185);
    Label5 = makeTitle(this, u"Label5"_s, u"目標"_s, 1665);
    Label7 = makeTitle(this, u"Label7"_s, u"増減"_s, 2160);
    Label6 = makeTitle(this, u"Label6"_s, u"一言"_s, 2640);

    // The boxes first, so that the text lines lie on top of them.
    for (const LinePlace &box : boxes) {
        QLabel *label = makeLabel(this, elementName(u"Label1"_s, box.element), QString(),
                                  {580, box.top, 4335, 405});
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        Label1[box.element] = label;
    }
    for (const TextLine &line : textLines) {
        QLabel *label = makeLabel(this, elementName(u"Label1"_s, line.element), u"Label1"_s,
                                  {620, line.top, 4270, 255});
        label->setTextFormat(Qt::PlainText);
        label->setAccessibleName(QString::fromUtf16(line.name));
        Label1[line.element] = label;
    }
    for (QLabel *label : Label1)
        label->setAutoFillBackground(true);

    // QIcon finds the "@2x" versions beside the pictures by itself.
    const QIcon bright(u":/pictures/chick.xpm"_s);
    const QIcon dim(u":/pictures/chick-dim.xpm"_s);
    // Each place of the column, from the bottom, shows a chick when lit and its shadow when not.
    for (int i = 0; i < 6; ++i) {
        Image1[i] = makePicture(this, i, bright);
        Image1[i]->move(pixelsFromTwips(5040), pixelsFromTwips(pictureTops[i]));
        Image1[i]->setAccessibleName(u"進み具合 %1／6：ヒヨコ"_s.arg(i + 1));
    }
    for (int i = 6; i < 12; ++i) {
        Image1[i] = makePicture(this, i, dim);
        Image1[i]->setAccessibleName(u"進み具合 %1／6：ヒヨコの影"_s.arg(i - 5));
    }
    for (QLabel *picture : Image1) {
        picture->setToolTip(u"クリックで体重グラフを表示"_s);
        picture->installEventFilter(this);
    }
    // The right-click menu, anywhere on the screen; from the keyboard the Menu key, which Qt turns
    // into the same request, or Shift+F10 open it, and G chooses its entry.
    auto *chart = new QAction(u"体重グラフ(&G)"_s, this);
    chart->setObjectName(u"weightChartAction"_s);
    connect(chart, &QAction::triggered, this, &Form1::openWeightChart);
    addAction(chart);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    openMenuOnShiftF10(this);

    Command1 = makeButton(this, u"Command1"_s, u"コピー"_s, {120, 3000, 975, 255});
    Command2 = makeButton(this, u"Command2"_s, u"ＷＥＢ"_s, {1200, 3000, 975, 255});
    Command3 = makeButton(this, u"Command3"_s, u"●○"_s, {2280, 3000, 1095, 255});
    Command5 = makeButton(this, u"Command5"_s, u"ヘルプ"_s, {3480, 3000, 975, 255});
    Command4 = makeButton(this, u"Command4"_s, u"入力"_s, {4560, 3000, 975, 255});
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    pressOnKey(Command5, Qt::Key_F1);
}

void Form1::Form_Load()
{
    if (refuseSecondInstance())
        return;
    // An unreadable file keeps the values already in memory (start-up has just read them).
    rereadSettingsHeader();
    applyColours();
    for (int i = 6; i < 12; ++i)
        Image1[i]->move(Image1[i - 6]->pos());
    for (int i = 0; i < 6; ++i)
        Image1[i]->hide();
}

void Form1::applyColours()
{
    for (QLabel *label : Label1) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, colourFromBgr(textColour()));
        colours.setColor(QPalette::Window, colourFromBgr(backColour()));
        label->setPalette(colours);
    }
}

void Form1::showResult(const MainScreenResult &result)
{
    showLine(0, result.levelLine);
    showLine(1, result.currentLine);
    showLine(2, result.startLine);
    showLine(3, result.targetLine);
    showLine(4, result.phraseLine);
    showLine(11, result.changeLine);
    for (int i = 0; i < 12; ++i)
        Image1[i]->setVisible(result.pictureVisible[i]);
}

void Form1::showLine(int element, const QString &text)
{
    Label1[element]->setText(text);
    for (const TextLine &line : textLines) {
        if (line.element == element)
            Label1[element]->setAccessibleName(QString::fromUtf16(line.name) + u"： "_s + text);
    }
}

void Form1::Command1_Click()
{
    // The titles as the copy customisation shows them.
    QString text = shownText(levelTitle()) + Label1[0]->text() + lineBreak;
    text += shownText(currentTitle()) + Label1[1]->text() + lineBreak;
    text += shownText(startTitle()) + Label1[2]->text() + lineBreak;
    text += shownText(targetTitle()) + Label1[3]->text() + lineBreak;
    text += shownText(changeTitle()) + Label1[11]->text();
    if (copyPhrase() == 1)
        text += lineBreak + shownText(phraseTitle()) + Label1[4]->text();
    if (trailingNewlines() == 1)
        text += lineBreak;
    else if (trailingNewlines() == 2)
        text += lineBreak + lineBreak;
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

// The stored address with "http://" in front, unless it already names its scheme, as an address
// copied from a browser does.
void Form1::Command2_Click()
{
    const QString address = addressForBrowser(webAddress());
    const bool hasScheme = address.startsWith(u"http://"_s, Qt::CaseInsensitive) ||
                           address.startsWith(u"https://"_s, Qt::CaseInsensitive);
    if (!platform().openAddress(hasScheme ? address : u"http://"_s + address))
        platform().showMessage(
            u"エラーです。ネットワークの接続や、フォルダオプションの関連付けなどを確認してください"_s);
}

void Form1::Command3_Click()
{
    emit winLossTableRequested();
}

void Form1::openWeightChart()
{
    emit weightChartRequested();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
        static_cast<QWidget *>(watched)->rect().contains(
            static_cast<QMouseEvent *>(event)->position().toPoint())) {
        openWeightChart();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::Command4_Click()
{
    settingsDirty = 0;
    emit settingsRequested();
}

void Form1::Command5_Click()
{
    emit helpRequested();
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closing(event);
}
